// The reader against ini-semantics.md; every row names the rule it shows in brackets. Each row
// is answered twice, from the bytes (IniFile::parse) and from a file holding them
// (IniFile::read), and both answers must be the expected one.
#include "platform/IniFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

// What a row asks of the file.
enum Ask { SectionList, KeyList, ValueOf };

const QString fallback = QStringLiteral("(default)");

// Bytes from a literal, NUL bytes included.
template <std::size_t n> QByteArray bytes(const char (&text)[n])
{
    return QByteArray(text, qsizetype(n - 1));
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

void addColumns()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("ask");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QStringList>("expected");
}

void sections(const char* row, const QByteArray& bytes, const QStringList& expected)
{
    QTest::newRow(row) << bytes << int(SectionList) << QString() << QString() << expected;
}

void keys(const char* row, const QByteArray& bytes, const QString& section,
          const QStringList& expected)
{
    QTest::newRow(row) << bytes << int(KeyList) << section << QString() << expected;
}

void value(const char* row, const QByteArray& bytes, const QString& section, const QString& key,
           const QString& expected)
{
    QTest::newRow(row) << bytes << int(ValueOf) << section << key << QStringList{expected};
}

QStringList answer(const IniFile& ini, int ask, const QString& section, const QString& key)
{
    switch (ask) {
    case SectionList:
        return ini.sectionNames();
    case KeyList:
        return ini.keyNames(section);
    default:
        return {ini.value(section, key, fallback)};
    }
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A row's question asked of its bytes, parsed and read from a file.
void checkRow()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, ask);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QStringList, expected);

    QCOMPARE(answer(IniFile::parse(bytes), ask, section, key), expected);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath("vhold.ini");
    QVERIFY(writeFile(path, bytes));
    QCOMPARE(answer(IniFile::read(path), ask, section, key), expected);
}

} // namespace

class TestIniFile : public QObject
{
    Q_OBJECT

private slots:
    void readingBytes_data();
    void readingBytes() { checkRow(); }
    void missingAndUnreadable_data();
    void missingAndUnreadable();
    void lines_data();
    void lines() { checkRow(); }
    void headersAndEntries_data();
    void headersAndEntries() { checkRow(); }
    void sectionsAndKeys_data();
    void sectionsAndKeys() { checkRow(); }
    void values_data();
    void values() { checkRow(); }
    void badInput_data();
    void badInput();
    void sectionValuesFollowTheKeys_data();
    void sectionValuesFollowTheKeys();
    void lineNumbers_data();
    void lineNumbers();
};

