#include "store/Store.h"
#include "support/Armies.h"
#include "support/ModalAnswer.h"
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

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

namespace
{

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

// Records the count text of the status bar each time it is painted.
class PaintRecorder : public QObject
{
public:
    explicit PaintRecorder(StatusBar* statusBar) : bar(statusBar)
    {
        for (QLabel* panel : bar->findChildren<QLabel*>())
            panel->installEventFilter(this);
    }
    QStringList seen;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && (seen.isEmpty() || seen.last() != bar->panelText(1)))
            seen << bar->panelText(1);
        return false;
    }

private:
    StatusBar* bar;
};

} // namespace

class SaveLoadTest : public QObject
{
    Q_OBJECT
private slots:
    void saveWritesTheStoreWithTheEditsTexts()
    {
        TestWindows app;
        ScriptedUser user;
        MainWindow& main = app.mainWindow;
        MainWindowPage page(main);
        main.showAndActivate();
        app.setUp(fillFullArmy);
        page.armyNameEdit->setText(QStringLiteral("hollow crown"));
        page.unitWordEdit->setText(QStringLiteral("Brood"));
        page.squadWordEdit->setText(QStringLiteral("Swarm"));
        QTemporaryDir dir;
        user.chooseFile(dir.filePath(QStringLiteral("army")));
        user.chooseFile(dir.filePath(QStringLiteral("again.ini")));
        main.saveArmy();
        main.saveArmy();
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        const ShownModal& dialog = user.shown().first();
        QCOMPARE(dialog.file.kind, FileDialogRequest::Kind::Save);
        QCOMPARE(dialog.file.title, QStringLiteral("Save the datafile"));
        QCOMPARE(dialog.file.fileName, QStringLiteral("vhold.ini"));
        QCOMPARE(dialog.file.filter, QStringLiteral("*.ini"));
        // No extension is added to a name typed without one.
        const QByteArray saved = readBytes(dir.filePath(QStringLiteral("army")));
        QCOMPARE(saved, readBytes(testData(QStringLiteral("golden-full-army.ini"))));
        QCOMPARE(readBytes(dir.filePath(QStringLiteral("again.ini"))), saved);
    }

    void cancelledSaveStillTakesTheTexts()
    {
        TestWindows app;
        ScriptedUser user;
        MainWindow& main = app.mainWindow;
        MainWindowPage page(main);
        main.showAndActivate();
        typeText(page.armyNameEdit, QStringLiteral("skarrow"));
        user.chooseFile(QString());
        main.saveArmy();
        QCOMPARE(app.army().army.name, QStringLiteral("SKARROW"));
        QCOMPARE(app.army().army.squadWord, QStringLiteral("Squad"));
        QCOMPARE(user.messages(), QStringList());
    }

