#include "ui/catalogue/AbilityCostsDialog.h"

#include "store/AbilityGroups.h"
#include "store/LineOps.h"
#include "store/Number.h"
#include "store/Store.h"
#include "ui/ControlNames.h"
#include "ui/catalogue/CatalogueLines.h"
#include "ui/controls/Button.h"
#include "ui/controls/Grid.h"
#include "ui/controls/GridHeadings.h"
#include "ui/controls/Labels.h"
#include "ui/controls/RadioGroup.h"
#include "ui/help/AbilityCostsHelp.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace
{

enum Column { NameColumn, CostColumn, GroupColumn };
enum Scope { EachModel, WholeSquad };

} // namespace

AbilityCostsDialog::AbilityCostsDialog(QWidget* opener, const AbilityCostsRequest& request)
    : Dialog(opener, QStringLiteral("Edit Special Ability"), TitleBar::CaptionOnly)
{
    abilityGrid = new Grid(this, 3, 1);
    abilityGrid->setFixedColumns(1);
    abilityGrid->resizeColumn(NameColumn, 174);
    abilityGrid->resizeColumn(CostColumn, 32);
    abilityGrid->resizeColumn(GroupColumn, 40);
    abilityGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    abilityGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    abilityGrid->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    abilityHeading = makeHeading(this, QStringLiteral("Special Ability"));
    costHeading = makeHeading(this, QStringLiteral("Costs"));
    groupHeading = makeHeading(this, QStringLiteral("Groupnr"));
    headings = new GridHeadings(this, abilityGrid, {abilityHeading, costHeading, groupHeading});

    scopeChoice = new RadioGroup(
        this, QStringLiteral("Scope"),
        {QStringLiteral("This ability (and costs) applies to all models in the squad individually"),
         QStringLiteral("This ability (and costs) applies to the entire squad")});
    scopeChoice->setCheckedIndex(request.scope == WholeSquad ? WholeSquad : EachModel);
    abilityGrid->setCell(NameColumn, 0, request.name);
    abilityGrid->setCell(CostColumn, 0, request.cost);
    abilityGrid->setCell(GroupColumn, 0, request.group);
    abilityGrid->setCurrentRow(0);
    abilityGrid->setCurrentColumn(CostColumn);

    okButton = new Button(this, QStringLiteral("&OK"), ButtonIcon::Ok);
    helpButton = makeHelpButton(this);
    setHelpButton(helpButton);
    setDefaultButton(okButton);

    auto* layout = new QVBoxLayout(this);
    QHBoxLayout* gridRow = headedGrid(headings, abilityGrid, true);
    layout->addLayout(gridRow);
    layout->addSpacing(6);
    layout->addWidget(scopeChoice);
    layout->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    buttons->addStretch(1);
    buttons->addWidget(helpButton);
    layout->addLayout(buttons);

    nameControls({{abilityHeading, "abilityHeading"},
                  {costHeading, "costHeading"},
                  {groupHeading, "groupHeading"},
                  {headings, "headings"},
                  {abilityGrid, "abilityGrid"},
                  {scopeChoice, "scopeChoice"},
                  {okButton, "okButton"},
                  {helpButton, "helpButton"}});
    setTabOrder(abilityGrid, scopeChoice->button(EachModel));
    setTabChain({scopeChoice->button(WholeSquad), okButton, helpButton});

    connect(abilityGrid, &Grid::exited, this, &AbilityCostsDialog::replaceCommasInCells);
    connect(okButton, &QPushButton::clicked, this, &AbilityCostsDialog::accept);
    connect(helpButton, &QPushButton::clicked, this, &AbilityCostsDialog::showHelp);

    setFixedClientSize(433, 187);
}

void AbilityCostsDialog::activate()
{
    abilityGrid->setFocus(Qt::OtherFocusReason);
}

// OK: only groups 1 to 99 have a place for their maximum in the troop's limits, so any other
// group is refused and the group cell takes the focus again, its text selected.
void AbilityCostsDialog::accept()
{
    if (!hasLimitField(readNumber(group()))) {
        messageBox(this, QStringLiteral("*** INVALID GROUPNR ***"),
                   QStringLiteral("Please choose a Groupnr from %1 to %2.")
                       .arg(firstAbilityGroup)
                       .arg(lastAbilityGroup),
                   QMessageBox::Ok);
        abilityGrid->setCurrentColumn(GroupColumn);
        abilityGrid->setFocus(Qt::OtherFocusReason);
        abilityGrid->cellEditor()->selectAll();
        return;
    }
    done(Accepted);
}

QString AbilityCostsDialog::cost() const
{
    return abilityGrid->cell(CostColumn, 0);
}

QString AbilityCostsDialog::group() const
{
    return abilityGrid->cell(GroupColumn, 0);
}

int AbilityCostsDialog::scope() const
{
    return scopeChoice->checkedIndex();
}

void AbilityCostsDialog::replaceCommasInCells()
{
    for (int col : {CostColumn, GroupColumn}) {
        QString cell = abilityGrid->cell(col, 0);
        commaToSemicolon(cell);
        abilityGrid->setCell(col, 0, cell);
    }
}

// The dialog opens on the line's cost and group (a group below 1 shows as 1) and its scope.
// The line is rebuilt from what the dialog holds when it closes. Should a sorted list refuse
// the rebuilt line (it equals another line without regard to case), the old line stays.
void editAbilityCosts(QWidget* opener, Troop& troop, int index, int& lastScope)
{
    LineList* list = troop.abilities.get();
    if (!list || index < 0 || index >= list->count())
        return;
    const QString line = (*list)[index];
    int scope = lastScope;
    switch (readNumber(field(line, 4))) {
    case 0:
    case 2:
        scope = EachModel;
        break;
    case 1:
    case 3:
        scope = WholeSquad;
        break;
    default:
        break;
    }
    AbilityCostsDialog dialog(opener,
                              {field(line, 2), QString::number(readNumber(field(line, 3))),
                               QString::number(qMax(1, readNumber(field(line, 1)))), scope});
    dialog.showModal();
    lastScope = dialog.scope();

    QString costed = QString::number(readNumber(dialog.group())) + u',' + field(line, 2) + u',' +
                     QString::number(readNumber(dialog.cost()));
    if (dialog.scope() == WholeSquad)
        costed += QStringLiteral(",1");
    replaceLine(*list, index, costed);
}

void AbilityCostsDialog::showHelp()
{
    AbilityCostsHelp help(this);
    help.showModal();
}
