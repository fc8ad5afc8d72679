#pragma once

#include "datafile/Recovery.h"
#include "ui/Window.h"
#include "ui/main/RecentFiles.h"
#include "ui/wizard/Wizard.h"

#include <QByteArray>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

class Button;
class LineEdit;
class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class StatusBar;
class ArmyHistory;
class Store;
struct ArmyState;

// The main window, step 1 of the wizard: the army's name, its words for a unit and a squad,
// New and Edit to start the wizard, Save and Load of the datafile, and the menus that offer
// the same and more. It owns the wizard, which hides it while a troop is built and gives it
// back the screen when the run ends. Its caption names the current file, the one last loaded
// or saved, and marks unsaved changes with "*".
class MainWindow : public Window
{
    Q_OBJECT
public:
    explicit MainWindow(Store& store);
    ~MainWindow() override;

    void activate() override;
    bool canClose() override;
    void closing() override;

    void newTroop();
    // Save As (the Save button): asks for the file, proposing the current one; whether the
    // datafile was written.
    bool saveArmy();
    // File > Save: to the current file without asking, or as Save As when there is none.
    bool saveToCurrentFile();
    void loadArmy();
    // Load without the question and the open dialog: whether the army of the file was taken.
    bool loadFile(const QString& path);
    // Load Recent: the file, once the unsaved changes are settled; a file that no longer
    // exists is taken off the list.
    void loadRecentFile(const QString& path);
    // A file named on the command line that does not exist yet: the army stays empty and the
    // first Save writes that file.
    void startNewFile(const QString& path);
    void editTroop();
    // The army sheet as PDF or HTML, to a file the user chooses; printed through Qt's preview.
    void exportSheet();
    void printSheet();
    void showCatalogue(CatalogueKind kind);
    void checkArmy();
    void duplicateTroop();
    void showHelp();
    void showAbout();
    // Work that a program which ended before saving left behind is offered back, newest first.
    void offerRecovery(const QString& folder = RecoveryFile::defaultFolder());
    // The recovery copy is brought up to date with the army and the troop in the wizard.
    void keepRecoveryCopy();
    // The work as a recovery file keeps it.
    RecoveredWork workNow();
    RecoveryFile& recoveryFile() { return recovery; }

    // Edit > Undo and Redo: the army as it was before the last change, or after it again.
    void undo();
    void redo();
    void showArmyName();
    void showTroopCount();

    Wizard& wizard() { return troopWizard; }
    const QString& currentFile() const { return file; }

    QMenuBar* menuBar;
    QMenu* fileMenu;
    QMenu* recentMenu;
    QMenu* editMenu;
    QMenu* armyMenu;
    QMenu* helpMenu;
    QAction* undoAction;
    QAction* redoAction;
    QAction* newTroopAction;
    QAction* editTroopAction;
    QAction* loadAction;
    QAction* saveAction;
    QAction* saveAsAction;
    QAction* exportSheetAction;
    QAction* printSheetAction;
    QAction* quitAction;
    QAction* clearRecentAction;
    QAction* weaponsAction;
    QAction* abilitiesAction;
    QAction* checkAction;
    QAction* duplicateTroopAction;
    QAction* helpAction;
    QAction* aboutAction;
    QAction* aboutQtAction;

    QLabel* armyNameLabel;
    LineEdit* armyNameEdit;
    QLabel* unitWordLabel;
    LineEdit* unitWordEdit;
    QLabel* squadWordLabel;
    LineEdit* squadWordEdit;
    Button* newTroopButton;
    Button* closeButton;
    Button* saveButton;
    Button* loadButton;
    Button* editTroopButton;
    Button* helpButton;
    QLabel* loadingNotice;
    StatusBar* statusBar;

    // "Total " + the squad word + "s: " + the number of accepted troops.
    QString countText(const QString& squadWord) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMenus();
    void copyArmyTexts();
    // The army as the edits show it, for the sheet; the store keeps its own texts.
    Store armyAsShown();
    void showLoadingNotice(bool visible);
    QByteArray datafileAsSaveWouldWrite();
    bool unsavedChangesSettled();
    bool writeArmy(const QString& path);
    void wizardEnded(bool armyChanged);
    void setCurrentFile(const QString& path);
    // The caption and its "*", and whether Save and Save As have anything to save.
    void updateModified();
    void fillRecentMenu();
    // The army as it stands, with the texts of the edits, its file and what that file holds.
    ArmyState currentState();
    // A change has been made to the army: it becomes one step of the history.
    void recordChange(const QString& name);
    // Texts typed into the three edits since the last step, each a step of its own.
    void recordTextEdits();
    void restore(const ArmyState& state);
    void updateUndoItems();
    void updateArmyActions();
    void showCheckReport(int row);
    // Every change that the Army menu's windows make to the army runs here, under its name.
    void changeArmy(const QString& name, const std::function<void()>& change);

    Store& store;
    Wizard troopWizard;
    RecentFiles recentFiles;
    QString file;
    // The troop selection opens on the row it was left on.
    int troopSelectionRow = 0;
    // The sheet's check box "Include unused catalogue entries" as last left.
    bool sheetAllEntries = false;
    // The datafile last saved or loaded; before that, the one of the untouched program.
    QByteArray savedDatafile;
    QByteArray untouchedDatafile;
    bool loading = false;
    bool restoring = false;
    std::unique_ptr<ArmyHistory> history;
    RecoveryFile recovery;
    QTimer recoveryTimer;
    // What the recovery copy was last brought up to date with.
    std::optional<Store> copiedArmy;
    bool copiedUnfinished = false;
    QString recoveredFile;
    bool restoreWork(const RecoveredWork& work);
    // The report row to show again when the run opened from the check's report ends; -1 for
    // none.
    int reportRowToReopen = -1;
};
