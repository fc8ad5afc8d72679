#include "datafile/ArmyCheck.h"
#include "datafile/Loader.h"
#include "platform/IniFile.h"
#include "store/Store.h"
#include "support/Armies.h"
#include "support/Catalogue.h"
#include "support/ScriptedUser.h"
#include "support/TestData.h"
#include "support/TestWindows.h"
#include "support/pages/CatalogueDialogPage.h"
#include "support/pages/CheckReportDialogPage.h"
#include "support/pages/MainWindowPage.h"
#include "support/pages/RenameDialogPage.h"
#include "support/pages/TroopSelectionDialogPage.h"
#include "support/pages/WeaponEditorPage.h"
#include "ui/catalogue/CatalogueDialog.h"
#include "ui/catalogue/RenameDialog.h"
#include "ui/catalogue/WeaponEditor.h"
#include "ui/controls/Button.h"
#include "ui/controls/Grid.h"
#include "ui/controls/LineEdit.h"
#include "ui/main/CheckReportDialog.h"
#include "ui/main/MainMenus.h"
#include "ui/main/MainWindow.h"
#include "ui/main/TroopSelectionDialog.h"
#include "ui/wizard/CharacteristicsStep.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>

namespace
{

class SilentLoad : public LoadProgress
{
public:
    void armyRead() override {}
    void troopRead(int) override {}
    void raceMissing() override {}
};

QAction* action(MainWindow& main, const QString& name)
{
    return main.findChild<QAction*>(name);
}

// Types into the catalogue window's filter and clicks the first entry it leaves.
void pickEntry(CatalogueDialog& dialog, const QString& filter)
{
    CatalogueDialogPage page(dialog);
    page.filterEdit->clear();
    QTest::keyClicks(page.filterEdit, filter);
    const QModelIndex first = page.entries->index(0, 0);
    QTest::mouseClick(page.entryView->viewport(), Qt::LeftButton, {},
                      page.entryView->visualRect(first).center());
}

QStringList rowTexts(const QListWidget& list)
{
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts << list.item(i)->text();
    return texts;
}

} // namespace

class ArmyMenuTest : public QObject
{
    Q_OBJECT

    QTemporaryDir folder;

    // The full army loaded as Load does, in a shown main window.
    void loadFullArmy(TestWindows& app)
    {
        app.mainWindow.showAndActivate();
        QVERIFY(app.mainWindow.loadFile(testData(QStringLiteral("golden-full-army.ini"))));
    }

    QByteArray saved(TestWindows& app, ScriptedUser& user, const QString& name)
    {
        const QString path = folder.filePath(name);
        user.chooseFile(path);
        app.mainWindow.saveArmy();
        return readBytes(path);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(folder.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.filePath("conf"));
    }

