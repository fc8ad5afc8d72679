#include "ui/main/MainWindow.h"

#include "document/ArmyDocument.h"
#include "store/Store.h"
#include "ui/ControlNames.h"
#include "ui/WaitCursor.h"
#include "ui/catalogue/CatalogueDialog.h"
#include "ui/controls/Button.h"
#include "ui/controls/Labels.h"
#include "ui/controls/LineEdit.h"
#include "ui/controls/StatusBar.h"
#include "ui/help/MainWindowHelp.h"
#include "ui/main/AboutDialog.h"
#include "ui/main/CheckReportDialog.h"
#include "ui/main/FileDrop.h"
#include "ui/main/FileQuestions.h"
#include "ui/main/Loading.h"
#include "ui/main/MainMenus.h"
#include "ui/main/RecoveryKeeper.h"
#include "ui/main/SheetOutput.h"
#include "ui/main/TroopSelectionDialog.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

namespace
{

const QString caption = QStringLiteral("Varnhold Datafile Creator (v1.0)");
const QString datafileName = QStringLiteral("vhold.ini");
const QString datafileFilter = QStringLiteral("*.ini");
// How long the status bar tells what a command did.
constexpr int messageTime = 10000;
const QString unprotectedText = QStringLiteral("Unsaved work is not protected: ");

} // namespace

MainWindow::MainWindow(ArmyDocument& document)
    : Window(caption + QStringLiteral("[*]")), army(document), troopWizard(QLocale())
{
    armyNameLabel = makeLabel(this, QStringLiteral("What is the name of your army?"));
    armyNameEdit = new LineEdit(this);
    armyNameEdit->setUpperCase(true);
    unitWordLabel = makeLabel(this, QStringLiteral("What is a unit called in your army?"));
    unitWordEdit = new LineEdit(this, QStringLiteral("Unit"));
    squadWordLabel = makeLabel(this, QStringLiteral("What is a squad called in your army?"));
    squadWordEdit = new LineEdit(this, QStringLiteral("Squad"));

    newTroopButton = new Button(this, QStringLiteral("&New "), ButtonIcon::New);
    closeButton = new Button(this, QStringLiteral("&Close"), ButtonIcon::Close);
    saveButton = new Button(this, QStringLiteral("&Save"), ButtonIcon::Save);
    loadButton = new Button(this, QStringLiteral("&Load"), ButtonIcon::Load);
    editTroopButton = new Button(this, QStringLiteral("Ed&it "), ButtonIcon::Edit);
    helpButton = makeHelpButton(this);
    saveButton->setEnabled(false);
    editTroopButton->setEnabled(false);

    statusBar = new StatusBar(this, {160, 50},
                              {QStringLiteral("Army: "), QStringLiteral("Total Squads: 0")});

    recoveryKeeper = std::make_unique<RecoveryKeeper>(army, troopWizard);
    connect(recoveryKeeper.get(), &RecoveryKeeper::protectionLost, this,
            [this](QString reason) { statusBar->showMessage(unprotectedText + reason, 0); });
    connect(recoveryKeeper.get(), &RecoveryKeeper::protectionRestored, this, [this] {
        if (statusBar->currentMessage().startsWith(unprotectedText))
            statusBar->clearMessage();
    });
    sheet = std::make_unique<SheetOutput>(this, army);
    menus = new MainMenus(*this);
    auto* layout = new QVBoxLayout(this);
    menus->placeIn(*layout);
    layout->setContentsMargins(8, 8, 8, 2);
    for (auto [question, edit] : {std::pair{armyNameLabel, armyNameEdit},
                                  {unitWordLabel, unitWordEdit},
                                  {squadWordLabel, squadWordEdit}}) {
        question->setBuddy(edit);
        layout->addWidget(question);
        layout->addWidget(edit);
    }
    layout->addSpacing(6);
    auto* buttons = new QGridLayout;
    // Read row by row, the buttons stand in the order Tab walks them.
    buttons->addWidget(newTroopButton, 0, 0);
    buttons->addWidget(closeButton, 0, 1);
    buttons->addWidget(saveButton, 0, 2);
    buttons->addWidget(loadButton, 1, 0);
    buttons->addWidget(editTroopButton, 1, 1);
    buttons->addWidget(helpButton, 1, 2, Qt::AlignRight);
    layout->addLayout(buttons);
    layout->addStretch(1);
    layout->addWidget(statusBar);

    loadingNotice = new LoadingNotice(this);
    const ControlName names[] = {
        {armyNameLabel, "armyNameLabel"},     {armyNameEdit, "armyNameEdit"},
        {unitWordLabel, "unitWordLabel"},     {unitWordEdit, "unitWordEdit"},
        {squadWordLabel, "squadWordLabel"},   {squadWordEdit, "squadWordEdit"},
        {newTroopButton, "newTroopButton"},   {closeButton, "closeButton"},
        {saveButton, "saveButton"},           {loadButton, "loadButton"},
        {editTroopButton, "editTroopButton"}, {helpButton, "helpButton"},
        {loadingNotice, "loadingNotice"},     {statusBar, "statusBar"}};
    nameControls(names);

    setTabChain({armyNameEdit, unitWordEdit, squadWordEdit, newTroopButton, closeButton, saveButton,
                 loadButton, editTroopButton, helpButton});

    for (LineEdit* edit : {armyNameEdit, unitWordEdit, squadWordEdit}) {
        connect(edit, &LineEdit::changed, this, [this, edit] { takeText(edit); });
        connect(edit, &LineEdit::exited, &army, &ArmyDocument::closeOpenStep);
    }
    connect(newTroopButton, &QPushButton::clicked, this, &MainWindow::newTroop);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(saveButton, &QPushButton::clicked, this, &MainWindow::saveArmy);
    connect(loadButton, &QPushButton::clicked, this, &MainWindow::loadArmy);
    connect(editTroopButton, &QPushButton::clicked, this, &MainWindow::editTroop);
    connect(helpButton, &QPushButton::clicked, this, &MainWindow::showHelp);
    connect(&troopWizard, &Wizard::finished, this, &MainWindow::wizardEnded);
    connect(&army, &ArmyDocument::textsChanged, this, &MainWindow::showArmyTexts);
    connect(&army, &ArmyDocument::troopsChanged, this, &MainWindow::showTroopCount);
    connect(&army, &ArmyDocument::fileChanged, this, &MainWindow::showFile);
    connect(&army, &ArmyDocument::modifiedChanged, this, &MainWindow::showModified);
    connect(&army, &ArmyDocument::historyChanged, this, &MainWindow::showModified);
    connect(&army, &ArmyDocument::historyStepped, this, &MainWindow::showSteppedArmy);
    // The menu items of New and Edit follow their buttons.
    newTroopButton->installEventFilter(this);
    editTroopButton->installEventFilter(this);
    menus->setNewTroopEnabled(newTroopButton->isEnabled());
    menus->setEditTroopEnabled(editTroopButton->isEnabled());
    drop = new FileDrop(this);
    connect(drop, &FileDrop::dropped, this, [this](const QString& path) {
        if (unsavedChangesSettled())
            loadFile(path);
    });

    // The main window is shown at once, and its loading notice is placed by its size. The menu
    // bar adds its height above the questions.
    setFixedClientSize(331, 235 + menus->barHeight());
    settleSize();
    loadingNotice->place();
    showArmyTexts();
    showFile();
}

