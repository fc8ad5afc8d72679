#include "ui/wizard/ReplaceableWeaponsStep.h"

#include "store/LineOps.h"
#include "store/Number.h"
#include "store/Store.h"
#include "ui/catalogue/CatalogueLines.h"
#include "ui/catalogue/Picker.h"
#include "ui/catalogue/WeaponEditor.h"
#include "ui/controls/Button.h"
#include "ui/controls/Labels.h"
#include "ui/controls/LineEdit.h"
#include "ui/controls/SortedListWidget.h"
#include "ui/controls/StatusBar.h"
#include "ui/help/ReplaceableWeaponsHelp.h"
#include "ui/wizard/ItemListStep.h"
#include "ui/wizard/WeaponCostsDialog.h"
#include "ui/wizard/Wizard.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QShowEvent>
#include <QVBoxLayout>

namespace
{

// A sunken frame with a list over its three buttons.
QFrame* makeListPanel(QWidget* parent)
{
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return panel;
}

void layOutListPanel(QFrame* panel, SortedListWidget* list, QWidget* add, QWidget* del,
                     QWidget* edit)
{
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(list, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(del);
    buttons->addWidget(edit);
    layout->addLayout(buttons);
}

QLayout* column(QLabel* heading, QFrame* panel)
{
    auto* column = new QVBoxLayout;
    column->setSpacing(2);
    column->addWidget(heading);
    column->addWidget(panel, 1);
    return column;
}

} // namespace

ReplaceableWeaponsStep::ReplaceableWeaponsStep(Wizard& owner, const Store& armyStore)
    : Window(QStringLiteral("Replaceable Weapons"), TitleBar::CloseButton), wizard(owner),
      store(armyStore)
{
    replaceableHeading = makeHeading(this, QStringLiteral("Weapons that can be replaced"));
    replaceableHeading->setObjectName(QStringLiteral("replaceableHeading"));
    replaceableFrame = makeListPanel(this);
    replaceableFrame->setObjectName(QStringLiteral("replaceableFrame"));
    replaceableList = new SortedListWidget(replaceableFrame, store.collation());
    replaceableList->setObjectName(QStringLiteral("replaceableList"));
    replaceableList->setAccessibleName(replaceableHeading->text());
    addReplaceableButton = new Button(replaceableFrame, QStringLiteral("&Add "), ButtonIcon::Add);
    addReplaceableButton->setObjectName(QStringLiteral("addReplaceableButton"));
    deleteReplaceableButton =
        new Button(replaceableFrame, QStringLiteral(" De&l"), ButtonIcon::Delete);
    deleteReplaceableButton->setObjectName(QStringLiteral("deleteReplaceableButton"));
    editReplaceableButton =
        new Button(replaceableFrame, QStringLiteral("Ed&it "), ButtonIcon::Edit);
    editReplaceableButton->setObjectName(QStringLiteral("editReplaceableButton"));
    layOutListPanel(replaceableFrame, replaceableList, addReplaceableButton,
                    deleteReplaceableButton, editReplaceableButton);

    replacementHeading = makeHeading(this, QStringLiteral("Replace weapons"));
    replacementHeading->setObjectName(QStringLiteral("replacementHeading"));
    replacementFrame = makeListPanel(this);
    replacementFrame->setObjectName(QStringLiteral("replacementFrame"));
    replacementList = new SortedListWidget(replacementFrame, store.collation());
    replacementList->setObjectName(QStringLiteral("replacementList"));
    replacementList->setAccessibleName(replacementHeading->text());
    addReplacementButton = new Button(replacementFrame, QStringLiteral("A&dd  "), ButtonIcon::Add);
    addReplacementButton->setObjectName(QStringLiteral("addReplacementButton"));
    deleteReplacementButton =
        new Button(replacementFrame, QStringLiteral("  D&el"), ButtonIcon::Delete);
    deleteReplacementButton->setObjectName(QStringLiteral("deleteReplacementButton"));
    editCostsButton = new Button(replacementFrame, QStringLiteral(" Edi&t"), ButtonIcon::Edit);
    editCostsButton->setObjectName(QStringLiteral("editCostsButton"));
    layOutListPanel(replacementFrame, replacementList, addReplacementButton,
                    deleteReplacementButton, editCostsButton);
    for (Button* button : {deleteReplaceableButton, editReplaceableButton, addReplacementButton,
                           deleteReplacementButton, editCostsButton})
        button->setEnabled(false);

    // The two sides' buttons carry the same captions; their names tell them apart.
    addReplaceableButton->setAccessibleName(QStringLiteral("Add replaceable weapon"));
    deleteReplaceableButton->setAccessibleName(QStringLiteral("Delete replaceable weapon"));
    editReplaceableButton->setAccessibleName(QStringLiteral("Edit replaceable weapon"));
    addReplacementButton->setAccessibleName(QStringLiteral("Add replacement weapon"));
    deleteReplacementButton->setAccessibleName(QStringLiteral("Delete replacement weapon"));
    editCostsButton->setAccessibleName(QStringLiteral("Edit replacement weapon costs"));

    previousButton = new Button(this, QStringLiteral(" &Previous"), ButtonIcon::Previous);
    previousButton->setObjectName(QStringLiteral("previousButton"));
    nextButton = new Button(this, QStringLiteral("&Next  "), ButtonIcon::Next);
    nextButton->setObjectName(QStringLiteral("nextButton"));
    helpButton = makeHelpButton(this);
    helpButton->setObjectName(QStringLiteral("helpButton"));
    setHelpButton(helpButton);
    setDefaultButton(nextButton);
    setCancelButton(nextButton);

    statusBar = new StatusBar(this, {160, 50}, {QStringLiteral("Army:"), QStringLiteral("Name:")});
    statusBar->setObjectName(QStringLiteral("statusBar"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 2);
    auto* lists = new QHBoxLayout;
    lists->addLayout(column(replaceableHeading, replaceableFrame), 1);
    lists->addLayout(column(replacementHeading, replacementFrame), 1);
    layout->addLayout(lists, 1);
    QHBoxLayout* buttons = buttonRow({previousButton, nextButton}, helpButton);
    layout->addLayout(buttons);
    layout->addWidget(statusBar);

    setTabChain({addReplaceableButton, deleteReplaceableButton, editReplaceableButton,
                 replaceableList, addReplacementButton, deleteReplacementButton, replacementList,
                 editCostsButton, previousButton, nextButton, helpButton});

    connect(replaceableList, &SortedListWidget::userSelected, this,
            &ReplaceableWeaponsStep::selectReplaceable);
    connect(replacementList, &SortedListWidget::userSelected, this,
            &ReplaceableWeaponsStep::updateReplacementButtons);
    connect(addReplaceableButton, &QPushButton::clicked, this,
            &ReplaceableWeaponsStep::addReplaceable);
    connect(deleteReplaceableButton, &QPushButton::clicked, this,
            &ReplaceableWeaponsStep::deleteReplaceable);
    connect(editReplaceableButton, &QPushButton::clicked, this,
            &ReplaceableWeaponsStep::editReplaceable);
    connect(addReplacementButton, &QPushButton::clicked, this,
            &ReplaceableWeaponsStep::addReplacement);
    connect(deleteReplacementButton, &QPushButton::clicked, this,
            &ReplaceableWeaponsStep::deleteReplacement);
    connect(editCostsButton, &QPushButton::clicked, this,
            &ReplaceableWeaponsStep::editReplacementCosts);
    connect(previousButton, &QPushButton::clicked, this, &ReplaceableWeaponsStep::previous);
    connect(nextButton, &QPushButton::clicked, this, &ReplaceableWeaponsStep::next);
    connect(helpButton, &QPushButton::clicked, this, &ReplaceableWeaponsStep::showHelp);

    setFixedClientSize(444, 297);
}

void ReplaceableWeaponsStep::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        entering = true;
    Window::showEvent(event);
}

// Entering the step shows the troop's replaceable weapons with none selected. When a modal
// window opened from here closes, both lists and the selection stay as the user left them.
void ReplaceableWeaponsStep::activate()
{
    if (entering) {
        entering = false;
        fillReplaceableList();
        fillReplacementList();
        updateReplaceableButtons();
        updateReplacementButtons();
        replaceableList->focusFirstItem();
    }
    showStatus();
}

void ReplaceableWeaponsStep::showStatus()
{
    statusBar->setPanelText(0, store.army.name);
    statusBar->setPanelText(1, wizard.troop().name);
}

QString ReplaceableWeaponsStep::selectedReplaceable() const
{
    return replaceableList->itemText(replaceableList->firstSelected());
}

void ReplaceableWeaponsStep::fillReplaceableList()
{
    std::unique_ptr<LineList>& list = wizard.troop().replaceableWeapons;
    if (!list)
        list = store.newSortedList();
    QStringList names;
    for (const QString& line : list->lines())
        names.append(field(line, 1));
    replaceableList->setSortedItems(names);
}

// The replace weapons of the selected weapon, each as its name and cost. The listing ends at
// the first empty name; every pair before it is shown, however long the line.
void ReplaceableWeaponsStep::fillReplacementList()
{
    replacementList->clear();
    if (replaceableList->firstSelected() < 0)
        return;
    const int a = findEntry(selectedReplaceable(), wizard.troop().replaceableWeapons.get());
    editCostsButton->setEnabled(true);
    if (a < 0)
        return;
    const QStringList fields = (*wizard.troop().replaceableWeapons)[a].split(u',');
    for (int j = 1; j < fields.size() && !fields[j].isEmpty(); j += 2)
        replacementList->addSorted(fields[j] + u',' + fields.value(j + 1));
}

void ReplaceableWeaponsStep::updateReplaceableButtons()
{
    if (replaceableList->firstSelected() >= 0) {
        deleteReplaceableButton->setEnabled(true);
        editReplaceableButton->setEnabled(true);
        addReplacementButton->setEnabled(true);
        editCostsButton->setEnabled(replacementList->count() > 0);
        return;
    }
    deleteReplaceableButton->setEnabled(false);
    editReplaceableButton->setEnabled(false);
    addReplacementButton->setEnabled(false);
    deleteReplacementButton->setEnabled(false);
    replacementList->clear();
}

void ReplaceableWeaponsStep::updateReplacementButtons()
{
    deleteReplacementButton->setEnabled(replacementList->firstSelected() >= 0);
    editCostsButton->setEnabled(replacementList->count() > 0);
}

void ReplaceableWeaponsStep::selectReplaceable()
{
    fillReplacementList();
    updateReplaceableButtons();
}

QDialog::DialogCode ReplaceableWeaponsStep::pickWeapons(SortedListWidget& target)
{
    Picker picker(this, store, CatalogueKind::Weapons, wizard.editorMemory(),
                  [this](const ArmyChange& change) { wizard.applyChange(change); });
    const QDialog::DialogCode result = picker.showModal();
    if (result != QDialog::Accepted)
        return result;
    for (const QString& name : picker.chosenNames()) {
        if (!listHasName(target, name))
            target.addSorted(name);
    }
    return result;
}

// Left Add: each newly listed weapon gets a line of its own; the lines of weapons listed before
// keep their replace weapons.
void ReplaceableWeaponsStep::addReplaceable()
{
    if (pickWeapons(*replaceableList) != QDialog::Accepted)
        return;
    std::unique_ptr<LineList>& list = wizard.troop().replaceableWeapons;
    if (!list)
        list = store.newSortedList();
    for (int i = 0; i < replaceableList->count(); ++i) {
        if (findEntry(replaceableList->itemText(i), list.get()) < 0)
            list->add(replaceableList->itemText(i));
    }
}

// Left Del: the weapon goes with all its replace weapons; the troop's list goes with its last
// line.
void ReplaceableWeaponsStep::deleteReplaceable()
{
    if (messageBox(this, QStringLiteral("*** DELETE WEAPON ***"),
                   QStringLiteral("Are you sure you want to delete the replaceable weapon?"),
                   QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    std::unique_ptr<LineList>& list = wizard.troop().replaceableWeapons;
    const int selected = replaceableList->firstSelected();
    if (selected >= 0) {
        const int a = findEntry(replaceableList->itemText(selected), list.get());
        if (a >= 0)
            list->removeAt(a);
        replaceableList->removeAt(selected);
    }
    if (list && list->isEmpty())
        list.reset();
    replacementList->clear();
    updateReplaceableButtons();
    updateReplacementButtons();
}

// Left Edit: the catalogue entry of the selected weapon, whose name cannot change here, so every
// troop line that names it stays valid. A weapon missing from the catalogue is added to it.
void ReplaceableWeaponsStep::editReplaceable()
{
    if (replaceableList->firstSelected() < 0)
        return;
    editWeapon(this, store, wizard.editorMemory(), selectedReplaceable(),
               QStringLiteral("Edit Replace Weapon"), QStringLiteral("Replace Weapon name"),
               [this](const ArmyChange& change) { wizard.applyChange(change); });
}

void ReplaceableWeaponsStep::addReplacement()
{
    if (pickWeapons(*replacementList) == QDialog::Accepted)
        editReplacementCosts();
}

// A weapon whose line is missing (another weapon's line differs from its name only in letter
// case) gets its line now. A line the list refuses leaves the old line in place.
void ReplaceableWeaponsStep::storeReplaceableLine(const QString& line)
{
    std::unique_ptr<LineList>& list = wizard.troop().replaceableWeapons;
    if (!list)
        list = store.newSortedList();
    const int a = findEntry(selectedReplaceable(), list.get());
    if (a >= 0)
        replaceLine(*list, a, line);
    else
        addLine(*list, line);
}

// The costs of every replace weapon of the selected weapon; its line is rebuilt from the right
// list: the weapon's name, then each replace weapon's name and cost in list order.
void ReplaceableWeaponsStep::editReplacementCosts()
{
    if (replaceableList->firstSelected() < 0)
        return;
    QList<WeaponCostsDialog::CostRow> rows;
    for (int i = 0; i < replacementList->count(); ++i) {
        const QString item = replacementList->itemText(i);
        rows.append({field(item, 1), readNumber(field(item, 2))});
    }
    WeaponCostsDialog costs(this, QStringLiteral("Replace Weapon Costs"),
                            QStringLiteral("Name of the replace weapon"), rows);
    costs.showModal();

    const QList<WeaponCostsDialog::CostRow> taken = costs.rows();
    QString line = selectedReplaceable();
    for (int i = 0; i < replacementList->count(); ++i) {
        const QString item =
            field(replacementList->itemText(i), 1) + u',' + QString::number(taken.value(i).cost);
        replacementList->setItemText(i, item);
        line += u',' + item;
    }
    storeReplaceableLine(line);
    editCostsButton->setEnabled(true);
}

// Right Del: the selected weapon's line is rebuilt from the replace weapons that remain.
void ReplaceableWeaponsStep::deleteReplacement()
{
    if (messageBox(this, QStringLiteral("*** DELETE WEAPON ***"),
                   QStringLiteral("Are you sure you want to remove the replace weapon?"),
                   QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    replacementList->removeAt(replacementList->firstSelected());
    if (replaceableList->firstSelected() >= 0) {
        QString line = selectedReplaceable();
        for (int i = 0; i < replacementList->count(); ++i)
            line += u',' + replacementList->itemText(i);
        storeReplaceableLine(line);
    }
    updateReplacementButtons();
}

void ReplaceableWeaponsStep::previous()
{
    wizard.showStep(WizardStep::StandardWeapons);
}

void ReplaceableWeaponsStep::next()
{
    wizard.showStep(WizardStep::AdditionalWeapons);
}

// Every change is stored already, so leaving by the close box loses nothing.
void ReplaceableWeaponsStep::closing()
{
    wizard.leave();
}

void ReplaceableWeaponsStep::showHelp()
{
    ReplaceableWeaponsHelp help(this);
    help.showModal();
}