    // Rename through the windows: the entry and every troop line naming it change, and it stays
    // in view under a filter it no longer matches; a name another entry has is refused with the
    // editor's message and the dialog stays, the name selected. Down in the filter moves into
    // the list.
    void renameChangesEveryLine()
    {
        TestWindows app;
        MainWindowPage page(app.mainWindow);
        loadFullArmy(app);
        ScriptedUser user;
        QByteArray expected = saved(app, user, QStringLiteral("before-rename.ini"));
        const QByteArray beforeRename = expected;
        user.windowOf<CatalogueDialog>([&](CatalogueDialog& dialog) {
            CatalogueDialogPage dialogPage(dialog);
            pickEntry(dialog, QStringLiteral("BOLT"));
            QCOMPARE(dialog.selectedName(), QStringLiteral("Bolt pistol"));
            QCOMPARE(
                dialogPage.entries->data(dialogPage.entries->index(0, 1), Qt::DisplayRole).toInt(),
                1);
            QCOMPARE(rowTexts(*dialogPage.userList), QStringList{"HQ Command Swarm"});
            QTest::mouseClick(dialogPage.renameButton, Qt::LeftButton);
            QCOMPARE(dialogPage.filterEdit->text(), QStringLiteral("BOLT"));
            QCOMPARE(dialog.selectedName(), QStringLiteral("Heavy pistol"));
            QVERIFY(makeActive(dialog));
            QTest::keyClicks(dialogPage.filterEdit, QStringLiteral("x"));
            QCOMPARE(dialogPage.entries->rowCount(), 0);
            dialogPage.filterEdit->setText(QStringLiteral("e"));
            QTest::keyClick(dialogPage.filterEdit, Qt::Key_Down);
            QCOMPARE(QApplication::focusWidget(), dialogPage.entryView);
            QCOMPARE(dialog.selectedName(), QStringLiteral("Flame thrower"));
            pickEntry(dialog, QStringLiteral("heavy"));
            QCOMPARE(rowTexts(*dialogPage.userList), QStringList{"HQ Command Swarm"});
            QTest::mouseClick(dialogPage.closeButton, Qt::LeftButton);
        });
        user.windowOf<RenameDialog>([&](RenameDialog& rename) {
            RenameDialogPage renamePage(rename);
            QCOMPARE(rename.windowTitle(), QStringLiteral("Rename Weapon"));
            renamePage.nameEdit->selectAll();
            QTest::keyClicks(renamePage.nameEdit, QStringLiteral("Lance"));
            QVERIFY(makeActive(rename));
            QTest::mouseClick(renamePage.okButton, Qt::LeftButton);
            QVERIFY(rename.isVisible());
            QCOMPARE(QApplication::focusWidget(), renamePage.nameEdit);
            QCOMPARE(renamePage.nameEdit->selectedText(), QStringLiteral("Lance"));
            QTest::keyClicks(renamePage.nameEdit, QStringLiteral("Heavy pistol"));
            QTest::mouseClick(renamePage.okButton, Qt::LeftButton);
        });
        user.answer(QMessageBox::Ok);
        action(app.mainWindow, "Weapons")->trigger();
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QCOMPARE(user.messages(),
                 QStringList{"*** DUPLICATE NAME ***|Duplicate weapon/special name! Please "
                             "choose another name"});
        QVERIFY(app.mainWindow.isWindowModified());

        expected.replace("Bolt pistol", "Heavy pistol");
        expected.replace("1=Heavy pistol,12,4,5,Pistol,\r\n2=Chainsword,,,,,\r\n"
                         "3=Flame thrower,Template,4,5,Assault 1,Ignores cover\r\n",
                         "1=Chainsword,,,,,\r\n2=Flame thrower,Template,4,5,Assault 1,Ignores "
                         "cover\r\n3=Heavy pistol,12,4,5,Pistol,\r\n");
        QCOMPARE(saved(app, user, QStringLiteral("renamed.ini")), expected);

        // The rename was one step: undone, every line is as it was before it.
        QCOMPARE(page.undoAction->text(), QStringLiteral("&Undo Rename Weapon \"Bolt pistol\""));
        page.undoAction->trigger();
        QCOMPARE(saved(app, user, QStringLiteral("undone.ini")), beforeRename);
    }