MainWindow::~MainWindow() = default;

const QString& MainWindow::currentFile() const
{
    return army.filePath();
}

// Edit and Save open up once a troop has been accepted; New is held back while every slot of
// the army is taken. The count text follows the troops accepted in the wizard.
void MainWindow::activate()
{
    showTroopCount();
    if (troopWizard.slot() > 0) {
        editTroopButton->setEnabled(true);
        saveButton->setEnabled(true);
    }
    newTroopButton->setEnabled(army.army().troopCount < Store::slotCount);
    showModified();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        if (watched == newTroopButton) {
            menus->setNewTroopEnabled(newTroopButton->isEnabled());
            newTroopButton->setToolTip(
                newTroopButton->isEnabled()
                    ? QString()
                    : QStringLiteral("The army holds 100 troops, as many as a datafile can "
                                     "hold. Delete one through Edit to make room."));
        } else if (watched == editTroopButton) {
            menus->setEditTroopEnabled(editTroopButton->isEnabled());
        }
    }
    return Window::eventFilter(watched, event);
}

void MainWindow::takeText(LineEdit* edit)
{
    if (edit == armyNameEdit)
        statusBar->setPanelText(0, QStringLiteral("Army: ") + edit->text());
    else if (edit == squadWordEdit)
        statusBar->setPanelText(1, troopCountText(edit->text(), army.army().troopCount));
    if (showingArmy)
        return;
    const auto [name, field] = edit == armyNameEdit   ? std::pair{"Army Name", &Army::name}
                               : edit == unitWordEdit ? std::pair{"Unit Word", &Army::unitWord}
                                                      : std::pair{"Squad Word", &Army::squadWord};
    Army texts = army.army().army;
    texts.*field = edit->text();
    army.applyTexts(QString::fromLatin1(name), texts);
}

void MainWindow::showArmyTexts()
{
    showingArmy = true;
    const Army& texts = army.army().army;
    for (auto [edit, text] : {std::pair{armyNameEdit, &texts.name},
                              {unitWordEdit, &texts.unitWord},
                              {squadWordEdit, &texts.squadWord}}) {
        if (edit->text() != *text)
            edit->setText(*text);
    }
    showingArmy = false;
    statusBar->setPanelText(0, QStringLiteral("Army: ") + texts.name);
    showTroopCount();
}

