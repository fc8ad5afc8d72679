#include "support/Armies.h"
#include "support/Catalogue.h"
#include "support/ScriptedUser.h"
#include "support/TestWindows.h"
#include "support/Typing.h"
#include "support/pages/MainWindowPage.h"
#include "support/pages/ReadErrorDialogPage.h"
#include "ui/controls/Button.h"
#include "ui/controls/LineEdit.h"
#include "ui/controls/StatusBar.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ReadErrorDialog.h"
#include "ui/wizard/CharacteristicsStep.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QWindow>

namespace
{

const QString caption = QStringLiteral("Varnhold Datafile Creator (v1.0)");

// The caption as the desktop shows it, with "*" in place of the marker while modified.
QString shownTitle(QWidget& window)
{
    return window.windowHandle() ? window.windowHandle()->title() : QString();
}

QAction* action(MainWindow& main, const QString& name)
{
    return main.findChild<QAction*>(name);
}

} // namespace

class MainMenusTest : public QObject
{
    Q_OBJECT

    QTemporaryDir folder;

    QString copyOf(const QString& name, const QString& as)
    {
        const QString path = folder.filePath(as);
        QFile::remove(path);
        if (!QFile::copy(testData(name), path))
            return QString();
        return path;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(folder.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.filePath("conf"));
    }

    void init() { QSettings(QStringLiteral("Quarrimak"), QStringLiteral("Quarrimak")).clear(); }