    // What changes nothing is no step: New cancelled, Edit closed with OK on the same cells, and
    // a rename that the catalogue refuses (the line would equal another's but for case).
    void nothingChangedIsNoStep()
    {
        TestWindows app;
        MainWindowPage page(app.mainWindow);
        loadFullArmy(app);
        app.setUp([](Store& army) { army.weaponCatalogue->add(QStringLiteral("Axe,,,,,")); });
        const QString undoText = page.undoAction->text();
        ScriptedUser user;
        user.windowOf<CatalogueDialog>([&](CatalogueDialog& dialog) {
            CatalogueDialogPage dialogPage(dialog);
            QTest::mouseClick(dialogPage.newButton, Qt::LeftButton);
            pickEntry(dialog, QStringLiteral("chain"));
            QTest::mouseClick(dialogPage.editButton, Qt::LeftButton);
            QTest::mouseClick(dialogPage.renameButton, Qt::LeftButton);
            QCOMPARE(dialog.selectedName(), QStringLiteral("Chainsword"));
            QTest::mouseClick(dialogPage.closeButton, Qt::LeftButton);
        });
        user.windowOf<WeaponEditor>(
            [](WeaponEditor& editor) { QTest::keyClick(&editor, Qt::Key_Escape); });
        user.windowOf<WeaponEditor>([](WeaponEditor& editor) {
            QTest::mouseClick(WeaponEditorPage(editor).okButton, Qt::LeftButton);
        });
        user.windowOf<RenameDialog>([](RenameDialog& rename) {
            RenameDialogPage renamePage(rename);
            renamePage.nameEdit->selectAll();
            QTest::keyClicks(renamePage.nameEdit, QStringLiteral("AXE"));
            QTest::mouseClick(renamePage.okButton, Qt::LeftButton);
        });
        user.answer(QMessageBox::Ok);
        action(app.mainWindow, "Weapons")->trigger();
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QCOMPARE(user.messages(),
                 QStringList{"*** DUPLICATE NAME ***|Duplicate weapon/special name! Please "
                             "choose another name"});
        QCOMPARE(page.undoAction->text(), undoText);
        QCOMPARE(linesOf(app.army().weaponCatalogue.get()).mid(1, 2),
                 (QStringList{"Bolt pistol,12,4,5,Pistol,", "Chainsword,,,,,"}));
    }

