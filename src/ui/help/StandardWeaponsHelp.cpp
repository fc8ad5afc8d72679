#include "ui/help/StandardWeaponsHelp.h"

StandardWeaponsHelp::StandardWeaponsHelp(QWidget* opener)
    : HelpWindow(opener, "Help on Step3: Standard Weapons")
{
    addBanner("This is step 3 of 7: the squad is not yet accepted!");

    HelpPanel* intro = addPanel();
    intro->addBoldLine(
        "Standard Weapons are those weapons that are carried by default by all models "
        "in the squad.");
    intro->addBoldLine(
        "They (usually) don't cost any points and are an integral part of the models "
        "in the squad. The");
    intro->addBoldLine("weapons can not be replaced or removed from the models.");

    addLine("The list must contain all Standard Weapons the models in the squad are carrying. It "
            "may be empty.");

    HelpPanel* buttons = addPanel();
    buttons->addButton("Add  ", ButtonIcon::Add,
                       {"With this button you can add Standard Weapons to the list."});
    addDeleteAndEditButtons(*buttons);
    buttons->addButton("Previous", ButtonIcon::Previous,
                       {"This button will take you back to the previous step 2: fill in the "
                        "characteristics of the squad"});
    buttons->addButton("Next  ", ButtonIcon::Next,
                       {"This button will take you to the next step 4: Replaceable Weapons"});

    setFixedClientSize(677, 423);
}
