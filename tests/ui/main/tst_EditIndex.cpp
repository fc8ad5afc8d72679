#include "support/Armies.h"
#include "support/Catalogue.h"
#include "support/GridCells.h"
#include "support/ScriptedUser.h"
#include "support/TestWindows.h"
#include "ui/controls/Buttons.h"
#include "ui/controls/Grid.h"
#include "ui/controls/StatusBar.h"
#include "ui/main/EditIndex.h"
#include "ui/main/Main.h"
#include "ui/wizard/SelectType.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

namespace
{

// Accepted troops, one per "name:type", in slot order, as the wizard leaves them.
void Accept(Store& store, const QStringList& troops)
{
    store.TheArmy.SquadName = QStringLiteral("Squad");
    for (const QString& troop : troops) {
        store.TroopTable[store.TroopCount].Name = troop.section(u':', 0, 0);
        store.TroopTable[store.TroopCount].Type = troop.section(u':', 1);
        ++store.TroopCount;
    }
    store.CurrentTroop = store.TroopCount;
}

} // namespace

class EditIndexTest : public QObject
{
    Q_OBJECT

private slots:
    void fillShowsSlotsInOrder_data()
    {
        QTest::addColumn<QStringList>("troops");
        QTest::addColumn<QStringList>("types");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("three troops") << QStringList{"Kai:HQ", "Rook:FA", "Vane:HS"}
                                      << QStringList{"HeadQuarters", "Fast Attack", "Heavy Support"}
                                      << QStringList{"Kai", "Rook", "Vane"};
        QTest::newRow("roles by exact code")
            << QStringList{"a:EL", "b:TR", "c:tr", "d:"} << QStringList{"Elites", "Troops", "", ""}
            << QStringList{"a", "b", "c", "d"};
        QTest::newRow("no troop: one empty cell")
            << QStringList{} << QStringList{""} << QStringList{""};
    }
    void fillShowsSlotsInOrder()
    {
        QFETCH(QStringList, troops);
        QFETCH(QStringList, types);
        QFETCH(QStringList, names);
        TestWindows app;
        ScriptedUser user;
        Accept(app.store, troops);
        user.WindowOf<TForm12>([&](TForm12& dialog) {
            QCOMPARE(dialog.Caption(), QStringLiteral("Select the desired unit to edit"));
            QCOMPARE(dialog.StringGrid1->ColCount(), troops.isEmpty() ? 1 : 2);
            QCOMPARE(Column(*dialog.StringGrid1, 0), types);
            QCOMPARE(Column(*dialog.StringGrid1, 1), names);
            QCOMPARE(dialog.BitBtn3->isEnabled(), !troops.isEmpty());
            QVERIFY(dialog.BitBtn1->isEnabled());
        });
        app.forms.Form12->ShowModal();
        QVERIFY2(user.Problems().isEmpty(), qPrintable(user.Problems().join(u'\n')));
    }

