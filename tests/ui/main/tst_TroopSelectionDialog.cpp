#include "support/Armies.h"
#include "support/Catalogue.h"
#include "support/GridCells.h"
#include "support/ModalAnswer.h"
#include "support/ScriptedUser.h"
#include "support/TestWindows.h"
#include "support/pages/FoundControl.h"
#include "support/pages/MainWindowPage.h"
#include "support/pages/TroopSelectionDialogPage.h"
#include "ui/controls/Button.h"
#include "ui/controls/Grid.h"
#include "ui/controls/StatusBar.h"
#include "ui/main/MainWindow.h"
#include "ui/main/TroopSelectionDialog.h"
#include "ui/wizard/CharacteristicsStep.h"

#include <QApplication>
#include <QTest>

namespace
{

// Accepted troops, one per "name:type", in slot order, the last of them accepted in the
// wizard as a user does.
void accept(TestWindows& app, const QStringList& troops)
{
    const auto describeTroop = [](Troop& troop, const QString& text) {
        troop.name = text.section(u':', 0, 0);
        troop.role = text.section(u':', 1);
    };
    app.setUp([&](Store& army) {
        army.army.squadWord = QStringLiteral("Squad");
        for (const QString& troop : troops.mid(0, troops.size() - 1))
            describeTroop(army.troops[army.troopCount++], troop);
    });
    if (troops.isEmpty())
        return;
    app.start(app.army().troopCount);
    describeTroop(app.wizard.troop(), troops.last());
    app.wizard.acceptTroop();
}

// Whether a troop selection dialog is still on the screen.
bool selectionShown()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (qobject_cast<TroopSelectionDialog*>(window) && window->isVisible())
            return true;
    }
    return false;
}

} // namespace

