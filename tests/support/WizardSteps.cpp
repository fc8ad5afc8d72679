#include "support/WizardSteps.h"

#include "support/Catalogue.h"
#include "support/GridCells.h"
#include "support/ScriptedUser.h"
#include "support/Typing.h"
#include "ui/catalogue/Availables.h"
#include "ui/controls/Buttons.h"
#include "ui/controls/Grid.h"
#include "ui/controls/ListBox.h"
#include "ui/wizard/RWeaponCosts.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

void PickNames(ScriptedUser& user, const QStringList& names, bool ok)
{
    user.WindowOf<TForm5>([names, ok](TForm5& picker) {
        MakeActive(picker);
        for (const QString& name : names) {
            const QList<QListWidgetItem*> found =
                picker.ListBox1->findItems(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
            QVERIFY2(found.size() == 1, qPrintable(QStringLiteral("no item ") + name));
            ClickItem(*picker.ListBox1, picker.ListBox1->row(found.first()));
        }
        QTest::mouseClick(ok ? picker.BitBtn1 : picker.BitBtn2, Qt::LeftButton);
    });
}

void TypeOverCell(StringGrid& grid, int col, int row, const QString& text)
{
    ClickCell(grid, col, row);
    QCOMPARE(grid.Row(), row);
    QTest::keyClick(grid.Editor(), Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(grid.Editor(), Qt::Key_Delete);
    else
        TypeText(grid.Editor(), text);
}

void TypeCosts(ScriptedUser& user, const QStringList& costs, CostsSeen* seen)
{
    user.WindowOf<TForm8>([costs, seen](TForm8& window) {
        MakeActive(window);
        if (seen) {
            *seen = {window.Caption(), window.Panel1->text(), Column(*window.StringGrid1, 0),
                     Column(*window.StringGrid1, 1)};
        }
        for (int row = 0; row < costs.size(); ++row)
            TypeOverCell(*window.StringGrid1, 1, row, costs[row]);
        QTest::mouseClick(window.BitBtn1, Qt::LeftButton);
    });
}
