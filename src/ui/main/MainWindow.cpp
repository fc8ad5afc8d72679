#include "ui/main/MainWindow.h"

#include "datafile/Loader.h"
#include "datafile/Writer.h"
#include "platform/DatafileOutput.h"
#include "platform/FileBytes.h"
#include "platform/IniFile.h"
#include "store/ArmyHistory.h"
#include "store/Store.h"
#include "ui/WaitCursor.h"
#include "ui/catalogue/CatalogueDialog.h"
#include "ui/controls/Button.h"
#include "ui/controls/Labels.h"
#include "ui/controls/LineEdit.h"
#include "ui/controls/StatusBar.h"
#include "ui/help/MainWindowHelp.h"
#include "ui/main/AboutDialog.h"
#include "ui/main/CheckReportDialog.h"
#include "ui/main/ReadErrorDialog.h"
#include "ui/main/TroopSelectionDialog.h"
#include "ui/sheet/ArmySheet.h"
#include "ui/sheet/SheetExport.h"
#include "ui/sheet/SheetPages.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QVBoxLayout>

namespace
{

const QString caption = QStringLiteral("Varnhold Datafile Creator (v1.0)");
const QString datafileName = QStringLiteral("vhold.ini");
const QString datafileFilter = QStringLiteral("*.ini");

// The one local file that a drag carries, or the empty text.
QString droppedFile(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1 || !data->urls()[0].isLocalFile())
        return QString();
    const QString path = data->urls()[0].toLocalFile();
    return QFileInfo(path).isFile() ? path : QString();
}

// A standard key where the desktop has one, else the given one.
QList<QKeySequence> keysFor(QKeySequence::StandardKey standard, const QKeySequence& otherwise)
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(standard);
    if (keys.isEmpty())
        keys << otherwise;
    return keys;
}

} // namespace

