#include "datafile/Recovery.h"
#include "support/ScriptedUser.h"
#include "support/TestWindows.h"
#include "support/pages/FoundControl.h"
#include "support/pages/MainWindowPage.h"
#include "ui/controls/Button.h"
#include "ui/controls/LineEdit.h"
#include "ui/controls/StatusBar.h"
#include "ui/main/MainWindow.h"
#include "ui/main/RecoveryKeeper.h"
#include "ui/main/Startup.h"
#include "ui/wizard/CharacteristicsStep.h"
#include "ui/wizard/RestrictionsStep.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <cstdio>

namespace
{

// The work as a restore brings it back, whenever the copy was made.
QByteArray fingerprint(RecoveredWork work)
{
    work.time = QDateTime();
    const int kept = work.army.troopCount + (work.unfinishedTroop ? 1 : 0);
    for (int slot = kept; slot < Store::slotCount; ++slot)
        resetSlot(work.army, slot);
    return QCryptographicHash::hash(recoveryBytes(work), QCryptographicHash::Sha1).toHex();
}

// A program that kept a copy, then removed it as after a save, waits to be killed; it tells
// the copy's path.
int keepAndRemoveCopy(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    RecoveryFile copy(QString::fromLocal8Bit(argv[2]));
    if (!copy.write({Store(), false, QString(), QDateTime::currentDateTime()}, nullptr))
        return 2;
    copy.remove();
    std::printf("%s\n", qPrintable(copy.path()));
    std::fflush(stdout);
    return application.exec();
}

// The program as a user drives it, in a process of its own: a change every 120 ms, inside the
// wizard and out, in Polish and Chinese too, each logged with its time and the fingerprint of
// the work it leaves.
int runChild(int argc, char* argv[])
{
    describeApplication();
    QApplication application(argc, argv);
    QFile log(QString::fromLocal8Bit(argv[2]));
    if (!log.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return 2;
    ArmyDocument document;
    MainWindow main(document);
    MainWindowPage page(main);
    main.showAndActivate();
    auto note = [&main, &log] {
        log.write(QByteArray::number(QDateTime::currentMSecsSinceEpoch()) + ' ' +
                  fingerprint(main.recovery().workNow()) + '\n');
    };
    note();
    int step = 0;
    QTimer changes;
    QObject::connect(&changes, &QTimer::timeout, [&] {
        Wizard& wizard = main.wizard();
        const QString n = QString::number(step);
        switch (step++ % 5) {
        case 0:
            page.newTroopButton->click();
            wizard.troop().name = QStringLiteral("Łódź 长城 ") + n;
            wizard.troop().role = QStringLiteral("TR");
            break;
        case 1:
            wizard.troop().points = n;
            break;
        case 2:
            wizard.applyChange({QString(), [n](Store& army) {
                                    army.weaponCatalogue->add(QStringLiteral("Żółć 剑 ") + n +
                                                              QStringLiteral(",,,,,"));
                                }});
            break;
        case 3:
            wizard.showStep(WizardStep::Restrictions);
            foundControl<Button>(*wizard.restrictionsStep(), "okButton")->click();
            break;
        default:
            page.armyNameEdit->setText(QStringLiteral("ŁÓDŹ 军 ") + n);
            break;
        }
        note();
    });
    changes.start(120);
    return application.exec();
}

} // namespace

class RecoveryTest : public QObject
{
    Q_OBJECT

    QString program;

private slots:
    void initTestCase() { program = QCoreApplication::applicationFilePath(); }

