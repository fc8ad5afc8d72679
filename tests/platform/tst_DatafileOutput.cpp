// Writing the datafile: the exact bytes, and on every failure a reason and the old file (or no
// file) left as it was.
#include "platform/DatafileOutput.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

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
    return QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
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
    void unwritablePath_data();
    void unwritablePath();
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

QTEST_GUILESS_MAIN(TestDatafileOutput)
#include "tst_DatafileOutput.moc"
