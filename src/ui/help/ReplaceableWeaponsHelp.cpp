#include "ui/help/ReplaceableWeaponsHelp.h"

ReplaceableWeaponsHelp::ReplaceableWeaponsHelp(QWidget* opener)
    : HelpWindow(opener, "Help on Step 4: Replaceable Weapons")
{
    addBanner("This is step 4 of 7: the squad is not yet accepted!");

    HelpPanel* intro = addPanel();
    intro->addBoldLine(
        "Replaceable Weapons are those weapons that can be replaced by other weapons for a");
    intro->addBoldLine(
        "certain cost. The replaceable weapon is the one the model is carrying at this point, and");
    intro->addBoldLine(
        "the replace weapons are the weapons that can substitude the replaceable weapon.");

    addLine("The left list must contain all Replaceable Weapons the models in the squad are "
            "carrying. It may be empty.");
    addLine("The right list must contain all Replace Weapons for the selected replaceable weapon. "
            "It may not be empty.");

    HelpPanel* buttons = addPanel();
    buttons->addButton(
        "Add  ", ButtonIcon::Add,
        {"With this button you can add either Replaceable or Replace Weapons to the list."});
    addDeleteAndEditButtons(*buttons);
    buttons->addButton(
        "Previous", ButtonIcon::Previous,
        {"This button will take you back to the previous step 3: Standard Weapons."});
    buttons->addButton("Next  ", ButtonIcon::Next,
                       {"This button will take you to the next step 5: Additional Weapons."});

    setFixedClientSize(677, 426);
}
