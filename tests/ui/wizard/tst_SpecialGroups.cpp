#include "store/LineOps.h"
#include "support/Armies.h"
#include "support/Catalogue.h"
#include "support/GridCells.h"
#include "support/TestWindows.h"
#include "support/Typing.h"
#include "ui/controls/Buttons.h"
#include "ui/controls/Edit.h"
#include "ui/controls/Grid.h"
#include "ui/controls/StatusBar.h"
#include "ui/help/Help7.h"
#include "ui/main/Main.h"
#include "ui/wizard/SpecialGroups.h"
#include "ui/wizard/St_Weapons.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

namespace
{

// Step 7 on the troop in the given slot, as step 6's Next shows it.
TForm11& Enter(TestWindows& app, int slot)
{
    app.store.CurrentTroop = slot;
    app.forms.Form11->Show();
    return *app.forms.Form11;
}

} // namespace

class SpecialGroupsTest : public QObject
{
    Q_OBJECT

private slots:
    // A group is a run of lines with the same group number; the maxima belong to the rows by
    // position. OK without entering the grid stores the maxima as they stand.
    void groupTable_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("sorted");
        QTest::addColumn<QString>("specials");
        QTest::addColumn<QStringList>("groups");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("maxima");
        QTest::addColumn<QString>("stored");
        QTest::newRow("groups 1, 1 and 2")
            << QStringList{"1,Jump packs,5", "1,Bionics,3", "2,Command squad,20,1"} << true
            << "4,2,1" << QStringList{"1", "2"}
            << QStringList{"Bionics,Jump packs", "Command squad"} << QStringList{"2", "1"}
            << "4,2,1";
        QTest::newRow("groups 1, 10 and 2")
            << QStringList{"2,c,1", "10,b,1", "1,a,1"} << true << "3,7,8,9"
            << QStringList{"1", "10", "2"} << QStringList{"a", "b", "c"}
            << QStringList{"7", "8", "9"} << "3,7,8,9";
        QTest::newRow("loaded, first ability re-costed")
            << QStringList{"1,b,5", "2,c,5", "1,a,7"} << false << "0" << QStringList{"1", "2", "1"}
            << QStringList{"b", "c", "a"} << QStringList{"", "", ""} << "0,0,0,0";
    }
    void groupTable()
    {
        QFETCH(QStringList, lines);
        QFETCH(bool, sorted);
        QFETCH(QString, specials);
        QFETCH(QStringList, groups);
        QFETCH(QStringList, names);
        QFETCH(QStringList, maxima);
        QFETCH(QString, stored);
        TestWindows app;
        TheRec& troop = app.store.TroopTable[0];
        troop.Name = QStringLiteral("Kai");
        troop.Specials = specials;
        AddLines(app.store, troop.SpecialList, lines, sorted);
        app.store.TheArmy.Name = QStringLiteral("RED ORCHARD");
        TForm11& form = Enter(app, 0);
        QCOMPARE(form.Caption(), QStringLiteral("Restrictions"));
        QVERIFY(form.Panel5->isVisible() && form.Edit2->isVisible());
        QVERIFY(form.StringGrid1->isVisible() && form.Panel4->isVisible());
        QCOMPARE(form.Edit2->Text(), GetField(specials, 1));
        QCOMPARE(Column(*form.StringGrid1, 0), groups);
        QCOMPARE(Column(*form.StringGrid1, 1), names);
        QCOMPARE(Column(*form.StringGrid1, 2), maxima);
        QCOMPARE(form.StatusBar1->PanelText(0), QStringLiteral("RED ORCHARD"));
        QCOMPARE(form.StatusBar1->PanelText(1), QStringLiteral("Kai"));
        QTest::mouseClick(form.BitBtn2, Qt::LeftButton);
        QCOMPARE(troop.Specials, stored);
    }

    // A troop without special abilities sees only the weapon question, and holds no ability
    // limits of the troop shown before it.
    void troopWithoutAbilities()
    {
        TestWindows app;
        AddLines(app.store, app.store.TroopTable[0].SpecialList, {"1,a,1", "2,b,1"});
        app.store.TroopTable[0].Specials = QStringLiteral("2,1,1");
        TForm11& form = Enter(app, 0);
        QTest::mouseClick(form.BitBtn2, Qt::LeftButton);
        AddLines(app.store, app.store.TroopTable[1].SpecialList, {});
        Enter(app, 1);
        QVERIFY(form.Edit1->isVisible());
        QVERIFY(!form.Edit2->isVisible() && !form.Panel5->isVisible());
        QVERIFY(!form.StringGrid1->isVisible() && !form.Panel2->isVisible());
        QTest::mouseClick(form.BitBtn2, Qt::LeftButton);
        QCOMPARE(app.store.TroopTable[1].Specials, QStringLiteral("0"));
        QCOMPARE(app.store.TroopTable[0].Specials, QStringLiteral("2,1,1"));
    }

    void weaponLimit_data()
    {
        QTest::addColumn<int>("weapons");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored");
        QTest::newRow("7 of 3") << 3 << "7" << 3;
        QTest::newRow("-2") << 3 << "-2" << 0;
        QTest::newRow("2 of 3") << 3 << "2" << 2;
        QTest::newRow("no number") << 3 << "two" << 0;
        QTest::newRow("no weapons") << 0 << "5" << 0;
    }
    void weaponLimit()
    {
        QFETCH(int, weapons);
        QFETCH(QString, typed);
        QFETCH(int, stored);
        TestWindows app;
        TheRec& troop = app.store.TroopTable[0];
        if (weapons > 0) {
            AddLines(app.store, troop.WeaponList, {"Rifle", "Knife"});
            AddLines(app.store, troop.R_WeaponList, {"Rifle,Flamer,6"});
            AddLines(app.store, troop.A_WeaponList, {});
        }
        TForm11& form = Enter(app, 0);
        QCOMPARE(form.Edit1->Text(), QStringLiteral("0"));
        TypeText(form.Edit1, typed);
        QCOMPARE(form.Edit1->Text(), typed);
        QTest::mouseClick(form.BitBtn2, Qt::LeftButton);
        QCOMPARE(troop.Weapons, QString::number(stored));
    }

    // Leaving the grid keeps each maximum between 1 and the number of names in its group.
    void groupMaximumBounded_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("bounded");
        QTest::newRow("5 for two names") << "5" << 2;
        QTest::newRow("0") << "0" << 1;
        QTest::newRow("empty") << "" << 1;
        QTest::newRow("2 for two names") << "2" << 2;
    }
    void groupMaximumBounded()
    {
        QFETCH(QString, typed);
        QFETCH(int, bounded);
        TestWindows app;
        TheRec& troop = app.store.TroopTable[0];
        AddLines(app.store, troop.SpecialList, {"1,a,1", "1,b,1", "2,c,1"});
        TForm11& form = Enter(app, 0);
        QVERIFY(MakeActive(form));
        StringGrid& grid = *form.StringGrid1;
        ClickCell(grid, 2, 0);
        QCOMPARE(QApplication::focusWidget(), grid.Editor());
        TypeText(grid.Editor(), typed);
        QTest::mouseClick(form.Edit2, Qt::LeftButton);
        QCOMPARE(Column(grid, 2), (QStringList{QString::number(bounded), "1"}));
        QTest::mouseClick(form.BitBtn2, Qt::LeftButton);
        QCOMPARE(troop.Specials, QStringLiteral("0,%1,1").arg(bounded));
    }

    // OK counts a new troop and moves the wizard to the first free slot; the close box keeps
    // what was entered but accepts nothing, and so does Previous, back to step 6.
    void leaving_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("way");
        QTest::addColumn<int>("countAfter");
        QTest::addColumn<int>("currentAfter");
        QTest::newRow("new troop") << 2 << 2 << "OK" << 3 << 3;
        QTest::newRow("edited troop") << 3 << 1 << "OK" << 3 << 3;
        QTest::newRow("hundredth troop") << 99 << 99 << "OK" << 100 << 99;
        QTest::newRow("close box, new troop") << 2 << 2 << "close" << 2 << 2;
        QTest::newRow("previous, new troop") << 2 << 2 << "previous" << 2 << 2;
    }
    void leaving()
    {
        QFETCH(int, count);
        QFETCH(int, current);
        QFETCH(QString, way);
        QFETCH(int, countAfter);
        QFETCH(int, currentAfter);
        TestWindows app;
        app.store.TroopCount = count;
        app.store.ListMode = 1;
        AddLines(app.store, app.store.TroopTable[current].WeaponList, {"Rifle"});
        TForm11& form = Enter(app, current);
        TypeText(form.Edit1, QStringLiteral("1"));
        if (way == "close")
            form.close();
        else
            QTest::mouseClick(way == "OK" ? form.BitBtn2 : form.BitBtn1, Qt::LeftButton);
        QCOMPARE(app.store.TroopTable[current].Weapons, QStringLiteral("1"));
        QCOMPARE(app.store.TroopCount, countAfter);
        QCOMPARE(app.store.CurrentTroop, currentAfter);
        QVERIFY(form.isHidden());
        TForm1& main = *app.forms.Form1;
        if (way == "previous") {
            QVERIFY(app.forms.Form4->isVisible() && main.isHidden());
            QCOMPARE(app.store.ListMode, 2);
            return;
        }
        QVERIFY(main.isVisible());
        QCOMPARE(main.BitBtn1->isEnabled(), countAfter < 100);
        QVERIFY(main.BitBtn5->isEnabled() && main.BitBtn3->isEnabled());
    }

    // The help window shown for real; what was typed is still there when it closes.
    void helpKeepsWhatWasTyped()
    {
        TestWindows app;
        TheRec& troop = app.store.TroopTable[0];
        AddLines(app.store, troop.WeaponList, {"Rifle", "Knife"});
        TForm11& form = Enter(app, 0);
        TypeText(form.Edit1, QStringLiteral("2"));
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* help = qobject_cast<TForm20*>(QApplication::activeModalWidget());
            QVERIFY(help);
            seen = true;
            QTest::mouseClick(help->BitBtn1, Qt::LeftButton);
        });
        QTest::mouseClick(form.BitBtn6, Qt::LeftButton);
        QVERIFY(seen);
        QVERIFY(app.forms.Form20->isHidden());
        QCOMPARE(form.Edit1->Text(), QStringLiteral("2"));
        QCOMPARE(troop.Weapons, QStringLiteral("2"));
    }
};

QTEST_MAIN(SpecialGroupsTest)
#include "tst_SpecialGroups.moc"