MainWindow::MainWindow(Store& armyStore)
    : Window(caption + QStringLiteral("[*]")), store(armyStore), troopWizard(store)
{
    armyNameLabel = makeLabel(this, QStringLiteral("What is the name of your army?"));
    armyNameEdit = new LineEdit(this);
    armyNameEdit->setUpperCase(true);
    unitWordLabel = makeLabel(this, QStringLiteral("What is a unit called in your army?"));
    unitWordEdit = new LineEdit(this, QStringLiteral("Unit"));
    squadWordLabel = makeLabel(this, QStringLiteral("What is a squad called in your army?"));
    squadWordEdit = new LineEdit(this, QStringLiteral("Squad"));
    armyNameLabel->setBuddy(armyNameEdit);
    unitWordLabel->setBuddy(unitWordEdit);
    squadWordLabel->setBuddy(squadWordEdit);

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

    buildMenus();
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->setContentsMargins(8, 8, 8, 2);
    for (auto [question, edit] : {std::pair{armyNameLabel, armyNameEdit},
                                  {unitWordLabel, unitWordEdit},
                                  {squadWordLabel, squadWordEdit}}) {
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

    loadingNotice = new QLabel(QStringLiteral("Loading datafile. Please wait..."), this);
    loadingNotice->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    loadingNotice->setAlignment(Qt::AlignCenter);
    loadingNotice->setAutoFillBackground(true);
    loadingNotice->hide();

    setTabChain({armyNameEdit, unitWordEdit, squadWordEdit, newTroopButton, closeButton, saveButton,
                 loadButton, editTroopButton, helpButton});

    connect(armyNameEdit, &LineEdit::changed, this, &MainWindow::showArmyName);
    connect(squadWordEdit, &LineEdit::changed, this, &MainWindow::showTroopCount);
    for (LineEdit* edit : {armyNameEdit, unitWordEdit, squadWordEdit})
        connect(edit, &LineEdit::changed, this, &MainWindow::updateModified);
    connect(newTroopButton, &QPushButton::clicked, this, &MainWindow::newTroop);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(saveButton, &QPushButton::clicked, this, &MainWindow::saveArmy);
    connect(loadButton, &QPushButton::clicked, this, &MainWindow::loadArmy);
    connect(editTroopButton, &QPushButton::clicked, this, &MainWindow::editTroop);
    connect(helpButton, &QPushButton::clicked, this, &MainWindow::showHelp);
    connect(&troopWizard, &Wizard::finished, this, &MainWindow::wizardEnded);
    // The menu items of New and Edit follow their buttons.
    newTroopButton->installEventFilter(this);
    editTroopButton->installEventFilter(this);
    newTroopAction->setEnabled(newTroopButton->isEnabled());
    editTroopAction->setEnabled(editTroopButton->isEnabled());
    setAcceptDrops(true);

    // The main window is shown at once, and its loading notice is placed by its size. The menu
    // bar adds its height above the questions.
    setFixedClientSize(331, 235 + menuBar->sizeHint().height());
    settleSize();
    const QSize panelSize = loadingNotice->sizeHint().expandedTo(QSize(width() * 3 / 4, 48));
    loadingNotice->setGeometry(QRect(
        QPoint((width() - panelSize.width()) / 2, (height() - panelSize.height()) / 2), panelSize));

    untouchedDatafile = savedDatafile = datafileAsSaveWouldWrite();
    history = std::make_unique<ArmyHistory>(currentState());
    for (LineEdit* edit : {armyNameEdit, unitWordEdit, squadWordEdit})
        connect(edit, &LineEdit::exited, this, &MainWindow::recordTextEdits);
    updateModified();
    updateUndoItems();
    // Unsaved work is copied aside at least every second, so a crash loses at most that.
    recoveryTimer.setInterval(1000);
    connect(&recoveryTimer, &QTimer::timeout, this, &MainWindow::keepRecoveryCopy);
    recoveryTimer.start();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus()
{
    menuBar = new QMenuBar(this);
    menuBar->setAccessibleName(QStringLiteral("Menu bar"));
    fileMenu = menuBar->addMenu(QStringLiteral("&File"));
    newTroopAction = fileMenu->addAction(QStringLiteral("&New Troop"), this, &MainWindow::newTroop);
    newTroopAction->setShortcuts(keysFor(QKeySequence::New, Qt::CTRL | Qt::Key_N));
    editTroopAction =
        fileMenu->addAction(QStringLiteral("&Edit Troop..."), this, &MainWindow::editTroop);
    editTroopAction->setShortcut(Qt::CTRL | Qt::Key_E);
    fileMenu->addSeparator();
    loadAction = fileMenu->addAction(QStringLiteral("&Load..."), this, &MainWindow::loadArmy);
    loadAction->setShortcuts(keysFor(QKeySequence::Open, Qt::CTRL | Qt::Key_O));
    recentMenu = fileMenu->addMenu(QStringLiteral("Load &Recent"));
    clearRecentAction = new QAction(QStringLiteral("Clear Recent Files"), this);
    connect(clearRecentAction, &QAction::triggered, this, [this] {
        recentFiles.clear();
        fillRecentMenu();
    });
    fileMenu->addSeparator();
    saveAction = fileMenu->addAction(QStringLiteral("&Save"), this, &MainWindow::saveToCurrentFile);
    saveAction->setShortcuts(keysFor(QKeySequence::Save, Qt::CTRL | Qt::Key_S));
    saveAsAction = fileMenu->addAction(QStringLiteral("Save &As..."), this, &MainWindow::saveArmy);
    saveAsAction->setShortcuts(keysFor(QKeySequence::SaveAs, Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    fileMenu->addSeparator();
    exportSheetAction = fileMenu->addAction(QStringLiteral("E&xport Army Sheet..."), this,
                                            &MainWindow::exportSheet);
    printSheetAction =
        fileMenu->addAction(QStringLiteral("&Print Army Sheet..."), this, &MainWindow::printSheet);
    printSheetAction->setShortcuts(keysFor(QKeySequence::Print, Qt::CTRL | Qt::Key_P));
    fileMenu->addSeparator();
    quitAction = fileMenu->addAction(QStringLiteral("&Quit"), this, &QWidget::close);
    quitAction->setShortcuts(keysFor(QKeySequence::Quit, Qt::CTRL | Qt::Key_Q));

    editMenu = menuBar->addMenu(QStringLiteral("&Edit"));
    undoAction = editMenu->addAction(QStringLiteral("&Undo"), this, &MainWindow::undo);
    undoAction->setShortcuts(keysFor(QKeySequence::Undo, Qt::CTRL | Qt::Key_Z));
    redoAction = editMenu->addAction(QStringLiteral("&Redo"), this, &MainWindow::redo);
    redoAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    undoAction->setObjectName(QStringLiteral("Undo"));
    redoAction->setObjectName(QStringLiteral("Redo"));

    armyMenu = menuBar->addMenu(QStringLiteral("&Army"));
    weaponsAction = armyMenu->addAction(QStringLiteral("&Weapons..."), this,
                                        [this] { showCatalogue(CatalogueKind::Weapons); });
    abilitiesAction = armyMenu->addAction(QStringLiteral("&Special Abilities..."), this,
                                          [this] { showCatalogue(CatalogueKind::Abilities); });
    armyMenu->addSeparator();
    checkAction = armyMenu->addAction(QStringLiteral("&Check..."), this, &MainWindow::checkArmy);
    checkAction->setShortcut(Qt::CTRL | Qt::Key_K);
    duplicateTroopAction = armyMenu->addAction(QStringLiteral("&Duplicate Troop..."), this,
                                               &MainWindow::duplicateTroop);
    duplicateTroopAction->setShortcut(Qt::CTRL | Qt::Key_D);

    helpMenu = menuBar->addMenu(QStringLiteral("&Help"));
    helpAction = helpMenu->addAction(QStringLiteral("&Help"), this, &MainWindow::showHelp);
    helpAction->setShortcuts(keysFor(QKeySequence::HelpContents, Qt::Key_F1));
    aboutAction =
        helpMenu->addAction(QStringLiteral("&About Quarrimak"), this, &MainWindow::showAbout);
    aboutQtAction = helpMenu->addAction(QStringLiteral("About &Qt"), qApp, &QApplication::aboutQt);

    for (QMenu* menu : {fileMenu, recentMenu, editMenu, armyMenu, helpMenu})
        menu->menuAction()->setObjectName(menu->title());
    for (QAction* action :
         {newTroopAction, editTroopAction, loadAction, saveAction, saveAsAction, exportSheetAction,
          printSheetAction, quitAction, weaponsAction, abilitiesAction, checkAction,
          duplicateTroopAction, helpAction, aboutAction, aboutQtAction, clearRecentAction}) {
        QString name = action->text();
        name.remove(u'&');
        if (name.endsWith(QLatin1String("...")))
            name.chop(3);
        action->setObjectName(name);
    }
    fillRecentMenu();
    updateArmyActions();
}

// Each recent file as "&1 vhold.ini", its path in its status tip, then Clear Recent Files.
void MainWindow::fillRecentMenu()
{
    recentMenu->clear();
    const QStringList files = recentFiles.files();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        QAction* action = recentMenu->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()), this,
            [this, path] { loadRecentFile(path); });
        action->setStatusTip(path);
        action->setToolTip(path);
    }
    recentMenu->addSeparator();
    recentMenu->addAction(clearRecentAction);
    recentMenu->menuAction()->setEnabled(!files.isEmpty());
}

QString MainWindow::countText(const QString& squadWord) const
{
    return QStringLiteral("Total ") + squadWord + QStringLiteral("s: ") +
           QString::number(store.troopCount);
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
    newTroopButton->setEnabled(store.troopCount < Store::slotCount);
    updateModified();
}

// Duplicate needs a troop to copy and a free slot for the copy.
void MainWindow::updateArmyActions()
{
    duplicateTroopAction->setEnabled(store.troopCount > 0 && store.troopCount < Store::slotCount);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        if (watched == newTroopButton) {
            newTroopAction->setEnabled(newTroopButton->isEnabled());
            newTroopButton->setToolTip(
                newTroopButton->isEnabled()
                    ? QString()
                    : QStringLiteral("The army holds 100 troops, as many as a datafile can "
                                     "hold. Delete one through Edit to make room."));
        } else if (watched == editTroopButton) {
            editTroopAction->setEnabled(editTroopButton->isEnabled());
        }
    }
    return Window::eventFilter(watched, event);
}