void TestIniFile::readingBytes_data()
{
    addColumns();
    value("[R1] a byte is one character: E9 is e acute", "[s]\r\nk=caf\xE9\r\n", "s", "k",
          QStringLiteral("café"));
    value("[R1] 80 is the euro sign, 8A S caron, 9C oe, 9F Y diaeresis",
          "[s]\r\nk=\x80\x8A\x9C\x9F", "s", "k", QStringLiteral("€ŠœŸ"));
    value("[R1] the unassigned 81 8D 8F 90 9D survive", "[s]\r\nk=\x81\x8D\x8F\x90\x9D", "s", "k",
          QString::fromUtf16(u"\u0081\u008D\u008F\u0090\u009D"));
    value("[R1] A0 and FF", "[s]\r\nk=a\xA0\xFF", "s", "k", QStringLiteral("a\u00A0ÿ"));
    sections("[R1] a section name in Windows-1252",
             "[Arm\xE9"
             "e]\r\n",
             {QStringLiteral("Armée")});
    keys("[R1] a key name in Windows-1252", "[s]\r\nN\xE9=1\r\n", "s", {QStringLiteral("Né")});
    value("[R1] UTF-8 text is read byte by byte", "[s]\r\nk=caf\xC3\xA9", "s", "k",
          QStringLiteral("cafÃ©"));

    const QByteArray utf16 = utf16Le(QStringLiteral("[Sé]\r\nk=Łódź\r\n"));
    sections("[R2] UTF-16LE with its mark: sections", utf16, {QStringLiteral("Sé")});
    value("[R2] UTF-16LE with its mark: a value outside the code page", utf16, QStringLiteral("Sé"),
          "k", QStringLiteral("Łódź"));
    value("[R2] UTF-16LE of an odd length loses the half character",
          utf16Le(QStringLiteral("[s]\nk=ab")) + "c", "s", "k", "ab");
    value("[R2] FF FE not at the start is text", "[s]\r\nk=\xFF\xFE", "s", "k",
          QStringLiteral("ÿþ"));
    value("[R2] FF alone is text", "\xFF[s]\r\nk=v", "s", "k", fallback);
    const QByteArray utf8Mark = "\xEF\xBB\xBF[s]\r\nk=v\r\n[t]\r\nk=w\r\n";
    sections("[R2] a UTF-8 mark makes line 1 no header", utf8Mark, {"t"});
    value("[R2] a UTF-8 mark: the first section cannot be reached", utf8Mark, "s", "k", fallback);
    value("[R2] a UTF-8 mark: later sections read", utf8Mark, "t", "k", "w");
    value("[R1] the bytes of a UTF-8 mark inside the file are text", "[s]\r\n\xEF\xBB\xBFk=v", "s",
          QStringLiteral("ï»¿k"), "v");
    sections("[R2] a UTF-16BE mark is not recognised", bytes("\xFE\xFF\0[\0s\0]\0\r\0\n\0[\0t\0]"),
             {});

    keys("[R4] a NUL cuts a key", bytes("[s]\r\nk\0x=1\r\n"), "s", {"k"});
    value("[R4] a key cut by NUL is found by its first part", bytes("[s]\r\nk\0x=1\r\n"), "s", "k",
          "1");
    value("[R4] a NUL cuts a value", bytes("[s]\r\nv=ab\0cd\r\n"), "s", "v", "ab");
    value("[R4] a NUL at the start of a value gives the empty text", bytes("[s]\r\nv=\0cd"), "s",
          "v", "");
    value("[R4] the first = after a NUL splits the line", bytes("[s]\r\nk\0=x=1\r\n"), "s", "k",
          "x=1");
    keys("[R4] a NUL does not end the line", bytes("[s]\r\na=1\0b=2\r\nc=3"), "s", {"a", "c"});
    sections("[R4] a header after a NUL on the same line is no header", bytes("[s]\r\na=1\0[t]"),
             {"s"});
    sections("[R4] a NUL cuts a section name", bytes("[ab\0cd]\r\n[e\0]f]"), {"ab", "e"});
    keys("[R4] a key that starts with NUL is no key", bytes("[s]\r\n\0k=1\r\nj=2"), "s", {"j"});
    sections("[R4] a section whose name starts with NUL is not listed", bytes("[\0s]\r\n[t]"),
             {"t"});
    value("[R4] a NUL in UTF-16LE cuts the value",
          utf16Le(QStringLiteral("[s]\nk=ab") + QChar(0) + "cd"), "s", "k", "ab");
}

// [R3] Every way of not having a readable file gives no sections and every default.
void TestIniFile::missingAndUnreadable_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("[R3] a missing file") << "missing";
    QTest::newRow("[R3] a file in a missing folder") << "missing folder";
    QTest::newRow("[R3] a file that vanished") << "vanished";
    QTest::newRow("[R3] a folder") << "folder";
    QTest::newRow("[R3] an empty file") << "empty";
    QTest::newRow("[R3] the empty path") << "empty path";
    QTest::newRow("[R3] an endless device") << "device";
}

void TestIniFile::missingAndUnreadable()
{
    QFETCH(QString, kind);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QByteArray content = "[s]\r\nk=v\r\n";
    QString path = folder.filePath("vhold.ini");
    if (kind == "missing folder") {
        path = folder.filePath("gone/vhold.ini");
    } else if (kind == "vanished") {
        QVERIFY(writeFile(path, content));
        QVERIFY(IniFile::read(path).sectionNames() == QStringList{"s"});
        QVERIFY(QFile::remove(path));
    } else if (kind == "folder") {
        QVERIFY(QDir(folder.path()).mkdir("vhold.ini"));
    } else if (kind == "empty") {
        QVERIFY(writeFile(path, QByteArray()));
    } else if (kind == "empty path") {
        path.clear();
    } else if (kind == "device") {
        path = "/dev/zero";
        if (!QFile::exists(path))
            QSKIP("This system has no /dev/zero.");
    }

    QElapsedTimer clock;
    clock.start();
    const IniFile ini = IniFile::read(path);
    QVERIFY(clock.elapsed() < 1000);
    QCOMPARE(ini.sectionNames(), QStringList());
    QCOMPARE(ini.keyNames("s"), QStringList());
    QCOMPARE(ini.value("s", "k", fallback), fallback);
    QCOMPARE(ini.value("", "", fallback), fallback);
}

