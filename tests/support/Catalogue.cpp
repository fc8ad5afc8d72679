#include "support/Catalogue.h"

#include "ui/catalogue/Picker.h"
#include "ui/controls/SortedListWidget.h"

#include <QApplication>
#include <QTest>

QDialog::DialogCode showPicker(TestWindows& app, CatalogueKind kind)
{
    Picker picker(&app.mainWindow, app.army(), kind, app.wizard.editorMemory(), app.storeChanger());
    return picker.showModal();
}

QStringList linesOf(const LineList* list)
{
    return list ? list->lines() : QStringList();
}

QStringList listItems(const SortedListWidget& box)
{
    QStringList items;
    for (int i = 0; i < box.count(); ++i)
        items << (box.isSelected(i) ? QStringLiteral("*") : QString()) + box.itemText(i);
    return items;
}

void clickItem(SortedListWidget& box, int row)
{
    QTest::mouseClick(box.viewport(), Qt::LeftButton, {},
                      box.visualRect(box.model()->index(row, 0)).center());
}

// The window counts as active once the application has made it its active window: a dialog
// over another dialog shares its opener's activation on the platform's side.
bool makeActive(QWidget& window)
{
    window.activateWindow();
    return QTest::qWaitFor([&window] { return QApplication::activeWindow() == &window; });
}
