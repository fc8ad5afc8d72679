#pragma once

#include <QObject>

class MainWindow;
class QAction;
class QBoxLayout;
class QMenu;
class QMenuBar;

// The main window's menu bar: File, Edit, Army and Help, with their items and keys. The items
// run the window's handlers; Undo and Redo carry the names of the document's steps, and Load
// Recent lists the recent files.
class MainMenus : public QObject
{
    Q_OBJECT
public:
    explicit MainMenus(MainWindow& window);

    // Each recent file as "&1 vhold.ini", its path in its status tip, then Clear Recent Files.
    void fillRecentMenu();
    // "&Undo " and "&Redo " with the names of the steps they take back and make again.
    void updateUndoItems();
    // Duplicate needs a troop to copy and a free slot for the copy.
    void updateArmyActions();

    // The menu bar above the window's other contents, and the height it takes there.
    void placeIn(QBoxLayout& layout);
    int barHeight() const;
    // New Troop and Edit Troop follow the window's buttons; Save and Save As whether there is
    // anything to save.
    void setNewTroopEnabled(bool enabled);
    void setEditTroopEnabled(bool enabled);
    void setSaveEnabled(bool enabled);

private:
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
    MainWindow& window;
};