void MainWindow::copyArmyTexts()
{
    store.army.name = armyNameEdit->text();
    store.army.unitWord = unitWordEdit->text();
    store.army.squadWord = squadWordEdit->text();
}

// New: the troop is built in the first slot after the accepted ones, as that slot stands; an
// army whose slots are all taken starts no troop.
void MainWindow::newTroop()
{
    recordTextEdits();
    if (store.troopCount >= Store::slotCount)
        return;
    copyArmyTexts();
    hide();
    troopWizard.start(store.troopCount);
}

namespace
{

// A slot that holds nothing a user typed or chose: the cells of step 2 left empty.
bool isBlank(const Troop& troop)
{
    const auto empty = [](const std::unique_ptr<LineList>& list) {
        return !list || list->isEmpty();
    };
    QString characteristics = troop.characteristics;
    characteristics.remove(u',');
    return troop.name.isEmpty() && troop.points.isEmpty() && troop.role.isEmpty() &&
           characteristics.isEmpty() && troop.frontArmour.isEmpty() && troop.sideArmour.isEmpty() &&
           troop.rearArmour.isEmpty() && empty(troop.standardWeapons) &&
           empty(troop.replaceableWeapons) && empty(troop.additionalWeapons) &&
           empty(troop.abilities);
}

// Whether the troops differ in anything but a slot past the accepted ones that stays blank.
bool troopsDiffer(const Store& army, const Store& before)
{
    for (int slot = 0; slot < Store::slotCount; ++slot) {
        const Troop& troop = army.troops[slot];
        if (troop != before.troops[slot] &&
            !(slot >= army.troopCount && isBlank(troop) && isBlank(before.troops[slot])))
            return true;
    }
    return false;
}

} // namespace

