#pragma once

#include "ui/Window.h"
#include "ui/wizard/Wizard.h"

#include <QByteArray>

class Button;
class LineEdit;
class QLabel;
class StatusBar;
class Store;

// The main window, step 1 of the wizard: the army's name, its words for a unit and a squad,
// New and Edit to start the wizard, Save and Load of the datafile. It owns the wizard, which
// hides it while a troop is built and gives it back the screen when the run ends.
class MainWindow : public Window
{
    Q_OBJECT
public:
    explicit MainWindow(Store& store);

    void activate() override;
    bool canClose() override;
    void closing() override;

    void newTroop();
    // Save: whether the datafile was written.
    bool saveArmy();
    void loadArmy();
    // Load without the question and the open dialog: whether the army of the file was taken.
    bool loadFile(const QString& path);
    void editTroop();
    void showHelp();
    void showArmyName();
    void showTroopCount();

    Wizard& wizard() { return troopWizard; }

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

private:
    void copyArmyTexts();
    void showLoadingNotice(bool visible);
    QByteArray datafileAsSaveWouldWrite();
    bool unsavedChangesSettled();
    void wizardEnded();

    Store& store;
    Wizard troopWizard;
    // The troop selection opens on the row it was left on.
    int troopSelectionRow = 0;
    // The datafile last saved or loaded; before that, the one of the untouched program.
    QByteArray savedDatafile;
};