void TestIniFile::lines_data()
{
    addColumns();
    const QList<QPair<const char*, QByteArray>> endings = {
        {"CRLF", "\r\n"}, {"LF", "\n"}, {"CR", "\r"}, {"LF CR", "\n\r"}, {"CRCRLF", "\r\r\n"}};
    for (const auto& [name, end] : endings) {
        const QByteArray file = "[s]" + end + "a=1" + end + "b=2" + end;
        keys(qPrintable(QString("[L1] %1 line ends: keys").arg(name)), file, "s", {"a", "b"});
        value(qPrintable(QString("[L1] %1 line ends: value").arg(name)), file, "s", "a", "1");
        sections(qPrintable(QString("[L1] %1 line ends: sections").arg(name)),
                 "[s]" + end + "[t]" + end, {"s", "t"});
    }
    keys("[L1] mixed line ends read alike", "[s]\na=1\r\nb=2\rc=3\n\rd=4", "s",
         {"a", "b", "c", "d"});
    keys("[L1] blank lines vanish", "\r\n\r\n[s]\r\n\r\n\n\r\na=1\r\n\r\n\r\nb=2\r\n\r\n", "s",
         {"a", "b"});
    value("[L1] the last line needs no line end", "[s]\r\na=1\r\nb=2", "s", "b", "2");
    keys("[L1] a lone CR ends a line", "[s]\r\na=1\rb=2", "s", {"a", "b"});
    value("[L1] a value ends at a CR", "[s]\r\na=1\rb=2", "s", "a", "1");

    const QList<QPair<const char*, QByteArray>> blanks = {{"space", " "},
                                                          {"tab", "\t"},
                                                          {"vertical tab", "\v"},
                                                          {"form feed", "\f"},
                                                          {"Ctrl-Z", "\x1A"}};
    for (const auto& [name, b] : blanks) {
        const QByteArray file = b + "[" + b + "s" + b + "s" + b + "]" + b + "\r\n" + b + "k" + b +
                                "k" + b + "=" + b + "v" + b + "v" + b + "\r\n";
        const QString inside = QString::fromLatin1(b);
        sections(
            qPrintable(QString("[L2] %1 trimmed around a section name, kept inside").arg(name)),
            file, {"s" + inside + "s"});
        keys(qPrintable(QString("[L2] %1 trimmed around a key, kept inside").arg(name)), file,
             "s" + inside + "s", {"k" + inside + "k"});
        value(qPrintable(QString("[L2] %1 trimmed around a value, kept inside").arg(name)), file,
              "s" + inside + "s", "k" + inside + "k", "v" + inside + "v");
    }
    value("[L2] a no-break space (A0) is not a blank", "[s]\r\n\xA0k\xA0=\xA0v\xA0", "s",
          QStringLiteral("\u00A0k\u00A0"), QStringLiteral("\u00A0v\u00A0"));
    value("[L2] other control characters are not blanks", "[s]\r\nk=\x01v\x1B", "s", "k",
          "\x01v\x1B");
    sections("[L2] a line of blanks only vanishes", "[s]\r\n \t\v\f\x1A\r\n[t]", {"s", "t"});
    keys("[L2] a line of blanks only is no entry", "[s]\r\n \t\v\f\x1A\r\na=1", "s", {"a"});
}