    // Each item does what its button does, by its shortcut, and is enabled as its button is.
    void itemsDoWhatButtonsDo_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("shown");
        QTest::newRow("New Troop")
            << "New Troop" << QKeySequence(Qt::CTRL | Qt::Key_N) << "step:Swarm Types";
        QTest::newRow("Edit Troop") << "Edit Troop" << QKeySequence(Qt::CTRL | Qt::Key_E)
                                    << "window:Select the desired unit to edit";
        QTest::newRow("Load") << "Load" << QKeySequence(Qt::CTRL | Qt::Key_O)
                              << "file:Load the datafile";
        QTest::newRow("Save As") << "Save As" << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)
                                 << "file:Save the datafile";
        QTest::newRow("Export Army Sheet")
            << "Export Army Sheet" << QKeySequence() << "file:Export Army Sheet";
        QTest::newRow("Print Army Sheet")
            << "Print Army Sheet" << QKeySequence(Qt::CTRL | Qt::Key_P)
            << "window:Print Army Sheet";
        QTest::newRow("Help") << "Help" << QKeySequence(Qt::Key_F1)
                              << "window:Help on the Main Window";
        QTest::newRow("About") << "About Quarrimak" << QKeySequence() << "window:About Quarrimak";
        QTest::newRow("Quit") << "Quit" << QKeySequence(Qt::CTRL | Qt::Key_Q)
                              << "message:*** UNSAVED CHANGES ***";
    }
    void itemsDoWhatButtonsDo()
    {
        QFETCH(QString, item);
        QFETCH(QKeySequence, keys);
        QFETCH(QString, shown);
        TestWindows app;
        MainWindow& main = app.mainWindow;
        MainWindowPage page(main);
        main.showAndActivate();
        QVERIFY(!action(main, "Edit Troop")->isEnabled());
        QVERIFY(!action(main, "Save")->isEnabled() && !action(main, "Save As")->isEnabled());
        QVERIFY(main.loadFile(testData("golden-full-army.ini")));
        QVERIFY(action(main, "Edit Troop")->isEnabled() && action(main, "Save")->isEnabled());
        if (item == "Quit")
            typeText(page.unitWordEdit, "s");

        ScriptedUser user;
        if (shown.startsWith("window:"))
            user.window([](QWidget& window) { window.close(); });
        else if (shown.startsWith("file:"))
            user.chooseFile(QString());
        else if (shown.startsWith("message:"))
            user.answer(QMessageBox::Cancel);
        QVERIFY(makeActive(main));
        if (keys.isEmpty())
            action(main, item)->trigger();
        else
            QTest::keySequence(&main, keys);
        if (shown.startsWith("step:")) {
            QVERIFY(app.wizard.isRunning());
            QCOMPARE("step:" + app.wizard.characteristicsStep()->windowTitle(), shown);
            app.wizard.leave();
            return;
        }
        QCOMPARE(user.shown().size(), 1);
        const ShownModal& modal = user.shown()[0];
        const QString kind = modal.kind == ShownModal::Kind::Window    ? "window:"
                             : modal.kind == ShownModal::Kind::Message ? "message:"
                                                                       : "file:";
        QCOMPARE(kind + modal.caption, shown);
        QVERIFY(main.isVisible());
    }

    void newFollowsItsButton()
    {
        TestWindows app;
        MainWindow& main = app.mainWindow;
        MainWindowPage page(main);
        QVERIFY(page.newTroopButton->toolTip().isEmpty());
        page.newTroopButton->setEnabled(false);
        QVERIFY(!action(main, "New Troop")->isEnabled());
        QVERIFY(page.newTroopButton->toolTip().contains("100 troops"));
        page.editTroopButton->setEnabled(true);
        QVERIFY(action(main, "Edit Troop")->isEnabled());
    }

    // File > Save asks only while there is no current file; then it writes what Save As would.
    void saveToTheCurrentFile()
    {
        TestWindows app;
        MainWindow& main = app.mainWindow;
        MainWindowPage page(main);
        main.showAndActivate();
        typeText(page.armyNameEdit, "host");
        QVERIFY(action(main, "Save")->isEnabled());
        const QString first = folder.filePath("first.ini");
        ScriptedUser user;
        user.chooseFile(first);
        action(main, "Save")->trigger();
        QCOMPARE(user.shown().size(), 1);
        QCOMPARE(user.shown()[0].file.fileName, QStringLiteral("vhold.ini"));
        QCOMPARE(main.currentFile(), first);

        typeText(page.unitWordEdit, "s");
        action(main, "Save")->trigger();
        QCOMPARE(user.shown().size(), 1);
        const QString second = folder.filePath("second.ini");
        user.chooseFile(second);
        action(main, "Save As")->trigger();
        QCOMPARE(user.shown()[1].file.fileName, first);
        QVERIFY(readBytes(first).contains("UnitName=Units\r\n"));
        QCOMPARE(readBytes(first), readBytes(second));
        QVERIFY(user.problems().isEmpty());
    }

    // The caption names the current file; "*" marks changes until they are saved or undone.
    void captionFollowsFileAndChanges()
    {
        TestWindows app;
        MainWindow& main = app.mainWindow;
        MainWindowPage page(main);
        main.showAndActivate();
        QCOMPARE(shownTitle(main), caption);
        typeText(page.squadWordEdit, "s");
        QCOMPARE(shownTitle(main), caption + "*");
        const QString path = copyOf("golden-full-army.ini", "army.ini");
        ScriptedUser user;
        user.answer(QMessageBox::No);
        user.chooseFile(path);
        QTest::mouseClick(page.loadButton, Qt::LeftButton);
        QCOMPARE(shownTitle(main), "army.ini - " + caption);
        typeText(page.unitWordEdit, "x");
        QCOMPARE(shownTitle(main), "army.ini* - " + caption);
        QTest::keyClick(page.unitWordEdit, Qt::Key_Backspace);
        QCOMPARE(shownTitle(main), "army.ini - " + caption);
        typeText(page.unitWordEdit, "y");
        QVERIFY(makeActive(main));
        QTest::keySequence(&main, QKeySequence(Qt::CTRL | Qt::Key_S));
        QCOMPARE(shownTitle(main), "army.ini - " + caption);
        QVERIFY(readBytes(path).contains("UnitName=Broody\r\n"));
        QVERIFY(user.problems().isEmpty());
    }

    // Loading and saving put a file first, named with its folder; the list outlives the window;
    // a file gone since is refused and taken off; Clear empties it. Once files of one name were
    // opened from two folders, the title names the folder too.
    void recentFiles()
    {
        const QString a = copyOf("golden-full-army.ini", "a.ini");
        const QString b = copyOf("golden-wizard.ini", "b.ini");
        {
            TestWindows app;
            QVERIFY(app.mainWindow.loadFile(a));
            QVERIFY(app.mainWindow.loadFile(b));
            QVERIFY(app.mainWindow.loadFile(a));
        }
        TestWindows app;
        MainWindow& main = app.mainWindow;
        MainWindowPage page(main);
        QStringList texts;
        QStringList tips;
        for (QAction* item : page.recentMenu->actions()) {
            if (!item->isSeparator()) {
                texts << item->text();
                tips << item->statusTip();
            }
        }
        const QString folderName =
            "  (" + QDir::toNativeSeparators("…/" + QFileInfo(folder.path()).fileName()) + ")";
        QCOMPARE(texts, QStringList({"&1 a.ini" + folderName, "&2 b.ini" + folderName,
                                     "Clear Recent Files"}));
        QCOMPARE(tips.mid(0, 2), QStringList({a, b}));
        QVERIFY(page.recentMenu->menuAction()->isEnabled());

        QVERIFY(QFile::remove(b));
        ScriptedUser user;
        user.answer(QMessageBox::Ok);
        page.recentMenu->actions()[1]->trigger();
        QCOMPARE(user.messages(),
                 QStringList{"*** FILE NOT FOUND ***|The file " + b + " no longer exists."});
        QCOMPARE(page.recentMenu->actions().size(), 3);
        page.recentMenu->actions()[0]->trigger();
        QCOMPARE(main.currentFile(), a);
        main.showAndActivate();
        QCOMPARE(shownTitle(main), "a.ini - " + caption);
        QVERIFY(QDir(folder.path()).mkdir("Iron Legion"));
        const QString other = copyOf("golden-wizard.ini", "Iron Legion/a.ini");
        QVERIFY(main.loadFile(other));
        QCOMPARE(shownTitle(main),
                 "a.ini  (" + QDir::toNativeSeparators("…/Iron Legion") + ") - " + caption);
        action(main, "Clear Recent Files")->trigger();
        QVERIFY(!page.recentMenu->menuAction()->isEnabled());
    }

    void drop_data()
    {
        QTest::addColumn<QList<QUrl>>("urls");
        QTest::addColumn<bool>("accepted");
        const QUrl army = QUrl::fromLocalFile(testData("golden-full-army.ini"));
        QTest::newRow("one datafile") << QList<QUrl>{army} << true;
        QTest::newRow("two files") << QList<QUrl>{army, army} << false;
        QTest::newRow("a folder") << QList<QUrl>{QUrl::fromLocalFile(testData(""))} << false;
        QTest::newRow("a web page")
            << QList<QUrl>{QUrl("https://quarrimak.org/vhold.ini")} << false;
        QTest::newRow("text") << QList<QUrl>() << false;
    }
    void drop()
    {
        QFETCH(QList<QUrl>, urls);
        QFETCH(bool, accepted);
        TestWindows app;
        MainWindow& main = app.mainWindow;
        main.showAndActivate();
        QMimeData data;
        if (urls.isEmpty())
            data.setText("vhold.ini");
        else
            data.setUrls(urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&main, &enter);
        QCOMPARE(enter.isAccepted(), accepted);
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&main, &drop);
        QCOMPARE(drop.isAccepted(), accepted);
        QCOMPARE(app.army().troopCount, accepted ? 3 : 0);
    }

    // A file named on the command line that does not exist becomes the current file, and the
    // first Save writes it without asking.
    void newFileFromTheCommandLine()
    {
        TestWindows app;
        MainWindow& main = app.mainWindow;
        main.showAndActivate();
        const QString path = folder.filePath("new-army.ini");
        main.startNewFile(path);
        QCOMPARE(shownTitle(main), "new-army.ini - " + caption);
        ScriptedUser user;
        QVERIFY(makeActive(main));
        QTest::keySequence(&main, QKeySequence(Qt::CTRL | Qt::Key_S));
        QVERIFY(user.shown().isEmpty());
        QVERIFY(readBytes(path).contains("[Race]\r\n"));
        QVERIFY(readBytes(path).contains("UnitName=Unit\r\n"));
    }

    // A file that cannot be read at all is refused in the read-error window with the reason.
    void unreadableFileSaysWhy()
    {
        TestWindows app;
        ScriptedUser user;
        QString shownText;
        user.windowOf<ReadErrorDialog>([&shownText](ReadErrorDialog& window) {
            shownText = ReadErrorDialogPage(window).raceMissingLabel->text();
            window.done(QDialog::Accepted);
        });
        QVERIFY(!app.mainWindow.loadFile(folder.path()));
        QVERIFY2(shownText.startsWith("The file " + folder.path() + " cannot be read: "),
                 qPrintable(shownText));
        QVERIFY(user.problems().isEmpty());
    }

    // Texts longer than a plain Qt edit takes come back whole.
    void longTextsKeptWhole()
    {
        TestWindows app;
        MainWindow& main = app.mainWindow;
        MainWindowPage page(main);
        const QString name(40000, u'W');
        page.squadWordEdit->setText(name);
        const QString path = folder.filePath("long.ini");
        ScriptedUser user;
        user.chooseFile(path);
        QVERIFY(main.saveArmy());
        QVERIFY(readBytes(path).contains("SquadName=" + name.toLatin1() + "\r\n"));
    }

    // Export Army Sheet proposes the army's name, writes the format of the chosen filter with the
    // entries the check box asks for, tells the file written in the status bar, and says why a
    // file cannot be written; Print previews the pages of the sheet, and F1 there shows the
    // sheet's help.
    void armySheet()
    {
        TestWindows app;
        MainWindow& main = app.mainWindow;
        MainWindowPage page(main);
        QVERIFY(main.loadFile(testData("golden-full-army.ini")));
        QStringList items;
        for (QAction* item : page.fileMenu->actions()) {
            if (!item->isSeparator())
                items << item->objectName();
        }
        QVERIFY2(items.join(',').contains("Save As,Export Army Sheet,Print Army Sheet,Quit"),
                 qPrintable(items.join(',')));

        ScriptedUser user;
        const QString chosen = folder.filePath("sheet");
        user.chooseFile(chosen, true, "HTML (*.html)");
        action(main, "Export Army Sheet")->trigger();
        const FileDialogRequest request = user.shown()[0].file;
        QCOMPARE(QFileInfo(request.fileName).fileName(), QStringLiteral("HOLLOW CROWN.pdf"));
        QCOMPARE(request.filters, (QStringList{"PDF (*.pdf)", "HTML (*.html)"}));
        QCOMPARE(request.option, QStringLiteral("Include unused catalogue entries"));
        QVERIFY(!request.optionChecked);
        const QByteArray html = readBytes(chosen + ".html");
        QVERIFY(html.contains("<h1>HOLLOW CROWN</h1>") && html.contains("Lance"));
        QCOMPARE(page.statusBar->currentMessage(),
                 QStringLiteral("Army sheet exported to sheet.html"));

        user.chooseFile(folder.filePath("none/sheet.pdf"), true);
        user.answer(QMessageBox::Ok);
        action(main, "Export Army Sheet")->trigger();
        QVERIFY(user.shown()[1].file.optionChecked);
        QCOMPARE(user.messages().size(), 1);
        QVERIFY2(user.messages()[0].startsWith("*** FILE ERROR ***|An error occurred while "
                                               "writing the army sheet!\n"),
                 qPrintable(user.messages()[0]));
        QVERIFY(!QFileInfo::exists(folder.filePath("none")));

        int pages = 0;
        user.windowOf<QPrintPreviewDialog>([&pages](QPrintPreviewDialog& preview) {
            auto* pageView = preview.findChild<QPrintPreviewWidget*>();
            pages = pageView ? pageView->pageCount() : 0;
            QVERIFY(makeActive(preview));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
            preview.close();
        });
        user.answer(QMessageBox::Ok);
        action(main, "Print Army Sheet")->trigger();
        QCOMPARE(pages, 2);
        QCOMPARE(user.messages().size(), 2);
        QVERIFY2(user.messages()[1].startsWith("Help on Army Sheet|The army sheet shows"),
                 qPrintable(user.messages()[1]));
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
    }

    // Alt with a letter presses the button it underlines and types nothing.
    void mnemonicPressesItsButton()
    {
        TestWindows app;
        MainWindow& main = app.mainWindow;
        MainWindowPage page(main);
        main.showAndActivate();
        QVERIFY(makeActive(main));
        page.armyNameEdit->setFocus();
        QTest::keyClick(page.armyNameEdit, Qt::Key_N, Qt::AltModifier);
        QTRY_VERIFY(app.wizard.isRunning());
        QCOMPARE(page.armyNameEdit->text(), QString());
        app.wizard.leave();
    }
};

QTEST_MAIN(MainMenusTest)
#include "tst_MainMenus.moc"
