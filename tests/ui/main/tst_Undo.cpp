#include "datafile/Writer.h"
#include "support/Catalogue.h"
#include "support/ScriptedUser.h"
#include "support/TestWindows.h"
#include "support/Typing.h"
#include "support/pages/FoundControl.h"
#include "support/pages/MainWindowPage.h"
#include "support/pages/TroopSelectionDialogPage.h"
#include "ui/controls/Button.h"
#include "ui/controls/Grid.h"
#include "ui/controls/LineEdit.h"
#include "ui/main/MainWindow.h"
#include "ui/main/TroopSelectionDialog.h"
#include "ui/wizard/CharacteristicsStep.h"
#include "ui/wizard/RestrictionsStep.h"

#include <QAction>
#include <QTest>
#include <functional>

namespace
{

// The datafile Save would write now, with the texts as the edits show them.
QByteArray savedBytes(TestWindows& app)
{
    const Store& army = app.army();
    QByteArray bytes;
    encodeDatafile(army, bytes, nullptr);
    return bytes;
}

// The troop selection: the user selects the row and presses Edit, or Delete then Cancel.
void selectTroop(ScriptedUser& user, int row, bool deleteIt)
{
    user.windowOf<TroopSelectionDialog>([row, deleteIt](TroopSelectionDialog& selection) {
        TroopSelectionDialogPage selectionPage(selection);
        selectionPage.troopGrid->setCurrentRow(row);
        if (!deleteIt) {
            QTest::mouseClick(selectionPage.editButton, Qt::LeftButton);
            return;
        }
        QTest::mouseClick(selectionPage.deleteButton, Qt::LeftButton);
        QTest::mouseClick(selectionPage.cancelButton, Qt::LeftButton);
    });
    if (deleteIt)
        user.answer(QMessageBox::Yes);
}

using Change = std::function<void(TestWindows&, ScriptedUser&)>;

} // namespace

Q_DECLARE_METATYPE(Change)

