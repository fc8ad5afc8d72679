#pragma once

#include "platform/Modal.h"
#include "store/LineList.h"
#include "support/TestWindows.h"

#include <QStringList>

class SortedListWidget;
class QWidget;

// Fills the picker with the names of the catalogue of the list mode, as the wizard steps do,
// and shows it; yields its modal result.
ModalResult showPicker(TestWindows& app, ListMode listMode);

// The lines of a list; none for no list.
QStringList linesOf(const LineList* list);

// The items of a list box in their order, a selected one marked with "*".
QStringList listItems(const SortedListWidget& box);

// Clicks the item of a shown list box the way a user does.
void clickItem(SortedListWidget& box, int row);

// Makes a shown window the active one, so that focus changes inside it reach its controls.
bool makeActive(QWidget& window);
