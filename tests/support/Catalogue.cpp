#include "support/Catalogue.h"

#include "store/LineOps.h"
#include "ui/catalogue/Picker.h"
#include "ui/controls/SortedListWidget.h"

#include <QApplication>
#include <QTest>

ModalResult showPicker(TestWindows& app, ListMode listMode)
{
    app.store.listMode = listMode;
    const LineList& catalogue =
        listMode == ListMode::Abilities ? *app.store.abilityCatalogue : *app.store.weaponCatalogue;
    Picker& picker = *app.windows.picker;
    picker.itemList->clear();
    for (const QString& entry : catalogue.lines())
        picker.itemList->addSorted(field(entry, 1));
    return picker.exec();
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
                      box.visualItemRect(box.item(row)).center());
}

bool makeActive(QWidget& window)
{
    // The headless platform may still count a window hidden and shown again as its active one,
    // and then reports no change of activation; the application is told directly.
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        return false;
    if (!window.isActiveWindow())
        QApplication::setActiveWindow(&window);
    return window.isActiveWindow();
}
