#include "ui/wizard/RestrictionsStep.h"

#include "store/AbilityGroups.h"
#include "store/LineOps.h"
#include "store/Number.h"
#include "store/Store.h"
#include "ui/controls/Button.h"
#include "ui/controls/Grid.h"
#include "ui/controls/GridHeadings.h"
#include "ui/controls/Labels.h"
#include "ui/controls/LineEdit.h"
#include "ui/controls/StatusBar.h"
#include "ui/help/RestrictionsHelp.h"
#include "ui/wizard/ItemListStep.h"
#include "ui/wizard/Wizard.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace
{

constexpr int groupCol = 0;
constexpr int namesCol = 1;
constexpr int maxCol = 2;
constexpr int namesWidth = 294;
constexpr int widestNames = 760;
constexpr int clientWidth = 480;
constexpr int clientHeight = 300;

// A narrow edit for a small number.
LineEdit* makeNumberEdit(QWidget* parent)
{
    auto* edit = new LineEdit(parent, QStringLiteral("0"));
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    return edit;
}

bool hasSpecialAbilities(const Troop& troop)
{
    return troop.abilities && !troop.abilities->isEmpty();
}

} // namespace

RestrictionsStep::RestrictionsStep(Wizard& owner, const Store& armyStore)
    : Window(QStringLiteral("Restrictions")), wizard(owner), store(armyStore)
{
    weaponLimitLabel = makeLabel(this, QStringLiteral("How many weapons can 1 model carry in total "
                                                      "(standard+replaceable+additional)?"));
    weaponLimitLabel->setObjectName(QStringLiteral("weaponLimitLabel"));
    weaponLimitEdit = makeNumberEdit(this);
    weaponLimitEdit->setObjectName(QStringLiteral("weaponLimitEdit"));
    abilityLimitLabel =
        makeLabel(this, QStringLiteral("How many Special Abilities can 1 model have in "
                                       "total?"));
    abilityLimitLabel->setObjectName(QStringLiteral("abilityLimitLabel"));
    abilityLimitEdit = makeNumberEdit(this);
    abilityLimitEdit->setObjectName(QStringLiteral("abilityLimitEdit"));
    weaponLimitLabel->setBuddy(weaponLimitEdit);
    abilityLimitLabel->setBuddy(abilityLimitEdit);

    groupGrid = new Grid(this, 3, 5);
    groupGrid->setObjectName(QStringLiteral("groupGrid"));
    groupGrid->setFixedColumns(2);
    groupGrid->resizeColumn(groupCol, 41);
    groupGrid->resizeColumn(namesCol, namesWidth);
    groupGrid->resizeColumn(maxCol, 39);
    groupGrid->setVisibleRows(5);
    groupGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    groupGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    groupGrid->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    groupHeading = makeHeading(this, QStringLiteral("Groupnr"));
    groupHeading->setObjectName(QStringLiteral("groupHeading"));
    groupAbilitiesHeading = makeHeading(this, QStringLiteral("Specials in the group"));
    groupAbilitiesHeading->setObjectName(QStringLiteral("groupAbilitiesHeading"));
    groupMaxHeading = makeHeading(this, QStringLiteral("Max"));
    groupMaxHeading->setObjectName(QStringLiteral("groupMaxHeading"));
    headings =
        new GridHeadings(this, groupGrid, {groupHeading, groupAbilitiesHeading, groupMaxHeading});
    headings->setObjectName(QStringLiteral("headings"));

    previousButton = new Button(this, QStringLiteral(" &Previous"), ButtonIcon::Previous);
    previousButton->setObjectName(QStringLiteral("previousButton"));
    helpButton = makeHelpButton(this);
    helpButton->setObjectName(QStringLiteral("helpButton"));
    setHelpButton(helpButton);
    okButton = new Button(this, QStringLiteral("&OK"), ButtonIcon::Ok);
    okButton->setObjectName(QStringLiteral("okButton"));
    setDefaultButton(okButton);

    statusBar = new StatusBar(this, {160, 130, 50},
                              {QStringLiteral("Army:"), QStringLiteral("Name:"), QString()});
    statusBar->setObjectName(QStringLiteral("statusBar"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 2);
    auto* weapons = new QHBoxLayout;
    weapons->addWidget(weaponLimitEdit);
    weapons->addStretch(1);
    auto* specials = new QHBoxLayout;
    specials->addWidget(abilityLimitEdit);
    specials->addStretch(1);
    QHBoxLayout* gridRow = headedGrid(headings, groupGrid, false);
    QHBoxLayout* buttons = buttonRow({previousButton, okButton}, helpButton);

    // Without the group table the weapon question stands in the middle of the room above the
    // buttons rather than over an empty space.
    layout->addStretch(1);
    layout->addWidget(weaponLimitLabel);
    layout->addLayout(weapons);
    layout->addSpacing(6);
    layout->addWidget(abilityLimitLabel);
    layout->addLayout(specials);
    layout->addSpacing(6);
    layout->addLayout(gridRow);
    layout->addStretch(1);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->addSpacing(4);
    layout->addWidget(statusBar);

    setTabChain(
        {weaponLimitEdit, abilityLimitEdit, groupGrid, previousButton, okButton, helpButton});

    connect(groupGrid, &Grid::exited, this, &RestrictionsStep::clampGroupMaxima);
    connect(previousButton, &QPushButton::clicked, this, &RestrictionsStep::previous);
    connect(okButton, &QPushButton::clicked, this, &RestrictionsStep::acceptTroop);
    connect(helpButton, &QPushButton::clicked, this, &RestrictionsStep::showHelp);

    // Room for the ability limit and the group table, which only a troop with special
    // abilities shows.
    setFixedClientSize(clientWidth, clientHeight);
}

void RestrictionsStep::showGroupTable(bool visible)
{
    for (QWidget* control :
         {static_cast<QWidget*>(abilityLimitLabel), static_cast<QWidget*>(abilityLimitEdit),
          static_cast<QWidget*>(headings), static_cast<QWidget*>(groupGrid)})
        control->setVisible(visible);
}

// Every activation shows the troop's limits as stored; the ability questions only for a troop
// with special abilities.
void RestrictionsStep::activate()
{
    const Troop& troop = wizard.troop();
    showGroupTable(false);
    weaponLimitEdit->setText(troop.weaponLimit);
    weaponLimitEdit->setFocus(Qt::OtherFocusReason);
    weaponLimitEdit->selectAll();
    if (hasSpecialAbilities(troop)) {
        showGroupTable(true);
        fillGroupTable();
    }
    statusBar->setPanelText(0, store.army.name);
    statusBar->setPanelText(1, troop.name);
}

// One row per group in use, in the order of the groups: the group, its ability names joined by
// ",", and the maximum its field holds. Limits written one maximum per row give a group that
// lacks its field the maximum its row had, so that OK keeps it; the status bar says so. A
// group outside 1 to 99 has no field and shows no maximum.
void RestrictionsStep::fillGroupTable()
{
    const Troop& troop = wizard.troop();
    shownGroups = abilityGroups(troop).groups;
    abilityLimitEdit->setText(field(troop.abilityLimits, 1));

    groupGrid->changeRowCount(int(shownGroups.size()));
    int widest = namesWidth;
    bool filledFromRows = false;
    for (int row = 0; row < groupGrid->rowCount(); ++row) {
        const AbilityGroup& group = shownGroups[size_t(row)];
        const QString names = group.names.join(u',');
        QString maximum = group.maximum;
        if (hasLimitField(group.number) && !group.hasMaximum && !group.rowMaximum.isEmpty()) {
            maximum = group.rowMaximum;
            filledFromRows = true;
        }
        groupGrid->setCell(groupCol, row, QString::number(group.number));
        groupGrid->setCell(namesCol, row, names);
        groupGrid->item(row, namesCol)->setToolTip(names);
        groupGrid->setCell(maxCol, row, maximum);
        widest = qMax(widest, groupGrid->fontMetrics().horizontalAdvance(names) + 12);
    }
    groupGrid->setCurrentRow(0);
    groupGrid->scrollToTop();
    statusBar->setPanelText(2, filledFromRows ? QStringLiteral("Max filled in from old rows")
                                              : QString());

    // The window widens so that the names of each group show whole, as far as the screen
    // allows; the cell's tool tip shows names that are longer still.
    groupGrid->resizeColumn(namesCol, qMin(widest, widestNames));
    setFixedClientSize(clientWidth, clientHeight);
}

// Each group's maximum lies between 1 and the number of abilities in the group; a group outside
// 1 to 99 has none.
void RestrictionsStep::clampGroupMaxima()
{
    const int rows = qMin(groupGrid->rowCount(), int(shownGroups.size()));
    for (int row = 0; row < rows; ++row) {
        const AbilityGroup& group = shownGroups[size_t(row)];
        if (!hasLimitField(group.number)) {
            groupGrid->setCell(maxCol, row, QString());
            continue;
        }
        const int max =
            qBound(1, readNumber(groupGrid->cell(maxCol, row)), int(group.names.size()));
        groupGrid->setCell(maxCol, row, QString::number(max));
    }
}

// The weapon limit is held between 0 and the troop's number of weapon lines. Each group's
// maximum goes to its own field of the ability limits. A troop without special abilities holds
// no ability limits, so nothing of another troop's table is kept.
void RestrictionsStep::storeRestrictions()
{
    Troop& troop = wizard.troop();
    if (hasSpecialAbilities(troop)) {
        std::map<int, int> maxima;
        const int rows = qMin(groupGrid->rowCount(), int(shownGroups.size()));
        for (int row = 0; row < rows; ++row)
            maxima[shownGroups[size_t(row)].number] = readNumber(groupGrid->cell(maxCol, row));
        troop.abilityLimits = abilityLimitsText(readNumber(abilityLimitEdit->text()), maxima);
    } else {
        troop.abilityLimits = QStringLiteral("0");
    }
    int weapons = qMax(0, readNumber(weaponLimitEdit->text()));
    clampWeaponLimit(troop, weapons);
    troop.weaponLimit = QString::number(weapons);
}

// Previous: back to step 6, the special abilities, in the item-list window.
void RestrictionsStep::previous()
{
    finishEditing();
    storeRestrictions();
    wizard.showStep(WizardStep::Abilities);
}

// OK accepts the troop: a new troop is counted, and the wizard's next troop is the first free
// slot (the last slot once the army is full).
void RestrictionsStep::acceptTroop()
{
    finishEditing();
    storeRestrictions();
    wizard.acceptTroop();
}

// The close box leaves the troop as entered but does not accept it.
void RestrictionsStep::closing()
{
    storeRestrictions();
    wizard.leave();
}

// What was typed is stored first, so that it is shown again when the help window closes.
void RestrictionsStep::showHelp()
{
    storeRestrictions();
    RestrictionsHelp help(this);
    help.showModal();
}