    // An entry in use is kept, with the troops that use it; an unused one goes after Yes.
    void deleteOnlyWhatNoTroopUses()
    {
        TestWindows app;
        loadFullArmy(app);
        ScriptedUser user;
        user.windowOf<CatalogueDialog>([&](CatalogueDialog& dialog) {
            CatalogueDialogPage dialogPage(dialog);
            pickEntry(dialog, QStringLiteral("chain"));
            QTest::mouseClick(dialogPage.deleteButton, Qt::LeftButton);
            pickEntry(dialog, QStringLiteral("lance"));
            QTest::mouseClick(dialogPage.deleteButton, Qt::LeftButton);
            dialogPage.filterEdit->clear();
            QCOMPARE(dialogPage.entries->rowCount(), 3);
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        user.answer(QMessageBox::Ok);
        user.answer(QMessageBox::Yes);
        action(app.mainWindow, "Weapons")->trigger();
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QCOMPARE(user.messages(),
                 (QStringList{"*** ENTRY IN USE ***|\"Chainsword\" is used by 1 troops: HQ "
                              "Command Swarm Remove it from those troops first.",
                              "*** DELETE WEAPON ***|Are you sure you want to delete \"Lance\" "
                              "from the catalogue?"}));
        QCOMPARE(linesOf(app.army().weaponCatalogue.get()),
                 (QStringList{"Bolt pistol,12,4,5,Pistol,", "Chainsword,,,,,",
                              "Flame thrower,Template,4,5,Assault 1,Ignores cover"}));
    }

    // Of two weapons named "Bolt pistol", the second alone is deleted or renamed, although a
    // troop uses the name: the troops keep their lines and use the first, and the error the
    // check placed at both entries is gone.
    void oneTwinChangesAlone_data()
    {
        QTest::addColumn<bool>("rename");
        QTest::addColumn<QStringList>("catalogue");

        const QStringList kept{"Bolt pistol,12,4,5,Pistol,", "Chainsword,,,,,",
                               "Flame thrower,Template,4,5,Assault 1,Ignores cover"};
        QTest::newRow("delete") << false << (kept + QStringList{"Lance,36,8,2,Heavy 1,"});
        QTest::newRow("rename") << true
                                << (kept + QStringList{"Heavy pistol,8,3,,Pistol,",
                                                       "Lance,36,8,2,Heavy 1,"});
    }

    void oneTwinChangesAlone()
    {
        QFETCH(bool, rename);
        QFETCH(QStringList, catalogue);
        TestWindows app;
        loadFullArmy(app);
        ScriptedUser user;
        const QByteArray before = saved(app, user, QStringLiteral("before-twin.ini"));
        app.setUp([](Store& army) {
            army.weaponCatalogue->add(QStringLiteral("Bolt pistol,8,3,,Pistol,"));
        });
        const auto twins = [&app] {
            for (const Problem& problem : checkArmy(app.army())) {
                if (problem.kind == ProblemKind::DefinedTwice)
                    return placeText(app.army(), problem);
            }
            return QString();
        };
        QCOMPARE(twins(), QStringLiteral("Weapon catalogue, entries 1 and 2"));

        user.windowOf<CatalogueDialog>([&](CatalogueDialog& dialog) {
            CatalogueDialogPage dialogPage(dialog);
            pickEntry(dialog, QStringLiteral("BOLT"));
            QCOMPARE(dialogPage.entries->rowCount(), 2);
            QTest::mouseClick(
                dialogPage.entryView->viewport(), Qt::LeftButton, {},
                dialogPage.entryView->visualRect(dialogPage.entries->index(1, 0)).center());
            QCOMPARE(dialog.selectedEntry(), 1);
            QTest::mouseClick(rename ? dialogPage.renameButton : dialogPage.deleteButton,
                              Qt::LeftButton);
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        if (rename) {
            user.windowOf<RenameDialog>([](RenameDialog& renameDialog) {
                RenameDialogPage renamePage(renameDialog);
                renamePage.nameEdit->selectAll();
                QTest::keyClicks(renamePage.nameEdit, QStringLiteral("Heavy pistol"));
                QTest::mouseClick(renamePage.okButton, Qt::LeftButton);
            });
        } else {
            user.answer(QMessageBox::Yes);
        }
        action(app.mainWindow, "Weapons")->trigger();
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QCOMPARE(user.stepsLeft(), 0);

        QCOMPARE(linesOf(app.army().weaponCatalogue.get()), catalogue);
        QCOMPARE(twins(), QString());
        const QByteArray after = saved(app, user, QStringLiteral("twin-left.ini"));
        QCOMPARE(after.left(after.indexOf("[WeaponSpecs]")),
                 before.left(before.indexOf("[WeaponSpecs]")));
    }

    // The copy has every line of the original but its name, comes last and opens at step 2;
    // saved, its section is the original's under the next number.
    void duplicateAndSave()
    {
        TestWindows app;
        loadFullArmy(app);
        ScriptedUser user;
        const QByteArray before = saved(app, user, QStringLiteral("before-copy.ini"));
        user.windowOf<TroopSelectionDialog>([](TroopSelectionDialog& selection) {
            TroopSelectionDialogPage selectionPage(selection);
            QCOMPARE(selection.windowTitle(), QStringLiteral("Select the unit to duplicate"));
            QVERIFY(!selectionPage.deleteButton->isVisible());
            selectionPage.troopGrid->setCurrentRow(0);
            QTest::mouseClick(selectionPage.editButton, Qt::LeftButton);
        });
        QVERIFY(makeActive(app.mainWindow));
        QTest::keySequence(&app.mainWindow, QKeySequence(Qt::CTRL | Qt::Key_D));
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QCOMPARE(app.army().troopCount, 4);
        QVERIFY(app.wizard.isRunning());
        QCOMPARE(app.wizard.slot(), 3);
        QCOMPARE(app.wizard.currentStep(), WizardStep::Characteristics);
        const int steps = app.document.stepCount();
        app.wizard.characteristicsStep()->close();
        // Left without a change, the copy is the one step it made.
        QCOMPARE(app.document.stepCount(), steps);
        QCOMPARE(MainWindowPage(app.mainWindow).undoAction->text(),
                 QStringLiteral("&Undo Duplicate Troop \"Command Swarm\""));

        const qsizetype start = before.indexOf("[Troop1]");
        QByteArray copy = before.mid(start, before.indexOf("[Troop2]") - start);
        copy.replace("[Troop1]", "[Troop4]")
            .replace("Name=Command Swarm", "Name=Command Swarm (2)");
        QByteArray expected = before;
        expected.insert(expected.indexOf("[WeaponSpecs]"), copy);
        QCOMPARE(saved(app, user, QStringLiteral("duplicated.ini")), expected);

        // A second copy takes the next free number; a full army offers no copy.
        user.windowOf<TroopSelectionDialog>([](TroopSelectionDialog& selection) {
            TroopSelectionDialogPage selectionPage(selection);
            selectionPage.troopGrid->setCurrentRow(0);
            QTest::mouseClick(selectionPage.editButton, Qt::LeftButton);
        });
        action(app.mainWindow, "Duplicate Troop")->trigger();
        app.wizard.leave();
        QCOMPARE(app.army().troops[4].name, QStringLiteral("Command Swarm (3)"));
        app.setUp([](Store& army) { army.troopCount = Store::slotCount; });
        app.mainWindow.activate();
        QVERIFY(!action(app.mainWindow, "Duplicate Troop")->isEnabled());
    }

    // The report lists the problems; Enter on a troop's row opens it at the problem's step, and
    // the report comes back, checked again, when the troop is left.
    void checkReportOpensTheTroop()
    {
        TestWindows empty;
        ScriptedUser user;
        user.windowOf<CheckReportDialog>([](CheckReportDialog& report) {
            CheckReportDialogPage reportPage(report);
            QCOMPARE(reportPage.summaryLabel->text(), QStringLiteral("No problems found."));
            QVERIFY(!reportPage.openButton->isEnabled());
            QTest::keyClick(&report, Qt::Key_Escape);
        });
        action(empty.mainWindow, "Check")->trigger();

        TestWindows app;
        loadFullArmy(app);
        int rifleRow = -1;
        user.windowOf<CheckReportDialog>([&](CheckReportDialog& report) {
            CheckReportDialogPage reportPage(report);
            QCOMPARE(report.windowTitle(), QStringLiteral("Check Army"));
            for (int row = 0; row < reportPage.problemList->topLevelItemCount(); ++row) {
                const QTreeWidgetItem* item = reportPage.problemList->topLevelItem(row);
                if (item->text(2).contains(QStringLiteral("\"Rifle\" is not"))) {
                    rifleRow = row;
                    QCOMPARE(item->text(0), QStringLiteral("Error"));
                    QCOMPARE(item->text(1), QStringLiteral("FA Scouts, step 3"));
                }
            }
            QVERIFY(rifleRow >= 0);
            reportPage.problemList->setCurrentItem(reportPage.problemList->topLevelItem(rifleRow));
            QTest::keyClick(reportPage.problemList, Qt::Key_Return);
        });
        QVERIFY(makeActive(app.mainWindow));
        QTest::keySequence(&app.mainWindow, QKeySequence(Qt::CTRL | Qt::Key_K));
        QVERIFY(app.wizard.isRunning());
        QCOMPARE(app.wizard.slot(), 2);
        QCOMPARE(app.wizard.currentStep(), WizardStep::StandardWeapons);
        int reopenedRow = -1;
        user.windowOf<CheckReportDialog>([&](CheckReportDialog& report) {
            reopenedRow = report.currentRow();
            report.done(QDialog::Rejected);
        });
        app.wizard.leave();
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QCOMPARE(user.stepsLeft(), 0);
        QCOMPARE(reopenedRow, rifleRow);
    }

    // The counts are worded and grouped by the locale; "Show warnings" unchecked hides the
    // warnings and keeps the counts; Enter on a row of an army text closes the report and puts
    // the focus into that text's edit, its text selected.
    void checkReportCountsWarningsAndArmyRows()
    {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        TestWindows app;
        MainWindowPage page(app.mainWindow);
        app.setUp([](Store& army) {
            army.army.unitWord = QStringLiteral("Łucznik");
            for (int slot = 0; slot < 100; ++slot) {
                Troop& troop = army.troops[size_t(slot)];
                troop.name = QStringLiteral("T%1").arg(slot);
                troop.role = QStringLiteral("TR");
                troop.standardWeapons = army.newSortedList();
                for (int weapon = 0; weapon < 10; ++weapon)
                    troop.standardWeapons->add(QStringLiteral("W%1").arg(weapon));
            }
            army.troopCount = 100;
        });
        app.mainWindow.showAndActivate();
        QVERIFY(makeActive(app.mainWindow));
        ScriptedUser user;
        user.windowOf<CheckReportDialog>([](CheckReportDialog& report) {
            CheckReportDialogPage reportPage(report);
            QCOMPARE(reportPage.summaryLabel->text(), QStringLiteral("1,001 errors, 100 warnings"));
            QCOMPARE(reportPage.showWarningsBox->text(), QStringLiteral("&Show warnings"));
            QVERIFY(reportPage.showWarningsBox->isChecked());
            QTest::mouseClick(reportPage.showWarningsBox, Qt::LeftButton);
            QTreeWidgetItem* armyRow = nullptr;
            int shown = 0;
            for (int row = 0; row < reportPage.problemList->topLevelItemCount(); ++row) {
                QTreeWidgetItem* item = reportPage.problemList->topLevelItem(row);
                shown += !item->isHidden();
                QCOMPARE(item->isHidden(), item->text(0) == QStringLiteral("Warning"));
                if (item->text(1) == QStringLiteral("Army"))
                    armyRow = item;
            }
            QCOMPARE(shown, 1001);
            QCOMPARE(reportPage.summaryLabel->text(), QStringLiteral("1,001 errors, 100 warnings"));
            QVERIFY(armyRow);
            reportPage.problemList->setCurrentItem(armyRow);
            QVERIFY(!reportPage.openButton->isEnabled());
            QTest::keyClick(reportPage.problemList, Qt::Key_Return);
        });
        action(app.mainWindow, "Check")->trigger();
        QLocale::setDefault(before);
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QVERIFY(!app.wizard.isRunning());
        QCOMPARE(QApplication::focusWidget(), page.unitWordEdit);
        QCOMPARE(page.unitWordEdit->selectedText(), QStringLiteral("Łucznik"));
    }

    // The report can be resized, and at its first size no problem of the tests' armies is cut
    // off: each wraps within its column, whose row is tall enough for it, and no column reaches
    // past the list's right edge.
    void checkReportShowsWholeProblems()
    {
        const QStringList files = QDir(testData(QString())).entryList({"*.ini"});
        QVERIFY(!files.isEmpty());
        for (const QString& name : files) {
            const IniFile file = IniFile::read(testData(name));
            if (!file.hasSection(QStringLiteral("Race")))
                continue;
            Store army;
            SilentLoad progress;
            loadDatafile(army, file, progress);
            QWidget opener;
            CheckReportDialog report(&opener, army);
            report.show();
            QVERIFY(QTest::qWaitForWindowExposed(&report));
            QVERIFY(report.minimumSize() != report.maximumSize());
            CheckReportDialogPage reportPage(report);
            QTreeWidget& list = *reportPage.problemList;
            if (list.topLevelItemCount() == 0)
                continue;
            QVERIFY2(list.header()->length() <= list.viewport()->width(), qPrintable(name));
            const int margin = list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
            const int width = list.columnWidth(2) - 2 * margin;
            for (int row = 0; row < list.topLevelItemCount(); ++row) {
                QTreeWidgetItem* item = list.topLevelItem(row);
                const QRect needed = list.fontMetrics().boundingRect(
                    QRect(0, 0, width, 100000), Qt::TextWordWrap, item->text(2));
                QVERIFY2(needed.width() <= width &&
                             needed.height() <= list.visualItemRect(item).height(),
                         qPrintable(name + u':' + item->text(2)));
            }
        }
    }
};

QTEST_MAIN(ArmyMenuTest)
#include "tst_ArmyMenu.moc"
