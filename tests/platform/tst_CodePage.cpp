// The Windows-1252 code page of the datafile: lossless for every byte, strict for characters it
// cannot hold, and the capitals the army-name edit may produce.
#include "platform/CodePage.h"

#include <QStringDecoder>
#include <QtTest>

class TestCodePage : public QObject
{
    Q_OBJECT

private slots:
    void everyByteRoundTrips();
    void decoding_data();
    void decoding();
    void decodingAgreesWithTheSystemCodec();
    void encoding_data();
    void encoding();
    void unencodable_data();
    void unencodable();
    void upperCase_data();
    void upperCase();
};

// A loaded file saves back byte for byte, the five unassigned bytes included.
void TestCodePage::everyByteRoundTrips()
{
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all.append(char(byte));
    const QString text = decodeWindows1252(all);
    QCOMPARE(text.size(), 256);
    QVERIFY(fitsWindows1252(text));
    QByteArray back;
    QVERIFY(encodeWindows1252(text, back));
    QCOMPARE(back, all);
    for (int byte = 0; byte < 256; ++byte) {
        QByteArray one;
        QVERIFY(encodeWindows1252(QString(text[byte]), one));
        QCOMPARE(one, QByteArray(1, char(byte)));
    }
}

void TestCodePage::decoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("ASCII") << QByteArray("Name=Orcs;#") << "Name=Orcs;#";
    QTest::newRow("80 is the euro sign") << QByteArray("\x80") << QStringLiteral("€");
    QTest::newRow("8A 8C 8E 9A 9C 9E 9F are letters")
        << QByteArray("\x8A\x8C\x8E\x9A\x9C\x9E\x9F") << QStringLiteral("ŠŒŽšœžŸ");
    QTest::newRow("quotes and dashes")
        << QByteArray("\x91\x92\x93\x94\x96\x97") << QStringLiteral("‘’“”–—");
    QTest::newRow("the unassigned bytes keep their number")
        << QByteArray("\x81\x8D\x8F\x90\x9D")
        << QString::fromUtf16(u"\u0081\u008D\u008F\u0090\u009D");
    QTest::newRow("A0 to FF are Latin-1")
        << QByteArray("\xA0\xB5\xDF\xE9\xFF") << QStringLiteral("\u00A0µßéÿ");
    QTest::newRow("NUL is kept") << QByteArray("a\0b", 3) << QString::fromUtf16(u"a\u0000b", 3);
}

void TestCodePage::decoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(decodeWindows1252(bytes), text);
    QByteArray back;
    QVERIFY(encodeWindows1252(text, back));
    QCOMPARE(back, bytes);
}

// Our table against the system's, for every byte that Windows-1252 assigns.
void TestCodePage::decodingAgreesWithTheSystemCodec()
{
    QStringDecoder system("windows-1252");
    if (!system.isValid())
        QSKIP("Qt was built without a Windows-1252 codec to compare with.");
    for (int byte = 0; byte < 256; ++byte) {
        if (byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D)
            continue;
        const QByteArray one(1, char(byte));
        const QString expected = system.decode(one);
        QVERIFY2(decodeWindows1252(one) == expected, qPrintable(QString::number(byte, 16)));
    }
}

void TestCodePage::encoding_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QString() << QByteArray();
    QTest::newRow("a troop line") << "R_Weapon1=5,Rifle,Flame thrower,6"
                                  << QByteArray("R_Weapon1=5,Rifle,Flame thrower,6");
    QTest::newRow("accented letters") << QStringLiteral("Armée ÿ")
                                      << QByteArray("Arm\xE9"
                                                    "e \xFF");
    QTest::newRow("letters of 80-9F")
        << QStringLiteral("€ŠŒŽšœžŸ") << QByteArray("\x80\x8A\x8C\x8E\x9A\x9C\x9E\x9F");
}

void TestCodePage::encoding()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QByteArray out;
    QChar bad = u'?';
    QVERIFY(encodeWindows1252(text, out, &bad));
    QCOMPARE(out, bytes);
    QCOMPARE(bad, QChar(u'?'));
    QVERIFY(fitsWindows1252(text));
}

void TestCodePage::unencodable_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("bad");
    const auto row = [](const char* name, const QString& text, char16_t bad) {
        QTest::newRow(name) << text << QChar(bad);
    };
    row("L with stroke", QStringLiteral("Łódź"), u'Ł');
    row("A with macron", QStringLiteral("Āb"), u'Ā');
    row("a bad character after good ones", QStringLiteral("Armée Ł"), u'Ł');
    row("the control character 80, whose byte is the euro sign", QString(QChar(0x80)), 0x80);
    row("the control character 9F, whose byte is Y diaeresis", QString(QChar(0x9F)), 0x9F);
    row("the control character 85", QString(QChar(0x85)), 0x85);
    row("capital mu, the capital of micro", QStringLiteral("Μ"), u'Μ');
    row("f with hook capital", QStringLiteral("Ƒ"), u'Ƒ');
    row("dotless i", QStringLiteral("ı"), u'ı');
    row("the character next to the euro sign", QString(QChar(0x20AD)), 0x20AD);
    row("the byte-order mark", QString(QChar(0xFEFF)), 0xFEFF);
    row("the replacement character", QString(QChar(0xFFFD)), 0xFFFD);
    row("a character outside the basic plane", QStringLiteral("a😀"),
        QStringLiteral("😀")[0].unicode());
    row("a lone surrogate", QString(QChar(0xDC00)), 0xDC00);
}

void TestCodePage::unencodable()
{
    QFETCH(QString, text);
    QFETCH(QChar, bad);
    QByteArray out;
    QChar reported;
    QVERIFY(!encodeWindows1252(text, out, &reported));
    QCOMPARE(reported, bad);
    QVERIFY(!encodeWindows1252(text, out));
    QVERIFY(!fitsWindows1252(text));
}

void TestCodePage::upperCase_data()
{
    QTest::addColumn<QChar>("letter");
    QTest::addColumn<QChar>("upper");
    const auto row = [](const char* name, char16_t letter, char16_t upper) {
        QTest::newRow(name) << QChar(letter) << QChar(upper);
    };
    row("a", u'a', u'A');
    row("z", u'z', u'Z');
    row("e acute", u'é', u'É');
    row("a grave", u'à', u'À');
    row("o slash", u'ø', u'Ø');
    row("thorn", u'þ', u'Þ');
    row("eth", u'ð', u'Ð');
    row("y diaeresis becomes the capital at byte 9F", u'ÿ', u'Ÿ');
    row("s caron", u'š', u'Š');
    row("oe", u'œ', u'Œ');
    row("z caron", u'ž', u'Ž');
    row("sharp s stays: its capital is two letters", u'ß', u'ß');
    row("micro stays: its capital is Greek", u'µ', u'µ');
    row("f with hook stays: its capital is outside the code page", u'ƒ', u'ƒ');
    row("a capital stays", u'É', u'É');
    row("a digit stays", u'1', u'1');
    row("division stays", u'÷', u'÷');
    row("ordinal a stays", u'ª', u'ª');
    row("an unassigned byte stays", 0x81, 0x81);
    row("dotless i stays: it is outside the code page, though I is not", u'ı', u'ı');
    row("long s stays: it is outside the code page, though S is not", u'ſ', u'ſ');
    row("l with stroke stays", u'ł', u'ł');
}

void TestCodePage::upperCase()
{
    QFETCH(QChar, letter);
    QFETCH(QChar, upper);
    QCOMPARE(upperWindows1252(letter), upper);
}

QTEST_GUILESS_MAIN(TestCodePage)
#include "tst_CodePage.moc"
