#include "ui/main/TroopSelectionDialog.h"

#include "store/LineOps.h"
#include "store/Store.h"
#include "ui/ControlNames.h"
#include "ui/controls/Button.h"
#include "ui/controls/Grid.h"
#include "ui/controls/Labels.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace
{

constexpr int typeCol = 0;
constexpr int nameCol = 1;
constexpr int typeWidth = 78;
constexpr int nameWidth = 192;

const char* const roleNames[] = {"HeadQuarters", "Elites", "Troops", "Fast Attack",
                                 "Heavy Support"};

// The type column shows every role name whole in the grid's font.
int typeColumnWidth(const QFontMetrics& metrics)
{
    int width = typeWidth;
    for (const char* role : roleNames)
        width = qMax(width, metrics.horizontalAdvance(QString::fromLatin1(role)) + 12);
    return width;
}

QLabel* makeHeading(QWidget* parent, const QString& text, int width)
{
    QLabel* heading = makeHeading(parent, text);
    heading->setFixedWidth(qMax(width, heading->sizeHint().width()));
    return heading;
}

} // namespace

TroopSelectionDialog::TroopSelectionDialog(QWidget* opener, const Store& armyStore, int lastRow,
                                           ArmyChanger changer, Purpose purpose)
    : Dialog(opener,
             purpose == Purpose::Duplicate ? QStringLiteral("Select the unit to duplicate")
                                           : QStringLiteral("Select the desired unit to edit"),
             TitleBar::CaptionOnly),
      store(armyStore), changeArmy(std::move(changer))
{
    troopGrid = new Grid(this, 2, 1);
    troopGrid->setReadOnly(true);
    troopGrid->setSelectsRows(true);
    troopGrid->setDefaultRowHeight(16);
    troopGrid->setVisibleRows(9);
    troopGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    troopGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    // The headings stand over the two columns even while the grid shows a single empty cell.
    roleHeading =
        makeHeading(this, QStringLiteral("Type"), typeColumnWidth(troopGrid->fontMetrics()));
    nameHeading = makeHeading(this, QStringLiteral("Name of the unit"), nameWidth);
    troopGrid->resizeColumn(typeCol, roleHeading->width());
    troopGrid->resizeColumn(nameCol, nameHeading->width());
    troopGrid->setColumnHeadings({roleHeading->text(), nameHeading->text()});
    troopGrid->setFixedSize(troopGrid->sizeHint());

    editButton = new Button(this, QStringLiteral("&Edit"), ButtonIcon::Edit);
    cancelButton = new Button(this, QStringLiteral("&Cancel"), ButtonIcon::Cancel);
    helpButton = makeHelpButton(this);
    setHelpButton(helpButton);
    deleteButton = new Button(this, QStringLiteral("&Delete"), ButtonIcon::Delete);
    setDefaultButton(editButton);
    setCancelButton(cancelButton);

    auto* headings = new QHBoxLayout;
    headings->setSpacing(0);
    headings->addSpacing(troopGrid->frameWidth());
    headings->addWidget(roleHeading);
    headings->addWidget(nameHeading);
    headings->addStretch(1);
    auto* gridColumn = new QVBoxLayout;
    gridColumn->setSpacing(0);
    gridColumn->addLayout(headings);
    gridColumn->addWidget(troopGrid);
    auto* gridRow = new QHBoxLayout;
    gridRow->addStretch(1);
    gridRow->addLayout(gridColumn);
    gridRow->addStretch(1);

    // Delete stands on a row of its own below the others, so that reading the window row by row
    // meets the buttons in the order Tab walks them.
    QHBoxLayout* buttons = buttonRow({editButton, cancelButton}, helpButton);
    auto* deleteRow = new QHBoxLayout;
    deleteRow->addWidget(deleteButton);
    deleteRow->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(gridRow);
    layout->addStretch(1);
    layout->addLayout(buttons);
    layout->addLayout(deleteRow);

    nameControls({{troopGrid, "troopGrid"},
                  {roleHeading, "roleHeading"},
                  {nameHeading, "nameHeading"},
                  {editButton, "editButton"},
                  {cancelButton, "cancelButton"},
                  {helpButton, "helpButton"},
                  {deleteButton, "deleteButton"}});
    setTabChain({troopGrid, editButton, cancelButton, helpButton, deleteButton});

    connect(editButton, &QPushButton::clicked, this, [this] { done(Accepted); });
    connect(cancelButton, &QPushButton::clicked, this, [this] { done(Rejected); });
    connect(deleteButton, &QPushButton::clicked, this, &TroopSelectionDialog::deleteTroop);
    connect(helpButton, &QPushButton::clicked, this, &TroopSelectionDialog::showHelp);
    // A double click on a troop chooses it, as Edit does.
    connect(troopGrid, &Grid::cellDoubleClicked, this, [this] { pressButton(editButton); });

    if (purpose == Purpose::Duplicate) {
        editButton->setText(QStringLiteral("&Duplicate"));
        editButton->setAccessibleName(QStringLiteral("Duplicate"));
        deleteButton->hide();
    }

    setFixedClientSize(324, 231);
    fillTroopGrid();
    if (lastRow >= 0)
        troopGrid->setCurrentRow(qMin(lastRow, troopGrid->rowCount() - 1));
}

void TroopSelectionDialog::activate()
{
    troopGrid->setFocus(Qt::OtherFocusReason);
}

int TroopSelectionDialog::currentRow() const
{
    return troopGrid->currentRow();
}

// Row i shows the role and name of slot i. Without troops the grid is one empty cell, and
// there is nothing to delete.
void TroopSelectionDialog::fillTroopGrid()
{
    const int troops = qBound(0, store.troopCount, int(Store::slotCount));
    if (troops == 0) {
        troopGrid->changeColumnCount(1);
        troopGrid->changeRowCount(1);
        troopGrid->setCell(typeCol, 0, QString());
        deleteButton->setEnabled(false);
        return;
    }
    troopGrid->changeColumnCount(2);
    troopGrid->resizeColumn(typeCol, roleHeading->width());
    troopGrid->resizeColumn(nameCol, nameHeading->width());
    troopGrid->changeRowCount(troops);
    for (int slot = 0; slot < troops; ++slot) {
        const Troop& troop = store.troops[slot];
        troopGrid->setCell(typeCol, slot, roleName(troop.role));
        troopGrid->setCell(nameCol, slot, troop.name);
    }
    deleteButton->setEnabled(true);
}

int TroopSelectionDialog::selectedSlot() const
{
    return qBound(0, troopGrid->currentRow(), Store::slotCount - 1);
}

// Delete: the last troop takes the place of the one deleted. Nothing is deleted without a
// troop on the selected row.
void TroopSelectionDialog::deleteTroop()
{
    const int row = troopGrid->currentRow();
    if (row < 0 || row >= store.troopCount)
        return;
    const QString question = QStringLiteral("Are you sure you want to delete the %1 \"%2\"?")
                                 .arg(store.army.squadWord, store.troops[row].name);
    if (messageBox(this, QStringLiteral("*** DELETE ***"), question,
                   QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    changeArmy(
        {QStringLiteral("Delete Troop \"") + store.troops[row].name + u'"', [row](Store& army) {
             removeTroop(army, row);
         }});
    fillTroopGrid();
}

void TroopSelectionDialog::showHelp()
{
    messageBox(this, QStringLiteral("Help on Edit Squads"),
               QStringLiteral("Just choose the squad you want to edit from the given list and "
                              "click the Ok button"),
               QMessageBox::Ok);
}