    // Killed at any moment, the program leaves a copy at least as new as the work of two
    // seconds before, whatever text it holds; started again, Yes brings that work back and No
    // leaves no copy.
    void killedAtRandom()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows gives every run of the program the same data folder, so the runs of this "
              "test cannot be kept apart there");
#endif
        int restored = 0;
        for (int run = 0; run < 50; ++run) {
            QTemporaryDir home;
            QProcess child;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert("XDG_DATA_HOME", home.filePath("data"));
            environment.insert("QT_QPA_PLATFORM", "offscreen");
            child.setProcessEnvironment(environment);
            const QString logPath = home.filePath("log");
            child.start(program, {"--child", logPath});
            QVERIFY(child.waitForStarted());
            QFile log(logPath);
            QTRY_VERIFY_WITH_TIMEOUT(log.size() > 0, 20000);
            QThread::msleep(300 + QRandomGenerator::global()->bounded(3000));
            child.kill();
            const qint64 killedAt = QDateTime::currentMSecsSinceEpoch();
            QVERIFY(child.waitForFinished());

            QVERIFY(log.open(QIODevice::ReadOnly));
            QList<QByteArray> states;
            int settled = -1; // the last state at least 2 s old
            for (const QByteArray& line : log.readAll().split('\n')) {
                const QList<QByteArray> fields = line.split(' ');
                if (fields.size() != 2)
                    continue;
                if (fields[0].toLongLong() <= killedAt - 2000)
                    settled = int(states.size());
                states << fields[1];
            }
            const QString folder = home.filePath("data") + "/Quarrimak/Quarrimak/recovery";
            std::vector<LeftWork> left = leftWork(folder);
            QVERIFY(left.size() <= 1);
            if (left.empty()) {
                QVERIFY2(settled <= 0, qPrintable(QString("run %1: no copy").arg(run)));
                continue;
            }
            RecoveredWork copied;
            QVERIFY(left[0].read(copied, nullptr));
            const int found = int(states.indexOf(fingerprint(copied)));
            QVERIFY2(found >= qMax(1, settled),
                     qPrintable(QString("run %1: copy of state %2, work of 2 s ago %3 of %4")
                                    .arg(run)
                                    .arg(found)
                                    .arg(settled)
                                    .arg(states.size())));
            left.clear();

            TestWindows app;
            ScriptedUser user;
            const bool yes = run % 5 != 4;
            user.answer(yes ? QMessageBox::Yes : QMessageBox::No);
            app.mainWindow.showAndActivate();
            app.mainWindow.offerRecovery(folder);
            QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join('\n')));
            QVERIFY(
                user.messages()[0].startsWith("*** RESTORE UNSAVED WORK ***|Quarrimak ended on "));
            if (yes) {
                const RecoveredWork work = app.mainWindow.recovery().workNow();
                QCOMPARE(fingerprint(work), states[found]);
                QCOMPARE(app.wizard.isRunning(), work.unfinishedTroop);
                app.wizard.leave();
                ++restored;
            }
            app.mainWindow.recovery().removeCopy();
            QCOMPARE(QDir(folder).entryList({"recovery-*.ini"}, QDir::Files), QStringList());
        }
        QVERIFY(restored > 0);
    }

    // The question names the army, the time, the file and the troop being built; Yes brings the
    // army back with its file, as unsaved, and the troop opens in the wizard at its step.
    void restoreOffered()
    {
        QTemporaryDir folder;
        Store army(QLocale(QLocale::English, QLocale::UnitedStates));
        army.army = {QStringLiteral("HOST"), QStringLiteral("Unit"), QStringLiteral("Band")};
        army.troops[0].name = QStringLiteral("Wardens");
        army.troops[0].role = QStringLiteral("TR");
        army.troopCount = 1;
        army.troops[1].name = QStringLiteral("Half built");
        army.troops[1].points = QStringLiteral("35");
        const QDateTime time(QDate(2026, 3, 4), QTime(5, 6));
        {
            RecoveryFile copy(folder.path());
            QVERIFY(copy.write({army, true, folder.filePath("host.ini"), time, 4}, nullptr));
        }
        TestWindows app;
        MainWindow& main = app.mainWindow;
        MainWindowPage page(main);
        main.showAndActivate();
        ScriptedUser user;
        user.answer(QMessageBox::Yes);
        main.offerRecovery(folder.path());
        QCOMPARE(user.messages(),
                 QStringList{"*** RESTORE UNSAVED WORK ***|Quarrimak ended on " +
                             QLocale().toString(time, QLocale::ShortFormat) +
                             " before changes to the army \"HOST\" (file host.ini, unfinished "
                             "troop \"Half built\") were saved. Restore them?"});
        QCOMPARE(page.armyNameEdit->text(), QStringLiteral("HOST"));
        QCOMPARE(app.army().troopCount, 1);
        QCOMPARE(app.army().troops[0].name, QStringLiteral("Wardens"));
        QCOMPARE(main.currentFile(), folder.filePath("host.ini"));
        QVERIFY(main.isWindowModified());
        QVERIFY(app.wizard.isRunning());
        QCOMPARE(app.wizard.slot(), 1);
        QCOMPARE(app.wizard.troop().points, QStringLiteral("35"));
        QCOMPARE(app.wizard.currentStep(), WizardStep::ReplaceableWeapons);
        app.wizard.leave();
        main.recovery().removeCopy();
        QCOMPARE(QDir(folder.path()).entryList({"recovery-*"}, QDir::Files), QStringList());
    }

    void unreadableCopySetAside_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("why");
        QTest::newRow("no copy") << QByteArray("not a recovery copy\r\n") << "it holds no army.";
        QTest::newRow("newer form") << QByteArray("Quarrimak recovery copy 3\n[Army]\n")
                                    << "it was written by a newer version of Quarrimak.";
        QTest::newRow("cut short")
            << QByteArray("Quarrimak recovery copy 2\n[Army]\nNa") << "a line is not understood.";
        QTest::newRow("not UTF-8") << QByteArray("Quarrimak recovery copy 2\n[Army]\nName=\xff\n")
                                   << "it is not in UTF-8.";
    }

    // A copy that cannot be read is set aside as ".bad", and the user told once why.
    void unreadableCopySetAside()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, why);
        QTemporaryDir folder;
        QFile bad(folder.filePath("recovery-1-2.ini"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write(bytes);
        bad.close();
        TestWindows app;
        ScriptedUser user;
        user.answer(QMessageBox::Ok);
        app.mainWindow.offerRecovery(folder.path());
        QCOMPARE(user.messages(),
                 QStringList{"*** RECOVERY FAILED ***|Unsaved work left by an earlier run cannot "
                             "be restored.\nThe file " +
                             bad.fileName() + " holds no army that can be restored: " + why});
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"recovery-1-2.ini.bad"});
        app.mainWindow.offerRecovery(folder.path());
        QCOMPARE(user.messages().size(), 1);
    }

    // What killed programs left beside their copies goes at the next start: the temporary files
    // of writes and the locks of copies already removed; those of a running program's copy stay.
    void leftoversRemoved()
    {
        QTemporaryDir folder;
        QProcess killed;
        killed.start(program, {"--keep-and-remove", folder.path()});
        QVERIFY(killed.waitForReadyRead(20000));
        const QString removedCopy = QString::fromLocal8Bit(killed.readLine().trimmed());
        killed.kill();
        QVERIFY(killed.waitForFinished());
        RecoveryFile running(folder.path());
        QVERIFY(running.write({Store(), false, QString(), QDateTime::currentDateTime()}, nullptr));
        const QString runningCopy = QFileInfo(running.path()).fileName();
        const QString keptTemporary = u'.' + runningCopy + ".1-a.tmp";
        for (const QString& name :
             {u'.' + QFileInfo(removedCopy).fileName() + ".2-b.tmp", keptTemporary}) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QVERIFY(QFile::exists(removedCopy + ".lock"));
        QVERIFY(leftWork(folder.path()).empty());
        QStringList expected{keptTemporary, runningCopy, runningCopy + ".lock"};
        expected.sort();
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
    }

    // A copy that cannot be written is told in the status bar until one is written again, which
    // is tried no sooner than the interval after the failure.
    void unprotectedWorkTold()
    {
        TestWindows app;
        MainWindow& main = app.mainWindow;
        MainWindowPage page(main);
        main.showAndActivate();
        main.recovery().setRetryInterval(500);
        const QString folder = RecoveryFile::defaultFolder();
        QDir(folder).removeRecursively();
        QVERIFY(QDir().mkpath(QFileInfo(folder).path()));
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        page.armyNameEdit->setText("ŁÓDŹ");
        QTRY_VERIFY(!page.statusBar->currentMessage().isEmpty());
        QElapsedTimer sinceFailure;
        sinceFailure.start();
        QCOMPARE(page.statusBar->currentMessage(),
                 "Unsaved work is not protected: The folder " + folder + " cannot be made.");
        QVERIFY(blocker.remove());
        page.unitWordEdit->setText("Pułk");
        QTRY_VERIFY(page.statusBar->currentMessage().isEmpty());
        QVERIFY(sinceFailure.elapsed() >= 400);
        main.recovery().finish();
        RecoveredWork copied;
        const LeftWork copy{main.recovery().path(), nullptr, QDateTime()};
        QVERIFY(copy.read(copied, nullptr));
        QCOMPARE(copied.army.army.unitWord, QStringLiteral("Pułk"));
        main.recovery().removeCopy();
    }

    // Two programs at once keep a copy each, and neither is offered the other's.
    void twoProgramsKeepTheirOwn()
    {
        QTemporaryDir folder;
        Store army(QLocale::c());
        RecoveryFile first(folder.path());
        RecoveryFile second(folder.path());
        QVERIFY(first.write({army, false, QString(), QDateTime::currentDateTime()}, nullptr));
        QVERIFY(second.write({army, false, QString(), QDateTime::currentDateTime()}, nullptr));
        QVERIFY(first.path() != second.path());
        QVERIFY(leftWork(folder.path()).empty());
    }
};

int main(int argc, char* argv[])
{
    if (argc == 3 && QByteArray(argv[1]) == "--child")
        return runChild(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--keep-and-remove")
        return keepAndRemoveCopy(argc, argv);
    QApplication application(argc, argv);
    RecoveryTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_Recovery.moc"