void TestIniFile::headersAndEntries_data()
{
    addColumns();
    sections("[L3] a header after blanks", "  \t[s]\r\n", {"s"});
    sections("[L3] the name ends at the first ]", "[a]b]\r\n", {"a"});
    value("[L3] what follows the ] is ignored", "[s] k=1 ; x\r\nk=2", "s", "k", "2");
    keys("[L3] what follows the ] is no entry", "[s] k=1\r\nj=2", "s", {"j"});
    sections("[L3] without ] the name runs to the end of the line", "[ s  \r\n[t", {"s", "t"});
    value("[L3] a section without ] holds its entries", "[s\r\nk=1", "s", "k", "1");
    sections("[L3] a [ inside the name stays", "[[s]]", {"[s"});
    sections("[L3] an = in a header stays in the name", "[a=b]", {"a=b"});
    value("[L3] a [ after other text is no header", "[s]\r\nk=[t]\r\nx[u]", "s", "k", "[t]");
    sections("[L3] a [ after other text makes no section", "[s]\r\nk=[t]\r\nx[u]", {"s"});

    value("[L4] the value runs on past further =", "[s]\r\nk=a=b=", "s", "k", "a=b=");
    value("[L4] the key is trimmed at its end, the value at its start", "[s]\r\nk \t= \tv", "s",
          "k", "v");
    value("[L4] the value is trimmed at its end with the line", "[s]\r\nk=v  \t\r\n", "s", "k",
          "v");
    value("[L4] a value may start with =", "[s]\r\nk==v", "s", "k", "=v");

    const QByteArray flag = "[s]\r\nflag\r\nk=1\r\n";
    keys("[L5] a line without = is not listed", flag, "s", {"k"});
    value("[L5] a line without = gives the default", flag, "s", "flag", fallback);
    value("[L5] a line without = hides a later entry", "[s]\r\nk\r\nk=1", "s", "k", fallback);
    keys("[L5] the hidden entry is still listed", "[s]\r\nk\r\nk=1", "s", {"k"});
    value("[L5] the hiding ignores ASCII case", "[s]\r\nK \r\nk=1", "s", "k", fallback);
    value("[L5] a line without = hides nothing before it", "[s]\r\nk=1\r\nk", "s", "k", "1");
    value("[L5] a line without = hides nothing in another section", "[s]\r\nk\r\n[t]\r\nk=1", "t",
          "k", "1");

    keys("[L6] a key starting with ; is not listed", "[s]\r\n;c=1\r\nk=2", "s", {"k"});
    value("[L6] a key starting with ; is not found", "[s]\r\n;c=1\r\nk=2", "s", ";c", fallback);
    keys("[L6] a ; after blanks still starts a comment", "[s]\r\n \t;c=1\r\n; note\r\nk=2", "s",
         {"k"});
    value("[L6] a comment hides nothing", "[s]\r\n;k\r\n;k=1\r\nk=2", "s", "k", "2");
    value("[L6] a ; inside a key is text", "[s]\r\na;b=1", "s", "a;b", "1");
    value("[L6] a value may start with ;", "[s]\r\nk=;v", "s", "k", ";v");
    value("[L6] a ; inside a value is text", "[s]\r\nk=v ; note", "s", "k", "v ; note");
    sections("[L6] a ; in a section name is text", "[;s]\r\n[s;t]", {";s", "s;t"});
    keys("[L6] # is text in a key", "[s]\r\n#k=1", "s", {"#k"});
    value("[L6] # is text in a value", "[s]\r\nk=#1", "s", "k", "#1");
    sections("[L6] # is text in a section name", "#[s]\r\n[#t]", {"#t"});

    const QByteArray before = "k=1\r\n[s]\r\nj=2\r\n";
    keys("[L7] entries before the first header do not join it", before, "s", {"j"});
    value("[L7] entries before the first header are not found in it", before, "s", "k", fallback);
    value("[L7] entries before the first header are not found without a section", before, "", "k",
          fallback);
    keys("[L7] entries before the first header are not listed without a section", before, "", {});
}