    // A failed save never leaves a broken file and never passes for a success. Characters the
    // datafile cannot hold are no disk error: the window says where they are.
    void failedSaveKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("unitWord");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("words");
        const QString diskError = QStringLiteral("*** FILE ERROR ***");
        const QString written = QStringLiteral("An error occurred while writing to the file!\n");
        QTest::newRow("missing folder") << "missing/vhold.ini"
                                        << "Unit" << diskError << written;
        QTest::newRow("folder is a file") << "old.ini/vhold.ini"
                                          << "Unit" << diskError << written;
        QTest::newRow("character outside the code page")
            << "old.ini" << QStringLiteral("Łucznik") << "*** CHARACTERS NOT SAVED ***"
            << QStringLiteral("The datafile cannot hold these characters, so nothing was "
                              "saved:\nthe unit word: Ł\n");
    }
    void failedSaveKeepsTheOldFile()
    {
        QFETCH(QString, target);
        QFETCH(QString, unitWord);
        QFETCH(QString, caption);
        QFETCH(QString, words);
        TestWindows app;
        ScriptedUser user;
        MainWindow& main = app.mainWindow;
        MainWindowPage page(main);
        main.showAndActivate();
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("old.ini")), "old contents\r\n");
        page.unitWordEdit->setText(unitWord);
        user.chooseFile(dir.filePath(target));
        user.answer(QMessageBox::Ok);
        main.saveArmy();
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QCOMPARE(user.shown().last().caption, caption);
        const QString text = user.shown().last().text;
        QVERIFY2(text.startsWith(words) && text.size() > words.size(), qPrintable(text));
        QCOMPARE(readBytes(dir.filePath(QStringLiteral("old.ini"))),
                 QByteArray("old contents\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{"old.ini"});
    }

    void fileWithoutRaceShowsTheReadErrorWindow()
    {
        TestWindows app;
        ScriptedUser user;
        MainWindow& main = app.mainWindow;
        MainWindowPage page(main);
        main.showAndActivate();
        typeText(page.armyNameEdit, QStringLiteral("kept"));
        user.answer(QMessageBox::No);
        user.chooseFile(testData(QStringLiteral("load-no-race.ini")));
        QString label1;
        user.windowOf<ReadErrorDialog>([&](ReadErrorDialog& window) {
            ReadErrorDialogPage errorPage(window);
            label1 = errorPage.raceMissingLabel->text();
            QTest::mouseClick(errorPage.okButton, Qt::LeftButton);
        });
        QTest::mouseClick(page.loadButton, Qt::LeftButton);
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QCOMPARE(user.shown()[2].caption, QStringLiteral("*** ERROR READING FILE ***"));
        QCOMPARE(label1, QStringLiteral(
                             "The [Race] section cannot be found in the specified load-no-race.ini "
                             "file."));
        QCOMPARE(page.armyNameEdit->text(), QStringLiteral("KEPT"));
        QCOMPARE(page.statusBar->panelText(1), QStringLiteral("Total Squads: 0"));
        QVERIFY(!page.saveButton->isEnabled());
        QVERIFY(!page.editTroopButton->isEnabled());
        QCOMPARE(app.army().weaponCatalogue->count(), 0);
    }

    // Whatever the file holds, a load ends with the read-error window, writes nothing and leaves
    // the army that was loaded before exactly as it was.
    void badInputIsRefusedCalmly_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("kind"); // 0 file, 1 folder, 2 vanished, 3 pipe
        QRandomGenerator random(7);
        QByteArray noise(1 << 20, '\0');
        for (char& byte : noise)
            byte = char(random.bounded(256));
        QTest::newRow("empty file") << QByteArray() << 0;
        QTest::newRow("catalogues without [Race]")
            << readBytes(testData(QStringLiteral("load-no-race.ini"))) << 0;
        QTest::newRow("1 MB of random bytes") << noise << 0;
        QTest::newRow("NUL bytes") << QByteArray("[Ra\0ce]\r\n\0\0\0Name=x\r\n", 20) << 0;
        QTest::newRow("one line of 10 MB") << QByteArray(10 << 20, 'x') << 0;
        QTest::newRow("a folder") << QByteArray() << 1;
        QTest::newRow("vanished file") << QByteArray() << 2;
        QTest::newRow("a pipe no one writes to") << QByteArray() << 3;
    }
    void badInputIsRefusedCalmly()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, kind);
        TestWindows app;
        ScriptedUser user;
        MainWindow& main = app.mainWindow;
        MainWindowPage page(main);
        main.showAndActivate();
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("vhold.ini"));
        if (kind == 0)
            writeFile(path, bytes);
        else if (kind == 1)
            QDir(dir.path()).mkdir(QStringLiteral("vhold.ini"));
        else if (kind == 3)
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        const QStringList before =
            QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        user.chooseFile(testData(QStringLiteral("golden-full-army.ini")));
        QTest::mouseClick(page.loadButton, Qt::LeftButton);
        auto shownState = [&] {
            return QStringList{page.armyNameEdit->text(),
                               page.unitWordEdit->text(),
                               page.squadWordEdit->text(),
                               page.statusBar->panelText(0),
                               page.statusBar->panelText(1),
                               QString::number(page.newTroopButton->isEnabled()),
                               QString::number(page.editTroopButton->isEnabled()),
                               QString::number(page.saveButton->isEnabled())};
        };
        const QStringList stateBefore = shownState();
        const QStringList storeBefore = describe(app.army());
        user.chooseFile(dir.filePath(QStringLiteral("before.ini")));
        main.saveArmy();

        user.chooseFile(path);
        user.windowOf<ReadErrorDialog>(
            [](ReadErrorDialog& window) { ReadErrorDialogPage(window).okButton->click(); });
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(page.loadButton, Qt::LeftButton);
        QVERIFY(clock.elapsed() < 10000);
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QCOMPARE(shownState(), stateBefore);
        QCOMPARE(describe(app.army()), storeBefore);
        user.chooseFile(dir.filePath(QStringLiteral("after.ini")));
        main.saveArmy();
        QCOMPARE(readBytes(dir.filePath(QStringLiteral("after.ini"))),
                 readBytes(dir.filePath(QStringLiteral("before.ini"))));
        QCOMPARE(app.army().troopCount, 3);
        QStringList files = before + QStringList{"after.ini", "before.ini"};
        files.sort();
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), files);
        if (kind == 0)
            QCOMPARE(readBytes(path), bytes);
    }

    void loadCountsUpTroopByTroop()
    {
        TestWindows app;
        ScriptedUser user;
        MainWindow& main = app.mainWindow;
        MainWindowPage page(main);
        main.showAndActivate();
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("a.ini")),
                  armyWithTroops("Name=Skarrow\r\nSquadName=Brood\r\n", 3));
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        PaintRecorder recorder(page.statusBar);
        user.chooseFile(dir.filePath(QStringLiteral("a.ini")));
        QTest::mouseClick(page.loadButton, Qt::LeftButton);
        QCOMPARE(recorder.seen,
                 (QStringList{"Total Broods: 1", "Total Broods: 2", "Total Broods: 3"}));
        QCOMPARE(page.armyNameEdit->text(), QStringLiteral("SKARROW"));
        QCOMPARE(page.squadWordEdit->text(), QStringLiteral("Brood"));
        // The army holds its name as the edit shows it, and Save writes it so.
        QCOMPARE(app.army().army.name, QStringLiteral("SKARROW"));
    }

    void moreThanAHundredTroopsAreCutAndTold()
    {
        TestWindows app;
        ScriptedUser user;
        MainWindow& main = app.mainWindow;
        MainWindowPage page(main);
        main.showAndActivate();
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("horde.ini")), armyWithTroops("Name=Horde\r\n", 101));
        user.chooseFile(dir.filePath(QStringLiteral("horde.ini")));
        user.answer(QMessageBox::Ok);
        QTest::mouseClick(page.loadButton, Qt::LeftButton);
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QCOMPARE(user.messages(),
                 QStringList{"*** TOO MANY TROOPS ***|The datafile holds more than 100 troops. "
                             "Only the first 100 were loaded."});
        QCOMPARE(app.army().troopCount, 100);
        QCOMPARE(page.statusBar->panelText(1), QStringLiteral("Total Squads: 100"));
        QVERIFY(!page.newTroopButton->isEnabled());
    }

    // The status bar says how many catalogue lines the load merged into others that they
    // repeated in other letter case; a line repeated exactly loses nothing and goes untold.
    void mergedLinesAreCounted_data()
    {
        QTest::addColumn<QByteArray>("catalogues");
        QTest::addColumn<QString>("message");

        QTest::newRow("none merged")
            << QByteArray("[WeaponSpecs]\r\n1=Axe,,,,,\r\n2=Bow,,,,,\r\n3=Bow,,,,,\r\n")
            << QString();
        QTest::newRow("two merged")
            << QByteArray("[WeaponSpecs]\r\n1=Axe,,,,,\r\n2=AXE,,,,,\r\n3=Bow,,,,,\r\n"
                          "[Specials]\r\n1=zeal,\r\n2=Zeal,\r\n")
            << QStringLiteral("Load merged 2 catalogue lines that differed only in letter case");
    }

    void mergedLinesAreCounted()
    {
        QFETCH(QByteArray, catalogues);
        QFETCH(QString, message);
        TestWindows app;
        MainWindowPage page(app.mainWindow);
        app.mainWindow.showAndActivate();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("merged.ini"));
        writeFile(path, "[Race]\r\nName=Skarrow\r\n" + catalogues);
        QVERIFY(app.mainWindow.loadFile(path));
        QCOMPARE(page.statusBar->currentMessage(), message);
        QCOMPARE(app.army().weaponCatalogue->count(), 2);
    }

    // The dialogs users see: a real save dialog, a real open dialog and the real read-error
    // window, each answered once it is shown.
    void realDialogsSaveAndLoad()
    {
        TestWindows app;
        MainWindow& main = app.mainWindow;
        MainWindowPage page(main);
        main.showAndActivate();
        app.setUp(fillFullArmy);
        page.armyNameEdit->setText(QStringLiteral("HOLLOW CROWN"));
        page.unitWordEdit->setText(QStringLiteral("Brood"));
        page.squadWordEdit->setText(QStringLiteral("Swarm"));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("vhold.ini"));
        QStringList titles;
        ModalAnswer answer;
        // The user types the whole path into the name field and presses Enter.
        auto chooseFile = [&](const QString& chosen) {
            answer.expect<QFileDialog>([&titles, chosen](QFileDialog& dialog) {
                titles << dialog.windowTitle();
                auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                if (!name) {
                    dialog.reject();
                    return;
                }
                name->setText(chosen);
                QTest::keyClick(name, Qt::Key_Return);
            });
        };
        chooseFile(path);
        main.saveArmy();
        QVERIFY2(answer.answered(), qPrintable(answer.failure()));
        QCOMPARE(readBytes(path), readBytes(testData(QStringLiteral("golden-full-army.ini"))));

        chooseFile(path);
        main.loadArmy();
        QVERIFY2(answer.answered(), qPrintable(answer.failure()));
        QCOMPARE(app.army().troopCount, 3);
        QCOMPARE(page.statusBar->panelText(1), QStringLiteral("Total Swarms: 3"));

        chooseFile(testData(QStringLiteral("load-no-race.ini")));
        ModalAnswer errorAnswer;
        errorAnswer.expect<ReadErrorDialog>([&titles](ReadErrorDialog& window) {
            titles << window.windowTitle();
            QTest::mouseClick(ReadErrorDialogPage(window).okButton, Qt::LeftButton);
        });
        main.loadArmy();
        QVERIFY2(answer.answered(), qPrintable(answer.failure()));
        QVERIFY2(errorAnswer.answered(), qPrintable(errorAnswer.failure()));
        QCOMPARE(titles, (QStringList{"Save the datafile", "Load the datafile", "Load the datafile",
                                      "*** ERROR READING FILE ***"}));
        for (QWidget* window : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<ReadErrorDialog*>(window) || window->isHidden());
        QCOMPARE(app.army().troopCount, 3);
    }
};

QTEST_MAIN(SaveLoadTest)
#include "tst_SaveLoad.moc"
