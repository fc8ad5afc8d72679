#include "datafile/Writer.h"
#include "support/ScriptedUser.h"
#include "support/TestWindows.h"
#include "support/Typing.h"
#include "support/pages/CharacteristicsStepPage.h"
#include "support/pages/FoundControl.h"
#include "ui/controls/Button.h"
#include "ui/controls/Grid.h"
#include "ui/controls/LineEdit.h"
#include "ui/controls/Slider.h"
#include "ui/controls/StatusBar.h"
#include "ui/main/MainWindow.h"
#include "ui/wizard/CharacteristicsStep.h"
#include "ui/wizard/ItemListStep.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace
{

const QString clashMessage =
    QStringLiteral("*** UNITNAME ALREADY EXISTS ***|Unitname already "
                   "exists in this trooptype! Please choose another name.");

void accept(Store& store, int slot, const QString& name, const QString& type)
{
    store.troops[slot].name = name;
    store.troops[slot].role = type;
    store.troopCount = qMax(store.troopCount, slot + 1);
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

// New on the main window, as the user presses it.
void pressNew(TestWindows& app)
{
    MainWindow& main = app.mainWindow;
    main.showAndActivate();
    QTest::mouseClick(foundControl<Button>(main, "newTroopButton"), Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(app.wizard.characteristicsStep()));
}

// Step 2 on an accepted troop, as the troop selection dialog's Edit opens it.
void openAccepted(TestWindows& app, int slot)
{
    app.start(slot);
    QVERIFY(QTest::qWaitForWindowActive(app.wizard.characteristicsStep()));
}

// Clicks a cell, selects its text and types over it.
void typeCell(CharacteristicsStepPage& page, int col, const QString& text)
{
    Grid* grid = page.troopGrid;
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(0, col)).center());
    QCOMPARE(grid->currentColumn(), col);
    QTest::keyClick(grid->cellEditor(), Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(grid->cellEditor(), Qt::Key_Delete);
    else
        typeText(grid->cellEditor(), text);
}

// The user moves the focus on from the grid.
void leaveGrid(CharacteristicsStepPage& page)
{
    page.roleComboBox->setFocus(Qt::TabFocusReason);
}

void chooseRole(CharacteristicsStepPage& page, const QString& role)
{
    QTest::keyClick(page.roleComboBox, Qt::Key_Home);
    for (int i = 0; i < 5 && page.roleComboBox->currentText() != role; ++i)
        QTest::keyClick(page.roleComboBox, Qt::Key_Down);
    QCOMPARE(page.roleComboBox->currentText(), role);
}

void moveBar(Slider* bar, int position)
{
    QTest::keyClick(bar, Qt::Key_Home);
    for (int i = 1; i < position; ++i)
        QTest::keyClick(bar, Qt::Key_Right);
    QCOMPARE(bar->value(), position);
}

} // namespace

class CharacteristicsStepTest : public QObject
{
    Q_OBJECT

private slots:
    void newOpensStepTwoOnTheNextSlot()
    {
        TestWindows app;
        app.setUp([](Store& army) {
            accept(army, 0, "Kai", "TR");
            accept(army, 1, "Rook", "EL");
        });
        MainWindow& main = app.mainWindow;
        main.showAndActivate();
        typeText(foundControl<LineEdit>(main, "armyNameEdit"), QStringLiteral("red orchard"));
        foundControl<LineEdit>(main, "squadWordEdit")->selectAll();
        typeText(foundControl<LineEdit>(main, "squadWordEdit"), QStringLiteral("Swarm"));
        pressNew(app);
        CharacteristicsStep& step = *app.wizard.characteristicsStep();
        CharacteristicsStepPage page(step);
        QCOMPARE(app.wizard.slot(), 2);
        QCOMPARE(app.army().troopCount, 2);
        QCOMPARE(app.army().army.name, QStringLiteral("RED ORCHARD"));
        QCOMPARE(app.army().army.unitWord, QStringLiteral("Unit"));
        QCOMPARE(app.army().army.squadWord, QStringLiteral("Swarm"));
        QVERIFY(main.isHidden());
        QCOMPARE(step.windowTitle(), QStringLiteral("Swarm Types"));
        QCOMPARE(page.statusBar->panelText(0), QStringLiteral("Army: RED ORCHARD"));
        QCOMPARE(page.statusBar->panelText(1), QStringLiteral("Swarm Name: "));
        QCOMPARE(page.statusBar->panelText(2), QStringLiteral("Total Swarms: 2"));
        QCOMPARE(page.roleComboBox->currentIndex(), -1);
        QCOMPARE(page.minModelsLabel->text(), QStringLiteral("1"));
        QCOMPARE(page.maxModelsLabel->text(), QStringLiteral("1"));
        QVERIFY(!page.nextButton->isEnabled());
        QVERIFY(page.previousButton->isEnabled());
        QCOMPARE(QApplication::focusWidget(), page.troopGrid->cellEditor());
        QCOMPARE(page.troopGrid->currentColumn(), 0);

        // Typing straight away names the troop; Previous leaves it unfinished and uncounted,
        // and the next New shows it again.
        typeText(QApplication::focusWidget(), QStringLiteral("Kai"));
        QCOMPARE(page.statusBar->panelText(1), QStringLiteral("Swarm Name: Kai"));
        QTest::mouseClick(page.previousButton, Qt::LeftButton);
        QVERIFY(step.isHidden());
        QVERIFY(main.isVisible());
        QCOMPARE(app.army().troopCount, 2);
        QCOMPARE(troopNow(app, 2).name, QStringLiteral("Kai"));
        QTest::mouseClick(foundControl<Button>(main, "newTroopButton"), Qt::LeftButton);
        QVERIFY(step.isVisible());
        QCOMPARE(page.troopGrid->cell(0, 0), QStringLiteral("Kai"));
    }

