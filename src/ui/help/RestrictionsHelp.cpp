#include "ui/help/RestrictionsHelp.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace
{

// One cell of the drawn copy of step 7: a heading, or a value as its grid and edit show it.
QLabel* cell(QWidget* parent, const QString& text, bool heading)
{
    QLabel* cell = HelpWindow::makeText(parent, text);
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
QWidget* exampleRestrictions()
{
    auto* drawing = new QWidget;
    auto* layout = new QVBoxLayout(drawing);
    layout->setContentsMargins(0, 4, 0, 4);
    layout->setSpacing(2);

    layout->addWidget(
        HelpWindow::makeText(drawing, "How many Special Abilities can 1 model have in total?"));
    QLabel* total = cell(drawing, "4", false);
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
            table->addWidget(cell(drawing, rows[row][column], row == 0), row, column);
    }
    table->setColumnMinimumWidth(0, 41);
    table->setColumnMinimumWidth(1, 294);
    table->setColumnMinimumWidth(2, 39);
    layout->addLayout(table);
    return drawing;
}

} // namespace

RestrictionsHelp::RestrictionsHelp(QWidget* opener)
    : HelpWindow(opener, "Help on Step 7: Restrictions")
{
    addBanner("This is step 7 of 7: Once the OK button is pressed, the squad is accepted!");

    HelpPanel* intro = addPanel();
    intro->addBoldLine(
        "Usually the models in a squad may carry only a limited number of weapons and have a ");
    intro->addBoldLine("limited amount of special abilites. In this step you must fill in those "
                       "restrictions for  maximum");
    intro->addBoldLine(
        "number of weapons, abilities and how many abilities can be used from a given "
        "groupnumber.");

    HelpPanel* questions = addPanel();
    questions->addQuestionLine(
        "How many weapons can 1 model carry in total (standard+replaceable+additional)?");
    questions->addIndentedLine(
        "This is the maximum number of weapons a model in the squad may carry, "
        "including standard, replaceable and additional weapons.");
    questions->addIndentedLine("Just look in the Feldbrev and add all possible weapons, minus the "
                               "ones defined in the Special Abilities!");
    questions->addQuestionLine("How many Special Abilities can 1 model have in total?");
    questions->addIndentedLine(
        "This is the total number of Special Abilities a model in the squad may have. See your "
        "Feldbrev. Only available if you filled in step 6. ");

    HelpPanel* groups = addPanel();
    groups->addRow(makeText(groups, "Max", true), {"(Only available if you filled in Step 6)"});
    groups->addLine(
        "In Step 6, you've added Special Abilities and those abilities where grouped in "
        "groupnumbers. This was done because usually not all");
    groups->addLine(
        "Special Abilities may be chosen at the same time. You usually may only choose a "
        "single or a few from different kinds of abilites.");
    groups->addLine("So the different kinds of abilities are grouped, and you must choose how many "
                    "abilities may be used from those groups. This is the");
    groups->addLine("value you have to fill in at the Max position. ");
    groups->addLine("Example: The squad may choose 4 abilities (total number of abilities given in "
                    "previous parameter) from the following total of 8 abilities:");
    groups->addIndentedLine(
        "Group 1: Psychic Power: Veil, Psychic Power: Ember, Psychic Power: Hush, "
        "Psychic Power: Lure");
    groups->addIndentedLine("Group 2: Wargear: Grapnel, Wargear: Smoke Pots");
    groups->addIndentedLine("Group 3: Runes: Warding, Runes: Mending");
    groups->addLine(
        "If the squad may only choose 1 from groups 2 and 3, but 2 from group 1,  the Max "
        "values for group1 will be 2, and for the other groups 1");

    HelpPanel* example = addPanel();
    example->addDrawing(exampleRestrictions());

    HelpPanel* buttons = addPanel();
    buttons->addButton(
        "Previous", ButtonIcon::Previous,
        {"This button will take you back to the previous step 6: Special Abilities."});
    buttons->addButton("OK", ButtonIcon::Ok,
                       {"This button will end the steps and accept the data that is filled in for "
                        "this squad. You willl return to the main window"});

    setFixedClientSize(683, 707);
}