// A run that changed the army is one step, named for what it did to it.
void MainWindow::wizardEnded(bool armyChanged)
{
    if (armyChanged) {
        const Store& before = history->current().army;
        const Troop& troop = store.troops[troopWizard.runSlot()];
        const QString quoted = u'"' + troop.name + u'"';
        if (store.troopCount > before.troopCount)
            recordChange(QStringLiteral("Add Troop ") + quoted);
        else if (troopsDiffer(store, before))
            recordChange(QStringLiteral("Change Troop ") + quoted);
        else if (store != before)
            recordChange(QStringLiteral("Change Catalogues"));
    }
    showAndActivate();
    if (reportRowToReopen >= 0) {
        const int row = std::exchange(reportRowToReopen, -1);
        showCheckReport(row);
    }
}

// The one place where the Army menu's windows change the army: the change runs and becomes one
// step of the history, under its name ("Rename Weapon \"Axe\"", "Delete Special Ability
// \"Zeal\"", "Duplicate Troop \"Boyz\""); the caption's "*" and Save follow.
void MainWindow::changeArmy(const QString& name, const std::function<void()>& change)
{
    recordTextEdits();
    change();
    recordChange(name);
}

void MainWindow::showCatalogue(CatalogueKind kind)
{
    copyArmyTexts();
    CatalogueDialog catalogue(this, store, troopWizard.editorMemory(), kind,
                              [this](const ArmyChange& change) {
                                  changeArmy(change.name, [&] { change.apply(store); });
                              });
    catalogue.showModal();
}

void MainWindow::checkArmy()
{
    showCheckReport(0);
}

// The report; a troop's problem chosen in it opens that troop at the problem's step, and the
// report comes back when the run ends.
void MainWindow::showCheckReport(int row)
{
    copyArmyTexts();
    CheckReportDialog report(this, store, row);
    if (report.showModal() != ModalResult::Ok || !report.chosenProblem())
        return;
    const ProblemPlace place = report.chosenProblem()->place;
    reportRowToReopen = qMax(0, report.currentRow());
    hide();
    troopWizard.start(place.slot);
    const int step = wizardStepOf(place.field);
    if (step > 2)
        troopWizard.showStep(WizardStep(step - 2));
}

// Duplicate Troop: the copy of the chosen troop, named "NAME (2)" or the first free number,
// becomes the last troop and opens at step 2.
void MainWindow::duplicateTroop()
{
    if (store.troopCount == 0 || store.troopCount >= Store::slotCount)
        return;
    copyArmyTexts();
    TroopSelectionDialog selection(
        this, store, troopSelectionRow,
        [this](const ArmyChange& change) { changeArmy(change.name, [&] { change.apply(store); }); },
        TroopSelectionDialog::Purpose::Duplicate);
    if (selection.showModal() != ModalResult::Ok)
        return;
    const int original = selection.selectedSlot();
    if (original >= store.troopCount)
        return;
    const QString originalName = store.troops[size_t(original)].name;
    changeArmy(QStringLiteral("Duplicate Troop \"%1\"").arg(originalName), [&] {
        const int copy = store.troopCount;
        store.troops[size_t(copy)] = store.troops[size_t(original)];
        store.troops[size_t(copy)].name = duplicateName(store, original);
        ++store.troopCount;
    });
    hide();
    troopWizard.start(store.troopCount - 1);
}

ArmyState MainWindow::currentState()
{
    ArmyState state{store, file, savedDatafile};
    state.army.army = {armyNameEdit->text(), unitWordEdit->text(), squadWordEdit->text()};
    return state;
}

void MainWindow::recordChange(const QString& name)
{
    history->record(name, currentState());
    updateUndoItems();
    updateModified();
}

void MainWindow::recordTextEdits()
{
    if (restoring)
        return;
    const std::pair<LineEdit*, QString> edits[] = {{armyNameEdit, QStringLiteral("Army Name")},
                                                   {unitWordEdit, QStringLiteral("Unit Word")},
                                                   {squadWordEdit, QStringLiteral("Squad Word")}};
    for (const auto& [edit, name] : edits) {
        ArmyState state = history->current();
        QString& text = edit == armyNameEdit   ? state.army.army.name
                        : edit == unitWordEdit ? state.army.army.unitWord
                                               : state.army.army.squadWord;
        if (text == edit->text())
            continue;
        text = edit->text();
        history->record(name, std::move(state));
    }
    updateUndoItems();
}

