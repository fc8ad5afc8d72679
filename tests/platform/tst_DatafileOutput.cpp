// Writing the datafile: the exact bytes, and on every failure a reason and the old file (or no
// file) left as it was.
#include "platform/DatafileOutput.h"
#include "platform/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#ifdef Q_OS_WIN
#include "platform/windows/SystemError.h"
#include <windows.h>
#else
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace
{

QByteArray readAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "(unreadable)";
    return file.readAll();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList folderContent(const QString& path)
{
    return QDir(path).entryList(QDir::AllEntries | QDir::System | QDir::Hidden |
                                QDir::NoDotAndDotDot);
}

} // namespace

class TestDatafileOutput : public QObject
{
    Q_OBJECT

private slots:
    void exactBytes_data();
    void exactBytes();
    void unencodable_data();
    void unencodable();
    void anyName();
    void unwritablePath_data();
    void unwritablePath();
#ifdef Q_OS_WIN
    void keepsWhatIsInTheWay_data();
    void keepsWhatIsInTheWay();
#else
    void notRegularFile_data();
    void notRegularFile();
    void fullDisk();
#endif
};

void TestDatafileOutput::exactBytes_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("no lines make an empty file") << QStringList() << QByteArray();
    QTest::newRow("an empty line is CR LF") << QStringList{""} << QByteArray("\r\n");
    QTest::newRow("every line, the last included, ends with CR LF")
        << QStringList{"[Race]", "Name=Orcs", ""} << QByteArray("[Race]\r\nName=Orcs\r\n\r\n");
    QTest::newRow("Windows-1252 bytes and no byte-order mark")
        << QStringList{QStringLiteral("Name=Armée €"), QStringLiteral("Œuvre=ÿŸ")}
        << QByteArray("Name=Arm\xE9"
                      "e \x80\r\n\x8Cuvre=\xFF\x9F\r\n");
    QTest::newRow("the unassigned bytes are written back")
        << QStringList{QString::fromUtf16(u"k=\u0081\u008D\u008F\u0090\u009D")}
        << QByteArray("k=\x81\x8D\x8F\x90\x9D\r\n");
    QTest::newRow("blanks, quotes and ; are written as they are")
        << QStringList{"; comment", "k= \"v\" ;x "} << QByteArray("; comment\r\nk= \"v\" ;x \r\n");
}

// A new file and an existing longer one both end up holding exactly the lines.
void TestDatafileOutput::exactBytes()
{
    QFETCH(QStringList, lines);
    QFETCH(QByteArray, bytes);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath("vhold.ini");

    for (const bool existing : {false, true}) {
        if (existing)
            QVERIFY(writeFile(path, QByteArray(4096, 'o')));
        QString reason = "untouched";
        QVERIFY(writeDatafile(path, lines, &reason));
        QCOMPARE(reason, QString("untouched"));
        QCOMPARE(readAll(path), bytes);
        QCOMPARE(folderContent(folder.path()), QStringList{"vhold.ini"});
    }
}

void TestDatafileOutput::unencodable_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a letter of another code page")
        << QStringList{"[Race]", QStringLiteral("Name=Łódź")}
        << QStringLiteral(
               "The text \"Name=Łódź\" holds the character \"Ł\", which the datafile cannot hold.");
    QTest::newRow("a character outside the basic plane, in the last line")
        << QStringList{"[Race]", "Name=Orcs", QStringLiteral("Specials=1,Roar 😀")}
        << QStringLiteral("The text \"Specials=1,Roar 😀\" holds the character \"😀\", which the "
                          "datafile cannot hold.");
    QTest::newRow("an invisible character is shown with its number")
        << QStringList{QStringLiteral("Name=Or\u200Bcs")}
        << QStringLiteral("The text \"Name=Or\u200Bcs\" holds the character \"\u200B\" (U+200B), "
                          "which the datafile cannot hold.");
}

// Nothing is written, neither the new file nor a temporary one, and an old file stays.
void TestDatafileOutput::unencodable()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath("vhold.ini");

    QString given;
    QVERIFY(!writeDatafile(path, lines, &given));
    QCOMPARE(given, reason);
    QCOMPARE(folderContent(folder.path()), QStringList());

    const QByteArray old = "[Race]\r\nName=Old\r\n";
    QVERIFY(writeFile(path, old));
    QVERIFY(!writeDatafile(path, lines, &given));
    QCOMPARE(readAll(path), old);
    QCOMPARE(folderContent(folder.path()), QStringList{"vhold.ini"});
}

// A file whose name holds letters of no single code page is saved and read back under that name.
void TestDatafileOutput::anyName()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("Ærmée Łódź Σπάρτη 軍 😀.ini"));
    QString reason;
    QVERIFY(writeDatafile(path, {"[Race]", "Name=Orcs"}, &reason));
    QCOMPARE(reason, QString());
    QCOMPARE(folderContent(folder.path()), QStringList{QFileInfo(path).fileName()});
    QByteArray bytes;
    QVERIFY(readFileChunks(
        path, &reason, [&bytes](const char* data, qsizetype size) { bytes.append(data, size); }));
    QCOMPARE(bytes, QByteArray("[Race]\r\nName=Orcs\r\n"));
}

void TestDatafileOutput::unwritablePath_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("blocker");
    QTest::newRow("a file in a missing folder") << "missing/vhold.ini" << QString();
    QTest::newRow("a file in a folder that is a file") << "army/vhold.ini"
                                                       << "army";
    QTest::newRow("a path that is a folder") << "vhold.ini"
                                             << "vhold.ini/";
    QTest::newRow("the empty path") << "" << QString();
}