    void nextAndPreviousFollowTheData_data()
    {
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("heldType");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("role");
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<bool>("next");
        QTest::addColumn<bool>("previous");
        // The control that takes the focus after the close box was refused.
        QTest::addColumn<QString>("atFault");
        QTest::newRow("new, complete") << false << ""
                                       << "Kai"
                                       << "Troops" << 2 << 4 << true << true << "";
        QTest::newRow("new, empty name") << false << ""
                                         << ""
                                         << "Troops" << 1 << 1 << false << true << "troopGrid";
        QTest::newRow("new, no role") << false << ""
                                      << "Kai"
                                      << "" << 1 << 1 << false << true << "roleComboBox";
        QTest::newRow("new, minimum above maximum")
            << false << ""
            << "Kai"
            << "Troops" << 5 << 3 << false << true << "minModelsSlider";
        QTest::newRow("accepted, complete") << true << "TR"
                                            << "Kai"
                                            << "" << 5 << 5 << true << true << "";
        QTest::newRow("accepted, empty name") << true << "TR"
                                              << ""
                                              << "" << 1 << 1 << false << false << "troopGrid";
        QTest::newRow("accepted, minimum above maximum")
            << true << "TR"
            << "Kai"
            << "" << 5 << 3 << false << false << "minModelsSlider";
        QTest::newRow("accepted, unknown role") << true << "XX"
                                                << "Kai"
                                                << "" << 1 << 1 << false << false << "roleComboBox";
    }
    void nextAndPreviousFollowTheData()
    {
        QFETCH(bool, accepted);
        QFETCH(QString, heldType);
        QFETCH(QString, name);
        QFETCH(QString, role);
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(bool, next);
        QFETCH(bool, previous);
        QFETCH(QString, atFault);
        TestWindows app;
        ScriptedUser user;
        app.setUp([&](Store& army) { accept(army, 0, "Old", heldType); });
        if (accepted)
            openAccepted(app, 0);
        else
            pressNew(app);
        CharacteristicsStep& step = *app.wizard.characteristicsStep();
        CharacteristicsStepPage page(step);
        QCOMPARE(page.roleComboBox->currentIndex(), heldType == "TR" ? 2 : -1);
        typeCell(page, 0, name);
        if (!role.isEmpty())
            chooseRole(page, role);
        moveBar(page.maxModelsSlider, max);
        moveBar(page.minModelsSlider, min);
        QCOMPARE(page.nextButton->isEnabled(), next);
        QCOMPARE(page.previousButton->isEnabled(), previous);
        // The close box follows Next; refused, it says why.
        if (!next)
            user.answer(QMessageBox::Ok);
        step.close();
        QCOMPARE(step.isVisible(), !next);
        QCOMPARE(app.mainWindow.isVisible(), next);
        QCOMPARE(user.messages().size(), next ? 0 : 1);
        if (!next) {
            QVERIFY(
                user.messages()[0].startsWith("*** TROOP INCOMPLETE ***|The troop needs a name"));
            auto* field = foundControl<QWidget>(step, qPrintable(atFault));
            QWidget* focus = step.focusWidget();
            QVERIFY2(focus == field || field->isAncestorOf(focus),
                     qPrintable(focus ? focus->objectName() : QStringLiteral("no focus")));
        }
        QVERIFY(user.problems().isEmpty());
    }

