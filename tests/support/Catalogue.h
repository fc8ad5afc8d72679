#pragma once

#include "store/StringList.h"
#include "support/TestWindows.h"

#include <QStringList>

class ListBox;
class QWidget;

// Fills the picker with the names of the catalogue of the list mode, as the wizard steps do,
// and shows it; yields its modal result.
int ShowPicker(TestWindows& app, int listMode);

// The lines of a list; none for no list.
QStringList Lines(const StringList* list);

// The items of a list box in their order, a selected one marked with "*".
QStringList ListItems(const ListBox& box);

// Clicks the item of a shown list box the way a user does.
void ClickItem(ListBox& box, int row);

// Makes a shown window the active one, so that focus changes inside it reach its controls.
bool MakeActive(QWidget& window);
