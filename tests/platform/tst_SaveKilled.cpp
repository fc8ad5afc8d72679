// A save killed at any moment leaves the complete old file or the complete new one. A child
// process saves a large army over and over, alternating two versions, and is killed with
// SIGKILL at a random moment.
#include "datafile/Writer.h"
#include "platform/DatafileOutput.h"
#include "store/Store.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <cstdio>

namespace
{

const char* const loopVariable = "QUARRIMAK_SAVE_LOOP";

// An army of 100 troops with long weapon lists, named by the version.
QStringList largeArmy(const QString& version)
{
    Store store(QLocale(QLocale::English, QLocale::UnitedStates));
    setUpStore(store);
    store.army = {version, QStringLiteral("Unit"), QStringLiteral("Squad")};
    store.troopCount = Store::slotCount;
    for (int k = 0; k < Store::slotCount; ++k) {
        Troop& troop = store.troops[k];
        troop.name = QStringLiteral("%1 troop %2").arg(version).arg(k);
        troop.role = QStringLiteral("TR");
        troop.standardWeapons = store.newPlainList();
        for (int i = 0; i < 150; ++i)
            troop.standardWeapons->add(QStringLiteral("Weapon %1 of %2").arg(i).arg(version));
    }
    return datafileLines(store);
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

// The child: saves the new and the old version in turn until it is killed.
int saveForever(const QString& path)
{
    const QStringList versions[] = {largeArmy(QStringLiteral("New")),
                                    largeArmy(QStringLiteral("Old"))};
    std::fputs("saving\n", stdout);
    std::fflush(stdout);
    for (int i = 0;; i = 1 - i) {
        if (!writeDatafile(path, versions[i], nullptr))
            return 1;
    }
}

} // namespace

class TestSaveKilled : public QObject
{
    Q_OBJECT

private slots:
    void completeOldOrNewFile();
};

void TestSaveKilled::completeOldOrNewFile()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath("vhold.ini");
    const QByteArray oldFile = bytesOf(largeArmy(QStringLiteral("Old")));
    const QByteArray newFile = bytesOf(largeArmy(QStringLiteral("New")));

    QElapsedTimer clock;
    clock.start();
    QVERIFY(writeDatafile(path, largeArmy(QStringLiteral("Old")), nullptr));
    const qint64 saveMicroseconds = qMax<qint64>(clock.nsecsElapsed() / 1000, 1000);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(loopVariable, path);
    int oldSeen = 0;
    int newSeen = 0;
    for (int trial = 0; trial < 60; ++trial) {
        QProcess child;
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), QStringList());
        QVERIFY(child.waitForReadyRead(20000));
        // Somewhere in the first three saves: before, during or after a rename.
        QThread::usleep(QRandomGenerator::global()->bounded(quint64(3 * saveMicroseconds)));
        child.kill();
        QVERIFY(child.waitForFinished(20000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        const QByteArray content = readAll(path);
        if (content == oldFile)
            ++oldSeen;
        else if (content == newFile)
            ++newSeen;
        else
            QFAIL(qPrintable(QStringLiteral("Trial %1 left a file of %2 bytes that is neither "
                                            "version.")
                                 .arg(trial)
                                 .arg(content.size())));
    }
    // The kills fell both before and after a rename, so both moments were tried.
    QVERIFY(oldSeen > 0);
    QVERIFY(newSeen > 0);
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
