#include "support/Armies.h"
#include "support/Catalogue.h"
#include "support/GridCells.h"
#include "support/ScriptedUser.h"
#include "support/TestWindows.h"
#include "support/WizardSteps.h"
#include "ui/catalogue/Special_Abilities.h"
#include "ui/controls/Buttons.h"
#include "ui/controls/Grid.h"
#include "ui/controls/ListBox.h"
#include "ui/controls/StatusBar.h"
#include "ui/main/Main.h"
#include "ui/wizard/RWeaponCosts.h"
#include "ui/wizard/R_Weapons.h"
#include "ui/wizard/SelectType.h"
#include "ui/wizard/SpecialGroups.h"
#include "ui/wizard/St_Weapons.h"

#include <QLabel>
#include <QTest>

namespace
{

const QString AskText =
    QStringLiteral("Are you sure you want to delete this weapon from the list?");

// The item-list window in a mode on the troop in slot 0, as the wizard shows it.
TForm4& Enter(TestWindows& app, int mode)
{
    app.store.WeaponCatalogue->Add(QStringLiteral("Axe,,,,,"));
    app.store.WeaponCatalogue->Add(QStringLiteral("Bolter,24,4,5,Rapid,"));
    app.store.WeaponCatalogue->Add(QStringLiteral("Knife,,,,,"));
    app.store.WeaponCatalogue->Add(QStringLiteral("Sword,,,,,"));
    app.store.SpecialCatalogue->Add(QStringLiteral("Armour,hard"));
    app.store.SpecialCatalogue->Add(QStringLiteral("Zeal,fierce"));
    app.store.TheArmy.Name = QStringLiteral("RED ORCHARD");
    app.store.TroopTable[0].Name = QStringLiteral("Kai");
    app.store.CurrentTroop = 0;
    app.store.ListMode = mode;
    app.forms.Form4->Show();
    MakeActive(*app.forms.Form4);
    return *app.forms.Form4;
}

std::unique_ptr<StringList>& ModeList(TestWindows& app, int mode)
{
    TheRec& troop = app.store.TroopTable[0];
    return mode == 0 ? troop.WeaponList : mode == 1 ? troop.A_WeaponList : troop.SpecialList;
}

int Row(const ListBox& box, const QString& text)
{
    for (int i = 0; i < box.Count(); ++i) {
        if (box.Item(i) == text)
            return i;
    }
    return -1;
}

void Select(TForm4& form, const QString& text)
{
    const int row = Row(*form.ListBox1, text);
    QVERIFY2(row >= 0, qPrintable(text));
    ClickItem(*form.ListBox1, row);
}

void CheckUser(const ScriptedUser& user)
{
    QVERIFY2(user.Problems().isEmpty(), qPrintable(user.Problems().join(u'\n')));
}

} // namespace

