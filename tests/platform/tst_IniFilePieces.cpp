// A file read a piece at a time answers as its bytes parsed whole, whatever the boundary between
// two pieces cuts: a line end, a name, a value, or a line longer than a piece.
#include "platform/FileBytes.h"
#include "platform/IniFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

// The text with its byte at position `cut` made the first of the file's second piece, by a
// comment line of the right length before it.
QByteArray cutAt(const QByteArray& text, qsizetype cut)
{
    const QByteArray head = "[lead]\n;";
    const qsizetype filler = fileChunkSize - head.size() - 1 - cut;
    return head + QByteArray(filler, 'x') + "\n" + text;
}

QByteArray utf16Le(const QString& text)
{
    QByteArray bytes("\xFF\xFE");
    for (const QChar c : text) {
        bytes.append(char(c.unicode() & 0xFF));
        bytes.append(char(c.unicode() >> 8));
    }
    return bytes;
}

} // namespace

class TestIniFilePieces : public QObject
{
    Q_OBJECT

private slots:
    void pieceBoundary_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");

        const QByteArray crlf = "[s]\r\nk=v\r\nj=w\r\n";
        QTest::newRow("CR and LF in two pieces") << cutAt(crlf, crlf.indexOf("\nj")) << "s"
                                                 << "j"
                                                 << "w";
        QTest::newRow("a header in two pieces") << cutAt("[sec]\nk=v\n", 2) << "sec"
                                                << "k"
                                                << "v";
        QTest::newRow("a key in two pieces") << cutAt("[s]\nkey=v\n", 5) << "s"
                                             << "key"
                                             << "v";
        QTest::newRow("a code-page byte only in the second piece")
            << cutAt("[s]\nk=ab\x80"
                     "cd\n",
                     8)
            << "s"
            << "k" << QString::fromUtf8("ab\u20ACcd");
        QTest::newRow("a NUL at the start of the second piece")
            << cutAt(QByteArray("[s]\nk=ab\0cd\n", 12), 8) << "s"
            << "k"
            << "ab";
        QTest::newRow("a line over four pieces")
            << cutAt("[s]\nk=" + QByteArray(3 * fileChunkSize, 'y') + "\n", 6) << "s"
            << "k" << QString(3 * fileChunkSize, u'y');
        QTest::newRow("UTF-16 over two pieces")
            << utf16Le("[s]\r\n;" + QString(fileChunkSize, u'x') +
                       QString::fromUtf8("\r\nk=\u00E9v\r\n"))
            << "s"
            << "k" << QString::fromUtf8("\u00E9v");
    }

    void pieceBoundary()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);

        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QFile file(folder.filePath("vhold.ini"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();

        const IniFile read = IniFile::read(file.fileName());
        const IniFile whole = IniFile::parse(bytes);
        QCOMPARE(read.value(section, key, QString()), value);
        QCOMPARE(read.sectionNames(), whole.sectionNames());
        for (const QString& name : whole.sectionNames()) {
            QCOMPARE(read.keyNames(name), whole.keyNames(name));
            for (const QString& k : whole.keyNames(name))
                QCOMPARE(read.value(name, k, QString()), whole.value(name, k, QString()));
        }
    }
};

QTEST_GUILESS_MAIN(TestIniFilePieces)
#include "tst_IniFilePieces.moc"