void TestIniFile::sectionsAndKeys_data()
{
    addColumns();
    const QByteArray race = "[Race]\r\nName=Orcs\r\n";
    value("[S1] names match without regard to ASCII case", race, "rACE", "NAME", "Orcs");
    keys("[S1] a key list found without regard to ASCII case", race, "RACE", {"Name"});
    const QByteArray accented = "[\xC9t\xE9]\r\n\xE9=1\r\n";
    value("[S1] a section matches in its own non-ASCII case", accented, QStringLiteral("ÉTé"),
          QStringLiteral("é"), "1");
    value("[S1] a section name with e acute is not one with E acute", accented,
          QStringLiteral("ÉTÉ"), QStringLiteral("é"), fallback);
    value("[S1] a key name with e acute is not one with E acute", accented, QStringLiteral("Été"),
          QStringLiteral("É"), fallback);
    value("[S1] the Kelvin sign is not a K", "[s]\r\nk=1", "s", QStringLiteral("\u212A"), fallback);
    value("[S1] the long s is not an s", "[s]\r\nk=1", QStringLiteral("\u017F"), "k", fallback);
    value("[S1] [ and { are not a case pair", "[a[]\r\nk=1", "a{", "k", fallback);
    value("[S1] @ and ` are not a case pair", "[s]\r\n@=1", "s", "`", fallback);
    value("[S1] a longer name does not match", "[s]\r\nk=1", "s", "kk", fallback);
    value("[S1] a shorter name does not match", "[s]\r\nkk=1", "s", "k", fallback);

    sections("[S2] every header, in file order and own case, duplicates included",
             "[B]\r\n[a]\r\nk=1\r\n[b]\r\n[A]\r\n[a]", {"B", "a", "b", "A", "a"});
    sections("[S2] a section named \"\" is not listed", "[]\r\n[s]\r\n[  ]\r\n", {"s"});
    keys("[S2] a section named \"\" starts a section of its own", "[s]\r\nk=1\r\n[]\r\nj=2", "s",
         {"k"});
    value("[S2] entries of a section named \"\" are not found", "[s]\r\nk=1\r\n[]\r\nj=2", "", "j",
          fallback);
    keys("[S2] sections of one name are not merged", "[s]\r\na=1\r\n[t]\r\n[S]\r\nb=2", "s", {"a"});

    const QByteArray twice = "[s]\r\na=1\r\n[S]\r\na=2\r\nb=3\r\n";
    value("[S3] the first section of a name answers", twice, "s", "a", "1");
    value("[S3] a later section is never looked at", twice, "s", "b", fallback);
    keys("[S3] the key list is the first section's", twice, "S", {"a"});
    keys("[S3] a missing section lists no keys", twice, "t", {});
    value("[S3] a missing section gives the default", twice, "t", "a", fallback);

    keys("[S4] keys in file order and own case, duplicates included",
         "[s]\r\nB=1\r\na=2\r\nb=3\r\nA=4\r\na=5", "s", {"B", "a", "b", "A", "a"});
    keys("[S4] an empty key is left out and later keys are listed", "[s]\r\na=1\r\n=x\r\nb=2", "s",
         {"a", "b"});
    keys("[S4] a key of blanks is left out", "[s]\r\n \t=x\r\nb=2", "s", {"b"});
    keys("[S4] a section with no entries lists none", "[s]\r\n[t]\r\nk=1", "s", {});

    value("[S5] the first entry of a key answers", "[s]\r\nk=1\r\nK=2", "s", "K", "1");
    value("[S5] an empty first entry still answers", "[s]\r\nk=\r\nk=2", "s", "k", "");
    value("[S5] a missing key gives the default", "[s]\r\nk=1", "s", "j", fallback);
}