void MainWindow::showTroopCount()
{
    statusBar->setPanelText(1, troopCountText(army.army().army.squadWord, army.army().troopCount));
    if (army.army().troopCount >= 1)
        editTroopButton->setEnabled(true);
    newTroopButton->setEnabled(army.army().troopCount < Store::slotCount);
    menus->updateArmyActions();
}

void MainWindow::showFile()
{
    const QString& file = army.filePath();
    if (!file.isEmpty())
        recent.opened(file);
    const QString title = caption + QStringLiteral("[*]");
    setWindowTitle(file.isEmpty() ? title
                                  : recent.titleOf(file) + QStringLiteral("[*] - ") + caption);
    if (!file.isEmpty()) {
        recent.add(file);
        menus->fillRecentMenu();
    }
    showModified();
}

// Save and Save As have something to save once the army has changed, the Save button is open,
// or there is a current file to write.
void MainWindow::showModified()
{
    setWindowModified(army.isModified());
    const bool savable = saveButton->isEnabled() || army.isModified() || army.stepCount() > 0 ||
                         !army.filePath().isEmpty();
    menus->setSaveEnabled(savable);
    menus->updateUndoItems();
}

// After an undo or redo the buttons stand as they would for this army loaded fresh.
void MainWindow::showSteppedArmy()
{
    editTroopButton->setEnabled(army.army().troopCount >= 1);
    saveButton->setEnabled(true);
    showModified();
}

void MainWindow::startWizard(int slot)
{
    hide();
    troopWizard.start(army.army(), slot, army.unfinishedTroop());
}

// New: the troop is built in the first slot after the accepted ones, beginning as the new troop
// last left unfinished; an army whose slots are all taken starts no troop.
void MainWindow::newTroop()
{
    army.closeOpenStep();
    if (army.army().troopCount >= Store::slotCount)
        return;
    startWizard(army.army().troopCount);
}

// What the run did to the army is one step, named for it; a new troop left unfinished is kept
// for the next New.
void MainWindow::wizardEnded()
{
    if (const std::optional<ArmyChange> change = troopWizard.runChange())
        army.apply(*change);
    if (const std::optional<Troop> unfinished = troopWizard.unfinishedAfterRun())
        army.setUnfinishedTroop(*unfinished);
    showAndActivate();
    if (reportRowToReopen >= 0) {
        const int row = std::exchange(reportRowToReopen, -1);
        showCheckReport(row);
    }
}

// Export Army Sheet: a sheet written is told in the status bar.
void MainWindow::exportSheet()
{
    const QString written = sheet->exportSheet();
    if (!written.isEmpty())
        statusBar->showMessage(
            QStringLiteral("Army sheet exported to ") + QFileInfo(written).fileName(), messageTime);
}

void MainWindow::showCatalogue(CatalogueKind kind)
{
    army.closeOpenStep();
    CatalogueDialog catalogue(this, army.army(), troopWizard.editorMemory(), kind, army.changer());
    catalogue.showModal();
}

void MainWindow::checkArmy()
{
    showCheckReport(0);
}

// The report: a troop's problem chosen opens the troop at its step, and the report comes back
// when the run ends; an army text's problem puts the focus into that text's edit.
void MainWindow::showCheckReport(int row)
{
    CheckReportDialog report(this, army.army(), row);
    if (report.showModal() != QDialog::Accepted || !report.chosenProblem())
        return;
    const ProblemPlace place = report.chosenProblem()->place;
    if (place.part == ProblemPlace::Part::Army)
        return focusArmyText({armyNameEdit, unitWordEdit, squadWordEdit}, place.armyText);
    reportRowToReopen = qMax(0, report.currentRow());
    startWizard(place.slot);
    const int step = wizardStepOf(place.field);
    if (step > 2)
        troopWizard.showStep(WizardStep(step - 2));
}

// Duplicate Troop: the copy of the chosen troop, named "NAME (2)" or the first free number,
// becomes the last troop and opens at step 2.
void MainWindow::duplicateTroop()
{
    const Store& store = army.army();
    if (store.troopCount == 0 || store.troopCount >= Store::slotCount)
        return;
    army.closeOpenStep();
    TroopSelectionDialog selection(this, store, troopSelectionRow, army.changer(),
                                   TroopSelectionDialog::Purpose::Duplicate);
    if (selection.showModal() != QDialog::Accepted)
        return;
    const int original = selection.selectedSlot();
    if (original >= store.troopCount)
        return;
    army.apply(QStringLiteral("Duplicate Troop \"%1\"").arg(store.troops[size_t(original)].name),
               [original](Store& changed) {
                   const int copy = changed.troopCount;
                   changed.troops[size_t(copy)] = changed.troops[size_t(original)];
                   changed.troops[size_t(copy)].name = duplicateName(changed, original);
                   ++changed.troopCount;
               });
    startWizard(army.army().troopCount - 1);
}

