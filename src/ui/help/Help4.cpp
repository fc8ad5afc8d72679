#include "ui/help/Help4.h"

TForm17::TForm17(Forms& forms) : HelpWindow(forms, "Help on Step 4: Replaceable Weapons")
{
    AddBanner("This is step 4 of 7: the squad is not yet accepted!");

    HelpPanel* intro = AddPanel();
    intro->BoldLine(
        "Replaceable Weapons are those weapons that can be replaced by other weapons for a");
    intro->BoldLine(
        "certain cost. The replaceable weapon is the one the model is carrying at this point, and");
    intro->BoldLine(
        "the replace weapons are the weapons that can substitude the replaceable weapon.");

    AddLine("The left list must contain all Replaceable Weapons the models in the squad are "
            "carrying. It may be empty.");
    AddLine("The right list must contain all Replace Weapons for the selected replaceable weapon. "
            "It may not be empty.");

    HelpPanel* buttons = AddPanel();
    buttons->Button(
        "Add  ", Glyph::Add,
        {"With this button you can add either Replaceable or Replace Weapons to the list."});
    AddDelAndEdit(*buttons);
    buttons->Button("Previous", Glyph::Previous,
                    {"This button will take you back to the previous step 3: Standard Weapons."});
    buttons->Button("Next  ", Glyph::Next,
                    {"This button will take you to the next step 5: Additional Weapons."});

    FinishPage(677, 426);
}
