// A save killed at any moment leaves the complete file of the last save or of the one before.
// A child process saves a large army over and over, each save a new version, and is killed
// with SIGKILL at a random moment.
#include "datafile/Writer.h"
#include "platform/DatafileOutput.h"
#include "store/Store.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <cstdio>
#include <limits>

namespace
{

const char* const loopVariable = "QUARRIMAK_SAVE_LOOP";

// An army of 100 troops with long weapon lists.
QStringList largeArmy()
{
    Store store(QLocale(QLocale::English, QLocale::UnitedStates));
    store.army = {QStringLiteral("Version 0"), QStringLiteral("Unit"), QStringLiteral("Squad")};
    store.troopCount = Store::slotCount;
    for (int k = 0; k < Store::slotCount; ++k) {
        Troop& troop = store.troops[k];
        troop.name = QStringLiteral("Troop %1").arg(k);
        troop.role = QStringLiteral("TR");
        troop.standardWeapons = store.newPlainList();
        for (int i = 0; i < 100; ++i)
            troop.standardWeapons->add(QStringLiteral("Weapon %1").arg(i));
    }
    return datafileLines(store);
}

// The army saved as version n: its name tells the versions apart.
QStringList version(QStringList army, int n)
{
    army[army.indexOf(QStringLiteral("Name=Version 0"))] = QStringLiteral("Name=Version %1").arg(n);
    return army;
}

QByteArray bytesOf(const QStringList& lines)
{
    QByteArray bytes;
    encodeDatafile(lines, bytes, nullptr);
    return bytes;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// The child: saves versions 1, 2, 3, ... and reports each save done, until it is killed.
int saveForever(const QString& path)
{
    const QStringList army = largeArmy();
    std::fputs("saving\n", stdout);
    std::fflush(stdout);
    for (int n = 1;; ++n) {
        if (!writeDatafile(path, version(army, n), nullptr))
            return 1;
        std::fputs("saved\n", stdout);
        std::fflush(stdout);
    }
}

} // namespace

class TestSaveKilled : public QObject
{
    Q_OBJECT

private slots:
    void lastOrNextVersion();
};

void TestSaveKilled::lastOrNextVersion()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath("vhold.ini");
    const QStringList army = largeArmy();

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(loopVariable, path);
    for (int trial = 0; trial < 50; ++trial) {
        QElapsedTimer clock;
        clock.start();
        QVERIFY(writeDatafile(path, version(army, 0), nullptr));
        // The save removed what the killed saves before it left beside the file.
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"vhold.ini"});
        const quint64 saveMicroseconds = quint64(qMax<qint64>(clock.nsecsElapsed() / 1000, 1000));

        QProcess child;
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), QStringList());
        QVERIFY(child.waitForReadyRead(20000));
        // Somewhere in the first few saves: before, during or after a rename.
        QThread::usleep(QRandomGenerator::global()->bounded(3 * saveMicroseconds));
        child.kill();
        QVERIFY(child.waitForFinished(20000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        // After n reported saves the file is version n, or n + 1 when the kill came between
        // that save's rename and its report. Under Wine the last reports of a killed child can
        // be lost with it, so there the file is a whole version of at least n.
        const int n = int(child.readAllStandardOutput().count("saved\n"));
        const QByteArray content = readAll(path);
#ifdef Q_OS_WIN
        const int newest = std::numeric_limits<int>::max();
#else
        const int newest = n + 1;
#endif
        const QRegularExpression name(QStringLiteral("^Name=Version (\\d+)\r$"),
                                      QRegularExpression::MultilineOption);
        const int saved = name.match(QString::fromLatin1(content)).captured(1).toInt();
        const bool whole =
            saved >= n && saved <= newest && content == bytesOf(version(army, saved));
        if (!whole)
            QFAIL(qPrintable(QStringLiteral("Trial %1, after %2 saves, left a file of %3 bytes "
                                            "that is no whole version from %2 to %4.")
                                 .arg(trial)
                                 .arg(n)
                                 .arg(content.size())
                                 .arg(newest)));
    }
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsSet(loopVariable))
        return saveForever(qEnvironmentVariable(loopVariable));
    QCoreApplication application(argc, argv);
    TestSaveKilled test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_SaveKilled.moc"
