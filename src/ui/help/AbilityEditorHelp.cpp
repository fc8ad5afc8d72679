#include "ui/help/AbilityEditorHelp.h"

AbilityEditorHelp::AbilityEditorHelp(QWidget* opener)
    : HelpWindow(opener, "Help on Add Special Ability")
{
    HelpPanel* naming = addPanel();
    naming->addLine("Just fill in the name of the ability and give it a small description.");
    naming->addLine("Do not make the description too long, it won't be printed that way");
    naming->addLine("If you're edting the Special Ability you cannot change its name.");
    naming->addLine("This is done for safety reasons so you don't loose track of the");
    naming->addLine("ability in other squads.");

    HelpPanel* tip = addPanel();
    tip->addLine("Tip: By using the same prefix name for groups, you can easily ");
    tip->addLine("distinguish between groups and their abilities.");
    tip->addLine(
        "Example: one group of abilities are all classified as Wargear. So all abilities ");
    tip->addLine("that are Wargear should have the following prefix:");
    tip->addLine("Wargear:");

    setFixedClientSize(429, 305);
}