void MainWindow::undo()
{
    recordTextEdits();
    if (history->canUndo())
        restore(history->undo());
}

void MainWindow::redo()
{
    recordTextEdits();
    if (history->canRedo())
        restore(history->redo());
}

// The whole army comes back: troops, catalogues, texts, and its file with what the file holds.
void MainWindow::restore(const ArmyState& state)
{
    restoring = true;
    store = state.army;
    armyNameEdit->setText(state.army.army.name);
    unitWordEdit->setText(state.army.army.unitWord);
    squadWordEdit->setText(state.army.army.squadWord);
    restoring = false;
    savedDatafile = state.saved;
    file.clear();
    setCurrentFile(state.file);
    if (store.troopCount >= 1)
        editTroopButton->setEnabled(true);
    newTroopButton->setEnabled(store.troopCount < Store::slotCount);
    showTroopCount();
    updateModified();
    updateUndoItems();
}

RecoveredWork MainWindow::workNow()
{
    Store army = store;
    army.army = {armyNameEdit->text(), unitWordEdit->text(), squadWordEdit->text()};
    const bool unfinished =
        troopWizard.isRunning() && troopWizard.buildsNewTroop() && !isBlank(troopWizard.troop());
    return {std::move(army), unfinished, file, QDateTime::currentDateTime()};
}

// The copy is written while the army differs from what its file holds or a new troop is being
// built, and removed once neither is so.
void MainWindow::keepRecoveryCopy()
{
    const RecoveredWork work = workNow();
    if (copiedArmy && *copiedArmy == work.army && copiedUnfinished == work.unfinishedTroop &&
        work.file == recoveredFile)
        return;
    // The army is encoded once, both to compare it with its file and to copy it.
    QByteArray bytes;
    if (!encodeDatafile(work.army, bytes, nullptr))
        bytes.clear();
    if (!work.unfinishedTroop && !bytes.isEmpty() && bytes == savedDatafile) {
        recovery.remove();
    } else if (!recovery.write(work, std::move(bytes), nullptr)) {
        return;
    }
    copiedArmy = work.army;
    copiedUnfinished = work.unfinishedTroop;
    recoveredFile = work.file;
}

void MainWindow::offerRecovery(const QString& folder)
{
    std::vector<LeftWork> found = leftWork(folder);
    for (LeftWork& left : found) {
        RecoveredWork work;
        QString reason;
        if (!left.read(work, &reason)) {
            left.setAside();
            messageBox(this, QStringLiteral("*** RECOVERY FAILED ***"),
                       QStringLiteral("Unsaved work left by an earlier run cannot be restored.\n") +
                           reason,
                       MessageButtons::Ok);
            continue;
        }
        const QString name =
            work.army.army.name.isEmpty() ? QStringLiteral("(no name)") : work.army.army.name;
        const QDateTime time = work.time.isValid() ? work.time.toLocalTime() : left.time;
        const ModalResult answer = messageBox(
            this, QStringLiteral("*** RESTORE UNSAVED WORK ***"),
            QStringLiteral("Quarrimak ended on ") + QLocale().toString(time, QLocale::ShortFormat) +
                QStringLiteral(" before changes to the army \"") + name +
                QStringLiteral("\" were saved. Restore them?"),
            MessageButtons::YesNo);
        if (answer != ModalResult::Yes) {
            left.discard();
            continue;
        }
        if (!unsavedChangesSettled())
            continue;
        if (restoreWork(work))
            left.discard();
    }
}

// The army comes back as it was, with its file, counted as unsaved; a troop that was being
// built opens in the wizard again.
bool MainWindow::restoreWork(const RecoveredWork& work)
{
    recordTextEdits();
    QFile onDisk(work.file);
    const QByteArray onDiskBytes = !work.file.isEmpty() && onDisk.open(QIODevice::ReadOnly)
                                       ? onDisk.readAll()
                                       : untouchedDatafile;
    restore({work.army, work.file, onDiskBytes});
    saveButton->setEnabled(true);
    recordChange(QStringLiteral("Restore Unsaved Work"));
    copiedArmy.reset();
    keepRecoveryCopy();
    if (work.unfinishedTroop) {
        hide();
        troopWizard.start(store.troopCount);
    }
    return true;
}

