// Reading a file's bytes: a real file whole, and anything that is not one, never ends or would
// block refused within a bounded time, with the reason.
#include "platform/FileBytes.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#ifdef Q_OS_WIN
#include "platform/windows/SystemError.h"
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace
{
const int limit = 1024 * 1024;

// The whole file as the pieces come; nothing when the read is refused.
bool readFileBytes(const QString& path, QByteArray& bytes, QString* reason,
                   qint64 sizeLimit = maxDatafileSize)
{
    bytes.clear();
    const bool read = readFileChunks(
        path, reason, [&bytes](const char* data, qsizetype size) { bytes.append(data, size); },
        sizeLimit);
    if (!read)
        bytes.clear();
    return read;
}
} // namespace

class TestFileBytes : public QObject
{
    Q_OBJECT

private slots:
    void readsUpToTheLimit_data();
    void readsUpToTheLimit();
    void refuses_data();
    void refuses();
};

void TestFileBytes::readsUpToTheLimit_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("read");
    QTest::newRow("an empty file") << 0 << true;
    QTest::newRow("a file of more than one read") << 200000 << true;
    QTest::newRow("a file of exactly the limit") << limit << true;
    QTest::newRow("a file one byte past the limit") << limit + 1 << false;
}

void TestFileBytes::readsUpToTheLimit()
{
    QFETCH(int, size);
    QFETCH(bool, read);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath("vhold.ini");
    QByteArray content(size, 'x');
    for (int i = 0; i < size; ++i)
        content[i] = char(i * 7 + i / 251);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), qint64(size));
    file.close();

    QByteArray bytes = "old";
    QString reason;
    QCOMPARE(readFileBytes(path, bytes, &reason, limit), read);
    QCOMPARE(bytes, read ? content : QByteArray());
    QCOMPARE(reason, read ? QString()
                          : QString("The file is larger than 1 MiB; no datafile is "
                                    "that large."));
}

void TestFileBytes::refuses_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a folder") << "folder"
                              << "It is not a regular file.";
#ifdef Q_OS_WIN
    QTest::newRow("a missing file") << "missing" << systemErrorText(ERROR_FILE_NOT_FOUND);
    QTest::newRow("a device in a folder") << "NUL"
                                          << "It is not a regular file.";
#else
    QTest::newRow("a missing file") << "missing"
                                    << "No such file or directory";
    QTest::newRow("a pipe no one writes to") << "pipe"
                                             << "It is not a regular file.";
    QTest::newRow("an endless device") << "/dev/zero"
                                       << "It is not a regular file.";
    QTest::newRow("a system file that claims 0 bytes and never ends")
        << "/proc/self/pagemap"
        << "The file is larger than 256 MiB; no datafile is that large.";
#endif
}

// Each is refused at once: nothing blocks, and no more than the limit is ever read.
void TestFileBytes::refuses()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QString path = folder.filePath("vhold.ini");
    if (kind == "folder")
        QVERIFY(QDir(folder.path()).mkdir("vhold.ini"));
#ifdef Q_OS_UNIX
    else if (kind == "pipe")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
#endif
    else if (kind.startsWith('/'))
        path = kind;
    else if (kind != "missing")
        path = folder.filePath(kind);
    if (kind.startsWith('/') && !QFileInfo(path).isReadable())
        QSKIP("This system does not let the tests read that file.");

    QElapsedTimer clock;
    clock.start();
    QByteArray bytes;
    QString given;
    QVERIFY(!readFileBytes(path, bytes, &given));
    QVERIFY(clock.elapsed() < 20000);
    QCOMPARE(given, reason);
    QVERIFY(bytes.isEmpty());
}

QTEST_GUILESS_MAIN(TestFileBytes)
#include "tst_FileBytes.moc"