    void modelCountsFollowTheBars()
    {
        TestWindows app;
        pressNew(app);
        CharacteristicsStep& step = *app.wizard.characteristicsStep();
        CharacteristicsStepPage page(step);
        typeCell(page, 0, QStringLiteral("Kai"));
        chooseRole(page, QStringLiteral("Elites"));
        moveBar(page.maxModelsSlider, 3);
        moveBar(page.minModelsSlider, 5);
        QCOMPARE(page.minModelsLabel->text(), QStringLiteral("5"));
        QCOMPARE(app.wizard.troop().minModels, QStringLiteral("5"));
        QVERIFY(!page.nextButton->isEnabled());
        QTest::keyClick(page.maxModelsSlider, Qt::Key_Right);
        QTest::keyClick(page.maxModelsSlider, Qt::Key_Right);
        QCOMPARE(page.maxModelsLabel->text(), QStringLiteral("5"));
        QCOMPARE(app.wizard.troop().maxModels, QStringLiteral("5"));
        QVERIFY(page.nextButton->isEnabled());
        QCOMPARE(app.wizard.troop().role, QStringLiteral("EL"));
    }

    void sameNameInOneRoleIsRefused_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("role");
        QTest::addColumn<bool>("previous");
        QTest::addColumn<bool>("refused");
        QTest::newRow("same role, Next") << 2 << "Kai"
                                         << "Troops" << false << true;
        QTest::newRow("same role, Previous") << 2 << "Kai"
                                             << "Troops" << true << true;
        QTest::newRow("other role") << 2 << "Kai"
                                    << "Elites" << true << false;
        QTest::newRow("differs in case") << 2 << "kai"
                                         << "Troops" << true << false;
        QTest::newRow("trailing blank") << 2 << "Kai "
                                        << "Troops" << false << false;
        QTest::newRow("its own name") << 0 << "Kai"
                                      << "Troops" << true << false;
        QTest::newRow("accepted troop renamed") << 1 << "Kai"
                                                << "Troops" << true << true;
    }
    void sameNameInOneRoleIsRefused()
    {
        QFETCH(int, slot);
        QFETCH(QString, name);
        QFETCH(QString, role);
        QFETCH(bool, previous);
        QFETCH(bool, refused);
        TestWindows app;
        ScriptedUser user;
        app.setUp([](Store& army) {
            accept(army, 0, "Kai", "TR");
            accept(army, 1, "Rook", "TR");
        });
        if (slot < app.army().troopCount)
            openAccepted(app, slot);
        else
            pressNew(app);
        CharacteristicsStep& step = *app.wizard.characteristicsStep();
        CharacteristicsStepPage page(step);
        typeCell(page, 0, name);
        chooseRole(page, role);
        if (refused)
            user.answer(QMessageBox::Ok);
        QTest::mouseClick(previous ? page.previousButton : page.nextButton, Qt::LeftButton);
        QCOMPARE(user.messages(), refused ? QStringList{clashMessage} : QStringList());
        QVERIFY(user.problems().isEmpty());
        // Leaving the grid for the button stored the name, refused or not.
        QCOMPARE(troopNow(app, slot).name, name);
        QCOMPARE(step.isVisible(), refused);
        QCOMPARE(app.mainWindow.isVisible(), !refused && previous);
        // Next goes on to the standard weapons.
        QCOMPARE(app.wizard.itemListStep()->isVisible(), !refused && !previous);
    }

    // The message box as users get it. The close box refuses a clash as Previous does, so an
    // accepted troop cannot take another's name and role on the way out.
    void clashShownInARealMessageBox()
    {
        TestWindows app;
        app.setUp([](Store& army) {
            accept(army, 0, "Kai", "HQ");
            accept(army, 1, "Rook", "HQ");
        });
        openAccepted(app, 1);
        CharacteristicsStep& step = *app.wizard.characteristicsStep();
        CharacteristicsStepPage page(step);
        typeCell(page, 0, QStringLiteral("Kai"));
        leaveGrid(page);
        QCOMPARE(app.army().troops[1].name, QStringLiteral("Kai"));
        // The box is answered as soon as it is up; the test gives up after five seconds.
        QString seen;
        QTimer poll;
        int tries = 0;
        connect(&poll, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box) {
                seen = box->windowTitle() + u'|' + box->text();
                QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
            }
            if (box || ++tries > 500)
                poll.stop();
        });
        poll.start(10);
        step.close();
        QCOMPARE(seen, clashMessage);
        QVERIFY(step.isVisible());
        QVERIFY(app.mainWindow.isHidden());
    }

    void profileAndCommasAsStored_data()
    {
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QString>("chars");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty profile")
            << QStringList{"Kai", "", "", "", "", "", "", "", "", "", ""} << ",,,,,,,,"
            << "Kai||||||||||";
        QTest::newRow("full profile")
            << QStringList{"Kai", "60", "4", "4", "3", "3", "1", "3", "1", "7", "5+"}
            << "4,4,3,3,1,3,1,7,5+"
            << "Kai|60|4|4|3|3|1|3|1|7|5+";
        QTest::newRow("commas in every cell")
            << QStringList{"Kai, the Old", "5,5", "1,", ",2", "", "", "", "", "", "", ",,"}
            << "1;,;2,,,,,,,;;"
            << "Kai; the Old|5;5|1;|;2|||||||;;";
    }
    void profileAndCommasAsStored()
    {
        QFETCH(QStringList, cells);
        QFETCH(QString, chars);
        QFETCH(QString, shown);
        TestWindows app;
        pressNew(app);
        CharacteristicsStep& step = *app.wizard.characteristicsStep();
        CharacteristicsStepPage page(step);
        // Cell after cell with Tab, as a user fills the row.
        QWidget* editor = page.troopGrid->cellEditor();
        for (const QString& cell : cells) {
            typeText(editor, cell);
            QTest::keyClick(editor, Qt::Key_Tab);
        }
        leaveGrid(page);
        QStringList row;
        for (int col = 0; col < cells.size(); ++col)
            row << page.troopGrid->cell(col, 0);
        QCOMPARE(row.join(u'|'), shown);
        const Troop& troop = app.wizard.troop();
        QCOMPARE(troop.name, row[0]);
        QCOMPARE(troop.points, row[1]);
        QCOMPARE(troop.characteristics, chars);
        QCOMPARE(page.statusBar->panelText(1), QStringLiteral("Squad Name: ") + row[0]);
    }

    // What the armour cells show once left is what the store holds and the datafile gets.
    void armourShownAsStored_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("held");
        QTest::newRow("zero removes") << "0"
                                      << "";
        QTest::newRow("empty removes") << ""
                                       << "";
        QTest::newRow("negative refused") << "-3"
                                          << "12";
        QTest::newRow("text refused") << "heavy"
                                      << "12";
        QTest::newRow("digits before text refused") << "14mm"
                                                    << "12";
        QTest::newRow("digits before a comma refused") << "1,5"
                                                       << "12";
        QTest::newRow("number") << "14"
                                << "14";
        QTest::newRow("leading zero and blanks") << " 014 "
                                                 << "14";
    }
    void armourShownAsStored()
    {
        QFETCH(QString, typed);
        QFETCH(QString, held);
        TestWindows app;
        app.setUp([](Store& army) {
            accept(army, 0, "Kai", "HS");
            Troop& troop = army.troops[0];
            for (QString* armour : {&troop.frontArmour, &troop.sideArmour, &troop.rearArmour})
                *armour = QStringLiteral("12");
        });
        openAccepted(app, 0);
        CharacteristicsStep& step = *app.wizard.characteristicsStep();
        CharacteristicsStepPage page(step);
        for (int col = 11; col <= 13; ++col)
            typeCell(page, col, typed);
        leaveGrid(page);
        const Troop& troop = app.army().troops[0];
        QCOMPARE(QStringList({troop.frontArmour, troop.sideArmour, troop.rearArmour}),
                 QStringList({held, held, held}));
        for (int col = 11; col <= 13; ++col)
            QCOMPARE(page.troopGrid->cell(col, 0), held);
        QCOMPARE(datafileLines(app.army()).filter(QStringLiteral("_arm=")).size(),
                 held.isEmpty() ? 0 : 3);
    }

    // A renamed troop keeps the new name however the window is left while the name cell still
    // has the focus: Next or Previous pressed through the accessibility interface, as screen
    // readers and switch access press them, or the close box.
    void typedNameStoredWhateverLeaves_data()
    {
        QTest::addColumn<QString>("leaveBy");
        QTest::newRow("next pressed by a screen reader") << "next";
        QTest::newRow("previous pressed by a screen reader") << "previous";
        QTest::newRow("close box") << "close";
    }
    void typedNameStoredWhateverLeaves()
    {
        QFETCH(QString, leaveBy);
        TestWindows app;
        app.setUp([](Store& army) {
            accept(army, 0, "Kai", "HS");
            accept(army, 1, "Orm", "HS");
        });
        openAccepted(app, 1);
        CharacteristicsStep& step = *app.wizard.characteristicsStep();
        CharacteristicsStepPage page(step);
        typeCell(page, 0, QStringLiteral("Brand"));
        QVERIFY(page.troopGrid->cellEditor()->hasFocus());
        if (leaveBy == QLatin1String("close")) {
            step.close();
        } else {
            QPushButton* button = leaveBy == QLatin1String("next")
                                      ? static_cast<QPushButton*>(page.nextButton)
                                      : page.previousButton;
            QAccessibleInterface* access = QAccessible::queryAccessibleInterface(button);
            QVERIFY(access && access->actionInterface());
            access->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        }
        QTRY_VERIFY_WITH_TIMEOUT(step.isHidden(), 5000);
        QCOMPARE(app.army().troops[1].name, QStringLiteral("Brand"));
        QCOMPARE(app.army().troops[0].name, QStringLiteral("Kai"));
    }

    void loadedTroopShownSafely_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("min");
        QTest::addColumn<QString>("max");
        QTest::addColumn<int>("role");
        QTest::addColumn<int>("minBar");
        QTest::addColumn<int>("maxBar");
        QTest::addColumn<bool>("next");
        QTest::newRow("min 40, max 40") << "FA"
                                        << "40"
                                        << "40" << 3 << 32 << 32 << true;
        QTest::newRow("min 40, max 32") << "FA"
                                        << "40"
                                        << "32" << 3 << 32 << 32 << false;
        QTest::newRow("unknown role") << "fa"
                                      << "1"
                                      << "2" << -1 << 1 << 2 << false;
        QTest::newRow("counts not numbers") << "HS"
                                            << "many"
                                            << " 3x" << 4 << 1 << 3 << true;
        QTest::newRow("counts below the range") << "HQ"
                                                << "-4"
                                                << "0" << 0 << 1 << 1 << true;
    }
    void loadedTroopShownSafely()
    {
        QFETCH(QString, type);
        QFETCH(QString, min);
        QFETCH(QString, max);
        QFETCH(int, role);
        QFETCH(int, minBar);
        QFETCH(int, maxBar);
        QFETCH(bool, next);
        TestWindows app;
        app.setUp([&](Store& army) {
            accept(army, 0, "Kai", type);
            army.troops[0].minModels = min;
            army.troops[0].maxModels = max;
            army.troops[0].characteristics = QStringLiteral("4,4");
        });
        openAccepted(app, 0);
        CharacteristicsStep& step = *app.wizard.characteristicsStep();
        CharacteristicsStepPage page(step);
        QCOMPARE(page.minModelsLabel->text(), min);
        QCOMPARE(page.maxModelsLabel->text(), max);
        QCOMPARE(page.minModelsSlider->value(), minBar);
        QCOMPARE(page.maxModelsSlider->value(), maxBar);
        QCOMPARE(page.roleComboBox->currentIndex(), role);
        QCOMPARE(page.nextButton->isEnabled(), next);
        QCOMPARE(page.troopGrid->cell(4, 0), QString());
        // Showing and leaving the grid change nothing held.
        leaveGrid(page);
        const Troop& troop = app.army().troops[0];
        QCOMPARE(troop.minModels, min);
        QCOMPARE(troop.maxModels, max);
        QCOMPARE(troop.role, type);
        QCOMPARE(troop.characteristics, QStringLiteral("4,4,,,,,,,"));
    }
};

QTEST_MAIN(CharacteristicsStepTest)
#include "tst_CharacteristicsStep.moc"
