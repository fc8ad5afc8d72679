#include "ui/help/Help3.h"

TForm16::TForm16(Forms& forms) : HelpWindow(forms, "Help on Step3: Standard Weapons")
{
    AddBanner("This is step 3 of 7: the squad is not yet accepted!");

    HelpPanel* intro = AddPanel();
    intro->BoldLine("Standard Weapons are those weapons that are carried by default by all models "
                    "in the squad.");
    intro->BoldLine("They (usually) don't cost any points and are an integral part of the models "
                    "in the squad. The");
    intro->BoldLine("weapons can not be replaced or removed from the models.");

    AddLine("The list must contain all Standard Weapons the models in the squad are carrying. It "
            "may be empty.");

    HelpPanel* buttons = AddPanel();
    buttons->Button("Add  ", Glyph::Add,
                    {"With this button you can add Standard Weapons to the list."});
    AddDelAndEdit(*buttons);
    buttons->Button("Previous", Glyph::Previous,
                    {"This button will take you back to the previous step 2: fill in the "
                     "characteristics of the squad"});
    buttons->Button("Next  ", Glyph::Next,
                    {"This button will take you to the next step 4: Replaceable Weapons"});

    FinishPage(677, 423);
}
