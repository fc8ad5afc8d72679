#include "ui/help/AbilitiesHelp.h"

AbilitiesHelp::AbilitiesHelp(QWidget* opener)
    : HelpWindow(opener, "Help on Step 6: Special Abilities")
{
    addBanner("This is step 6 of 7: the squad is not yet accepted!");

    HelpPanel* intro = addPanel();
    intro->addBoldLine(
        "Special Abilities are all other weapons and abilities that can not be placed "
        "in the previous");
    intro->addBoldLine(
        "weaponlists. Usually they are special weapons, psychic or combat abilities or upgrades");
    intro->addBoldLine("that apply to an entire squad/unit or can only be used once per army.");

    addLine("The list must contain all Special Ablitiies the models in the squad are capable of. "
            "It may be empty.");

    HelpPanel* buttons = addPanel();
    buttons->addButton("Add  ", ButtonIcon::Add,
                       {"With this button you can add Special Ability to the list."});
    addDeleteAndEditButtons(*buttons);
    buttons->addButton(
        "Previous", ButtonIcon::Previous,
        {"This button will take you back to the previous step 5: Additional Weapons."});
    buttons->addButton("Next  ", ButtonIcon::Next,
                       {"This button will take you to the next step 7: Restrictions"});

    setFixedClientSize(678, 427);
}