    // The last troop takes the deleted troop's place, its lists copied as plain lists in their
    // order; the dialog stays open and shows the new order at once. Without a selected row
    // nothing is asked or deleted.
    void deleteMovesTheLastTroop_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("first of four") << 0 << int(mrYes) << QStringList{"D", "B", "C"};
        QTest::newRow("second of four") << 1 << int(mrYes) << QStringList{"A", "D", "C"};
        QTest::newRow("last of four") << 3 << int(mrYes) << QStringList{"A", "B", "C"};
        QTest::newRow("answered No") << 0 << int(mrNo) << QStringList{"A", "B", "C", "D"};
        QTest::newRow("no row selected") << -1 << int(mrYes) << QStringList{"A", "B", "C", "D"};
    }
    void deleteMovesTheLastTroop()
    {
        QFETCH(int, row);
        QFETCH(int, answer);
        QFETCH(QStringList, after);
        TestWindows app;
        ScriptedUser user;
        Accept(app.store, {"A:HQ", "B:EL", "C:TR", "D:HS"});
        app.store.TheArmy.SquadName = QStringLiteral("Swarm");
        TheRec& last = app.store.TroopTable[3];
        AddLines(app.store, last.SpecialList, {"2,Wings,5", "1,Claws,3"});
        AddLines(app.store, last.WeaponList, {"Spit"});
        user.WindowOf<TForm12>([&](TForm12& dialog) {
            if (row < 0)
                dialog.StringGrid1->setCurrentCell(-1, -1);
            else
                ClickCell(*dialog.StringGrid1, 0, row);
            QCOMPARE(dialog.StringGrid1->Row(), row);
            QTest::mouseClick(dialog.BitBtn3, Qt::LeftButton);
            QCOMPARE(Column(*dialog.StringGrid1, 1), after);
        });
        if (row >= 0)
            user.Answer(answer);
        app.forms.Form12->ShowModal();
        QVERIFY2(user.Problems().isEmpty(), qPrintable(user.Problems().join(u'\n')));
        QCOMPARE(user.Messages(),
                 row < 0
                     ? QStringList{}
                     : QStringList{"*** DELETE ***|Are you sure you want to delete this Swarm?"});
        QCOMPARE(app.store.TroopCount, after.size());
        for (int slot = 0; slot < after.size(); ++slot)
            QCOMPARE(app.store.TroopTable[slot].Name, after[slot]);
        QVERIFY(after.size() == 4 || (last.Name.isEmpty() && !last.SpecialList));
        const int d = after.indexOf(QStringLiteral("D"));
        if (d < 0)
            return;
        const TheRec& moved = app.store.TroopTable[d];
        QCOMPARE(moved.Type, QStringLiteral("HS"));
        QCOMPARE(Lines(moved.SpecialList.get()), (QStringList{"1,Claws,3", "2,Wings,5"}));
        QCOMPARE(Lines(moved.WeaponList.get()), QStringList{"Spit"});
        QCOMPARE(moved.SpecialList->Sorted(), d == 3);
    }

    // Deleting the only troop leaves nothing to delete; pressed anyway, Delete asks nothing.
    // Cancel still brings the main window's count up to date, and Edit stays available.
    void deletingTheOnlyTroop()
    {
        TestWindows app;
        ScriptedUser user;
        Accept(app.store, {"A:HQ"});
        TForm1& main = *app.forms.Form1;
        main.Show();
        user.WindowOf<TForm12>([&](TForm12& dialog) {
            QTest::mouseClick(dialog.BitBtn3, Qt::LeftButton);
            QCOMPARE(Column(*dialog.StringGrid1, 0), QStringList{""});
            QVERIFY(!dialog.BitBtn3->isEnabled());
            dialog.BitBtn3Click();
            QTest::mouseClick(dialog.BitBtn2, Qt::LeftButton);
        });
        user.Answer(mrYes);
        QTest::mouseClick(main.BitBtn5, Qt::LeftButton);
        QVERIFY2(user.Problems().isEmpty(), qPrintable(user.Problems().join(u'\n')));
        QCOMPARE(user.Messages().size(), 1);
        QCOMPARE(app.store.TroopCount, 0);
        QCOMPARE(main.StatusBar1->PanelText(1), QStringLiteral("Total Squads: 0"));
        QVERIFY(main.isVisible() && main.BitBtn5->isEnabled());
    }

    // Edit reopens the chosen troop in step 2, in its own slot; without troops, slot 0.
    void editReopensTheChosenTroop_data()
    {
        QTest::addColumn<QStringList>("troops");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("doubleClick");
        QTest::addColumn<QString>("shown");
        QTest::newRow("third row") << QStringList{"A:HQ", "B:EL", "C:TR"} << 2 << false << "C";
        QTest::newRow("double click") << QStringList{"A:HQ", "B:EL"} << 1 << true << "B";
        QTest::newRow("no troops") << QStringList{} << 0 << false << "";
    }
    void editReopensTheChosenTroop()
    {
        QFETCH(QStringList, troops);
        QFETCH(int, row);
        QFETCH(bool, doubleClick);
        QFETCH(QString, shown);
        TestWindows app;
        ScriptedUser user;
        Accept(app.store, troops);
        TForm1& main = *app.forms.Form1;
        main.Show();
        user.WindowOf<TForm12>([&](TForm12& dialog) {
            StringGrid& grid = *dialog.StringGrid1;
            ClickCell(grid, 0, row);
            if (doubleClick)
                QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {},
                                   grid.visualRect(grid.model()->index(row, 0)).center());
            else
                QTest::mouseClick(dialog.BitBtn1, Qt::LeftButton);
        });
        main.BitBtn5Click();
        QVERIFY2(user.Problems().isEmpty(), qPrintable(user.Problems().join(u'\n')));
        QCOMPARE(app.store.CurrentTroop, row);
        QCOMPARE(app.store.TroopCount, troops.size());
        QVERIFY(main.isHidden() && app.forms.Form3->isVisible());
        QCOMPARE(app.forms.Form3->StringGrid1->Cell(0, 0), shown);
        QCOMPARE(main.StatusBar1->PanelText(1),
                 QStringLiteral("Total Squads: %1").arg(troops.size()));
    }

    // The wiring users run: the dialog shown for real, Enter on the selected row.
    void editThroughTheRealDialog()
    {
        TestWindows app;
        Accept(app.store, {"A:HQ", "B:EL"});
        TForm1& main = *app.forms.Form1;
        main.Show();
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<TForm12*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            seen = true;
            ClickCell(*dialog->StringGrid1, 1, 1);
            QTest::keyClick(dialog->StringGrid1, Qt::Key_Return);
        });
        QTest::mouseClick(main.BitBtn5, Qt::LeftButton);
        QVERIFY(seen);
        QCOMPARE(app.store.CurrentTroop, 1);
        QVERIFY(app.forms.Form3->isVisible() && app.forms.Form12->isHidden());
    }
};

QTEST_MAIN(EditIndexTest)
#include "tst_EditIndex.moc"
