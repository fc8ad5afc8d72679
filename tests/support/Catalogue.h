#pragma once

#include "store/LineList.h"
#include "support/TestWindows.h"
#include "ui/Modal.h"
#include "ui/catalogue/EntryEditing.h"

#include <QStringList>

class SortedListWidget;
class QWidget;

// Shows the picker on the catalogue, as the wizard steps open it, with the wizard's memory of
// the editors; yields its modal result.
QDialog::DialogCode showPicker(TestWindows& app, CatalogueKind kind);

// The lines of a list; none for no list.
QStringList linesOf(const LineList* list);

// The items of a list box in their order, a selected one marked with "*".
QStringList listItems(const SortedListWidget& box);

// Clicks the item of a shown list box the way a user does.
void clickItem(SortedListWidget& box, int row);

// Makes a shown window the active one, so that focus changes inside it reach its controls.
bool makeActive(QWidget& window);
