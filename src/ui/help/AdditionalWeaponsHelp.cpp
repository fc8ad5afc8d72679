#include "ui/help/AdditionalWeaponsHelp.h"

AdditionalWeaponsHelp::AdditionalWeaponsHelp(QWidget* opener)
    : HelpWindow(opener, "Help on Step 5: Additional Weapons")
{
    addBanner("This is step 5 of 7: the squad is not yet accepted!");

    HelpPanel* intro = addPanel();
    intro->addBoldLine(
        "Additional Weapons are those weapons that are not carried by the models in the squad");
    intro->addBoldLine("by default, but can be carried for a certain cost. It usually is a list of "
                       "weapons from which");
    intro->addBoldLine("the models must choose in order to form a valid squad.");

    addLine("The list must contain all Additional Weapons the models in the squad may carry. It "
            "may be empty.");

    HelpPanel* buttons = addPanel();
    buttons->addButton("Add  ", ButtonIcon::Add,
                       {"With this button you can add Additional Weapons to the list."});
    addDeleteAndEditButtons(*buttons);
    buttons->addButton(
        "Previous", ButtonIcon::Previous,
        {"This button will take you back to the previous step 4: Replaceable Weapons."});
    buttons->addButton("Next  ", ButtonIcon::Next,
                       {"This button will take you to the next step 6: Special Abilities."});

    setFixedClientSize(677, 408);
}
