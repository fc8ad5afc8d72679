#include "ui/catalogue/AbilityCostsDialog.h"

#include "store/LineOps.h"
#include "store/Number.h"
#include "store/Store.h"
#include "ui/WindowRegistry.h"
#include "ui/catalogue/CatalogueLines.h"
#include "ui/controls/Button.h"
#include "ui/controls/Grid.h"
#include "ui/controls/GridHeadings.h"
#include "ui/controls/Labels.h"
#include "ui/controls/RadioGroup.h"
#include "ui/help/AbilityCostsHelp.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace
{

enum Column { NameColumn, CostColumn, GroupColumn };
enum Scope { EachModel, WholeSquad };

} // namespace

AbilityCostsDialog::AbilityCostsDialog(WindowRegistry& windows, Store& store)
    : Window(windows, QStringLiteral("Edit Special Ability"), TitleBar::CaptionOnly, Kind::Dialog),
      store(store)
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
        this, QStringLiteral("RadioGroup1"),
        {QStringLiteral("This ability (and costs) applies to all models in the squad individually"),
         QStringLiteral("This ability (and costs) applies to the entire squad")});
    scopeChoice->setCheckedIndex(EachModel);

    okButton = new Button(this, QStringLiteral("OK"), ButtonIcon::Ok);
    helpButton = makeHelpButton(this);
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

    setTabOrder(abilityGrid, scopeChoice->button(EachModel));
    setTabChain({scopeChoice->button(WholeSquad), okButton, helpButton});

    connect(abilityGrid, &Grid::exited, this, &AbilityCostsDialog::replaceCommasInCells);
    connect(okButton, &QPushButton::clicked, this, [this] { done(ModalResult::Ok); });
    connect(helpButton, &QPushButton::clicked, this, &AbilityCostsDialog::showHelp);

    setFixedClientSize(433, 187);
}

void AbilityCostsDialog::activate()
{
    abilityGrid->setFocus(Qt::OtherFocusReason);
}

void AbilityCostsDialog::replaceCommasInCells()
{
    for (int col : {CostColumn, GroupColumn}) {
        QString cell = abilityGrid->cell(col, 0);
        commaToSemicolon(cell);
        abilityGrid->setCell(col, 0, cell);
    }
}

// The dialog opens on the line's cost and group (a group below 1 shows as 1) and its scope;
// a scope other than 0 to 3 leaves the choice as the dialog last had it. The line is rebuilt
// from what the dialog holds when it closes. Should a sorted list refuse the rebuilt line (it
// equals another line without regard to case), the old line stays.
void editAbilityCosts(Store& store, WindowRegistry& windows, int index)
{
    LineList* list = store.currentTroop().abilities.get();
    if (!list || index < 0 || index >= list->count())
        return;
    AbilityCostsDialog& dialog = *windows.abilityCostsDialog;
    const QString line = (*list)[index];
    Grid& grid = *dialog.abilityGrid;
    grid.setCell(NameColumn, 0, field(line, 2));
    grid.setCell(CostColumn, 0, QString::number(readNumber(field(line, 3))));
    grid.setCell(GroupColumn, 0, QString::number(qMax(1, readNumber(field(line, 1)))));
    switch (readNumber(field(line, 4))) {
    case 0:
    case 2:
        dialog.scopeChoice->setCheckedIndex(EachModel);
        break;
    case 1:
    case 3:
        dialog.scopeChoice->setCheckedIndex(WholeSquad);
        break;
    default:
        break;
    }

    grid.setCurrentRow(0);
    grid.setCurrentColumn(CostColumn);
    dialog.exec();

    QString costed = QString::number(readNumber(grid.cell(GroupColumn, 0))) + u',' +
                     field(line, 2) + u',' + QString::number(readNumber(grid.cell(CostColumn, 0)));
    if (dialog.scopeChoice->checkedIndex() == WholeSquad)
        costed += QStringLiteral(",1");
    replaceLine(*list, index, costed);
}

void AbilityCostsDialog::showHelp()
{
    windows.abilityCostsHelp->exec();
}
