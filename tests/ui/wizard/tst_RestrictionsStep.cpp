#include "store/LineOps.h"
#include "support/Armies.h"
#include "support/Catalogue.h"
#include "support/GridCells.h"
#include "support/ModalAnswer.h"
#include "support/TestWindows.h"
#include "support/Typing.h"
#include "support/pages/FoundControl.h"
#include "support/pages/HelpWindowPage.h"
#include "support/pages/RestrictionsStepPage.h"
#include "ui/controls/Button.h"
#include "ui/controls/Grid.h"
#include "ui/controls/LineEdit.h"
#include "ui/controls/StatusBar.h"
#include "ui/help/RestrictionsHelp.h"
#include "ui/main/MainWindow.h"
#include "ui/wizard/ItemListStep.h"
#include "ui/wizard/RestrictionsStep.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

namespace
{

// Step 7 on the troop in the given slot, as step 6's Next shows it, in a run of its own. A new
// troop begins as the one the document keeps unfinished.
RestrictionsStepPage enter(TestWindows& app, int slot)
{
    if (app.wizard.isRunning())
        app.wizard.leave();
    if (slot == app.army().troopCount)
        app.document.setUnfinishedTroop(app.army().troops[size_t(slot)]);
    return RestrictionsStepPage(
        static_cast<RestrictionsStep&>(app.openStep(WizardStep::Restrictions, slot)));
}

// The troop in the slot as the windows show it now: a new troop left unfinished is kept by the
// document, apart from the army.
const Troop& troopNow(const TestWindows& app, int slot)
{
    const Store& army = app.army();
    if (!app.wizard.isRunning() && slot == army.troopCount)
        return app.document.unfinishedTroop();
    return army.troops[size_t(slot)];
}

} // namespace

