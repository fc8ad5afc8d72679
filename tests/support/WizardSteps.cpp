#include "support/WizardSteps.h"

#include "support/Catalogue.h"
#include "support/GridCells.h"
#include "support/ScriptedUser.h"
#include "support/Typing.h"
#include "support/pages/PickerPage.h"
#include "support/pages/WeaponCostsDialogPage.h"
#include "ui/catalogue/Picker.h"
#include "ui/controls/Button.h"
#include "ui/controls/Grid.h"
#include "ui/controls/SortedListWidget.h"
#include "ui/wizard/WeaponCostsDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

void pickNames(ScriptedUser& user, const QStringList& names, bool ok)
{
    user.windowOf<Picker>([names, ok](Picker& picker) {
        PickerPage pickerPage(picker);
        makeActive(picker);
        for (const QString& name : names) {
            const int row = pickerPage.itemList->indexOf(name);
            QVERIFY2(row >= 0, qPrintable(QStringLiteral("no item ") + name));
            clickItem(*pickerPage.itemList, row);
        }
        QTest::mouseClick(ok ? pickerPage.okButton : pickerPage.cancelButton, Qt::LeftButton);
    });
}

void typeOverCell(Grid& grid, int col, int row, const QString& text)
{
    clickCell(grid, col, row);
    QCOMPARE(grid.currentRow(), row);
    QTest::keyClick(grid.cellEditor(), Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(grid.cellEditor(), Qt::Key_Delete);
    else
        typeText(grid.cellEditor(), text);
}

void typeCosts(ScriptedUser& user, const QStringList& costs, CostsSeen* seen)
{
    user.windowOf<WeaponCostsDialog>([costs, seen](WeaponCostsDialog& window) {
        makeActive(window);
        WeaponCostsDialogPage page(window);
        if (seen) {
            *seen = {window.windowTitle(), page.nameHeading->text(), column(*page.costGrid, 0),
                     column(*page.costGrid, 1)};
        }
        for (int row = 0; row < costs.size(); ++row)
            typeOverCell(*page.costGrid, 1, row, costs[row]);
        QTest::mouseClick(page.okButton, Qt::LeftButton);
    });
}
