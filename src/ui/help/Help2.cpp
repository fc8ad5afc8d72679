#include "ui/help/Help2.h"

TForm15::TForm15(Forms& forms)
    : HelpWindow(forms, "Help on Step 2: fill in the characteristics of a unit")
{
    AddBanner("This is step 2 of 7: the squad is not yet accepted!");

    HelpPanel* intro = AddPanel();
    intro->Line("In this step 2 you'll have to fill in all the characteristics of the squad, like");
    intro->Line("name, specifications, type, minimum and maximum number of models");
    intro->Line("in the squad. Look in your Feldbrev for these characteristics.");

    HelpPanel* buttons = AddPanel();
    buttons->Button(" Previous", Glyph::Previous,
                    {"This button takes you back to the Main Window"});
    buttons->Button("Next ", Glyph::Next,
                    {"This button takes you to step 3: Standard Weapons. If you did not fill",
                     "in the name and the type of the squad, this button is unavailable!"});

    FinishPage(467, 298);
}
