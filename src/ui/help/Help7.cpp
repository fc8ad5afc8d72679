#include "ui/help/Help7.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace
{

// One cell of the drawn copy of step 7: a heading, or a value as its grid and edit show it.
QLabel* Cell(QWidget* parent, const QString& text, bool heading)
{
    QLabel* cell = HelpWindow::MakeText(parent, text);
    cell->setMargin(3);
    if (heading) {
        cell->setFrameStyle(QFrame::Panel | QFrame::Raised);
    } else {
        cell->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        cell->setBackgroundRole(QPalette::Base);
        cell->setAutoFillBackground(true);
    }
    return cell;
}

// Step 7 filled in for the example: 4 abilities in all, at most 2 from group 1 and 1 from each
// of the others. The group's abilities stand joined as step 7 joins them.
QWidget* ExampleRestrictions()
{
    auto* drawing = new QWidget;
    auto* layout = new QVBoxLayout(drawing);
    layout->setContentsMargins(0, 4, 0, 4);
    layout->setSpacing(2);

    layout->addWidget(
        HelpWindow::MakeText(drawing, "How many Special Abilities can 1 model have in total?"));
    QLabel* total = Cell(drawing, "4", false);
    total->setMinimumWidth(41);
    layout->addWidget(total, 0, Qt::AlignLeft);
    layout->addSpacing(4);

    auto* table = new QGridLayout;
    table->setSpacing(0);
    const QStringList rows[] = {
        {"Groupnr", "Specials in the group", "Max"},
        {"1", "Psychic Power: Veil,Psychic Power: Ember,Psychic Power: Hush,Psychic Power: Lure",
         "2"},
        {"2", "Wargear: Grapnel,Wargear: Smoke Pots", "1"},
        {"3", "Runes: Warding,Runes: Mending", "1"},
    };
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 3; ++column)
            table->addWidget(Cell(drawing, rows[row][column], row == 0), row, column);
    }
    table->setColumnMinimumWidth(0, 41);
    table->setColumnMinimumWidth(1, 294);
    table->setColumnMinimumWidth(2, 39);
    layout->addLayout(table);
    return drawing;
}

} // namespace

TForm20::TForm20(Forms& forms) : HelpWindow(forms, "Help on Step 7: Restrictions")
{
    AddBanner("This is step 7 of 7: Once the OK button is pressed, the squad is accepted!");

    HelpPanel* intro = AddPanel();
    intro->BoldLine(
        "Usually the models in a squad may carry only a limited number of weapons and have a ");
    intro->BoldLine("limited amount of special abilites. In this step you must fill in those "
                    "restrictions for  maximum");
    intro->BoldLine("number of weapons, abilities and how many abilities can be used from a given "
                    "groupnumber.");

    HelpPanel* questions = AddPanel();
    questions->QuestionLine(
        "How many weapons can 1 model carry in total (standard+replaceable+additional)?");
    questions->IndentedLine("This is the maximum number of weapons a model in the squad may carry, "
                            "including standard, replaceable and additional weapons.");
    questions->IndentedLine("Just look in the Feldbrev and add all possible weapons, minus the "
                            "ones defined in the Special Abilities!");
    questions->QuestionLine("How many Special Abilities can 1 model have in total?");
    questions->IndentedLine(
        "This is the total number of Special Abilities a model in the squad may have. See your "
        "Feldbrev. Only available if you filled in step 6. ");

    HelpPanel* groups = AddPanel();
    groups->Row(MakeText(groups, "Max", true), {"(Only available if you filled in Step 6)"});
    groups->Line("In Step 6, you've added Special Abilities and those abilities where grouped in "
                 "groupnumbers. This was done because usually not all");
    groups->Line("Special Abilities may be chosen at the same time. You usually may only choose a "
                 "single or a few from different kinds of abilites.");
    groups->Line("So the different kinds of abilities are grouped, and you must choose how many "
                 "abilities may be used from those groups. This is the");
    groups->Line("value you have to fill in at the Max position. ");
    groups->Line("Example: The squad may choose 4 abilities (total number of abilities given in "
                 "previous parameter) from the following total of 8 abilities:");
    groups->IndentedLine("Group 1: Psychic Power: Veil, Psychic Power: Ember, Psychic Power: Hush, "
                         "Psychic Power: Lure");
    groups->IndentedLine("Group 2: Wargear: Grapnel, Wargear: Smoke Pots");
    groups->IndentedLine("Group 3: Runes: Warding, Runes: Mending");
    groups->Line("If the squad may only choose 1 from groups 2 and 3, but 2 from group 1,  the Max "
                 "values for group1 will be 2, and for the other groups 1");

    HelpPanel* example = AddPanel();
    example->Drawing(ExampleRestrictions());

    HelpPanel* buttons = AddPanel();
    buttons->Button("Previous", Glyph::Previous,
                    {"This button will take you back to the previous step 6: Special Abilities."});
    buttons->Button("OK", Glyph::Ok,
                    {"This button will end the steps and accept the data that is filled in for "
                     "this squad. You willl return to the main window"});

    FinishPage(683, 707);
}