class UndoTest : public QObject
{
    Q_OBJECT
private slots:
    // Each kind of change is one step, named in the menu; undo gives back the army's bytes
    // before it, redo those after it, and a new change drops the step that could be redone.
    void everyChangeIsOneStep_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<QString>("name");
        QTest::newRow("new troop accepted") << Change([](TestWindows& app, ScriptedUser&) {
            QTest::mouseClick(foundControl<Button>(app.mainWindow, "newTroopButton"),
                              Qt::LeftButton);
            app.wizard.troop().name = QStringLiteral("Wardens");
            app.wizard.troop().role = QStringLiteral("TR");
            app.wizard.showStep(WizardStep::Restrictions);
            QTest::mouseClick(foundControl<Button>(*app.wizard.restrictionsStep(), "okButton"),
                              Qt::LeftButton);
        }) << "Add Troop \"Wardens\"";
        QTest::newRow("troop reopened and changed")
            << Change([](TestWindows& app, ScriptedUser& user) {
                   selectTroop(user, 1, false);
                   QTest::mouseClick(foundControl<Button>(app.mainWindow, "editTroopButton"),
                                     Qt::LeftButton);
                   app.wizard.troop().points = QStringLiteral("999");
                   app.wizard.characteristicsStep()->close();
               })
            << "Change Troop \"Läufer\"";
        QTest::newRow("catalogue only") << Change([](TestWindows& app, ScriptedUser&) {
            QTest::mouseClick(foundControl<Button>(app.mainWindow, "newTroopButton"),
                              Qt::LeftButton);
            app.setUp(
                [](Store& army) { army.abilityCatalogue->add(QStringLiteral("Stealth,hides")); });
            foundControl<Button>(*app.wizard.characteristicsStep(), "previousButton")->click();
        }) << "Change Catalogues";
        QTest::newRow("troop deleted") << Change([](TestWindows& app, ScriptedUser& user) {
            selectTroop(user, 2, true);
            QTest::mouseClick(foundControl<Button>(app.mainWindow, "editTroopButton"),
                              Qt::LeftButton);
        }) << "Delete Troop \"Scouts\"";
        QTest::newRow("load") << Change([](TestWindows& app, ScriptedUser&) {
            QVERIFY(app.mainWindow.loadFile(testData("golden-wizard.ini")));
        }) << "Load \"golden-wizard.ini\"";
        QTest::newRow("army name") << Change([](TestWindows& app, ScriptedUser&) {
            MainWindowPage page(app.mainWindow);
            page.armyNameEdit->setFocus();
            typeText(page.armyNameEdit, "x");
            page.unitWordEdit->setFocus();
        }) << "Army Name";
    }
    void everyChangeIsOneStep()
    {
        QFETCH(Change, change);
        QFETCH(QString, name);
        TestWindows app;
        MainWindow& main = app.mainWindow;
        MainWindowPage page(main);
        main.showAndActivate();
        QVERIFY(makeActive(main));
        QVERIFY(main.loadFile(testData("golden-full-army.ini")));
        const QByteArray before = savedBytes(app);
        QVERIFY(!main.isWindowModified());
        ScriptedUser user;
        change(app, user);
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join('\n')));
        QVERIFY(main.isVisible());
        const QByteArray after = savedBytes(app);
        QVERIFY(after != before);
        QCOMPARE(page.undoAction->text(), "&Undo " + name);
        QVERIFY(page.undoAction->isEnabled() && !page.redoAction->isEnabled());

        page.undoAction->trigger();
        QCOMPARE(savedBytes(app), before);
        QVERIFY(!main.isWindowModified());
        QCOMPARE(page.redoAction->text(), "&Redo " + name);
        page.redoAction->trigger();
        QCOMPARE(savedBytes(app), after);
        QCOMPARE(main.isWindowModified(), !name.startsWith("Load"));

        page.undoAction->trigger();
        QVERIFY(makeActive(main));
        page.squadWordEdit->setFocus();
        typeText(page.squadWordEdit, "s");
        page.armyNameEdit->setFocus();
        QCOMPARE(page.undoAction->text(), QStringLiteral("&Undo Squad Word"));
        QVERIFY(!page.redoAction->isEnabled());
        QCOMPARE(page.redoAction->text(), QStringLiteral("&Redo"));
    }

    // Undone back to what was saved, the army has nothing to save and Close asks nothing;
    // inside an edit Ctrl+Z takes back its own typing first.
    void undoneToTheSavedArmy()
    {
        TestWindows app;
        MainWindow& main = app.mainWindow;
        MainWindowPage page(main);
        main.showAndActivate();
        QVERIFY(makeActive(main));
        QVERIFY(main.loadFile(testData("golden-full-army.ini")));
        page.unitWordEdit->setFocus();
        typeText(page.unitWordEdit, "ab");
        QTest::keyClick(page.unitWordEdit, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(page.unitWordEdit->text(), QStringLiteral("Brood"));
        typeText(page.unitWordEdit, "c");
        QVERIFY(main.isWindowModified());
        QTest::keyClick(page.unitWordEdit, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(page.unitWordEdit->text(), QStringLiteral("Brood"));
        typeText(page.unitWordEdit, "d");
        page.squadWordEdit->setFocus();
        QCOMPARE(page.undoAction->text(), QStringLiteral("&Undo Unit Word"));
        QTest::keyClick(page.squadWordEdit, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(page.unitWordEdit->text(), QStringLiteral("Brood"));
        QVERIFY(!main.isWindowModified());
        ScriptedUser user;
        QVERIFY(main.close());
        QVERIFY(user.shown().isEmpty());
    }

    // A Load into the untouched new army, as from the command line, is where the work begins:
    // there is nothing to undo. A Load over an army is a step, and undone to an army without
    // troops the buttons stand as for that army loaded fresh: Edit closed, Save open.
    void loadAtStartIsNoStep()
    {
        TestWindows app;
        MainWindowPage page(app.mainWindow);
        app.mainWindow.showAndActivate();
        QVERIFY(app.mainWindow.loadFile(testData("golden-full-army.ini")));
        QVERIFY(!page.undoAction->isEnabled());
        QCOMPARE(app.army().troopCount, 3);

        TestWindows typed;
        MainWindowPage typedPage(typed.mainWindow);
        typed.mainWindow.showAndActivate();
        QVERIFY(makeActive(typed.mainWindow));
        typedPage.armyNameEdit->setFocus();
        typeText(typedPage.armyNameEdit, "x");
        QVERIFY(typed.mainWindow.loadFile(testData("golden-full-army.ini")));
        QCOMPARE(typedPage.undoAction->text(),
                 QStringLiteral("&Undo Load \"golden-full-army.ini\""));
        typedPage.undoAction->trigger();
        QCOMPARE(typed.army().troopCount, 0);
        QVERIFY(!typedPage.editTroopButton->isEnabled());
        QVERIFY(!foundControl<QAction>(typed.mainWindow, "Edit Troop")->isEnabled());
        QVERIFY(typedPage.saveButton->isEnabled() && typedPage.newTroopButton->isEnabled());
        ScriptedUser user;
        typed.mainWindow.editTroop();
        QVERIFY(user.shown().isEmpty());
    }
};

QTEST_MAIN(UndoTest)
#include "tst_Undo.moc"
