#include "ui/wizard/ItemListStep.h"

#include "store/LineOps.h"
#include "store/Number.h"
#include "store/Store.h"
#include "ui/catalogue/AbilityCostsDialog.h"
#include "ui/catalogue/CatalogueLines.h"
#include "ui/catalogue/Picker.h"
#include "ui/controls/Button.h"
#include "ui/controls/SortedListWidget.h"
#include "ui/controls/StatusBar.h"
#include "ui/help/AbilitiesHelp.h"
#include "ui/help/AdditionalWeaponsHelp.h"
#include "ui/help/StandardWeaponsHelp.h"
#include "ui/wizard/WeaponCostsDialog.h"
#include "ui/wizard/Wizard.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QShowEvent>
#include <QVBoxLayout>

namespace
{

struct ModeTexts {
    const char* caption;
    const char* heading;
    const char* deleteCaption;
};

const ModeTexts modeTexts[] = {
    {"Standard Weapons", "Standard weapons the unit carries", "*** DELETE STANDARD WEAPON ***"},
    {"Additional Weapons", "Additional weapons the unit may carry",
     "*** DELETE ADDITIONAL WEAPON ***"},
    {"Special Abilities", "Special Abilities the unit may have", "*** DELETE SPECIAL ABILITY ***"},
};

} // namespace

ItemListStep::ItemListStep(Wizard& owner, const Store& armyStore)
    : Window(QStringLiteral("Standard Weapons")), wizard(owner), store(armyStore)
{
    listHeading =
        new QLabel(QString::fromLatin1(modeTexts[int(ListMode::StandardWeapons)].heading), this);
    listHeading->setObjectName(QStringLiteral("listHeading"));
    listHeading->setTextFormat(Qt::PlainText);
    listHeading->setFrameStyle(QFrame::Panel | QFrame::Raised);
    listHeading->setAlignment(Qt::AlignCenter);
    listHeading->setMargin(3);

    listFrame = new QFrame(this);
    listFrame->setObjectName(QStringLiteral("listFrame"));
    listFrame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    itemList = new SortedListWidget(listFrame, store.collation());
    itemList->setObjectName(QStringLiteral("itemList"));
    itemList->setAccessibleName(listHeading->text());
    addButton = new Button(listFrame, QStringLiteral("&Add "), ButtonIcon::Add);
    addButton->setObjectName(QStringLiteral("addButton"));
    deleteButton = new Button(listFrame, QStringLiteral(" &Del"), ButtonIcon::Delete);
    deleteButton->setObjectName(QStringLiteral("deleteButton"));
    deleteButton->setEnabled(false);
    editButton = new Button(listFrame, QStringLiteral("&Edit "), ButtonIcon::Edit);
    editButton->setObjectName(QStringLiteral("editButton"));
    editButton->setEnabled(false);
    auto* itemButtons = new QVBoxLayout;
    itemButtons->addWidget(addButton);
    itemButtons->addWidget(deleteButton);
    itemButtons->addWidget(editButton);
    itemButtons->addStretch(1);
    auto* panelLayout = new QHBoxLayout(listFrame);
    panelLayout->addWidget(itemList, 1);
    panelLayout->addLayout(itemButtons);

    previousButton = new Button(this, QStringLiteral("&Previous"), ButtonIcon::Previous);
    previousButton->setObjectName(QStringLiteral("previousButton"));
    nextButton = new Button(this, QStringLiteral("&Next"), ButtonIcon::Next);
    nextButton->setObjectName(QStringLiteral("nextButton"));
    helpButton = makeHelpButton(this);
    helpButton->setObjectName(QStringLiteral("helpButton"));
    setHelpButton(helpButton);

    statusBar = new StatusBar(this, {120, 50}, {QStringLiteral("Army:"), QStringLiteral("Name:")});
    statusBar->setObjectName(QStringLiteral("statusBar"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 2);
    layout->addWidget(listHeading);
    layout->addWidget(listFrame, 1);
    QHBoxLayout* buttons = buttonRow({previousButton, nextButton}, helpButton);
    layout->addLayout(buttons);
    layout->addWidget(statusBar);

    setTabChain(
        {previousButton, nextButton, itemList, addButton, deleteButton, editButton, helpButton});

    connect(itemList, &SortedListWidget::userSelected, this, &ItemListStep::updateItemButtons);
    connect(addButton, &QPushButton::clicked, this, &ItemListStep::addItems);
    connect(deleteButton, &QPushButton::clicked, this, &ItemListStep::deleteItem);
    connect(editButton, &QPushButton::clicked, this, &ItemListStep::editItem);
    connect(previousButton, &QPushButton::clicked, this, &ItemListStep::previous);
    connect(nextButton, &QPushButton::clicked, this, &ItemListStep::next);
    connect(helpButton, &QPushButton::clicked, this, &ItemListStep::showHelp);

    setFixedClientSize(306, 282);
}

ListMode ItemListStep::mode() const
{
    switch (wizard.currentStep()) {
    case WizardStep::AdditionalWeapons:
        return ListMode::AdditionalWeapons;
    case WizardStep::Abilities:
        return ListMode::Abilities;
    default:
        return ListMode::StandardWeapons;
    }
}

std::unique_ptr<LineList>& ItemListStep::modeList()
{
    Troop& troop = wizard.troop();
    switch (mode()) {
    case ListMode::AdditionalWeapons:
        return troop.additionalWeapons;
    case ListMode::Abilities:
        return troop.abilities;
    default:
        return troop.standardWeapons;
    }
}

void ItemListStep::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        entering = true;
    Window::showEvent(event);
}

