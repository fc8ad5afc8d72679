#pragma once

#include "datafile/Recovery.h"
#include "ui/Window.h"
#include "ui/main/RecentFiles.h"
#include "ui/wizard/Wizard.h"

#include <memory>

class ArmyDocument;
class Button;
class FileDrop;
class LineEdit;
class LoadingNotice;
class MainMenus;
class QLabel;
class RecoveryKeeper;
class SheetOutput;
class StatusBar;

// The main window, step 1 of the wizard, a view of one army document: the army's name and its
// words for a unit and a squad, New and Edit to start the wizard, Save and Load of the datafile,
// and the menus that offer the same and more. It owns the wizard, which hides it while a troop
// is built and gives it back the screen when the run ends. Its caption names the document's
// file and marks unsaved changes with "*".
class MainWindow : public Window
{
    Q_OBJECT
public:
    explicit MainWindow(ArmyDocument& document);
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
    void exportSheet();
    void showCatalogue(CatalogueKind kind);
    void checkArmy();
    void duplicateTroop();
    void showHelp();
    void showAbout();
    // Work that a program which ended before saving left behind is offered back, newest first.
    void offerRecovery(const QString& folder = RecoveryFile::defaultFolder());

    Wizard& wizard() { return troopWizard; }
    ArmyDocument& document() { return army; }
    RecoveryKeeper& recovery() { return *recoveryKeeper; }
    SheetOutput& sheetOutput() { return *sheet; }
    RecentFiles& recentFiles() { return recent; }
    const QString& currentFile() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool unsavedChangesSettled();
    void wizardEnded();
    // Hides the window and starts a run on the troop in the slot.
    void startWizard(int slot);
    // The edits show the army's texts; the status bar its name and count.
    void showArmyTexts();
    void showTroopCount();
    void showFile();
    // The caption's "*", and whether Save and Save As have anything to save.
    void showModified();
    void showSteppedArmy();
    // A key typed into one of the three edits: the army takes the text at once.
    void takeText(LineEdit* edit);
    void showCheckReport(int row);
    bool restoreWork(const RecoveredWork& work);

    MainMenus* menus;
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
    LoadingNotice* loadingNotice;
    StatusBar* statusBar;
    ArmyDocument& army;
    Wizard troopWizard;
    RecentFiles recent;
    std::unique_ptr<RecoveryKeeper> recoveryKeeper;
    std::unique_ptr<SheetOutput> sheet;
    FileDrop* drop;
    // The troop selection opens on the row it was left on.
    int troopSelectionRow = 0;
    // While the edits are being set from the army, what they show is no typing.
    bool showingArmy = false;
    // The report row to show again when the run opened from the check's report ends; -1 for
    // none.
    int reportRowToReopen = -1;
};
