#include "store/LineOps.h"
#include "support/Armies.h"
#include "support/Catalogue.h"
#include "support/GridCells.h"
#include "support/ScriptedUser.h"
#include "support/TestWindows.h"
#include "support/WizardSteps.h"
#include "support/pages/AbilityCostsDialogPage.h"
#include "support/pages/ItemListStepPage.h"
#include "support/pages/ReplaceableWeaponsStepPage.h"
#include "ui/catalogue/AbilityCostsDialog.h"
#include "ui/controls/Button.h"
#include "ui/controls/Grid.h"
#include "ui/controls/SortedListWidget.h"
#include "ui/controls/StatusBar.h"
#include "ui/main/MainWindow.h"
#include "ui/wizard/CharacteristicsStep.h"
#include "ui/wizard/ItemListStep.h"
#include "ui/wizard/ReplaceableWeaponsStep.h"
#include "ui/wizard/RestrictionsStep.h"
#include "ui/wizard/WeaponCostsDialog.h"

#include <QLabel>
#include <QTest>

namespace
{

const QString askText =
    QStringLiteral("Are you sure you want to delete this weapon from the list?");

// The item-list window in a mode on the new troop in slot 0, as the wizard shows it. The troop
// begins as the one the document keeps unfinished.
ItemListStep& enter(TestWindows& app, int mode)
{
    app.setUp([](Store& army) {
        for (const char* entry : {"Axe,,,,,", "Bolter,24,4,5,Rapid,", "Knife,,,,,", "Sword,,,,,"})
            army.weaponCatalogue->add(QString::fromLatin1(entry));
        army.abilityCatalogue->add(QStringLiteral("Armour,hard"));
        army.abilityCatalogue->add(QStringLiteral("Zeal,fierce"));
        army.army.name = QStringLiteral("RED ORCHARD");
        army.troops[0].name = QStringLiteral("Kai");
    });
    app.document.setUnfinishedTroop(app.army().troops[0]);
    const WizardStep steps[] = {WizardStep::StandardWeapons, WizardStep::AdditionalWeapons,
                                WizardStep::Abilities};
    auto& step = static_cast<ItemListStep&>(app.openStep(steps[mode]));
    makeActive(step);
    return step;
}

// The troop's list that the mode shows.
std::unique_ptr<LineList> Troop::*modeList(int mode)
{
    return mode == 0   ? &Troop::standardWeapons
           : mode == 1 ? &Troop::additionalWeapons
                       : &Troop::abilities;
}

// The troop in slot 0 as the windows show it now: a new troop left unfinished is kept by the
// document, apart from the army.
const Troop& troopNow(const TestWindows& app)
{
    if (!app.wizard.isRunning() && app.army().troopCount == 0)
        return app.document.unfinishedTroop();
    return app.army().troops[0];
}

const LineList* modeLines(const TestWindows& app, int mode)
{
    return (troopNow(app).*modeList(mode)).get();
}

int rowOf(const SortedListWidget& box, const QString& text)
{
    for (int i = 0; i < box.count(); ++i) {
        if (box.itemText(i) == text)
            return i;
    }
    return -1;
}

void select(ItemListStepPage& page, const QString& text)
{
    const int row = rowOf(*page.itemList, text);
    QVERIFY2(row >= 0, qPrintable(text));
    clickItem(*page.itemList, row);
}

void checkUser(const ScriptedUser& user)
{
    QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
}

} // namespace

