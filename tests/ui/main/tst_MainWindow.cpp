#include "support/ScriptedUser.h"
#include "support/TestWindows.h"
#include "support/Typing.h"
#include "support/pages/MainWindowPage.h"
#include "ui/controls/Button.h"
#include "ui/controls/LineEdit.h"
#include "ui/controls/StatusBar.h"
#include "ui/main/Loading.h"
#include "ui/main/MainWindow.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

class MainWindowTest : public QObject
{
    Q_OBJECT

    static void writeFile(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    static void load(TestWindows& app, ScriptedUser& user, const QString& path)
    {
        user.chooseFile(path);
        QTest::mouseClick(foundControl<Button>(app.mainWindow, "loadButton"), Qt::LeftButton);
    }

private slots:
    void startsEmpty()
    {
        TestWindows app;
        MainWindow& main = app.mainWindow;
        MainWindowPage page(main);
        main.showAndActivate();
        QCOMPARE(main.windowHandle()->title(), QStringLiteral("Varnhold Datafile Creator (v1.0)"));
        QCOMPARE(page.statusBar->panelText(0), QStringLiteral("Army: "));
        QCOMPARE(page.statusBar->panelText(1), QStringLiteral("Total Squads: 0"));
        QCOMPARE(page.unitWordEdit->text(), QStringLiteral("Unit"));
        QCOMPARE(page.squadWordEdit->text(), QStringLiteral("Squad"));
        QVERIFY(!page.saveButton->isEnabled());
        QVERIFY(!page.editTroopButton->isEnabled());
        QVERIFY(page.loadButton->isEnabled());
        QVERIFY(page.loadingNotice->isHidden());
        QCOMPARE(app.army().troopCount, 0);
        QCOMPARE(app.wizard.slot(), 0);
        QVERIFY(app.army().weaponCatalogue && app.army().weaponCatalogue->isEmpty());
        QVERIFY(app.army().abilityCatalogue && app.army().abilityCatalogue->isEmpty());
    }

    void armyNameInUpperCase_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("held");
        QTest::newRow("ascii") << "red orchard"
                               << "RED ORCHARD";
        QTest::newRow("accents") << QStringLiteral("élan ÿ") << QStringLiteral("ÉLAN Ÿ");
        QTest::newRow("no one-character capital") << QStringLiteral("ßµ") << QStringLiteral("ßµ");
        QTest::newRow("digits and signs") << "3rd, 4th;"
                                          << "3RD, 4TH;";
    }
    void armyNameInUpperCase()
    {
        QFETCH(QString, typed);
        QFETCH(QString, held);
        TestWindows app;
        MainWindow& main = app.mainWindow;
        MainWindowPage page(main);
        main.showAndActivate();
        typeText(page.armyNameEdit, typed);
        QCOMPARE(page.armyNameEdit->text(), held);
        QCOMPARE(page.statusBar->panelText(0), QStringLiteral("Army: ") + held);
    }

    void squadWordCountsAtOnce()
    {
        TestWindows app;
        MainWindow& main = app.mainWindow;
        MainWindowPage page(main);
        main.showAndActivate();
        app.setUp([](Store& army) { army.troopCount = 3; });
        page.squadWordEdit->selectAll();
        QTest::keyClicks(page.squadWordEdit, QStringLiteral("Swarm"));
        QCOMPARE(page.statusBar->panelText(1), QStringLiteral("Total Swarms: 3"));
    }

    void loadSetsButtonsAndTexts_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("editEnabled");
        QTest::addColumn<QString>("armyText");
        QTest::addColumn<QString>("countText");
        QTest::newRow("two troops")
            << QByteArray("[Race]\r\nName=hollow crown\r\nSquadName=Brood\r\n"
                          "[Troop1]\r\nName=A\r\n[Troop2]\r\nName=B\r\n")
            << true << "Army: HOLLOW CROWN"
            << "Total Broods: 2";
        QTest::newRow("no troops") << QByteArray("[Race]\r\nName=x\r\n") << false << "Army: X"
                                   << "Total Squads: 0";
    }
    void loadSetsButtonsAndTexts()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, editEnabled);
        QFETCH(QString, armyText);
        QFETCH(QString, countText);
        TestWindows app;
        ScriptedUser user;
        MainWindow& main = app.mainWindow;
        MainWindowPage page(main);
        main.showAndActivate();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("vhold.ini"));
        writeFile(path, file);
        load(app, user, path);
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QCOMPARE(page.statusBar->panelText(0), armyText);
        QCOMPARE(page.statusBar->panelText(1), countText);
        QVERIFY(page.saveButton->isEnabled());
        QCOMPARE(page.editTroopButton->isEnabled(), editEnabled);
        QVERIFY(page.loadingNotice->isHidden());
        QCOMPARE(user.shown().first().file.title, QStringLiteral("Load the datafile"));
        QCOMPARE(user.shown().first().file.fileName, QStringLiteral("vhold.ini"));
        QCOMPARE(user.shown().first().file.filters, (QStringList{"*.ini", "All files (*)"}));
    }

    void closeEndsTheProgram()
    {
        TestWindows app;
        MainWindow& main = app.mainWindow;
        MainWindowPage page(main);
        main.showAndActivate();
        QTimer::singleShot(0, page.closeButton,
                           [&] { QTest::mouseClick(page.closeButton, Qt::LeftButton); });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        bool timedOut = false;
        connect(&watchdog, &QTimer::timeout, [&] {
            timedOut = true;
            QCoreApplication::exit(1);
        });
        watchdog.start(5000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!timedOut);
        QVERIFY(main.isHidden());
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_MainWindow.moc"