void MainWindow::offerRecovery(const QString& folder)
{
    recoveryKeeper->offerLeftWork(this, folder, [this](const RecoveredWork& work) {
        return unsavedChangesSettled() && restoreWork(work);
    });
}

// The army comes back as it was, with its file, counted as unsaved; a troop that was being
// built opens in the wizard again, at the step the user was on.
bool MainWindow::restoreWork(const RecoveredWork& work)
{
    army.closeOpenStep();
    const Troop* unfinished = work.unfinishedTroop && work.army.troopCount < Store::slotCount
                                  ? &work.army.troops[size_t(work.army.troopCount)]
                                  : nullptr;
    army.restoreWork(work.army, work.file, unfinished);
    saveButton->setEnabled(true);
    showModified();
    recoveryKeeper->keepCopy();
    if (work.unfinishedTroop)
        startWizard(army.army().troopCount);
    if (work.unfinishedTroop && work.step > 2)
        troopWizard.showStep(WizardStep(work.step - 2));
    return true;
}

bool MainWindow::unsavedChangesSettled()
{
    army.closeOpenStep();
    return ::unsavedChangesSettled(this, army, [this] { return saveToCurrentFile(); });
}

bool MainWindow::canClose()
{
    return unsavedChangesSettled();
}

// Closing the main window ends the program; its changes are saved or given up by now.
void MainWindow::closing()
{
    recoveryKeeper->removeCopy();
    QCoreApplication::quit();
}

// Save: the dialog proposes the current file.
bool MainWindow::saveArmy()
{
    army.closeOpenStep();
    const QString path = runFileDialog(
        this, {FileDialogRequest::Kind::Save, QStringLiteral("Save the datafile"),
               army.filePath().isEmpty() ? datafileName : army.filePath(), datafileFilter});
    if (path.isEmpty())
        return false;
    return saveArmyTo(this, army, path);
}

bool MainWindow::saveToCurrentFile()
{
    if (army.filePath().isEmpty())
        return saveArmy();
    return saveArmyTo(this, army, army.filePath());
}

// Load: the army is replaced by the file's, once its unsaved changes are settled. The dialog
// shows the datafiles, or every file for a datafile named otherwise.
void MainWindow::loadArmy()
{
    if (!unsavedChangesSettled())
        return;
    FileDialogRequest request{FileDialogRequest::Kind::Open, QStringLiteral("Load the datafile"),
                              datafileName, QString()};
    request.filters = {datafileFilter, QStringLiteral("All files (*)")};
    const QString path = runFileDialog(this, request);
    if (!path.isEmpty())
        loadFile(path);
}

// A file far larger than any datafile is refused with its reason; any other file that holds no
// army is refused with the read-error window. Either way the army stays as it was.
bool MainWindow::loadFile(const QString& path)
{
    army.closeOpenStep();
    ArmyDocument::LoadResult result;
    {
        loadingNotice->showNow(true);
        WaitCursor wait;
        LoadShown shown(this, path, armyNameEdit, unitWordEdit, squadWordEdit, statusBar);
        showingArmy = true;
        result = army.load(path, shown);
        showingArmy = false;
    }
    loadingNotice->showNow(false);
    showArmyTexts();
    if (!loadSucceeded(this, result, path))
        return false;
    troopWizard.returnToFirstSlot();
    editTroopButton->setEnabled(army.army().troopCount >= 1);
    saveButton->setEnabled(true);
    showModified();
    if (result.mergedLines > 0)
        statusBar->showMessage(mergedLinesText(result.mergedLines), messageTime);
    return true;
}

void MainWindow::loadRecentFile(const QString& path)
{
    if (!recentFileFound(this, path)) {
        recent.remove(path);
        menus->fillRecentMenu();
    } else if (unsavedChangesSettled()) {
        loadFile(path);
    }
}

void MainWindow::startNewFile(const QString& path)
{
    army.setNewFile(path);
}

void MainWindow::showAbout()
{
    AboutDialog about(this);
    about.showModal();
}

// Edit: the troop chosen in the selection dialog opens in step 2; a troop deleted there is one
// step of the history.
void MainWindow::editTroop()
{
    army.closeOpenStep();
    if (army.army().troopCount == 0)
        return;
    TroopSelectionDialog selection(this, army.army(), troopSelectionRow, army.changer());
    const bool chosen = selection.showModal() == QDialog::Accepted;
    troopSelectionRow = selection.currentRow();
    if (chosen)
        startWizard(selection.selectedSlot());
}

void MainWindow::showHelp()
{
    MainWindowHelp help(this);
    help.showModal();
}