void MainWindow::updateUndoItems()
{
    const QString undoName = history->undoName();
    const QString redoName = history->redoName();
    undoAction->setText(undoName.isEmpty() ? QStringLiteral("&Undo")
                                           : QStringLiteral("&Undo ") + undoName);
    redoAction->setText(redoName.isEmpty() ? QStringLiteral("&Redo")
                                           : QStringLiteral("&Redo ") + redoName);
    undoAction->setEnabled(history->canUndo());
    redoAction->setEnabled(history->canRedo());
}

void MainWindow::setCurrentFile(const QString& path)
{
    file = path;
    const QString title = caption + QStringLiteral("[*]");
    setWindowTitle(
        file.isEmpty() ? title : QFileInfo(file).fileName() + QStringLiteral("[*] - ") + caption);
    if (!file.isEmpty()) {
        recentFiles.add(file);
        fillRecentMenu();
    }
}

// The caption carries "*" while the file Save would write differs from the one last saved or
// loaded. Save and Save As have something to save once the army differs from the untouched
// program's, the Save button is open, or there is a current file to write.
void MainWindow::updateModified()
{
    if (loading)
        return;
    const QByteArray bytes = datafileAsSaveWouldWrite();
    setWindowModified(bytes != savedDatafile);
    const bool savable = saveButton->isEnabled() || bytes != untouchedDatafile || !file.isEmpty();
    saveAction->setEnabled(savable);
    saveAsAction->setEnabled(savable);
    updateArmyActions();
}

// The datafile that Save would write now, with the army texts as the edits show them; the store
// keeps its own texts.
QByteArray MainWindow::datafileAsSaveWouldWrite()
{
    const Army kept = store.army;
    copyArmyTexts();
    QByteArray bytes;
    // An army that the code page cannot hold gives no bytes, which differ from any saved file.
    if (!encodeDatafile(store, bytes, nullptr))
        bytes.clear();
    store.army = kept;
    return bytes;
}

// Before the army is dropped, changes not yet saved are saved or given up as the user answers;
// false when the user stays with the army.
bool MainWindow::unsavedChangesSettled()
{
    if (datafileAsSaveWouldWrite() == savedDatafile)
        return true;
    switch (messageBox(this, QStringLiteral("*** UNSAVED CHANGES ***"),
                       QStringLiteral("The army has changes that have not been saved. Save them "
                                      "first?"),
                       MessageButtons::YesNoCancel)) {
    case ModalResult::Yes:
        return saveToCurrentFile();
    case ModalResult::No:
        return true;
    default:
        return false;
    }
}

bool MainWindow::canClose()
{
    return unsavedChangesSettled();
}

// Closing the main window ends the program; its changes are saved or given up by now.
void MainWindow::closing()
{
    recoveryTimer.stop();
    recovery.remove();
    QCoreApplication::quit();
}

void MainWindow::showArmyName()
{
    statusBar->setPanelText(0, QStringLiteral("Army: ") + armyNameEdit->text());
}

void MainWindow::showTroopCount()
{
    statusBar->setPanelText(1, countText(squadWordEdit->text()));
}

// Save: the army texts are taken from the edits even when the dialog is then cancelled. The
// dialog proposes the current file.
bool MainWindow::saveArmy()
{
    copyArmyTexts();
    const QString path =
        runFileDialog(this, {FileDialogRequest::Kind::Save, QStringLiteral("Save the datafile"),
                             file.isEmpty() ? datafileName : file, datafileFilter});
    if (path.isEmpty())
        return false;
    return writeArmy(path);
}

bool MainWindow::saveToCurrentFile()
{
    if (file.isEmpty())
        return saveArmy();
    copyArmyTexts();
    return writeArmy(file);
}

// The file on disk is replaced only by a complete new one, which becomes the current file.
bool MainWindow::writeArmy(const QString& path)
{
    QString reason;
    QByteArray bytes;
    if (!encodeDatafile(store, bytes, &reason) || !replaceFileWith(path, bytes, &reason)) {
        messageBox(this, QStringLiteral("*** FILE ERROR ***"),
                   QStringLiteral("An error occurred while writing to the file!\n") + reason,
                   MessageButtons::Ok);
        return false;
    }
    savedDatafile = bytes;
    setCurrentFile(path);
    history->savedAs(path, bytes);
    copiedArmy.reset();
    keepRecoveryCopy();
    updateModified();
    return true;
}

namespace
{

// What the main window shows while a datafile loads.
class MainWindowProgress : public LoadProgress
{
public:
    MainWindowProgress(MainWindow& shownIn, Store& armyStore) : window(shownIn), store(armyStore) {}

