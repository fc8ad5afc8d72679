#include "support/Catalogue.h"

#include "store/LineOps.h"
#include "ui/catalogue/Availables.h"
#include "ui/controls/ListBox.h"

#include <QApplication>
#include <QTest>

int ShowPicker(TestWindows& app, int listMode)
{
    app.store.ListMode = listMode;
    const StringList& catalogue =
        listMode == 2 ? *app.store.SpecialCatalogue : *app.store.WeaponCatalogue;
    TForm5& picker = *app.forms.Form5;
    picker.ListBox1->Clear();
    for (const QString& entry : catalogue.Lines())
        picker.ListBox1->Add(GetField(entry, 1));
    return picker.ShowModal();
}

QStringList Lines(const StringList* list)
{
    return list ? list->Lines() : QStringList();
}

QStringList ListItems(const ListBox& box)
{
    QStringList items;
    for (int i = 0; i < box.Count(); ++i)
        items << (box.Selected(i) ? QStringLiteral("*") : QString()) + box.Item(i);
    return items;
}

void ClickItem(ListBox& box, int row)
{
    QTest::mouseClick(box.viewport(), Qt::LeftButton, {},
                      box.visualItemRect(box.item(row)).center());
}

bool MakeActive(QWidget& window)
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
