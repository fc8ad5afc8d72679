#include "ui/help/MainWindowHelp.h"

MainWindowHelp::MainWindowHelp(QWidget* opener) : HelpWindow(opener, "Help on the Main Window")
{
    HelpPanel* welcome = addPanel();
    welcome->addBoldLine("Welcome to the datafile creation utility!");
    welcome->addLine(
        "This utility will create a VHOLD.INI file that can be used as an  army  datafile  for");
    welcome->addLine("the free Musterant program that creates Rosters for Varnhold players.");

    HelpPanel* steps = addPanel();
    steps->addLine("The program lets you create a single squad at a time, leading you through 7 "
                   "steps. After those");
    steps->addLine("steps you'll get back in the main window, where you can save the data to a "
                   "vhold.ini datafile");
    steps->addLine(
        "that can be used in the Musterant program.The following steps have to be taken:");
    steps->addLine("Step 1:  Main Window. Lets you load/save datafiles, choose army specifications "
                   "and edit squads");
    steps->addLine(
        "Step 2: Squad Windows. Lets you fill in the characteristics of the squad/model");
    steps->addLine(
        "Step 3: Standard Weapons. Lets you choose the standard weapons carried by the squad ");
    steps->addLine(
        "Step 4: Replace Weapons. Lets you choose the replaceable weapons carried by the squad");
    steps->addLine(
        "Step 5: Additional Weapons. Lets you choose the additional weapons carried by the squad");
    steps->addLine(
        "Step 6: Specials. Anything that doesn't fit in the weapons fits in the specials "
        "one way or the other");
    steps->addLine(
        "Step 7: Restrictions. Fill in the number of weapons and specials a squad/model may have");
    steps->addBoldLine("Make sure you have your army's Feldbrev at hand when filling in the data!");

    HelpPanel* army = addPanel();
    army->addQuestionRow(
        "What is the name of your army?",
        {"Fill in the name of your army, for instance RED ORCHARD or HOLLOW CROWN"});
    army->addQuestionRow("What is a unit called in your army?",
                         {"Usually this is Unit, but players of the Skarrow fill in Brood"});
    army->addQuestionRow("What is a squad called in your army?",
                         {"Usually this is Squad, but players of the Skarrow fill in Swarm"});

    HelpPanel* buttons = addPanel();
    buttons->addButton(
        "New ", ButtonIcon::New,
        {"This button is used to create a new squad, and you will have to follow all 7 "
         "steps to complete the ",
         "specifications of 1 squad. Only after the 7 steps the squad is accepted and "
         "a new one can be created."});
    buttons->addButton("Edit", ButtonIcon::Edit,
                       {"This button is used to edit an already accepted squad. If no squads are "
                        "accepted yet (you didn't follow",
                        "all 7 steps once, or no datafile is loaded) the button is unavailable."});
    buttons->addButton(
        "Load", ButtonIcon::Load,
        {"This button is used to load a existing vhold.ini army file. Only valid files "
         "are accepted, meaning that it",
         "must contain a section called [Race]."});
    buttons->addButton(
        "Save", ButtonIcon::Save,
        {"This button is used to save the data to a vhold.ini file. If no squads are "
         "accepted yet (you didn't follow",
         "all 7 steps once, or no datafile is loaded) the button is unavailable."});
    buttons->addButton("&Close", ButtonIcon::Close,
                       {"By pressing this button you will end the datafile creation utility."});

    setFixedClientSize(617, 646);
}
