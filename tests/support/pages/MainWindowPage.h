#pragma once

#include "support/pages/FoundControl.h"
#include "ui/controls/Button.h"
#include "ui/controls/LineEdit.h"
#include "ui/controls/StatusBar.h"
#include "ui/main/MainWindow.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

// The main window's controls and the menu items the tests use, found by name.
struct MainWindowPage {
    explicit MainWindowPage(MainWindow& shown) : window(shown) {}

    MainWindow& window;
    LineEdit* armyNameEdit = foundControl<LineEdit>(window, "armyNameEdit");
    LineEdit* unitWordEdit = foundControl<LineEdit>(window, "unitWordEdit");
    LineEdit* squadWordEdit = foundControl<LineEdit>(window, "squadWordEdit");
    Button* newTroopButton = foundControl<Button>(window, "newTroopButton");
    Button* closeButton = foundControl<Button>(window, "closeButton");
    Button* saveButton = foundControl<Button>(window, "saveButton");
    Button* loadButton = foundControl<Button>(window, "loadButton");
    Button* editTroopButton = foundControl<Button>(window, "editTroopButton");
    Button* helpButton = foundControl<Button>(window, "helpButton");
    QLabel* loadingNotice = foundControl<QLabel>(window, "loadingNotice");
    StatusBar* statusBar = foundControl<StatusBar>(window, "statusBar");
    QMenu* fileMenu = foundControl<QMenu>(window, "File");
    QMenu* recentMenu = foundControl<QMenu>(window, "Load Recent");
    QAction* undoAction = foundControl<QAction>(window, "Undo");
    QAction* redoAction = foundControl<QAction>(window, "Redo");
};