void TestIniFile::values_data()
{
    addColumns();
    value("[V1] double quotes are removed", "[s]\r\nk=\"v\"", "s", "k", "v");
    value("[V1] single quotes are removed", "[s]\r\nk='v'", "s", "k", "v");
    value("[V1] blanks inside the quotes stay", "[s]\r\nk= \" v \" ", "s", "k", " v ");
    value("[V1] only one pair is removed", "[s]\r\nk=\"\"v\"\"", "s", "k", "\"v\"");
    value("[V1] quotes inside stay", "[s]\r\nk=\"a\"b\"", "s", "k", "a\"b");
    value("[V1] a pair of quotes alone gives the empty text", "[s]\r\nk=''", "s", "k", "");
    value("[V1] a single quote character stays", "[s]\r\nk=\"", "s", "k", "\"");
    value("[V1] mismatched quotes stay", "[s]\r\nk=\"v'", "s", "k", "\"v'");
    value("[V1] a leading quote alone stays", "[s]\r\nk=\"v", "s", "k", "\"v");
    value("[V1] a trailing quote alone stays", "[s]\r\nk=v'", "s", "k", "v'");
    value("[V1] quotes not at both ends stay", "[s]\r\nk=\"a\" b", "s", "k", "\"a\" b");
    value("[V1] the quotes are removed from the value cut by NUL", bytes("[s]\r\nk='v'\0x'"), "s",
          "k", "v");
    sections("[V1] section names keep their quotes", "[\"s\"]\r\n['t']", {"\"s\"", "'t'"});
    keys("[V1] key names keep their quotes", "[s]\r\n\"k\"=1", "s", {"\"k\""});

    value("[V2] key= gives the empty text", "[s]\r\nk=\r\n", "s", "k", "");
    value("[V2] key= and blanks gives the empty text", "[s]\r\nk=  \t", "s", "k", "");
    value("[V2] a missing key gives the default", "[s]\r\nk=1\r\n", "s", "j", fallback);
    value("[V2] a missing section gives the default", "[s]\r\nk=1\r\n", "t", "k", fallback);
    value("[V2] an empty file gives the default", "", "s", "k", fallback);
    value("[V2] numbered keys that rise are found", "[s]\r\n1=a\r\n2=b\r\n10=c", "s", "10", "c");
    value("[V2] a key missing among rising numbers gives the default", "[s]\r\n1=a\r\n2=b", "s",
          "3", fallback);
    value("[V2] a repeated number answers with its first", "[s]\r\n1=a\r\n2=b\r\n2=c", "s", "2",
          "b");
    value("[V2] a number with a leading zero is a name of its own", "[s]\r\n1=a\r\n01=b", "s", "01",
          "b");

    const QString longName = QString(9000, u'n');
    const QString longValue = QString(20000, u'v');
    value("[V3] a long value comes back whole",
          "[" + longName.toLatin1() + "]\r\n" + longName.toLatin1() + "=" + longValue.toLatin1(),
          longName, longName, longValue);
    QByteArray manyKeys = "[s]\r\n";
    QStringList keyNames;
    QByteArray manySections;
    QStringList sectionNames;
    for (int i = 0; i < 3000; ++i) {
        keyNames << QString("Weapon%1").arg(i);
        manyKeys += keyNames.back().toLatin1() + "=1\r\n";
        sectionNames << QString("Troop%1").arg(i);
        manySections += "[" + sectionNames.back().toLatin1() + "]\r\n";
    }
    keys("[V3] every key is listed", manyKeys, "s", keyNames);
    sections("[V3] every section is listed", manySections, sectionNames);
}

// Input no datafile holds still reads without a crash, a hang or runaway memory, in a time
// that does not grow faster than the file. The bound leaves room for unoptimised builds with
// sanitizers; an optimised build reads each of these in about a tenth of a second.
void TestIniFile::badInput_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("sectionCount");
    QTest::addColumn<qsizetype>("valueSize");

    constexpr qsizetype tenMegabytes = 10 * 1024 * 1024;
    QByteArray random(1024 * 1024, Qt::Uninitialized);
    QRandomGenerator generator(1252);
    for (char& byte : random)
        byte = char(generator.bounded(256));
    QTest::newRow("1 MB of random bytes") << random << -1 << qsizetype(-1);
    QTest::newRow("1 MB of random bytes after a UTF-16LE mark")
        << QByteArray("\xFF\xFE") + random << -1 << qsizetype(-1);

    const QByteArray head = "[s]\r\nk=";
    QTest::newRow("a 10 MB line") << head + QByteArray(tenMegabytes, 'x') << 1 << tenMegabytes;
    QTest::newRow("a 10 MB line of blanks and = after the =")
        << head + QByteArray(tenMegabytes / 2, ' ') + QByteArray(tenMegabytes / 2, '=') + "x" << 1
        << tenMegabytes / 2 + 1;
    QTest::newRow("a 10 MB header without ]")
        << "[" + QByteArray(tenMegabytes, 's') << 1 << qsizetype(-1);
    QTest::newRow("10 MB of NUL") << QByteArray(tenMegabytes, '\0') << 0 << qsizetype(-1);
    QTest::newRow("10 MB of [") << QByteArray(tenMegabytes, '[') << 1 << qsizetype(-1);
    QTest::newRow("10 MB of =") << QByteArray(tenMegabytes, '=') << 0 << qsizetype(-1);
    QTest::newRow("10 MB of line ends") << QByteArray(tenMegabytes, '\n') << 0 << qsizetype(-1);
    QTest::newRow("10 MB of empty headers")
        << QByteArray("[]\n").repeated(tenMegabytes / 3) << 0 << qsizetype(-1);
    // Half a million sections or entries: a reader that grew quadratically would take hours.
    constexpr qsizetype twoMegabytes = 2 * 1024 * 1024;
    QTest::newRow("2 MB of headers")
        << QByteArray("[s]\n").repeated(twoMegabytes / 4) << int(twoMegabytes / 4) << qsizetype(-1);
    QTest::newRow("2 MB of entries in one section")
        << "[s]\n" + QByteArray("k=1\n").repeated(twoMegabytes / 4) << 1 << qsizetype(1);
}

