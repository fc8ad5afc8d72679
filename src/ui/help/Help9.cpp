#include "ui/help/Help9.h"

TForm22::TForm22(Forms& forms) : HelpWindow(forms, "Help on Add or Edit a Special Ability")
{
    HelpPanel* costing = AddPanel();
    costing->Line(
        "Fill in the point costs and groupnumber for the Special Ability. Also choose whether the");
    costing->Line(
        "ability applies to all models in the squad or to the entire squad and choose whether the");
    costing->Line("ability can be used only once per army.");

    HelpPanel* groups = AddPanel();
    groups->Line(
        "Choose the groupnumber the ability belongs to. Usually not all abilities can be choosen ");
    groups->Line("at the same time, but only a limited number of abilities per group. By grouping "
                 "the abilities");
    groups->Line(
        "you can choose the limitations in Step 7. Groups are usually easy to distinguish as they");
    groups->Line("are also grouped or classified seperately in the Feldbrev. Also, by using a "
                 "prefix in the");
    groups->Line(
        "name of the abilities, you can already distinguish them and they're much easier to keep");
    groups->Line("apart. So if the Feldbrev mentions an ability from the Wargear, fill in all the "
                 "abilities that are");
    groups->Line(
        "listed under Wargear, give the ability names a prefix of Wargear: and place them all in ");
    groups->Line("the same group(number). You should get something like:");
    groups->IndentedLine("Wargear: Grapnel (group1)");
    groups->IndentedLine("Wargear: Smoke Pots (group1)");
    groups->IndentedLine("Wargear: Iron Visor (group1)");
    groups->IndentedLine("....");
    groups->IndentedLine("Psychic Power: Veil (group2)");
    groups->IndentedLine("Psychic Power: Ember (group2)");
    groups->IndentedLine("....");

    FinishPage(571, 440);
}
