#include "store/Store.h"
#include "support/Armies.h"
#include "support/ScriptedUser.h"
#include "support/TestWindows.h"
#include "support/pages/MainWindowPage.h"
#include "support/pages/ReadErrorDialogPage.h"
#include "ui/controls/Button.h"
#include "ui/controls/LineEdit.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ReadErrorDialog.h"
#include "ui/main/Startup.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

class StartupTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        describeApplication();
        QVERIFY(QDir::setCurrent(QStringLiteral(QUARRIMAK_TEST_DATA)));
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("start");
        QTest::addColumn<int>("exitStatus");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("error");

        const QString dataFolder = QStringLiteral(QUARRIMAK_TEST_DATA);
        QTest::newRow("no file") << QStringList{"quarrimak"} << true << 0 << QString() << ""
                                 << "";
        QTest::newRow("relative file made absolute") << QStringList{"quarrimak", "load-lists.ini"}
                                                     << true << 0 << dataFolder + "/load-lists.ini"
                                                     << ""
                                                     << "";
        // A file that does not exist yet is the one the first Save writes; a folder is refused in
        // a window once the editor shows, and said so here too.
        QTest::newRow("missing file")
            << QStringList{"quarrimak", "gone.ini"} << true << 0 << dataFolder + "/gone.ini"
            << ""
            << "";
        QTest::newRow("folder") << QStringList{"quarrimak", dataFolder} << true << 0 << dataFolder
                                << ""
                                << "quarrimak: \"" + dataFolder +
                                       "\" is a folder, not a datafile.\n";
        QTest::newRow("two files") << QStringList{"quarrimak", "load-lists.ini", "load-gap.ini"}
                                   << false << 1 << QString() << ""
                                   << "quarrimak: only one FILE can be loaded at a time.\n"
                                      "Try 'quarrimak --help' for more information.\n";
        QTest::newRow("unknown option")
            << QStringList{"quarrimak", "--fullscreen"} << false << 1 << QString() << ""
            << "quarrimak: Unknown option 'fullscreen'.\n"
               "Try 'quarrimak --help' for more information.\n";
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, start);
        QFETCH(int, exitStatus);
        QFETCH(QString, file);
        QFETCH(QString, output);
        QFETCH(QString, error);
        QString printed;
        QString complained;
        QTextStream out(&printed);
        QTextStream err(&complained);
        const StartRequest request = readCommandLine(arguments, out, err);
        QCOMPARE(request.start, start);
        QCOMPARE(request.exitStatus, exitStatus);
        QCOMPARE(request.file, file);
        QCOMPARE(request.newFile, QTest::currentDataTag() == QByteArray("missing file"));
        QCOMPARE(printed, output);
        QCOMPARE(complained, error);
    }

    // A datafile named on the command line is loaded as Load loads it, once the main window
    // is shown, so the read-error window and messages have their window beneath them.
    void startLoadsTheNamedFile_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<int>("troopCount");
        QTest::addColumn<QString>("armyName");
        QTest::addColumn<QStringList>("captions");

        QTest::newRow("army") << armyWithTroops("Name=hollow crown\r\n", 3) << 3 << "HOLLOW CROWN"
                              << QStringList{};
        QTest::newRow("not a datafile") << QByteArray("just some notes\r\n") << 0 << ""
                                        << QStringList{"*** ERROR READING FILE ***"};
        QTest::newRow("too many troops") << armyWithTroops("Name=Horde\r\n", 101) << 100 << "HORDE"
                                         << QStringList{"*** TOO MANY TROOPS ***"};
    }

    void startLoadsTheNamedFile()
    {
        QFETCH(QByteArray, contents);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("army.ini"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
        file.close();

        QFETCH(QStringList, captions);
        QFETCH(int, troopCount);
        QFETCH(QString, armyName);
        TestWindows app;
        ScriptedUser user;
        MainWindow& main = app.mainWindow;
        MainWindowPage page(main);
        bool mainShownBeneath = true;
        for (const QString& caption : captions) {
            if (caption == QStringLiteral("*** ERROR READING FILE ***")) {
                user.windowOf<ReadErrorDialog>([&](ReadErrorDialog& window) {
                    mainShownBeneath = main.isVisible();
                    ReadErrorDialogPage(window).okButton->click();
                });
            } else {
                user.answer(QMessageBox::Ok);
            }
        }

        startEditor(app.mainWindow, {true, 0, path, false});

        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QCOMPARE(user.stepsLeft(), 0);
        QStringList shownCaptions;
        for (const ShownModal& shown : user.shown())
            shownCaptions << shown.caption;
        QCOMPARE(shownCaptions, captions);
        QVERIFY(mainShownBeneath);
        QVERIFY(main.isVisible());
        QCOMPARE(app.army().troopCount, troopCount);
        QCOMPARE(page.armyNameEdit->text(), armyName);
    }
};

QTEST_MAIN(StartupTest)
#include "tst_Startup.moc"