// Entering a step shows the troop's list of the mode. When a modal window opened from here
// closes, what the list shows stays: in the weapon modes it is the user's working copy.
void ItemListStep::activate()
{
    if (!entering && mode() == listedMode) {
        showStatus();
        return;
    }
    entering = false;
    listedMode = mode();

    const ModeTexts& texts = modeTexts[int(mode())];
    setWindowTitle(QString::fromLatin1(texts.caption));
    listHeading->setText(QString::fromLatin1(texts.heading));
    itemList->setAccessibleName(listHeading->text());
    QStringList items;
    if (const LineList* list = modeList().get()) {
        for (const QString& line : list->lines())
            items.append(mode() == ListMode::Abilities ? field(line, 2) : line);
    }
    itemList->setSortedItems(items);
    updateItemButtons();
    showStatus();
    itemList->focusFirstItem();
}

void ItemListStep::showStatus()
{
    statusBar->setPanelText(0, store.army.name);
    statusBar->setPanelText(1, wizard.troop().name);
}

void ItemListStep::updateItemButtons()
{
    const bool selected = itemList->firstSelected() >= 0;
    deleteButton->setEnabled(selected);
    editButton->setEnabled(selected);
}

int ItemListStep::findAbility(const QString& name) const
{
    const LineList* list = wizard.troop().abilities.get();
    if (!list)
        return -1;
    for (int i = 0; i < list->count(); ++i) {
        if (field((*list)[i], 2) == name)
            return i;
    }
    return -1;
}

// A picked name joins the list unless it is listed already. A new special ability is stored at
// once, with its group and cost still empty, and costed right away.
void ItemListStep::addPicked(const QString& name)
{
    if (listHasName(*itemList, name))
        return;
    std::unique_ptr<LineList>& list = modeList();
    if (!list)
        list = store.newSortedList();
    if (mode() != ListMode::Abilities) {
        itemList->addSorted(name);
        if (mode() == ListMode::AdditionalWeapons)
            list->add(name);
        return;
    }
    // An uncosted line of the same name in other letter case already stands for the ability;
    // the costing dialog must not open on that other line.
    const int index = addLine(*list, QStringLiteral(",") + name);
    if (index < 0)
        return;
    itemList->addSorted(name);
    editAbilityCosts(this, wizard.troop(), index, wizard.editorMemory().abilityScope);
}

// Add: the picker offers every catalogue item of the mode; the selected ones that are new to the
// list are taken. Additional weapons are then costed, all of them.
void ItemListStep::addItems()
{
    Picker picker(this, store,
                  mode() == ListMode::Abilities ? CatalogueKind::Abilities : CatalogueKind::Weapons,
                  wizard.editorMemory(),
                  [this](const ArmyChange& change) { wizard.applyChange(change); });
    if (picker.showModal() != QDialog::Accepted)
        return;
    for (const QString& name : picker.chosenNames())
        addPicked(name);
    if (mode() == ListMode::AdditionalWeapons)
        editAdditionalCosts();
}

