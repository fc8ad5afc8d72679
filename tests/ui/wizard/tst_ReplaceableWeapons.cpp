#include "store/LineOps.h"
#include "support/Armies.h"
#include "support/Catalogue.h"
#include "support/ScriptedUser.h"
#include "support/TestWindows.h"
#include "support/WizardSteps.h"
#include "ui/catalogue/New_item.h"
#include "ui/controls/Buttons.h"
#include "ui/controls/Edit.h"
#include "ui/controls/Grid.h"
#include "ui/controls/ListBox.h"
#include "ui/controls/StatusBar.h"
#include "ui/wizard/R_Weapons.h"
#include "ui/wizard/St_Weapons.h"

#include <QLabel>
#include <QTest>

namespace
{

const QString DeleteReplaceable =
    QStringLiteral("*** DELETE WEAPON ***|Are you sure you want to delete the replaceable weapon?");
const QString RemoveReplace =
    QStringLiteral("*** DELETE WEAPON ***|Are you sure you want to remove the replace weapon?");

// Step 4 on the troop in slot 0, as step 3's Next shows it.
TForm7& Enter(TestWindows& app, const QStringList& lines = {}, bool sorted = true)
{
    for (const char* entry : {"Flame thrower,,,,,", "Las,24,3,,Rapid,", "Las cannon,48,9,2,Heavy,",
                              "Pistol,,,,,", "Rifle,24,3,5,Rapid,", "Rocket launcher,,,,,"})
        app.store.WeaponCatalogue->Add(QString::fromLatin1(entry));
    app.store.TheArmy.Name = QStringLiteral("RED ORCHARD");
    app.store.TroopTable[0].Name = QStringLiteral("Kai");
    if (!lines.isEmpty())
        AddLines(app.store, app.store.TroopTable[0].R_WeaponList, lines, sorted);
    app.forms.Form7->Show();
    MakeActive(*app.forms.Form7);
    return *app.forms.Form7;
}

QStringList RLines(TestWindows& app)
{
    return Lines(app.store.TroopTable[0].R_WeaponList.get());
}

// Which of left Del, left Edit, right Add, right Del and right Edit are enabled.
QString Buttons(const TForm7& form)
{
    QString state;
    for (const BitBtn* button :
         {form.BitBtn2, form.BitBtn3, form.BitBtn4, form.BitBtn5, form.BitBtn8})
        state += button->isEnabled() ? u'1' : u'0';
    return state;
}

void CheckUser(const ScriptedUser& user)
{
    QVERIFY2(user.Problems().isEmpty(), qPrintable(user.Problems().join(u'\n')));
}

} // namespace

class ReplaceableWeaponsTest : public QObject
{
    Q_OBJECT

private slots:
    // A weapon's line is built from its replace weapons and their costs, and taken apart again
    // one replace weapon at a time; a later weapon keeps the first one's line.
    void lineBuiltAndTakenApart()
    {
        TestWindows app;
        ScriptedUser user;
        TForm7& form = Enter(app);
        QCOMPARE(form.Caption(), QStringLiteral("Replaceable Weapons"));
        QCOMPARE(Buttons(form), QStringLiteral("00000"));
        QCOMPARE(form.StatusBar1->PanelText(0), QStringLiteral("RED ORCHARD"));
        QCOMPARE(form.StatusBar1->PanelText(1), QStringLiteral("Kai"));
        QVERIFY(app.store.TroopTable[0].R_WeaponList != nullptr);

        PickNames(user, {"Rifle"});
        QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
        QCOMPARE(RLines(app), QStringList{"Rifle"});
        ClickItem(*form.ListBox1, 0);
        QCOMPARE(Buttons(form), QStringLiteral("11100"));

        PickNames(user, {"Flame thrower", "Rocket launcher"});
        CostsSeen seen;
        TypeCosts(user, {"6", "10"}, &seen);
        QTest::mouseClick(form.BitBtn4, Qt::LeftButton);
        QCOMPARE(seen.caption, QStringLiteral("Replace Weapon Costs"));
        QCOMPARE(seen.names, (QStringList{"Flame thrower", "Rocket launcher"}));
        QCOMPARE(seen.costs, (QStringList{"0", "0"}));
        QCOMPARE(RLines(app), QStringList{"Rifle,Flame thrower,6,Rocket launcher,10"});
        QCOMPARE(ListItems(*form.ListBox2), (QStringList{"Flame thrower,6", "Rocket launcher,10"}));

        PickNames(user, {"Pistol"});
        QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
        QCOMPARE(RLines(app), (QStringList{"Pistol", "Rifle,Flame thrower,6,Rocket launcher,10"}));
        QCOMPARE(ListItems(*form.ListBox1), (QStringList{"Pistol", "*Rifle"}));

        for (const char* left : {"Rifle,Rocket launcher,10", "Rifle"}) {
            ClickItem(*form.ListBox2, 0);
            QVERIFY(form.BitBtn5->isEnabled());
            user.Answer(mrYes);
            QTest::mouseClick(form.BitBtn5, Qt::LeftButton);
            QCOMPARE(RLines(app), (QStringList{"Pistol", left}));
        }
        QCOMPARE(Buttons(form), QStringLiteral("11100"));
        QCOMPARE(user.Messages(), (QStringList{RemoveReplace, RemoveReplace}));
        CheckUser(user);
    }