class ItemListsTest : public QObject
{
    Q_OBJECT

private slots:
    // In the weapon modes the list is a working copy: Previous and Next carry it into the troop,
    // the close box does not. Two picks in a row both stay in the copy.
    void commitRules_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("leave");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<int>("window");
        QTest::addColumn<int>("listMode");
        const QStringList weapons{"Bolter", "Knife"};
        const QStringList picked{"Axe", "Bolter", "Sword"};
        QTest::newRow("standard, Next") << 0 << weapons << "next" << picked << 7 << 0;
        QTest::newRow("standard, Previous") << 0 << weapons << "previous" << picked << 3 << 0;
        QTest::newRow("standard, close box") << 0 << weapons << "close" << weapons << 1 << 0;
        QTest::newRow("new troop, close box")
            << 0 << QStringList() << "close" << QStringList() << 1 << 0;
        const QStringList costed{"Grenades,1", "Knife,2"};
        QTest::newRow("additional, Next")
            << 1 << costed << "next" << QStringList{"Grenades,1"} << 4 << 2;
        QTest::newRow("additional, Previous")
            << 1 << costed << "previous" << QStringList{"Grenades,1"} << 7 << 1;
        QTest::newRow("additional, close box") << 1 << costed << "close" << costed << 1 << 1;
    }
    void commitRules()
    {
        QFETCH(int, mode);
        QFETCH(QStringList, lines);
        QFETCH(QString, leave);
        QFETCH(QStringList, stored);
        QFETCH(int, window);
        QFETCH(int, listMode);
        TestWindows app;
        ScriptedUser user;
        if (!lines.isEmpty())
            AddLines(app.store, ModeList(app, mode), lines);
        TForm4& form = Enter(app, mode);
        if (mode == 0) {
            PickNames(user, {"Axe"});
            QTest::mouseClick(form.BitBtn3, Qt::LeftButton);
            PickNames(user, {"Sword"});
            QTest::mouseClick(form.BitBtn3, Qt::LeftButton);
            const QStringList two{"Axe", "Sword"};
            const QStringList all{"Axe", "Bolter", "Knife", "Sword"};
            QCOMPARE(ListItems(*form.ListBox1), lines.isEmpty() ? two : all);
        }
        if (!lines.isEmpty()) {
            Select(form, lines.last());
            user.Answer(mrYes);
            QTest::mouseClick(form.BitBtn4, Qt::LeftButton);
        }
        if (leave == QLatin1String("close"))
            form.close();
        else
            QTest::mouseClick(leave == QLatin1String("next") ? form.BitBtn2 : form.BitBtn1,
                              Qt::LeftButton);
        CheckUser(user);
        // A list that Add made stays, empty, when the window is closed.
        QVERIFY(ModeList(app, mode) != nullptr);
        QCOMPARE(Lines(ModeList(app, mode).get()), stored);
        QCOMPARE(app.store.ListMode, listMode);
        FormBase* const windows[] = {nullptr,         app.forms.Form1, nullptr, app.forms.Form3,
                                     app.forms.Form4, nullptr,         nullptr, app.forms.Form7};
        for (int i : {1, 3, 4, 7})
            QCOMPARE(windows[i]->isVisible(), i == window);
        if (window == 4)
            QCOMPARE(form.Caption(), QStringLiteral("Special Abilities"));
    }

    // Step 6 finds the line of an ability by its name: the list shows names in another order
    // than the troop holds its lines. A line that has gone changes nothing.
    void deleteAbilityByName_data()
    {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("lineGone");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("Armour shown first")
            << "Armour" << int(mrYes) << false << QStringList{"1,Zeal,5"} << QStringList{"Zeal"};
        QTest::newRow("Zeal") << "Zeal" << int(mrYes) << false << QStringList{"2,Armour,3"}
                              << QStringList{"Armour"};
        QTest::newRow("answered No")
            << "Zeal" << int(mrNo) << false << QStringList{"1,Zeal,5", "2,Armour,3"}
            << QStringList{"Armour", "*Zeal"};
        QTest::newRow("line gone meanwhile")
            << "Zeal" << int(mrYes) << true << QStringList{"2,Armour,3"} << QStringList{"Armour"};
    }
    void deleteAbilityByName()
    {
        QFETCH(QString, selected);
        QFETCH(int, answer);
        QFETCH(bool, lineGone);
        QFETCH(QStringList, stored);
        QFETCH(QStringList, items);
        TestWindows app;
        ScriptedUser user;
        AddLines(app.store, app.store.TroopTable[0].SpecialList, {"1,Zeal,5", "2,Armour,3"}, false);
        TForm4& form = Enter(app, 2);
        QCOMPARE(ListItems(*form.ListBox1), (QStringList{"Armour", "Zeal"}));
        Select(form, selected);
        if (lineGone)
            app.store.TroopTable[0].SpecialList->Delete(0);
        user.Answer(answer);
        QTest::mouseClick(form.BitBtn4, Qt::LeftButton);
        QCOMPARE(user.Messages(),
                 QStringList{QStringLiteral("*** DELETE SPECIAL ABILITY ***|") + AskText});
        CheckUser(user);
        QCOMPARE(Lines(app.store.TroopTable[0].SpecialList.get()), stored);
        QCOMPARE(ListItems(*form.ListBox1), items);
        QCOMPARE(form.BitBtn4->isEnabled(), answer != mrYes);
    }

    // Deleting the last item of a mode takes the troop's list with it; with nothing selected Del
    // still asks and removes nothing. Edit on a name whose line has gone opens nothing.
    void deleteLastOrNothing_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("select");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("listLeft");
        QTest::newRow("last standard weapon")
            << 0 << true << "*** DELETE STANDARD WEAPON ***" << false;
        QTest::newRow("last additional weapon")
            << 1 << true << "*** DELETE ADDITIONAL WEAPON ***" << false;
        QTest::newRow("last special ability")
            << 2 << true << "*** DELETE SPECIAL ABILITY ***" << false;
        QTest::newRow("nothing selected")
            << 1 << false << "*** DELETE ADDITIONAL WEAPON ***" << true;
    }
    void deleteLastOrNothing()
    {
        QFETCH(int, mode);
        QFETCH(bool, select);
        QFETCH(QString, caption);
        QFETCH(bool, listLeft);
        TestWindows app;
        ScriptedUser user;
        const QString line = mode == 0 ? "Knife" : mode == 1 ? "Knife,2" : "1,Zeal,5";
        AddLines(app.store, ModeList(app, mode), {line});
        TForm4& form = Enter(app, mode);
        ClickItem(*form.ListBox1, 0);
        if (!select) {
            // The costs window rebuilds the list with nothing selected; Del stays enabled.
            TypeCosts(user, {"2"});
            QTest::mouseClick(form.BitBtn5, Qt::LeftButton);
            QCOMPARE(ListItems(*form.ListBox1), QStringList{line});
            QVERIFY(form.BitBtn4->isEnabled());
        }
        user.Answer(mrYes);
        QTest::mouseClick(form.BitBtn4, Qt::LeftButton);
        QCOMPARE(user.Messages(), QStringList{caption + u'|' + AskText});
        CheckUser(user);
        QCOMPARE(ModeList(app, mode) != nullptr, listLeft);
        QCOMPARE(Lines(ModeList(app, mode).get()), listLeft ? QStringList{line} : QStringList());
        QCOMPARE(form.ListBox1->Count(), listLeft ? 1 : 0);
        QVERIFY(!form.BitBtn4->isEnabled() && !form.BitBtn5->isEnabled());
    }

    // Every additional weapon is costed in the costs window; a cost is stored as the whole
    // number its leading digits give.
    void additionalCosts_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("line");
        QTest::newRow("1") << "1"
                           << "Grenades,1";
        QTest::newRow("empty") << ""
                               << "Grenades,0";
        QTest::newRow("6 points") << "6 points"
                                  << "Grenades,6";
        QTest::newRow("1,5") << "1,5"
                             << "Grenades,1";
    }
    void additionalCosts()
    {
        QFETCH(QString, typed);
        QFETCH(QString, line);
        TestWindows app;
        app.store.WeaponCatalogue->Add(QStringLiteral("Grenades,6,3,,Assault,"));
        ScriptedUser user;
        AddLines(app.store, app.store.TroopTable[0].A_WeaponList, {"Knife,2"});
        TForm4& form = Enter(app, 1);
        PickNames(user, {"Grenades", "Knife"});
        CostsSeen seen;
        TypeCosts(user, {typed}, &seen);
        QTest::mouseClick(form.BitBtn3, Qt::LeftButton);
        CheckUser(user);
        QCOMPARE(seen.caption, QStringLiteral("Additional Weapon Costs"));
        QCOMPARE(seen.heading, QStringLiteral("Name of the additional weapon"));
        QCOMPARE(seen.names, (QStringList{"Grenades", "Knife"}));
        QCOMPARE(seen.costs, (QStringList{"0", "2"}));
        const QStringList lines{line, "Knife,2"};
        QCOMPARE(Lines(app.store.TroopTable[0].A_WeaponList.get()), lines);
        QCOMPARE(ListItems(*form.ListBox1), lines);
        // The cost cells are emptied once read, so the next use starts clean.
        QCOMPARE(Column(*app.forms.Form8->StringGrid1, 1), (QStringList{"", ""}));
    }

    // The costs window is shared: each step sets its own caption and heading before showing it.
    void costsCaptionFollowsTheStep()
    {
        TestWindows app;
        ScriptedUser user;
        AddLines(app.store, app.store.TroopTable[0].A_WeaponList, {"Knife,2"});
        AddLines(app.store, app.store.TroopTable[0].R_WeaponList, {"Bolter,Axe,3"});
        TForm4& form = Enter(app, 1);
        CostsSeen seen[3];
        ClickItem(*form.ListBox1, 0);
        TypeCosts(user, {}, &seen[0]);
        QTest::mouseClick(form.BitBtn5, Qt::LeftButton);
        QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
        TForm7& step4 = *app.forms.Form7;
        QVERIFY(MakeActive(step4));
        ClickItem(*step4.ListBox1, 0);
        TypeCosts(user, {}, &seen[1]);
        QTest::mouseClick(step4.BitBtn8, Qt::LeftButton);
        QTest::mouseClick(step4.BitBtn7, Qt::LeftButton);
        QVERIFY(MakeActive(form));
        ClickItem(*form.ListBox1, 0);
        TypeCosts(user, {}, &seen[2]);
        QTest::mouseClick(form.BitBtn5, Qt::LeftButton);
        CheckUser(user);
        for (int i : {0, 2}) {
            QCOMPARE(seen[i].caption, QStringLiteral("Additional Weapon Costs"));
            QCOMPARE(seen[i].heading, QStringLiteral("Name of the additional weapon"));
            QCOMPARE(seen[i].names, QStringList{"Knife"});
        }
        QCOMPARE(seen[1].caption, QStringLiteral("Replace Weapon Costs"));
        QCOMPARE(seen[1].heading, QStringLiteral("Name of the replace weapon"));
        QCOMPARE(seen[1].costs, QStringList{"3"});
        QCOMPARE(Lines(app.store.TroopTable[0].R_WeaponList.get()), QStringList{"Bolter,Axe,3"});
    }

    // Two abilities taken in one pick are costed one after the other, in the picker's order;
    // one that the troop holds uncosted in other letter case is not taken again.
    void abilitiesCostedAsPicked_data()
    {
        QTest::addColumn<QStringList>("held");
        QTest::addColumn<QStringList>("picked");
        QTest::addColumn<QStringList>("costed");
        QTest::addColumn<QStringList>("stored");
        QTest::newRow("two new") << QStringList() << QStringList{"Zeal", "Armour"}
                                 << QStringList{"Armour", "Zeal"}
                                 << QStringList{"1,Armour,4", "2,Zeal,5"};
        QTest::newRow("other letter case held")
            << QStringList{",zeal"} << QStringList{"Zeal", "Armour"} << QStringList{"Armour"}
            << QStringList{",zeal", "1,Armour,4"};
    }
    void abilitiesCostedAsPicked()
    {
        QFETCH(QStringList, held);
        QFETCH(QStringList, picked);
        QFETCH(QStringList, costed);
        QFETCH(QStringList, stored);
        TestWindows app;
        ScriptedUser user;
        if (!held.isEmpty())
            AddLines(app.store, app.store.TroopTable[0].SpecialList, held);
        TForm4& form = Enter(app, 2);
        PickNames(user, picked);
        QStringList opened;
        for (int i = 0; i < costed.size(); ++i) {
            user.WindowOf<TForm10>([&opened](TForm10& dialog) {
                const QString name = dialog.StringGrid1->Cell(0, 0);
                opened << name;
                MakeActive(dialog);
                TypeOverCell(*dialog.StringGrid1, 1, 0, name == "Zeal" ? "5" : "4");
                TypeOverCell(*dialog.StringGrid1, 2, 0, name == "Zeal" ? "2" : "1");
                QTest::mouseClick(dialog.BitBtn1, Qt::LeftButton);
            });
        }
        QTest::mouseClick(form.BitBtn3, Qt::LeftButton);
        CheckUser(user);
        QCOMPARE(opened, costed);
        QCOMPARE(Lines(app.store.TroopTable[0].SpecialList.get()), stored);
    }

    // The help window of the step the window shows at the moment of the click.
    void helpByMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("caption");
        QTest::newRow("step 3") << 0 << "Help on Step3: Standard Weapons";
        QTest::newRow("step 5") << 1 << "Help on Step 5: Additional Weapons";
        QTest::newRow("step 6") << 2 << "Help on Step 6: Special Abilities";
    }
    void helpByMode()
    {
        QFETCH(int, mode);
        QFETCH(QString, caption);
        TestWindows app;
        ScriptedUser user;
        TForm4& form = Enter(app, mode);
        user.Window([](QWidget& help) { help.close(); });
        QTest::mouseClick(form.BitBtn6, Qt::LeftButton);
        CheckUser(user);
        QCOMPARE(user.Shown().size(), 1);
        QCOMPARE(user.Shown().first().caption, caption);
        QCOMPARE(form.StatusBar1->PanelText(0), QStringLiteral("RED ORCHARD"));
        QCOMPARE(form.StatusBar1->PanelText(1), QStringLiteral("Kai"));
    }
};

QTEST_MAIN(ItemListsTest)
#include "tst_ItemLists.moc"