class ItemListStepTest : public QObject
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
        const QStringList weapons{"Bolter", "Knife"};
        const QStringList picked{"Axe", "Bolter", "Sword"};
        QTest::newRow("standard, Next") << 0 << weapons << "next" << picked << 7;
        QTest::newRow("standard, Previous") << 0 << weapons << "previous" << picked << 3;
        QTest::newRow("standard, close box") << 0 << weapons << "close" << weapons << 1;
        QTest::newRow("new troop, close box")
            << 0 << QStringList() << "close" << QStringList() << 1;
        const QStringList costed{"Grenades,1", "Knife,2"};
        QTest::newRow("additional, Next")
            << 1 << costed << "next" << QStringList{"Grenades,1"} << 4;
        QTest::newRow("additional, Previous")
            << 1 << costed << "previous" << QStringList{"Grenades,1"} << 7;
        QTest::newRow("additional, close box") << 1 << costed << "close" << costed << 1;
    }
    void commitRules()
    {
        QFETCH(int, mode);
        QFETCH(QStringList, lines);
        QFETCH(QString, leave);
        QFETCH(QStringList, stored);
        QFETCH(int, window);
        TestWindows app;
        ScriptedUser user;
        if (!lines.isEmpty())
            app.setUp([&](Store& army) { addLines(army, army.troops[0].*modeList(mode), lines); });
        ItemListStep& step = enter(app, mode);
        ItemListStepPage page(step);
        if (mode == 0) {
            pickNames(user, {"Axe"});
            QTest::mouseClick(page.addButton, Qt::LeftButton);
            pickNames(user, {"Sword"});
            QTest::mouseClick(page.addButton, Qt::LeftButton);
            const QStringList two{"Axe", "Sword"};
            const QStringList all{"Axe", "Bolter", "Knife", "Sword"};
            QCOMPARE(listItems(*page.itemList), lines.isEmpty() ? two : all);
        }
        if (!lines.isEmpty()) {
            select(page, lines.last());
            user.answer(QMessageBox::Yes);
            QTest::mouseClick(page.deleteButton, Qt::LeftButton);
        }
        if (leave == QLatin1String("close"))
            step.close();
        else
            QTest::mouseClick(leave == QLatin1String("next") ? page.nextButton
                                                             : page.previousButton,
                              Qt::LeftButton);
        checkUser(user);
        // A list that Add made stays, empty, when the window is closed.
        QVERIFY(modeLines(app, mode) != nullptr);
        QCOMPARE(linesOf(modeLines(app, mode)), stored);
        QCOMPARE(app.wizard.isRunning(), window != 1);
        Window* const windows[] = {nullptr,
                                   &app.mainWindow,
                                   nullptr,
                                   app.wizard.characteristicsStep(),
                                   app.wizard.itemListStep(),
                                   nullptr,
                                   nullptr,
                                   app.wizard.replaceableWeaponsStep()};
        for (int i : {1, 3, 4, 7})
            QCOMPARE(windows[i]->isVisible(), i == window);
        if (window == 4)
            QCOMPARE(step.windowTitle(), QStringLiteral("Special Abilities"));
    }

    // Step 6 finds the line of an ability by its name: the list shows names in another order
    // than the troop holds its lines. A line that has gone changes nothing.
    void deleteAbilityByName_data()
    {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<bool>("lineGone");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("Armour shown first") << "Armour" << QMessageBox::Yes << false
                                            << QStringList{"1,Zeal,5"} << QStringList{"Zeal"};
        QTest::newRow("Zeal") << "Zeal" << QMessageBox::Yes << false << QStringList{"2,Armour,3"}
                              << QStringList{"Armour"};
        QTest::newRow("answered No")
            << "Zeal" << QMessageBox::No << false << QStringList{"1,Zeal,5", "2,Armour,3"}
            << QStringList{"Armour", "*Zeal"};
        QTest::newRow("line gone meanwhile") << "Zeal" << QMessageBox::Yes << true
                                             << QStringList{"2,Armour,3"} << QStringList{"Armour"};
    }
    void deleteAbilityByName()
    {
        QFETCH(QString, selected);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(bool, lineGone);
        QFETCH(QStringList, stored);
        QFETCH(QStringList, items);
        TestWindows app;
        ScriptedUser user;
        app.setUp([](Store& army) {
            addLines(army, army.troops[0].abilities, {"1,Zeal,5", "2,Armour,3"}, false);
        });
        ItemListStepPage page(enter(app, 2));
        QCOMPARE(listItems(*page.itemList), (QStringList{"Armour", "Zeal"}));
        select(page, selected);
        if (lineGone)
            app.setUp([](Store& army) { army.troops[0].abilities->removeAt(0); });
        user.answer(QMessageBox::StandardButton(answer));
        QTest::mouseClick(page.deleteButton, Qt::LeftButton);
        QCOMPARE(user.messages(),
                 QStringList{QStringLiteral("*** DELETE SPECIAL ABILITY ***|") + askText});
        checkUser(user);
        QCOMPARE(linesOf(app.army().troops[0].abilities.get()), stored);
        QCOMPARE(listItems(*page.itemList), items);
        QCOMPARE(page.deleteButton->isEnabled(), answer != QMessageBox::Yes);
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
        app.setUp([&](Store& army) { addLines(army, army.troops[0].*modeList(mode), {line}); });
        ItemListStepPage page(enter(app, mode));
        clickItem(*page.itemList, 0);
        if (!select) {
            // The costs window rebuilds the list with nothing selected; Del stays enabled.
            typeCosts(user, {"2"});
            QTest::mouseClick(page.editButton, Qt::LeftButton);
            QCOMPARE(listItems(*page.itemList), QStringList{line});
            QVERIFY(page.deleteButton->isEnabled());
        }
        user.answer(QMessageBox::Yes);
        QTest::mouseClick(page.deleteButton, Qt::LeftButton);
        QCOMPARE(user.messages(), QStringList{caption + u'|' + askText});
        checkUser(user);
        QCOMPARE(modeLines(app, mode) != nullptr, listLeft);
        QCOMPARE(linesOf(modeLines(app, mode)), listLeft ? QStringList{line} : QStringList());
        QCOMPARE(page.itemList->count(), listLeft ? 1 : 0);
        QVERIFY(!page.deleteButton->isEnabled() && !page.editButton->isEnabled());
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
        ScriptedUser user;
        app.setUp([](Store& army) {
            army.weaponCatalogue->add(QStringLiteral("Grenades,6,3,,Assault,"));
            addLines(army, army.troops[0].additionalWeapons, {"Knife,2"});
        });
        ItemListStepPage page(enter(app, 1));
        pickNames(user, {"Grenades", "Knife"});
        CostsSeen seen;
        typeCosts(user, {typed}, &seen);
        QTest::mouseClick(page.addButton, Qt::LeftButton);
        checkUser(user);
        QCOMPARE(seen.caption, QStringLiteral("Additional Weapon Costs"));
        QCOMPARE(seen.heading, QStringLiteral("Name of the additional weapon"));
        QCOMPARE(seen.names, (QStringList{"Grenades", "Knife"}));
        QCOMPARE(seen.costs, (QStringList{"0", "2"}));
        const QStringList lines{line, "Knife,2"};
        QCOMPARE(linesOf(app.army().troops[0].additionalWeapons.get()), lines);
        QCOMPARE(listItems(*page.itemList), lines);
        // The next costs window starts from the costs stored, not from what was typed.
        clickItem(*page.itemList, 0);
        typeCosts(user, {}, &seen);
        QTest::mouseClick(page.editButton, Qt::LeftButton);
        checkUser(user);
        QCOMPARE(seen.costs, (QStringList{field(line, 2), "2"}));
    }

    // Each step's costs window shows that step's caption and heading, whichever came before.
    void costsCaptionFollowsTheStep()
    {
        TestWindows app;
        ScriptedUser user;
        app.setUp([](Store& army) {
            addLines(army, army.troops[0].additionalWeapons, {"Knife,2"});
            addLines(army, army.troops[0].replaceableWeapons, {"Bolter,Axe,3"});
        });
        ItemListStep& step = enter(app, 1);
        ItemListStepPage page(step);
        CostsSeen seen[3];
        clickItem(*page.itemList, 0);
        typeCosts(user, {}, &seen[0]);
        QTest::mouseClick(page.editButton, Qt::LeftButton);
        QTest::mouseClick(page.previousButton, Qt::LeftButton);
        ReplaceableWeaponsStepPage step4(*app.wizard.replaceableWeaponsStep());
        QVERIFY(makeActive(step4.window));
        clickItem(*step4.replaceableList, 0);
        typeCosts(user, {}, &seen[1]);
        QTest::mouseClick(step4.editCostsButton, Qt::LeftButton);
        QTest::mouseClick(step4.nextButton, Qt::LeftButton);
        QVERIFY(makeActive(step));
        clickItem(*page.itemList, 0);
        typeCosts(user, {}, &seen[2]);
        QTest::mouseClick(page.editButton, Qt::LeftButton);
        checkUser(user);
        for (int i : {0, 2}) {
            QCOMPARE(seen[i].caption, QStringLiteral("Additional Weapon Costs"));
            QCOMPARE(seen[i].heading, QStringLiteral("Name of the additional weapon"));
            QCOMPARE(seen[i].names, QStringList{"Knife"});
        }
        QCOMPARE(seen[1].caption, QStringLiteral("Replace Weapon Costs"));
        QCOMPARE(seen[1].heading, QStringLiteral("Name of the replace weapon"));
        QCOMPARE(seen[1].costs, QStringList{"3"});
        QCOMPARE(linesOf(app.army().troops[0].replaceableWeapons.get()),
                 QStringList{"Bolter,Axe,3"});
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
            app.setUp([&](Store& army) { addLines(army, army.troops[0].abilities, held); });
        ItemListStepPage page(enter(app, 2));
        pickNames(user, picked);
        QStringList opened;
        for (int i = 0; i < costed.size(); ++i) {
            user.windowOf<AbilityCostsDialog>([&opened](AbilityCostsDialog& dialog) {
                AbilityCostsDialogPage dialogPage(dialog);
                const QString name = dialogPage.abilityGrid->cell(0, 0);
                opened << name;
                makeActive(dialog);
                typeOverCell(*dialogPage.abilityGrid, 1, 0, name == "Zeal" ? "5" : "4");
                typeOverCell(*dialogPage.abilityGrid, 2, 0, name == "Zeal" ? "2" : "1");
                QTest::mouseClick(dialogPage.okButton, Qt::LeftButton);
            });
        }
        QTest::mouseClick(page.addButton, Qt::LeftButton);
        checkUser(user);
        QCOMPARE(opened, costed);
        QCOMPARE(linesOf(app.army().troops[0].abilities.get()), stored);
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
        ItemListStepPage page(enter(app, mode));
        user.window([](QWidget& help) { help.close(); });
        QTest::mouseClick(page.helpButton, Qt::LeftButton);
        checkUser(user);
        QCOMPARE(user.shown().size(), 1);
        QCOMPARE(user.shown().first().caption, caption);
        QCOMPARE(page.statusBar->panelText(0), QStringLiteral("RED ORCHARD"));
        QCOMPARE(page.statusBar->panelText(1), QStringLiteral("Kai"));
    }
};

QTEST_MAIN(ItemListStepTest)
#include "tst_ItemListStep.moc"