// The save fails with the system's reason and leaves the folder exactly as it was: a file in
// the way keeps its content and no temporary file is left behind.
void TestDatafileOutput::unwritablePath()
{
    QFETCH(QString, target);
    QFETCH(QString, blocker);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QByteArray old = "[Race]\r\nName=Old\r\n";
    if (blocker.endsWith('/'))
        QVERIFY(QDir(folder.path()).mkdir(blocker));
    else if (!blocker.isEmpty())
        QVERIFY(writeFile(folder.filePath(blocker), old));
    const QStringList before = folderContent(folder.path());
    const QString path = target.isEmpty() ? QString() : folder.filePath(target);

    QString reason;
    QVERIFY(!writeDatafile(path, {"[Race]", "Name=New"}, &reason));
    QVERIFY(!reason.isEmpty());
    QCOMPARE(folderContent(folder.path()), before);
    if (!blocker.isEmpty() && !blocker.endsWith('/'))
        QCOMPARE(readAll(folder.filePath(blocker)), old);
    if (blocker.endsWith('/'))
        QCOMPARE(folderContent(folder.filePath(blocker)), QStringList());
}

#ifdef Q_OS_WIN

void TestDatafileOutput::keepsWhatIsInTheWay_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a device") << "device" << notRegularTargetReason();
    QTest::newRow("a read-only file") << "read-only" << systemErrorText(ERROR_ACCESS_DENIED);
    QTest::newRow("a file another program holds open, sharing no deletion") << "held"
                                                                            << "";
}

// What is in the target's place stays as it was and no temporary file is left behind; a file
// held open by another program (Musterant reading it, say) cannot be replaced and the save
// says why.
void TestDatafileOutput::keepsWhatIsInTheWay()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(kind == "device" ? "NUL" : "vhold.ini");
    const QByteArray old = "[Race]\r\nName=Old\r\n";
    const QString native = nativePath(path);
    const auto name = reinterpret_cast<const wchar_t*>(native.utf16());
    HANDLE held = INVALID_HANDLE_VALUE;
    if (kind != "device")
        QVERIFY(writeFile(path, old));
    if (kind == "read-only")
        QVERIFY(SetFileAttributesW(name, FILE_ATTRIBUTE_READONLY));
    if (kind == "held") {
        held = CreateFileW(name, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        QVERIFY(held != INVALID_HANDLE_VALUE);
    }
    const QStringList before = folderContent(folder.path());

    QString given;
    const bool saved = writeDatafile(path, {"[Race]", "Name=New"}, &given);
    if (held != INVALID_HANDLE_VALUE)
        CloseHandle(held);
    if (kind == "read-only")
        SetFileAttributesW(name, FILE_ATTRIBUTE_NORMAL);
    QVERIFY(!saved);
    if (reason.isEmpty())
        QVERIFY(!given.isEmpty());
    else
        QCOMPARE(given, reason);
    QCOMPARE(folderContent(folder.path()), before);
    if (kind != "device")
        QCOMPARE(readAll(path), old);
}

#else

void TestDatafileOutput::notRegularFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("a pipe") << "pipe";
    QTest::newRow("a socket") << "socket";
    QTest::newRow("a link to a device") << "device";
}

// Saving over anything but a regular file is refused with the reason, and the thing in the way
// stays what it was.
void TestDatafileOutput::notRegularFile()
{
    QFETCH(QString, kind);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath("vhold.ini");
    const QByteArray name = QFile::encodeName(path);
    int socketFd = -1;
    if (kind == "pipe") {
        QCOMPARE(::mkfifo(name.constData(), 0600), 0);
    } else if (kind == "socket") {
        socketFd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(socketFd >= 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        QVERIFY(size_t(name.size()) < sizeof(address.sun_path));
        qstrcpy(address.sun_path, name.constData());
        QCOMPARE(::bind(socketFd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    } else {
        QVERIFY(QFile::link("/dev/null", path));
    }
    struct stat before;
    QCOMPARE(::lstat(name.constData(), &before), 0);

    QString reason;
    QVERIFY(!writeDatafile(path, {"[Race]", "Name=New"}, &reason));
    QCOMPARE(reason, QString("It is not a regular file (a device, a pipe or a socket); only a "
                             "regular file can be saved over."));
    struct stat after;
    QCOMPARE(::lstat(name.constData(), &after), 0);
    QCOMPARE(after.st_mode, before.st_mode);
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(folderContent(folder.path()), QStringList{"vhold.ini"});
    if (socketFd >= 0)
        ::close(socketFd);
}

// On a full file system the save names the cause, keeps the old file and leaves no temporary
// file behind. A small file system of its own is mounted for it, which needs root.
void TestDatafileOutput::fullDisk()
{
    if (::geteuid() != 0)
        QSKIP("Mounting a small file system needs root.");
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QByteArray mountPoint = QFile::encodeName(folder.path());
    if (::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=64k") != 0)
        QSKIP("This system does not let the tests mount a file system.");
    const QString path = folder.filePath("vhold.ini");
    const QByteArray old = "[Race]\r\nName=Old\r\n";
    const bool oldWritten = writeFile(path, old);

    QString reason;
    const bool saved = writeDatafile(path, QStringList(4000, QString(60, u'x')), &reason);
    const QByteArray kept = readAll(path);
    const QStringList content = folderContent(folder.path());
    QCOMPARE(::umount(mountPoint.constData()), 0);

    QVERIFY(oldWritten);
    QVERIFY(!saved);
    QCOMPARE(reason, QString("No space left on device"));
    QCOMPARE(kept, old);
    QCOMPARE(content, QStringList{"vhold.ini"});
}

#endif

QTEST_GUILESS_MAIN(TestDatafileOutput)
#include "tst_DatafileOutput.moc"
