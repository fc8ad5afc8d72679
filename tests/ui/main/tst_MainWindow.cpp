#include "support/ScriptedUser.h"
#include "support/TestWindows.h"
#include "support/Typing.h"
#include "ui/controls/Buttons.h"
#include "ui/controls/Edit.h"
#include "ui/controls/StatusBar.h"
#include "ui/main/Main.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class MainWindowTest : public QObject
{
    Q_OBJECT

    static void WriteFile(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    static void Load(TestWindows& app, ScriptedUser& user, const QString& path)
    {
        user.ChooseFile(path);
        QTest::mouseClick(app.forms.Form1->BitBtn4, Qt::LeftButton);
    }

private slots:
    void startsEmpty()
    {
        TestWindows app;
        TForm1& main = *app.forms.Form1;
        main.Show();
        QCOMPARE(main.Caption(), QStringLiteral("Varnhold Datafile Creator (v1.0)"));
        QCOMPARE(main.StatusBar1->PanelText(0), QStringLiteral("Army: "));
        QCOMPARE(main.StatusBar1->PanelText(1), QStringLiteral("Total Squads: 0"));
        QCOMPARE(main.Edit2->Text(), QStringLiteral("Unit"));
        QCOMPARE(main.Edit3->Text(), QStringLiteral("Squad"));
        QVERIFY(!main.BitBtn3->isEnabled());
        QVERIFY(!main.BitBtn5->isEnabled());
        QVERIFY(main.BitBtn4->isEnabled());
        QVERIFY(main.Panel4->isHidden());
        QCOMPARE(app.store.TroopCount, 0);
        QCOMPARE(app.store.CurrentTroop, 0);
        QVERIFY(app.store.WeaponCatalogue && app.store.WeaponCatalogue->IsEmpty());
        QVERIFY(app.store.SpecialCatalogue && app.store.SpecialCatalogue->IsEmpty());
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
        TForm1& main = *app.forms.Form1;
        main.Show();
        TypeText(main.Edit1, typed);
        QCOMPARE(main.Edit1->Text(), held);
        QCOMPARE(main.StatusBar1->PanelText(0), QStringLiteral("Army: ") + held);
    }

    void squadWordCountsAtOnce()
    {
        TestWindows app;
        TForm1& main = *app.forms.Form1;
        main.Show();
        app.store.TroopCount = 3;
        main.Edit3->selectAll();
        QTest::keyClicks(main.Edit3, QStringLiteral("Swarm"));
        QCOMPARE(main.StatusBar1->PanelText(1), QStringLiteral("Total Swarms: 3"));
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
        TForm1& main = *app.forms.Form1;
        main.Show();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("vhold.ini"));
        WriteFile(path, file);
        Load(app, user, path);
        QVERIFY2(user.Problems().isEmpty(), qPrintable(user.Problems().join(u'\n')));
        QCOMPARE(main.StatusBar1->PanelText(0), armyText);
        QCOMPARE(main.StatusBar1->PanelText(1), countText);
        QVERIFY(main.BitBtn3->isEnabled());
        QCOMPARE(main.BitBtn5->isEnabled(), editEnabled);
        QVERIFY(main.Panel4->isHidden());
        QCOMPARE(user.Shown().first().file.title, QStringLiteral("Load the datafile"));
        QCOMPARE(user.Shown().first().file.fileName, QStringLiteral("vhold.ini"));
        QCOMPARE(user.Shown().first().file.filter, QStringLiteral("*.ini"));
    }

    void closeEndsTheProgram()
    {
        TestWindows app;
        TForm1& main = *app.forms.Form1;
        main.Show();
        QTimer::singleShot(0, main.BitBtn2,
                           [&] { QTest::mouseClick(main.BitBtn2, Qt::LeftButton); });
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