    void armyRead() override
    {
        window.armyNameEdit->setText(store.army.name);
        window.unitWordEdit->setText(store.army.unitWord);
        window.squadWordEdit->setText(store.army.squadWord);
    }

    void troopRead(int n) override
    {
        window.statusBar->setPanelText(1, QStringLiteral("Total ") + store.army.squadWord +
                                              QStringLiteral("s: ") + QString::number(n));
        window.statusBar->repaint();
    }

    void raceMissing() override
    {
        ReadErrorDialog errorWindow(&window);
        errorWindow.showModal();
    }

private:
    MainWindow& window;
    Store& store;
};

} // namespace

// Load: the army in the store is replaced by the file's, once its unsaved changes are settled.
void MainWindow::loadArmy()
{
    if (!unsavedChangesSettled())
        return;
    const QString path =
        runFileDialog(this, {FileDialogRequest::Kind::Open, QStringLiteral("Load the datafile"),
                             datafileName, datafileFilter});
    if (!path.isEmpty())
        loadFile(path);
}

// A file far larger than any datafile is refused with its reason; any other file that holds no
// army is refused with the read-error window. Either way the army stays as it was.
bool MainWindow::loadFile(const QString& path)
{
    recordTextEdits();
    LoadOutcome outcome;
    QString reason;
    {
        showLoadingNotice(true);
        WaitCursor wait;
        const IniFile read = IniFile::read(path, &reason);
        if (reason.isEmpty()) {
            loading = true;
            MainWindowProgress progress(*this, store);
            outcome = loadDatafile(store, read, progress);
            loading = false;
        }
    }
    showLoadingNotice(false);
    if (reason == tooLargeReason()) {
        messageBox(this, QStringLiteral("*** FILE ERROR ***"),
                   QStringLiteral("An error occurred while reading the file!\n") + reason,
                   MessageButtons::Ok);
        return false;
    }
    if (!reason.isEmpty()) {
        ReadErrorDialog errorWindow(this, QStringLiteral("The file ") + path +
                                              QStringLiteral(" cannot be read: ") + reason);
        errorWindow.showModal();
        return false;
    }
    if (!outcome.raceFound)
        return false;
    troopWizard.returnToFirstSlot();
    statusBar->setPanelText(1, countText(squadWordEdit->text()));
    editTroopButton->setEnabled(store.troopCount >= 1);
    saveButton->setEnabled(true);
    if (store.troopCount >= Store::slotCount)
        newTroopButton->setEnabled(false);
    if (outcome.troopsLeftOut) {
        messageBox(this, QStringLiteral("*** TOO MANY TROOPS ***"),
                   QStringLiteral("The datafile holds more than 100 troops. Only the first 100 "
                                  "were loaded."),
                   MessageButtons::Ok);
    }
    savedDatafile = datafileAsSaveWouldWrite();
    setCurrentFile(path);
    history->fileWritten(path, savedDatafile);
    recordChange(QStringLiteral("Load \"") + QFileInfo(path).fileName() + u'"');
    updateModified();
    return true;
}

void MainWindow::loadRecentFile(const QString& path)
{
    if (!QFileInfo::exists(path)) {
        messageBox(this, QStringLiteral("*** FILE NOT FOUND ***"),
                   QStringLiteral("The file ") + path + QStringLiteral(" no longer exists."),
                   MessageButtons::Ok);
        recentFiles.remove(path);
        fillRecentMenu();
        return;
    }
    if (unsavedChangesSettled())
        loadFile(path);
}

void MainWindow::startNewFile(const QString& path)
{
    setCurrentFile(path);
    updateModified();
}

// A datafile dropped on the window loads as Load would; anything but one local file is refused.
void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        event->ignore();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    if (unsavedChangesSettled())
        loadFile(path);
}

void MainWindow::showAbout()
{
    AboutDialog about(this);
    about.showModal();
}

// Edit: the troop chosen in the selection dialog opens in step 2. The count text is brought up
// to date whatever the dialog did, since it may have deleted troops.
void MainWindow::editTroop()
{
    recordTextEdits();
    TroopSelectionDialog selection(this, store, troopSelectionRow,
                                   [this](const ArmyChange& change) {
                                       changeArmy(change.name, [&] { change.apply(store); });
                                   });
    const bool chosen = selection.showModal() == ModalResult::Ok;
    troopSelectionRow = selection.currentRow();
    if (chosen) {
        hide();
        troopWizard.start(selection.selectedSlot());
    }
    statusBar->setPanelText(1, countText(store.army.squadWord));
    updateModified();
}

