#include "ui/help/CharacteristicsHelp.h"

CharacteristicsHelp::CharacteristicsHelp(QWidget* opener)
    : HelpWindow(opener, "Help on Step 2: fill in the characteristics of a unit")
{
    addBanner("This is step 2 of 7: the squad is not yet accepted!");

    HelpPanel* intro = addPanel();
    intro->addLine(
        "In this step 2 you'll have to fill in all the characteristics of the squad, like");
    intro->addLine("name, specifications, type, minimum and maximum number of models");
    intro->addLine("in the squad. Look in your Feldbrev for these characteristics.");

    HelpPanel* buttons = addPanel();
    buttons->addButton(" Previous", ButtonIcon::Previous,
                       {"This button takes you back to the Main Window"});
    buttons->addButton("Next ", ButtonIcon::Next,
                       {"This button takes you to step 3: Standard Weapons. If you did not fill",
                        "in the name and the type of the squad, this button is unavailable!"});

    setFixedClientSize(467, 298);
}
