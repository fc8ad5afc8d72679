#include "ui/help/Help8.h"

TForm21::TForm21(Forms& forms) : HelpWindow(forms, "Help on Add Special Ability")
{
    HelpPanel* naming = AddPanel();
    naming->Line("Just fill in the name of the ability and give it a small description.");
    naming->Line("Do not make the description too long, it won't be printed that way");
    naming->Line("If you're edting the Special Ability you cannot change its name.");
    naming->Line("This is done for safety reasons so you don't loose track of the");
    naming->Line("ability in other squads.");

    HelpPanel* tip = AddPanel();
    tip->Line("Tip: By using the same prefix name for groups, you can easily ");
    tip->Line("distinguish between groups and their abilities.");
    tip->Line("Example: one group of abilities are all classified as Wargear. So all abilities ");
    tip->Line("that are Wargear should have the following prefix:");
    tip->Line("Wargear:");

    FinishPage(429, 305);
}
