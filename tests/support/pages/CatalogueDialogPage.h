#pragma once

#include "support/pages/FoundControl.h"
#include "ui/catalogue/CatalogueDialog.h"
#include "ui/controls/Button.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeView>

// The catalogue window's filter, its entries with their users and its buttons, found by name.
struct CatalogueDialogPage {
    explicit CatalogueDialogPage(CatalogueDialog& shown) : window(shown) {}

    CatalogueDialog& window;
    QLineEdit* filterEdit = foundControl<QLineEdit>(window, "filterEdit");
    QTreeView* entryView = foundControl<QTreeView>(window, "entryView");
    CatalogueTable* entries = foundControl<CatalogueTable>(window, "entries");
    QLabel* usersLabel = foundControl<QLabel>(window, "usersLabel");
    QListWidget* userList = foundControl<QListWidget>(window, "userList");
    Button* newButton = foundControl<Button>(window, "newButton");
    Button* editButton = foundControl<Button>(window, "editButton");
    Button* renameButton = foundControl<Button>(window, "renameButton");
    Button* deleteButton = foundControl<Button>(window, "deleteButton");
    Button* closeButton = foundControl<Button>(window, "closeButton");
    Button* helpButton = foundControl<Button>(window, "helpButton");
};