// Del: weapons leave only the working copy; a special ability's line is found by its name,
// since the list shows names in another order than the troop holds its lines. The troop's list
// goes when its last item does.
void ItemListStep::deleteItem()
{
    if (messageBox(this, QString::fromLatin1(modeTexts[int(mode())].deleteCaption),
                   QStringLiteral("Are you sure you want to delete this weapon from the list?"),
                   QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    const int selected = itemList->firstSelected();
    if (selected >= 0) {
        if (mode() == ListMode::Abilities) {
            const int line = findAbility(itemList->itemText(selected));
            if (line >= 0)
                wizard.troop().abilities->removeAt(line);
        }
        itemList->removeAt(selected);
    }
    if (itemList->count() == 0)
        modeList().reset();
    deleteButton->setEnabled(false);
    editButton->setEnabled(false);
}

// Edit: a standard weapon's catalogue entry, the costs of every additional weapon, or the group,
// cost and scope of the selected special ability.
void ItemListStep::editItem()
{
    switch (mode()) {
    case ListMode::StandardWeapons:
        editSelectedItem(this, store, wizard.editorMemory(), CatalogueKind::Weapons, *itemList,
                         [this](const ArmyChange& change) { wizard.applyChange(change); });
        break;
    case ListMode::AdditionalWeapons:
        editAdditionalCosts();
        break;
    default: {
        const int selected = itemList->firstSelected();
        if (selected < 0)
            return;
        const int line = findAbility(itemList->itemText(selected));
        if (line >= 0)
            editAbilityCosts(this, wizard.troop(), line, wizard.editorMemory().abilityScope);
        break;
    }
    }
}

// The costs window lists every additional weapon with its cost; the list and the troop's lines
// are rebuilt from what the user leaves there, each cost as a whole number.
void ItemListStep::editAdditionalCosts()
{
    std::unique_ptr<LineList>& list = wizard.troop().additionalWeapons;
    if (!list)
        list = store.newSortedList();
    list->clear();
    QList<WeaponCostsDialog::CostRow> rows;
    for (int i = 0; i < itemList->count(); ++i) {
        const QString item = itemList->itemText(i);
        list->add(item);
        rows.append({field(item, 1), readNumber(field(item, 2))});
    }

    WeaponCostsDialog costs(this, QStringLiteral("Additional Weapon Costs"),
                            QStringLiteral("Name of the additional weapon"), rows);
    costs.showModal();

    itemList->clear();
    std::unique_ptr<LineList>& after = wizard.troop().additionalWeapons;
    if (!after)
        after = store.newSortedList();
    after->clear();
    for (const WeaponCostsDialog::CostRow& row : costs.rows()) {
        const QString line = row.name + u',' + QString::number(row.cost);
        itemList->addSorted(line);
        after->add(line);
    }
}

// The working copy of the weapon modes replaces the troop's lines; a troop without a list of
// the mode keeps none.
void ItemListStep::commit()
{
    LineList* list = modeList().get();
    if (!list)
        return;
    list->clear();
    for (int i = 0; i < itemList->count(); ++i)
        list->add(itemList->itemText(i));
}

// Previous: step 2 before the standard weapons, step 4 before the additional weapons, and the
// additional weapons before the special abilities.
void ItemListStep::previous()
{
    switch (mode()) {
    case ListMode::StandardWeapons:
        commit();
        wizard.showStep(WizardStep::Characteristics);
        break;
    case ListMode::AdditionalWeapons:
        commit();
        wizard.showStep(WizardStep::ReplaceableWeapons);
        break;
    default:
        wizard.showStep(WizardStep::AdditionalWeapons);
        break;
    }
}

// Next: step 4 after the standard weapons, the special abilities after the additional weapons,
// and the restrictions after the special abilities.
void ItemListStep::next()
{
    switch (mode()) {
    case ListMode::StandardWeapons:
        commit();
        wizard.showStep(WizardStep::ReplaceableWeapons);
        break;
    case ListMode::AdditionalWeapons:
        commit();
        wizard.showStep(WizardStep::Abilities);
        break;
    default:
        wizard.showStep(WizardStep::Restrictions);
        break;
    }
}

// The close box leaves the wizard without carrying the working copy into the troop.
void ItemListStep::closing()
{
    wizard.leave();
}

void ItemListStep::showHelp()
{
    switch (mode()) {
    case ListMode::StandardWeapons: {
        StandardWeaponsHelp help(this);
        help.showModal();
        break;
    }
    case ListMode::AdditionalWeapons: {
        AdditionalWeaponsHelp help(this);
        help.showModal();
        break;
    }
    default: {
        AbilitiesHelp help(this);
        help.showModal();
        break;
    }
    }
}