void TestIniFile::badInput()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, sectionCount);
    QFETCH(qsizetype, valueSize);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath("vhold.ini");
    QVERIFY(writeFile(path, bytes));

    for (const bool fromFile : {false, true}) {
        QElapsedTimer clock;
        clock.start();
        const IniFile ini = fromFile ? IniFile::read(path) : IniFile::parse(bytes);
        const QStringList sections = ini.sectionNames();
        const QString first = sections.value(0);
        ini.keyNames(first);
        const QString value = ini.value(first, "k", fallback);
        // A bound for a hang or a quadratic parse, generous enough for a sanitizer build on a
        // busy machine.
        const qint64 milliseconds = clock.elapsed();
        QVERIFY2(milliseconds < 30000, qPrintable(QString("took %1 ms").arg(milliseconds)));
        if (sectionCount >= 0)
            QCOMPARE(sections.size(), sectionCount);
        if (valueSize >= 0)
            QCOMPARE(value.size(), valueSize);
    }
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_IniFile.moc"

void TestIniFile::sectionValuesFollowTheKeys_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("a key each") << QByteArray("[s]\r\n1=a\r\n2=b\r\nk=c")
                                << QStringList{"a", "b", "c"};
    QTest::newRow("a repeated key gives its first value again")
        << QByteArray("[s]\r\n1=a\r\n2=b\r\nK=c\r\n2=d\r\nk=e")
        << QStringList{"a", "b", "c", "b", "c"};
    QTest::newRow("a line without \"=\" gives no value")
        << QByteArray("[s]\r\n1=a\r\nloose\r\n2=b") << QStringList{"a", "b"};
    QTest::newRow("a key first on a line without \"=\" gives the empty text")
        << QByteArray("[s]\r\nk\r\nk=v") << QStringList{""};
    QTest::newRow("no such section") << QByteArray("[t]\r\n1=a") << QStringList{};
}

// The values come in the order of the keys, each as value() with an empty default gives it,
// whether the list is the file's own or made for the question.
void TestIniFile::sectionValuesFollowTheKeys()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    const IniFile ini = IniFile::parse(bytes);
    QCOMPARE(ini.values("s"), expected);
    QStringList byKey;
    for (const QString& key : ini.keyNames("s"))
        byKey << ini.value("s", key, QString());
    QCOMPARE(ini.values("s"), byKey);
}

// The line of a key is the line an editor shows it on: CR LF, CR or LF ends one line, blank
// lines and comments count, and a CR LF split between two pieces of the file is one line end.
void TestIniFile::lineNumbers_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("line");
    const QByteArray crLf = "; head\r\n\r\n[S]\r\na=1\r\n\r\nb=2\r\n";
    QTest::newRow("CR LF") << crLf << "S"
                           << "b" << 6;
    QTest::newRow("LF") << QByteArray(crLf).replace("\r", "") << "S"
                        << "b" << 6;
    QTest::newRow("CR") << QByteArray(crLf).replace("\n", "") << "S"
                        << "b" << 6;
    QTest::newRow("LF CR is two line ends") << QByteArray("[S]\n\rb=2") << "S"
                                            << "b" << 3;
    QTest::newRow("first of a repeated key") << QByteArray("[S]\na=1\na=2\n") << "S"
                                             << "A" << 2;
    QTest::newRow("missing key: the header") << crLf << "s"
                                             << "c" << 3;
    QTest::newRow("missing section") << crLf << "T"
                                     << "a" << 0;
    QTest::newRow("UTF-16") << utf16Le("[S]\r\n\r\nb=2\r\n") << "S"
                            << "b" << 3;
    QByteArray split = ";" + QByteArray(65534, 'x') + "\r\n[S]\r\nb=2\r\n";
    QTest::newRow("CR LF across pieces") << split << "S"
                                         << "b" << 3;
}

void TestIniFile::lineNumbers()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(int, line);
    QCOMPARE(IniFile::parse(bytes).lineOf(section, key), line);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath("vhold.ini");
    QVERIFY(writeFile(path, bytes));
    QCOMPARE(IniFile::read(path).lineOf(section, key), line);
}