namespace
{

// The progress of a sheet's pages, shown once the work has taken half a second; Cancel stops it.
class SheetProgressDialog : public SheetProgress
{
public:
    explicit SheetProgressDialog(QWidget* parent)
        : dialog(QStringLiteral("Laying out the army sheet..."), QStringLiteral("Cancel"), 0, 1,
                 parent)
    {
        dialog.setWindowTitle(QStringLiteral("Army Sheet"));
        dialog.setWindowModality(Qt::WindowModal);
        dialog.setMinimumDuration(500);
        dialog.setAutoClose(false);
        dialog.setAutoReset(false);
        dialog.setValue(0);
    }

    bool advance(int done, int total) override
    {
        if (dialog.maximum() != total)
            dialog.setMaximum(total);
        dialog.setValue(done);
        return !dialog.wasCanceled();
    }

private:
    QProgressDialog dialog;
};

// A file name made of the army's name: the characters no file name may hold become "-".
QString sheetBaseName(const QString& armyName, const QString& currentFile)
{
    QString name = armyName.trimmed();
    if (name.isEmpty())
        name = QFileInfo(currentFile).completeBaseName();
    if (name.isEmpty())
        name = QStringLiteral("army-sheet");
    for (QChar& c : name) {
        if (QStringLiteral("/\\:*?\"<>|").contains(c) || c.unicode() < 32)
            c = u'-';
    }
    return name;
}

const QString pdfFilter = QStringLiteral("PDF (*.pdf)");
const QString htmlFilter = QStringLiteral("HTML (*.html)");

} // namespace

Store MainWindow::armyAsShown()
{
    const Army kept = store.army;
    copyArmyTexts();
    Store shown = store;
    store.army = kept;
    return shown;
}

// Export Army Sheet: the file's format follows its name, or else the filter chosen. The sheet is
// written with the safety of Save; a failure says why, a cancelled export leaves no file.
void MainWindow::exportSheet()
{
    FileDialogRequest request{FileDialogRequest::Kind::Save, QStringLiteral("Export Army Sheet"),
                              QString(), QString()};
    const QString base = sheetBaseName(armyNameEdit->text(), file);
    request.fileName = file.isEmpty()
                           ? base + QStringLiteral(".pdf")
                           : QFileInfo(file).absolutePath() + u'/' + base + QStringLiteral(".pdf");
    request.filters = {pdfFilter, htmlFilter};
    request.option = QStringLiteral("Include unused catalogue entries");
    request.optionChecked = sheetAllEntries;
    FileDialogChoice choice;
    QString path = runFileDialog(this, request, &choice);
    if (path.isEmpty())
        return;
    sheetAllEntries = choice.optionChecked;
    if (sheetFormatOf(path) == SheetFormat::Unknown)
        path += choice.filter == htmlFilter ? QStringLiteral(".html") : QStringLiteral(".pdf");

    SheetOptions options;
    options.allEntries = sheetAllEntries;
    options.sourceFile = QFileInfo(file).fileName();
    const Store shown = armyAsShown();
    QString reason;
    ExportResult result;
    {
        WaitCursor wait;
        SheetProgressDialog progress(this);
        result = exportArmySheet(shown, options, path, &progress, &reason);
    }
    if (result == ExportResult::Failed) {
        messageBox(this, QStringLiteral("*** FILE ERROR ***"),
                   QStringLiteral("An error occurred while writing the army sheet!\n") + reason,
                   MessageButtons::Ok);
    }
}

// Print Army Sheet: Qt's print preview, on the paper of the locale until the user picks another.
void MainWindow::printSheet()
{
    SheetOptions options;
    options.allEntries = sheetAllEntries;
    options.sourceFile = QFileInfo(file).fileName();
    const ArmySheet sheet = makeArmySheet(armyAsShown(), options);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(localPageSize());
    printer.setPageMargins(QMarginsF(15, 15, 15, 12), QPageLayout::Millimeter);
    printer.setDocName(QStringLiteral("Army sheet: ") + sheet.armyName);
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(QStringLiteral("Print Army Sheet"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
            [&sheet, &preview](QPrinter* paper) {
                SheetProgressDialog progress(&preview);
                paintArmySheet(sheet, *paper, &progress);
            });
    runModalDialog(preview);
}

void MainWindow::showHelp()
{
    MainWindowHelp help(this);
    help.showModal();
}

void MainWindow::showLoadingNotice(bool visible)
{
    loadingNotice->setVisible(visible);
    if (visible) {
        loadingNotice->raise();
        loadingNotice->repaint();
    }
}