    // A replace weapon's cost is stored as the whole number its leading digits give.
    void replaceCosts_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("line");
        QTest::newRow("empty") << ""
                               << "Rifle,Las,0";
        QTest::newRow("6 points") << "6 points"
                                  << "Rifle,Las,6";
        QTest::newRow("1,5") << "1,5"
                             << "Rifle,Las,1";
    }
    void replaceCosts()
    {
        QFETCH(QString, typed);
        QFETCH(QString, line);
        TestWindows app;
        ScriptedUser user;
        TForm7& form = Enter(app, {"Rifle,Las,4"});
        ClickItem(*form.ListBox1, 0);
        TypeCosts(user, {typed});
        QTest::mouseClick(form.BitBtn8, Qt::LeftButton);
        CheckUser(user);
        QCOMPARE(RLines(app), QStringList{line});
        QCOMPARE(ListItems(*form.ListBox2),
                 QStringList{GetField(line, 2) + ',' + GetField(line, 3)});
    }

    // The last replaceable weapon takes the troop's list with it; Add makes it again.
    void leftDelOfTheLastWeapon()
    {
        TestWindows app;
        ScriptedUser user;
        TForm7& form = Enter(app, {"Rifle,Las,2"});
        ClickItem(*form.ListBox1, 0);
        QCOMPARE(ListItems(*form.ListBox2), QStringList{"Las,2"});
        user.Answer(mrNo);
        QTest::mouseClick(form.BitBtn2, Qt::LeftButton);
        QCOMPARE(RLines(app), QStringList{"Rifle,Las,2"});
        user.Answer(mrYes);
        QTest::mouseClick(form.BitBtn2, Qt::LeftButton);
        QVERIFY(app.store.TroopTable[0].R_WeaponList == nullptr);
        QCOMPARE(form.ListBox1->Count() + form.ListBox2->Count(), 0);
        QCOMPARE(Buttons(form), QStringLiteral("00000"));
        PickNames(user, {"Las"});
        QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
        QCOMPARE(RLines(app), QStringList{"Las"});
        QCOMPARE(user.Messages(), (QStringList{DeleteReplaceable, DeleteReplaceable}));
        CheckUser(user);
    }

    // A weapon whose line is missing (another weapon's line differs from its name only in
    // letter case, or the line went while the window showed it) never fails: right Del and the
    // costs rebuild its line, left Del removes the name alone.
    void missingLine_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("stored");
        QTest::newRow("right Add on a name in other letter case")
            << "case" << QStringList{"Rifle", "rifle,Las,3"};
        QTest::newRow("right Del, line gone") << "rightDel" << QStringList{"Rifle"};
        QTest::newRow("right Edit, line gone") << "rightEdit" << QStringList{"Rifle,Pistol,4"};
        QTest::newRow("left Del, list gone") << "leftDel" << QStringList();
    }
    void missingLine()
    {
        QFETCH(QString, action);
        QFETCH(QStringList, stored);
        TestWindows app;
        ScriptedUser user;
        const bool otherCase = action == QLatin1String("case");
        TForm7& form = Enter(app, {otherCase ? "Rifle" : "Rifle,Pistol,1"});
        if (otherCase) {
            app.store.WeaponCatalogue->Add(QStringLiteral("rifle,,,,,"));
            PickNames(user, {"rifle"});
            QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
            QCOMPARE(ListItems(*form.ListBox1), (QStringList{"Rifle", "rifle"}));
            QCOMPARE(RLines(app), QStringList{"Rifle"});
            ClickItem(*form.ListBox1, 1);
            QCOMPARE(form.ListBox2->Count(), 0);
            PickNames(user, {"Las"});
            TypeCosts(user, {"3"});
            QTest::mouseClick(form.BitBtn4, Qt::LeftButton);
        } else {
            ClickItem(*form.ListBox1, 0);
            ClickItem(*form.ListBox2, 0);
            TheRec& troop = app.store.TroopTable[0];
            if (action == QLatin1String("leftDel"))
                troop.R_WeaponList.reset();
            else
                troop.R_WeaponList->Delete(0);
            if (action == QLatin1String("rightEdit")) {
                TypeCosts(user, {"4"});
                QTest::mouseClick(form.BitBtn8, Qt::LeftButton);
            } else {
                user.Answer(mrYes);
                QTest::mouseClick(action == QLatin1String("leftDel") ? form.BitBtn2 : form.BitBtn5,
                                  Qt::LeftButton);
            }
        }
        CheckUser(user);
        QCOMPARE(RLines(app), stored);
    }

    // Every replace weapon of a long loaded line is listed, so that editing the costs or
    // removing one of them keeps all the others.
    void longLoadedLine_data()
    {
        QTest::addColumn<bool>("remove");
        QTest::newRow("costs edited") << false;
        QTest::newRow("one removed") << true;
    }
    void longLoadedLine()
    {
        QFETCH(bool, remove);
        QStringList pairs;
        for (int i = 0; i < 130; ++i)
            pairs << QStringLiteral("W%1,%2").arg(i, 3, 10, QLatin1Char('0')).arg(i);
        TestWindows app;
        ScriptedUser user;
        TForm7& form = Enter(app, {"Rifle," + pairs.join(u',')}, false);
        ClickItem(*form.ListBox1, 0);
        QCOMPARE(ListItems(*form.ListBox2), pairs);
        if (remove) {
            ClickItem(*form.ListBox2, 0);
            user.Answer(mrYes);
            QTest::mouseClick(form.BitBtn5, Qt::LeftButton);
            pairs.removeFirst();
        } else {
            TypeCosts(user, {"7"});
            QTest::mouseClick(form.BitBtn8, Qt::LeftButton);
            pairs[0] = QStringLiteral("W000,7");
        }
        CheckUser(user);
        QCOMPARE(RLines(app), QStringList{"Rifle," + pairs.join(u',')});
    }

    // Left Edit opens the weapon's own catalogue entry, never one whose name merely begins the
    // same way, and replaces only that entry.
    void leftEditOwnEntry()
    {
        TestWindows app;
        ScriptedUser user;
        TForm7& form = Enter(app, {"Las"});
        ClickItem(*form.ListBox1, 0);
        user.WindowOf<TForm6>([](TForm6& editor) {
            QCOMPARE(editor.Caption(), QStringLiteral("Edit Replace Weapon"));
            QCOMPARE(editor.Panel1->text(), QStringLiteral("Replace Weapon name"));
            QCOMPARE(editor.Edit1->Text(), QStringLiteral("Las"));
            QVERIFY(editor.Edit1->isReadOnly());
            QCOMPARE(editor.StringGrid1->Cell(0, 0), QStringLiteral("24"));
            MakeActive(editor);
            TypeOverCell(*editor.StringGrid1, 0, 0, QStringLiteral("30"));
            QTest::mouseClick(editor.BitBtn1, Qt::LeftButton);
        });
        QTest::mouseClick(form.BitBtn3, Qt::LeftButton);
        CheckUser(user);
        QVERIFY(!app.forms.Form6->Edit1->isReadOnly());
        QVERIFY(!app.store.EditingItem);
        QVERIFY(app.store.KeepItemFields);
        const QStringList& catalogue = app.store.WeaponCatalogue->Lines();
        QVERIFY(catalogue.contains(QStringLiteral("Las,30,3,,Rapid,")));
        QVERIFY(catalogue.contains(QStringLiteral("Las cannon,48,9,2,Heavy,")));
        QCOMPARE(catalogue.size(), 6);
        QCOMPARE(ListItems(*form.ListBox1), QStringList{"*Las"});
    }

    // Previous goes to the standard weapons; Next, Enter and Esc go on to the additional weapons.
    void leaving_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("listMode");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Previous") << "previous" << 0 << "Standard Weapons";
        QTest::newRow("Next") << "next" << 1 << "Additional Weapons";
        QTest::newRow("Enter") << "enter" << 1 << "Additional Weapons";
        QTest::newRow("Esc") << "esc" << 1 << "Additional Weapons";
    }
    void leaving()
    {
        QFETCH(QString, how);
        QFETCH(int, listMode);
        QFETCH(QString, caption);
        TestWindows app;
        TForm7& form = Enter(app, {"Rifle"});
        app.store.ListMode = 2;
        ClickItem(*form.ListBox1, 0);
        if (how == QLatin1String("previous"))
            QTest::mouseClick(form.BitBtn6, Qt::LeftButton);
        else if (how == QLatin1String("next"))
            QTest::mouseClick(form.BitBtn7, Qt::LeftButton);
        else
            QTest::keyClick(form.ListBox1,
                            how == QLatin1String("enter") ? Qt::Key_Return : Qt::Key_Escape);
        QVERIFY(!form.isVisible());
        QVERIFY(app.forms.Form4->isVisible());
        QCOMPARE(app.store.ListMode, listMode);
        QCOMPARE(app.forms.Form4->Caption(), caption);
    }
};

QTEST_MAIN(ReplaceableWeaponsTest)
#include "tst_ReplaceableWeapons.moc"