class RestrictionsStepTest : public QObject
{
    Q_OBJECT

private slots:
    // Whether the troop has special abilities with short names or none, the window keeps the
    // one fixed size it was made with.
    void oneFixedSizeWithAndWithoutAbilities()
    {
        TestWindows app;
        app.start(0);
        app.wizard.leave();
        app.wizard.restrictionsStep()->settleSize();
        const QSize made = app.wizard.restrictionsStep()->size();
        app.setUp([](Store& army) { addLines(army, army.troops[0].abilities, {"1,Gaze,5"}); });
        RestrictionsStepPage step = enter(app, 0);
        QVERIFY(step.groupGrid->isVisible());
        QCOMPARE(step.window.size(), made);
        enter(app, 1);
        QVERIFY(!step.groupGrid->isVisible());
        QApplication::processEvents();
        QCOMPARE(step.window.size(), made);
        QCOMPARE(step.window.minimumSize(), made);
        QCOMPARE(step.window.maximumSize(), made);
    }
    // One row per group in use, in the order of the groups, wherever its lines stand; each
    // maximum belongs to its group's field. Limits written one maximum per row give a group
    // without its field the maximum of its row, and the status bar says so. OK without entering
    // the grid stores the maxima as they stand, "0" for the groups between, nothing past the
    // highest group, and nothing for a group outside 1 to 99.
    void groupTable_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("sorted");
        QTest::addColumn<QString>("specials");
        QTest::addColumn<QStringList>("groups");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("maxima");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("stored");
        const QString filled = QStringLiteral("Max filled in from old rows");
        QTest::newRow("groups 1, 1 and 2")
            << QStringList{"1,Jump packs,5", "1,Bionics,3", "2,Command squad,20,1"} << true
            << "4,2,1" << QStringList{"1", "2"}
            << QStringList{"Bionics,Jump packs", "Command squad"} << QStringList{"2", "1"} << ""
            << "4,2,1";
        QTest::newRow("groups 1, 10 and 2")
            << QStringList{"2,c,1", "10,b,1", "1,a,1"} << true << "3,7,8,0,0,0,0,0,0,0,9"
            << QStringList{"1", "2", "10"} << QStringList{"a", "c", "b"}
            << QStringList{"7", "8", "9"} << ""
            << "3,7,8,0,0,0,0,0,0,0,9";
        QTest::newRow("loaded, first ability re-costed")
            << QStringList{"1,b,5", "2,c,5", "1,a,7"} << false << "0" << QStringList{"1", "2"}
            << QStringList{"b,a", "c"} << QStringList{"", ""} << ""
            << "0,0,0";
        QTest::newRow("group 2 alone, written per row")
            << QStringList{"2,Zeal,5"} << true << "1,1" << QStringList{"2"} << QStringList{"Zeal"}
            << QStringList{"1"} << filled << "1,0,1";
        QTest::newRow("fields past the highest group")
            << QStringList{"1,a,1"} << true << "2,1,1" << QStringList{"1"} << QStringList{"a"}
            << QStringList{"1"} << ""
            << "2,1";
        QTest::newRow("group outside 1 to 99")
            << QStringList{"0,a,1", "1,b,1"} << true << "2,1" << QStringList{"0", "1"}
            << QStringList{"a", "b"} << QStringList{"", "1"} << ""
            << "2,1";
    }
    void groupTable()
    {
        QFETCH(QStringList, lines);
        QFETCH(bool, sorted);
        QFETCH(QString, specials);
        QFETCH(QStringList, groups);
        QFETCH(QStringList, names);
        QFETCH(QStringList, maxima);
        QFETCH(QString, status);
        QFETCH(QString, stored);
        TestWindows app;
        app.setUp([&](Store& army) {
            Troop& troop = army.troops[0];
            troop.name = QStringLiteral("Kai");
            troop.abilityLimits = specials;
            addLines(army, troop.abilities, lines, sorted);
            army.army.name = QStringLiteral("RED ORCHARD");
        });
        RestrictionsStepPage step = enter(app, 0);
        QCOMPARE(step.window.windowTitle(), QStringLiteral("Restrictions"));
        QVERIFY(step.abilityLimitLabel->isVisible() && step.abilityLimitEdit->isVisible());
        QVERIFY(step.groupGrid->isVisible() && step.groupMaxHeading->isVisible());
        QCOMPARE(step.abilityLimitEdit->text(), field(specials, 1));
        QCOMPARE(column(*step.groupGrid, 0), groups);
        QCOMPARE(column(*step.groupGrid, 1), names);
        QCOMPARE(column(*step.groupGrid, 2), maxima);
        QCOMPARE(step.statusBar->panelText(0), QStringLiteral("RED ORCHARD"));
        QCOMPARE(step.statusBar->panelText(1), QStringLiteral("Kai"));
        QCOMPARE(step.statusBar->panelText(2), status);
        QTest::mouseClick(step.okButton, Qt::LeftButton);
        QCOMPARE(app.army().troops[0].abilityLimits, stored);
    }

    // A troop without special abilities sees only the weapon question, and holds no ability
    // limits of the troop shown before it.
    void troopWithoutAbilities()
    {
        TestWindows app;
        app.setUp([](Store& army) {
            addLines(army, army.troops[0].abilities, {"1,a,1", "2,b,1"});
            army.troops[0].abilityLimits = QStringLiteral("2,1,1");
        });
        RestrictionsStepPage step = enter(app, 0);
        QTest::mouseClick(step.okButton, Qt::LeftButton);
        app.setUp([](Store& army) { addLines(army, army.troops[1].abilities, {}); });
        enter(app, 1);
        QVERIFY(step.weaponLimitEdit->isVisible());
        QVERIFY(!step.abilityLimitEdit->isVisible() && !step.abilityLimitLabel->isVisible());
        QVERIFY(!step.groupGrid->isVisible() && !step.groupHeading->isVisible());
        QTest::mouseClick(step.okButton, Qt::LeftButton);
        QCOMPARE(app.army().troops[1].abilityLimits, QStringLiteral("0"));
        QCOMPARE(app.army().troops[0].abilityLimits, QStringLiteral("2,1,1"));
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
        if (weapons > 0) {
            app.setUp([](Store& army) {
                Troop& troop = army.troops[0];
                addLines(army, troop.standardWeapons, {"Rifle", "Knife"});
                addLines(army, troop.replaceableWeapons, {"Rifle,Flamer,6"});
                addLines(army, troop.additionalWeapons, {});
            });
        }
        RestrictionsStepPage step = enter(app, 0);
        QCOMPARE(step.weaponLimitEdit->text(), QStringLiteral("0"));
        typeText(step.weaponLimitEdit, typed);
        QCOMPARE(step.weaponLimitEdit->text(), typed);
        QTest::mouseClick(step.okButton, Qt::LeftButton);
        QCOMPARE(app.army().troops[0].weaponLimit, QString::number(stored));
    }

    // Leaving the grid keeps each maximum between 1 and the number of abilities in its group,
    // wherever they stand in the list.
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
        app.setUp([](Store& army) {
            addLines(army, army.troops[0].abilities, {"1,a,1", "2,c,1", "1,b,1"}, false);
        });
        RestrictionsStepPage step = enter(app, 0);
        QVERIFY(makeActive(step.window));
        Grid& grid = *step.groupGrid;
        clickCell(grid, 2, 0);
        QCOMPARE(QApplication::focusWidget(), grid.cellEditor());
        typeText(grid.cellEditor(), typed);
        QTest::mouseClick(step.abilityLimitEdit, Qt::LeftButton);
        QCOMPARE(column(grid, 2), (QStringList{QString::number(bounded), "1"}));
        QTest::mouseClick(step.okButton, Qt::LeftButton);
        QCOMPARE(app.army().troops[0].abilityLimits, QStringLiteral("0,%1,1").arg(bounded));
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
        app.setUp([&](Store& army) {
            army.troopCount = count;
            addLines(army, army.troops[current].standardWeapons, {"Rifle"});
        });
        RestrictionsStepPage step = enter(app, current);
        typeText(step.weaponLimitEdit, QStringLiteral("1"));
        if (way == "close")
            step.window.close();
        else
            QTest::mouseClick(way == "OK" ? step.okButton : step.previousButton, Qt::LeftButton);
        QCOMPARE(troopNow(app, current).weaponLimit, QStringLiteral("1"));
        QCOMPARE(app.army().troopCount, countAfter);
        QCOMPARE(app.wizard.slot(), currentAfter);
        QVERIFY(step.window.isHidden());
        MainWindow& main = app.mainWindow;
        QCOMPARE(app.wizard.isRunning(), way == "previous");
        if (way == "previous") {
            QVERIFY(app.wizard.itemListStep()->isVisible() && main.isHidden());
            QCOMPARE(app.wizard.currentStep(), WizardStep::Abilities);
            QCOMPARE(app.wizard.itemListStep()->windowTitle(), QStringLiteral("Special Abilities"));
            return;
        }
        QVERIFY(main.isVisible());
        QCOMPARE(foundControl<Button>(main, "newTroopButton")->isEnabled(), countAfter < 100);
        QVERIFY(foundControl<Button>(main, "editTroopButton")->isEnabled() &&
                foundControl<Button>(main, "saveButton")->isEnabled());
    }

    // The help window shown for real; what was typed is still there when it closes.
    void helpKeepsWhatWasTyped()
    {
        TestWindows app;
        app.setUp([](Store& army) {
            addLines(army, army.troops[0].standardWeapons, {"Rifle", "Knife"});
        });
        RestrictionsStepPage step = enter(app, 0);
        typeText(step.weaponLimitEdit, QStringLiteral("2"));
        ModalAnswer help;
        help.expect<RestrictionsHelp>([](RestrictionsHelp& shown) {
            QTest::mouseClick(HelpWindowPage(shown).okButton, Qt::LeftButton);
        });
        QTest::mouseClick(step.helpButton, Qt::LeftButton);
        QVERIFY2(help.answered(), qPrintable(help.failure()));
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(step.weaponLimitEdit->text(), QStringLiteral("2"));
        QCOMPARE(app.army().troops[0].weaponLimit, QStringLiteral("2"));
    }
};

QTEST_MAIN(RestrictionsStepTest)
#include "tst_RestrictionsStep.moc"
