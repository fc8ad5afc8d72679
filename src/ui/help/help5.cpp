#include "ui/help/help5.h"

TForm18::TForm18(Forms& forms) : HelpWindow(forms, "Help on Step 5: Additional Weapons")
{
    AddBanner("This is step 5 of 7: the squad is not yet accepted!");

    HelpPanel* intro = AddPanel();
    intro->BoldLine(
        "Additional Weapons are those weapons that are not carried by the models in the squad");
    intro->BoldLine("by default, but can be carried for a certain cost. It usually is a list of "
                    "weapons from which");
    intro->BoldLine("the models must choose in order to form a valid squad.");

    AddLine("The list must contain all Additional Weapons the models in the squad may carry. It "
            "may be empty.");

    HelpPanel* buttons = AddPanel();
    buttons->Button("Add  ", Glyph::Add,
                    {"With this button you can add Additional Weapons to the list."});
    AddDelAndEdit(*buttons);
    buttons->Button(
        "Previous", Glyph::Previous,
        {"This button will take you back to the previous step 4: Replaceable Weapons."});
    buttons->Button("Next  ", Glyph::Next,
                    {"This button will take you to the next step 6: Special Abilities."});

    FinishPage(677, 408);
}
