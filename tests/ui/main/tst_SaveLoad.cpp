#include "datafile/ErrorOnRead.h"
#include "store/ComVars.h"
#include "support/Armies.h"
#include "support/ScriptedUser.h"
#include "support/TestWindows.h"
#include "support/Typing.h"
#include "ui/controls/Buttons.h"
#include "ui/controls/Edit.h"
#include "ui/controls/StatusBar.h"
#include "ui/main/Main.h"

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
#include <QTimer>

namespace
{

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QString Reasonless(const QString& message)
{
    return message.section(u'\n', 0, 0);
}

// Records the count text of the status bar each time it is painted.
class PaintRecorder : public QObject
{
public:
    explicit PaintRecorder(StatusBar* bar) : bar(bar)
    {
        for (QLabel* panel : bar->findChildren<QLabel*>())
            panel->installEventFilter(this);
    }
    QStringList seen;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && (seen.isEmpty() || seen.last() != bar->PanelText(1)))
            seen << bar->PanelText(1);
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
        TForm1& main = *app.forms.Form1;
        main.Show();
        FillFullArmy(app.store);
        main.Edit1->SetText(QStringLiteral("hollow crown"));
        main.Edit2->SetText(QStringLiteral("Brood"));
        main.Edit3->SetText(QStringLiteral("Swarm"));
        QTemporaryDir dir;
        user.ChooseFile(dir.filePath(QStringLiteral("army")));
        user.ChooseFile(dir.filePath(QStringLiteral("again.ini")));
        main.BitBtn3Click();
        main.BitBtn3Click();
        QVERIFY2(user.Problems().isEmpty(), qPrintable(user.Problems().join(u'\n')));
        const ShownModal& dialog = user.Shown().first();
        QCOMPARE(dialog.file.kind, FileDialogRequest::Kind::Save);
        QCOMPARE(dialog.file.title, QStringLiteral("Save the datafile"));
        QCOMPARE(dialog.file.fileName, QStringLiteral("vhold.ini"));
        QCOMPARE(dialog.file.filter, QStringLiteral("*.ini"));
        // No extension is added to a name typed without one.
        const QByteArray saved = ReadBytes(dir.filePath(QStringLiteral("army")));
        QCOMPARE(saved, ReadBytes(TestData(QStringLiteral("golden-full-army.ini"))));
        QCOMPARE(ReadBytes(dir.filePath(QStringLiteral("again.ini"))), saved);
    }

    void cancelledSaveStillTakesTheTexts()
    {
        TestWindows app;
        ScriptedUser user;
        TForm1& main = *app.forms.Form1;
        main.Show();
        TypeText(main.Edit1, QStringLiteral("skarrow"));
        user.ChooseFile(QString());
        main.BitBtn3Click();
        QCOMPARE(app.store.TheArmy.Name, QStringLiteral("SKARROW"));
        QCOMPARE(app.store.TheArmy.SquadName, QStringLiteral("Squad"));
        QCOMPARE(user.Messages(), QStringList());
    }

    // A failed save never leaves a broken file and never passes for a success.
    void failedSaveKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("unitWord");
        QTest::addColumn<QString>("reasonNames");
        QTest::newRow("missing folder") << "missing/vhold.ini"
                                        << "Unit"
                                        << "";
        QTest::newRow("folder is a file") << "old.ini/vhold.ini"
                                          << "Unit"
                                          << "";
        QTest::newRow("character outside the code page")
            << "old.ini" << QStringLiteral("Łucznik") << QStringLiteral("Łucznik");
    }
    void failedSaveKeepsTheOldFile()
    {
        QFETCH(QString, target);
        QFETCH(QString, unitWord);
        QFETCH(QString, reasonNames);
        TestWindows app;
        ScriptedUser user;
        TForm1& main = *app.forms.Form1;
        main.Show();
        QTemporaryDir dir;
        WriteFile(dir.filePath(QStringLiteral("old.ini")), "old contents\r\n");
        main.Edit2->SetText(unitWord);
        user.ChooseFile(dir.filePath(target));
        user.Answer(mrOk);
        main.BitBtn3Click();
        QVERIFY2(user.Problems().isEmpty(), qPrintable(user.Problems().join(u'\n')));
        QCOMPARE(user.Shown().last().caption, QStringLiteral("*** FILE ERROR ***"));
        const QString text = user.Shown().last().text;
        QCOMPARE(Reasonless(text), QStringLiteral("An error occurred while writing to the file!"));
        QVERIFY2(!text.section(u'\n', 1).trimmed().isEmpty(), qPrintable(text));
        QVERIFY2(text.contains(reasonNames), qPrintable(text));
        QCOMPARE(ReadBytes(dir.filePath(QStringLiteral("old.ini"))),
                 QByteArray("old contents\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{"old.ini"});
    }

    void fileWithoutRaceShowsTheReadErrorWindow()
    {
        TestWindows app;
        ScriptedUser user;
        TForm1& main = *app.forms.Form1;
        main.Show();
        TypeText(main.Edit1, QStringLiteral("kept"));
        user.ChooseFile(TestData(QStringLiteral("load-no-race.ini")));
        QString label1;
        user.WindowOf<TForm13>([&](TForm13& window) {
            label1 = window.Label1->text();
            QTest::mouseClick(window.BitBtn1, Qt::LeftButton);
        });
        QTest::mouseClick(main.BitBtn4, Qt::LeftButton);
        QVERIFY2(user.Problems().isEmpty(), qPrintable(user.Problems().join(u'\n')));
        QCOMPARE(user.Shown()[1].caption, QStringLiteral("*** ERROR READING FILE ***"));
        QCOMPARE(
            label1,
            QStringLiteral("The [Race] section cannot be found in the specified vhold.ini file."));
        QCOMPARE(main.Edit1->Text(), QStringLiteral("KEPT"));
        QCOMPARE(main.StatusBar1->PanelText(1), QStringLiteral("Total Squads: 0"));
        QVERIFY(main.BitBtn3->isEnabled());
        QVERIFY(!main.BitBtn5->isEnabled());
        QCOMPARE(app.store.WeaponCatalogue->Count(), 1);
        QCOMPARE(app.store.TroopTable[0].Name, QString());
    }

    // Whatever the file holds, a load ends with the read-error window and writes nothing.
    void badInputIsRefusedCalmly_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("kind"); // 0 file, 1 folder, 2 vanished
        QRandomGenerator random(7);
        QByteArray noise(1 << 20, '\0');
        for (char& byte : noise)
            byte = char(random.bounded(256));
        QTest::newRow("empty file") << QByteArray() << 0;
        QTest::newRow("1 MB of random bytes") << noise << 0;
        QTest::newRow("NUL bytes") << QByteArray("[Ra\0ce]\r\n\0\0\0Name=x\r\n", 20) << 0;
        QTest::newRow("one line of 10 MB") << QByteArray(10 << 20, 'x') << 0;
        QTest::newRow("a folder") << QByteArray() << 1;
        QTest::newRow("vanished file") << QByteArray() << 2;
    }
    void badInputIsRefusedCalmly()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, kind);
        TestWindows app;
        ScriptedUser user;
        TForm1& main = *app.forms.Form1;
        main.Show();
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("vhold.ini"));
        if (kind == 0)
            WriteFile(path, bytes);
        else if (kind == 1)
            QDir(dir.path()).mkdir(QStringLiteral("vhold.ini"));
        const QStringList before =
            QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        user.ChooseFile(path);
        user.WindowOf<TForm13>([](TForm13& window) { window.BitBtn1->click(); });
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(main.BitBtn4, Qt::LeftButton);
        QVERIFY(clock.elapsed() < 10000);
        QVERIFY2(user.Problems().isEmpty(), qPrintable(user.Problems().join(u'\n')));
        QCOMPARE(app.store.TroopCount, 0);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
        if (kind == 0)
            QCOMPARE(ReadBytes(path), bytes);
    }

    void loadCountsUpTroopByTroop()
    {
        TestWindows app;
        ScriptedUser user;
        TForm1& main = *app.forms.Form1;
        main.Show();
        QTemporaryDir dir;
        WriteFile(dir.filePath(QStringLiteral("a.ini")),
                  ArmyWithTroops("Name=Skarrow\r\nSquadName=Brood\r\n", 3));
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        PaintRecorder recorder(main.StatusBar1);
        user.ChooseFile(dir.filePath(QStringLiteral("a.ini")));
        QTest::mouseClick(main.BitBtn4, Qt::LeftButton);
        QCOMPARE(recorder.seen,
                 (QStringList{"Total Broods: 1", "Total Broods: 2", "Total Broods: 3"}));
        QCOMPARE(main.Edit1->Text(), QStringLiteral("SKARROW"));
        QCOMPARE(main.Edit3->Text(), QStringLiteral("Brood"));
        QCOMPARE(app.store.TheArmy.Name, QStringLiteral("Skarrow"));
    }

    void moreThanAHundredTroopsAreCutAndTold()
    {
        TestWindows app;
        ScriptedUser user;
        TForm1& main = *app.forms.Form1;
        main.Show();
        QTemporaryDir dir;
        WriteFile(dir.filePath(QStringLiteral("horde.ini")), ArmyWithTroops("Name=Horde\r\n", 101));
        user.ChooseFile(dir.filePath(QStringLiteral("horde.ini")));
        user.Answer(mrOk);
        QTest::mouseClick(main.BitBtn4, Qt::LeftButton);
        QVERIFY2(user.Problems().isEmpty(), qPrintable(user.Problems().join(u'\n')));
        QCOMPARE(user.Messages(),
                 QStringList{"*** TOO MANY TROOPS ***|The datafile holds more than 100 troops. "
                             "Only the first 100 were loaded."});
        QCOMPARE(app.store.TroopCount, 100);
        QCOMPARE(main.StatusBar1->PanelText(1), QStringLiteral("Total Squads: 100"));
        QVERIFY(!main.BitBtn1->isEnabled());
    }

    // The dialogs users see: a real save dialog, a real open dialog and the real read-error
    // window, each closed from a timer.
    void realDialogsSaveAndLoad()
    {
        TestWindows app;
        TForm1& main = *app.forms.Form1;
        main.Show();
        FillFullArmy(app.store);
        main.Edit1->SetText(QStringLiteral("HOLLOW CROWN"));
        main.Edit2->SetText(QStringLiteral("Brood"));
        main.Edit3->SetText(QStringLiteral("Swarm"));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("vhold.ini"));
        QStringList titles;
        auto answerFileDialog = [&](const QString& chosen) {
            QTimer::singleShot(50, [&titles, chosen] {
                auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                if (!dialog)
                    return;
                titles << dialog->windowTitle();
                // The user types the whole path into the name field and presses Enter.
                auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                if (!name)
                    return;
                name->setText(chosen);
                QTest::keyClick(name, Qt::Key_Return);
            });
        };
        answerFileDialog(path);
        main.BitBtn3Click();
        QCOMPARE(ReadBytes(path), ReadBytes(TestData(QStringLiteral("golden-full-army.ini"))));

        answerFileDialog(path);
        main.BitBtn4Click();
        QCOMPARE(app.store.TroopCount, 3);
        QCOMPARE(main.StatusBar1->PanelText(1), QStringLiteral("Total Swarms: 3"));

        answerFileDialog(TestData(QStringLiteral("load-no-race.ini")));
        QTimer::singleShot(100, [&titles, &app] {
            if (QApplication::activeModalWidget() == app.forms.Form13) {
                titles << app.forms.Form13->windowTitle();
                QTest::mouseClick(app.forms.Form13->BitBtn1, Qt::LeftButton);
            }
        });
        main.BitBtn4Click();
        QCOMPARE(titles, (QStringList{"Save the datafile", "Load the datafile", "Load the datafile",
                                      "*** ERROR READING FILE ***"}));
        QVERIFY(app.forms.Form13->isHidden());
    }
};

QTEST_MAIN(SaveLoadTest)
#include "tst_SaveLoad.moc"
