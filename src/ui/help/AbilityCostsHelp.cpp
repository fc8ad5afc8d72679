#include "ui/help/AbilityCostsHelp.h"

AbilityCostsHelp::AbilityCostsHelp(QWidget* opener)
    : HelpWindow(opener, "Help on Add or Edit a Special Ability")
{
    HelpPanel* costing = addPanel();
    costing->addLine(
        "Fill in the point costs and groupnumber for the Special Ability. Also choose whether the");
    costing->addLine(
        "ability applies to all models in the squad or to the entire squad and choose whether the");
    costing->addLine("ability can be used only once per army.");

    HelpPanel* groups = addPanel();
    groups->addLine(
        "Choose the groupnumber the ability belongs to. Usually not all abilities can be choosen ");
    groups->addLine(
        "at the same time, but only a limited number of abilities per group. By grouping "
        "the abilities");
    groups->addLine(
        "you can choose the limitations in Step 7. Groups are usually easy to distinguish as they");
    groups->addLine("are also grouped or classified seperately in the Feldbrev. Also, by using a "
                    "prefix in the");
    groups->addLine(
        "name of the abilities, you can already distinguish them and they're much easier to keep");
    groups->addLine(
        "apart. So if the Feldbrev mentions an ability from the Wargear, fill in all the "
        "abilities that are");
    groups->addLine(
        "listed under Wargear, give the ability names a prefix of Wargear: and place them all in ");
    groups->addLine("the same group(number). You should get something like:");
    groups->addIndentedLine("Wargear: Grapnel (group1)");
    groups->addIndentedLine("Wargear: Smoke Pots (group1)");
    groups->addIndentedLine("Wargear: Iron Visor (group1)");
    groups->addIndentedLine("....");
    groups->addIndentedLine("Psychic Power: Veil (group2)");
    groups->addIndentedLine("Psychic Power: Ember (group2)");
    groups->addIndentedLine("....");

    setFixedClientSize(571, 440);
}