class TroopSelectionDialogTest : public QObject
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
        accept(app, troops);
        TroopSelectionDialog dialog(&app.mainWindow, app.army(), 0, app.storeChanger());
        TroopSelectionDialogPage dialogPage(dialog);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Select the desired unit to edit"));
        QCOMPARE(dialogPage.troopGrid->columnCount(), troops.isEmpty() ? 1 : 2);
        QCOMPARE(column(*dialogPage.troopGrid, 0), types);
        QCOMPARE(column(*dialogPage.troopGrid, 1), names);
        QCOMPARE(dialogPage.deleteButton->isEnabled(), !troops.isEmpty());
        QVERIFY(dialogPage.editButton->isEnabled());
    }

    // The question names the troop. The last troop takes the deleted troop's place, its lists
    // copied as plain lists in their order; the dialog stays open and shows the new order at
    // once. Without a selected row nothing is asked or deleted.
    void deleteMovesTheLastTroop_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("first of four") << 0 << QMessageBox::Yes << QStringList{"D", "B", "C"};
        QTest::newRow("second of four") << 1 << QMessageBox::Yes << QStringList{"A", "D", "C"};
        QTest::newRow("last of four") << 3 << QMessageBox::Yes << QStringList{"A", "B", "C"};
        QTest::newRow("answered No") << 0 << QMessageBox::No << QStringList{"A", "B", "C", "D"};
        QTest::newRow("no row selected")
            << -1 << QMessageBox::Yes << QStringList{"A", "B", "C", "D"};
    }
    void deleteMovesTheLastTroop()
    {
        QFETCH(int, row);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QStringList, after);
        TestWindows app;
        ScriptedUser user;
        accept(app, {"A:HQ", "B:EL", "C:TR", "D:HS"});
        app.setUp([](Store& army) {
            army.army.squadWord = QStringLiteral("Swarm");
            Troop& last = army.troops[3];
            addLines(army, last.abilities, {"2,Wings,5", "1,Claws,3"});
            addLines(army, last.standardWeapons, {"Spit"});
        });
        const Troop& last = app.army().troops[3];
        user.windowOf<TroopSelectionDialog>([&](TroopSelectionDialog& dialog) {
            TroopSelectionDialogPage dialogPage(dialog);
            if (row < 0)
                dialogPage.troopGrid->setCurrentCell(-1, -1);
            else
                clickCell(*dialogPage.troopGrid, 0, row);
            QCOMPARE(dialogPage.troopGrid->currentRow(), row);
            QTest::mouseClick(dialogPage.deleteButton, Qt::LeftButton);
            QCOMPARE(column(*dialogPage.troopGrid, 1), after);
        });
        if (row >= 0)
            user.answer(answer);
        app.mainWindow.editTroop();
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        const QString deleted = QStringList{"A", "B", "C", "D"}.value(row);
        QCOMPARE(user.messages(),
                 row < 0
                     ? QStringList{}
                     : QStringList{"*** DELETE ***|Are you sure you want to delete the Swarm \"" +
                                   deleted + "\"?"});
        QCOMPARE(app.army().troopCount, after.size());
        for (int slot = 0; slot < after.size(); ++slot)
            QCOMPARE(app.army().troops[slot].name, after[slot]);
        QVERIFY(after.size() == 4 || (last.name.isEmpty() && !last.abilities));
        const int d = after.indexOf(QStringLiteral("D"));
        if (d < 0)
            return;
        const Troop& moved = app.army().troops[d];
        QCOMPARE(moved.role, QStringLiteral("HS"));
        QCOMPARE(linesOf(moved.abilities.get()), (QStringList{"1,Claws,3", "2,Wings,5"}));
        QCOMPARE(linesOf(moved.standardWeapons.get()), QStringList{"Spit"});
        QCOMPARE(moved.abilities->isSorted(), d == 3);
    }

    // Deleting the only troop leaves nothing to delete; pressed anyway, Delete asks nothing.
    // Cancel still brings the main window's count up to date, and Edit stays available.
    void deletingTheOnlyTroop()
    {
        TestWindows app;
        ScriptedUser user;
        accept(app, {"A:HQ"});
        MainWindow& main = app.mainWindow;
        MainWindowPage page(main);
        main.showAndActivate();
        user.windowOf<TroopSelectionDialog>([&](TroopSelectionDialog& dialog) {
            TroopSelectionDialogPage dialogPage(dialog);
            QTest::mouseClick(dialogPage.deleteButton, Qt::LeftButton);
            QCOMPARE(column(*dialogPage.troopGrid, 0), QStringList{""});
            QVERIFY(!dialogPage.deleteButton->isEnabled());
            dialog.deleteTroop();
            QTest::mouseClick(dialogPage.cancelButton, Qt::LeftButton);
        });
        user.answer(QMessageBox::Yes);
        QTest::mouseClick(page.editTroopButton, Qt::LeftButton);
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QCOMPARE(user.messages().size(), 1);
        QCOMPARE(app.army().troopCount, 0);
        QCOMPARE(page.statusBar->panelText(1), QStringLiteral("Total Squads: 0"));
        QVERIFY(main.isVisible() && page.editTroopButton->isEnabled());
    }

    // Edit reopens the chosen troop in step 2, in its own slot.
    void editReopensTheChosenTroop_data()
    {
        QTest::addColumn<QStringList>("troops");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("doubleClick");
        QTest::addColumn<QString>("shown");
        QTest::newRow("third row") << QStringList{"A:HQ", "B:EL", "C:TR"} << 2 << false << "C";
        QTest::newRow("double click") << QStringList{"A:HQ", "B:EL"} << 1 << true << "B";
    }
    void editReopensTheChosenTroop()
    {
        QFETCH(QStringList, troops);
        QFETCH(int, row);
        QFETCH(bool, doubleClick);
        QFETCH(QString, shown);
        TestWindows app;
        ScriptedUser user;
        accept(app, troops);
        MainWindow& main = app.mainWindow;
        MainWindowPage page(main);
        main.showAndActivate();
        user.windowOf<TroopSelectionDialog>([&](TroopSelectionDialog& dialog) {
            TroopSelectionDialogPage dialogPage(dialog);
            Grid& grid = *dialogPage.troopGrid;
            clickCell(grid, 0, row);
            if (doubleClick)
                QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {},
                                   grid.visualRect(grid.model()->index(row, 0)).center());
            else
                QTest::mouseClick(dialogPage.editButton, Qt::LeftButton);
        });
        main.editTroop();
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QCOMPARE(app.wizard.slot(), row);
        QCOMPARE(app.army().troopCount, troops.size());
        QVERIFY(main.isHidden() && app.wizard.characteristicsStep()->isVisible());
        QCOMPARE(foundControl<Grid>(*app.wizard.characteristicsStep(), "troopGrid")->cell(0, 0),
                 shown);
        QCOMPARE(foundControl<StatusBar>(main, "statusBar")->panelText(1),
                 QStringLiteral("Total Squads: %1").arg(troops.size()));
    }

    // The wiring users run: the dialog shown for real, Enter on the selected row.
    void editThroughTheRealDialog()
    {
        TestWindows app;
        accept(app, {"A:HQ", "B:EL"});
        MainWindow& main = app.mainWindow;
        MainWindowPage page(main);
        main.showAndActivate();
        ModalAnswer answer;
        answer.expect<TroopSelectionDialog>([](TroopSelectionDialog& dialog) {
            TroopSelectionDialogPage dialogPage(dialog);
            clickCell(*dialogPage.troopGrid, 1, 1);
            QTest::keyClick(dialogPage.troopGrid, Qt::Key_Return);
        });
        QTest::mouseClick(page.editTroopButton, Qt::LeftButton);
        QVERIFY2(answer.answered(), qPrintable(answer.failure()));
        QCOMPARE(app.wizard.slot(), 1);
        QVERIFY(app.wizard.characteristicsStep()->isVisible() && !selectionShown());
    }
};

QTEST_MAIN(TroopSelectionDialogTest)
#include "tst_TroopSelectionDialog.moc"
