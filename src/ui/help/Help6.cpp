#include "ui/help/Help6.h"

TForm19::TForm19(Forms& forms) : HelpWindow(forms, "Help on Step 6: Special Abilities")
{
    AddBanner("This is step 6 of 7: the squad is not yet accepted!");

    HelpPanel* intro = AddPanel();
    intro->BoldLine("Special Abilities are all other weapons and abilities that can not be placed "
                    "in the previous");
    intro->BoldLine(
        "weaponlists. Usually they are special weapons, psychic or combat abilities or upgrades");
    intro->BoldLine("that apply to an entire squad/unit or can only be used once per army.");

    AddLine("The list must contain all Special Ablitiies the models in the squad are capable of. "
            "It may be empty.");

    HelpPanel* buttons = AddPanel();
    buttons->Button("Add  ", Glyph::Add,
                    {"With this button you can add Special Ability to the list."});
    AddDelAndEdit(*buttons);
    buttons->Button("Previous", Glyph::Previous,
                    {"This button will take you back to the previous step 5: Additional Weapons."});
    buttons->Button("Next  ", Glyph::Next,
                    {"This button will take you to the next step 7: Restrictions"});

    FinishPage(678, 427);
}
