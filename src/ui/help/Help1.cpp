#include "ui/help/Help1.h"

TForm14::TForm14(Forms& forms) : HelpWindow(forms, "Help on the Main Window")
{
    HelpPanel* welcome = AddPanel();
    welcome->BoldLine("Welcome to the datafile creation utility!");
    welcome->Line(
        "This utility will create a VHOLD.INI file that can be used as an  army  datafile  for");
    welcome->Line("the free Musterant program that creates Rosters for Varnhold players.");

    HelpPanel* steps = AddPanel();
    steps->Line("The program lets you create a single squad at a time, leading you through 7 "
                "steps. After those");
    steps->Line("steps you'll get back in the main window, where you can save the data to a "
                "vhold.ini datafile");
    steps->Line("that can be used in the Musterant program.The following steps have to be taken:");
    steps->Line("Step 1:  Main Window. Lets you load/save datafiles, choose army specifications "
                "and edit squads");
    steps->Line("Step 2: Squad Windows. Lets you fill in the characteristics of the squad/model");
    steps->Line(
        "Step 3: Standard Weapons. Lets you choose the standard weapons carried by the squad ");
    steps->Line(
        "Step 4: Replace Weapons. Lets you choose the replaceable weapons carried by the squad");
    steps->Line(
        "Step 5: Additional Weapons. Lets you choose the additional weapons carried by the squad");
    steps->Line("Step 6: Specials. Anything that doesn't fit in the weapons fits in the specials "
                "one way or the other");
    steps->Line(
        "Step 7: Restrictions. Fill in the number of weapons and specials a squad/model may have");
    steps->BoldLine("Make sure you have your army's Feldbrev at hand when filling in the data!");

    HelpPanel* army = AddPanel();
    army->QuestionRow("What is the name of your army?",
                      {"Fill in the name of your army, for instance RED ORCHARD or HOLLOW CROWN"});
    army->QuestionRow("What is a unit called in your army?",
                      {"Usually this is Unit, but players of the Skarrow fill in Brood"});
    army->QuestionRow("What is a squad called in your army?",
                      {"Usually this is Squad, but players of the Skarrow fill in Swarm"});

    HelpPanel* buttons = AddPanel();
    buttons->Button("New ", Glyph::New,
                    {"This button is used to create a new squad, and you will have to follow all 7 "
                     "steps to complete the ",
                     "specifications of 1 squad. Only after the 7 steps the squad is accepted and "
                     "a new one can be created."});
    buttons->Button("Edit", Glyph::Edit,
                    {"This button is used to edit an already accepted squad. If no squads are "
                     "accepted yet (you didn't follow",
                     "all 7 steps once, or no datafile is loaded) the button is unavailable."});
    buttons->Button("Load", Glyph::Load,
                    {"This button is used to load a existing vhold.ini army file. Only valid files "
                     "are accepted, meaning that it",
                     "must contain a section called [Race]."});
    buttons->Button("Save", Glyph::Save,
                    {"This button is used to save the data to a vhold.ini file. If no squads are "
                     "accepted yet (you didn't follow",
                     "all 7 steps once, or no datafile is loaded) the button is unavailable."});
    buttons->Button("&Close", Glyph::Close,
                    {"By pressing this button you will end the datafile creation utility."});

    FinishPage(617, 646);
}
