// The army sheet written by the program on a command line without a display, read back as a
// reader sees it: the PDF's text as pdftotext extracts it, the HTML's text as parsed.
#include "support/TestData.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <utility>

namespace
{

struct Run {
    int status = -1;
    QString error;
};

// The program with the arguments, as on a console with no display.
Run runProgram(const QStringList& arguments)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUARRIMAK_PROGRAM), arguments);
    if (!program.waitForFinished(60000))
        return {};
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            QString::fromLocal8Bit(program.readAllStandardError())};
}

// The text's lines with their blanks run together, empty lines left out.
QStringList simplifiedLines(const QString& text)
{
    QStringList lines;
    for (const QString& line : text.split(u'\n')) {
        const QString simple = line.simplified();
        if (!simple.isEmpty())
            lines << simple;
    }
    return lines;
}

QStringList pdfLines(const QString& path, int page = 0)
{
    QProcess pdftotext;
    QStringList arguments = {QStringLiteral("-layout"), QStringLiteral("-enc"),
                             QStringLiteral("UTF-8")};
    if (page > 0)
        arguments << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
                  << QString::number(page);
    pdftotext.start(QStringLiteral("pdftotext"), arguments << path << QStringLiteral("-"));
    if (!pdftotext.waitForFinished(60000) || pdftotext.exitCode() != 0)
        return {};
    return simplifiedLines(QString::fromUtf8(pdftotext.readAllStandardOutput()));
}

// A word on a PDF page and where it stands across the page, in points.
struct Word {
    QString text;
    qreal left;
    qreal right;
};

// The words of the page by rows, top to bottom, each row left to right: words that share their
// top edge share a row.
QList<QList<Word>> pdfRows(const QString& path, int page)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(page),
                     QStringLiteral("-l"), QString::number(page), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(60000) || pdftotext.exitCode() != 0)
        return {};
    QXmlStreamReader xml(pdftotext.readAllStandardOutput());
    QList<std::pair<qreal, Word>> words;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"word")
            continue;
        const QXmlStreamAttributes box = xml.attributes();
        const qreal top = box.value(QStringLiteral("yMin")).toDouble();
        const qreal left = box.value(QStringLiteral("xMin")).toDouble();
        const qreal right = box.value(QStringLiteral("xMax")).toDouble();
        words.append({top, Word{xml.readElementText(), left, right}});
    }
    std::sort(words.begin(), words.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : a.second.left < b.second.left;
    });
    QList<QList<Word>> rows;
    qreal rowTop = -1;
    for (const auto& [top, word] : words) {
        if (rows.isEmpty() || top - rowTop > 1) {
            rows.append(QList<Word>());
            rowTop = top;
        }
        rows.last().append(word);
    }
    return rows;
}

QString rowText(const QList<Word>& row)
{
    QStringList texts;
    for (const Word& word : row)
        texts << word.text;
    return texts.join(u' ');
}

// The first row that begins with the text.
QList<Word> rowStartingWith(const QList<QList<Word>>& rows, const QString& text)
{
    for (const QList<Word>& row : rows) {
        if (rowText(row).startsWith(text))
            return row;
    }
    return {};
}

// Each paragraph, heading and table row of the HTML as one line, a row's cells joined by
// blanks; an empty list when the file is not well-formed.
QStringList htmlLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader html(&file);
    QString text;
    QString line;
    const QStringList lineElements = {"p", "h1", "h2", "h3", "tr", "title"};
    while (!html.atEnd()) {
        html.readNext();
        if (html.isCharacters())
            line += html.text();
        else if (html.isEndElement() && (html.name() == u"td" || html.name() == u"th"))
            line += u' ';
        else if (html.isEndElement() && lineElements.contains(html.name().toString()))
            text += std::exchange(line, QString()) + u'\n';
    }
    if (html.hasError())
        return {};
    return simplifiedLines(text);
}

} // namespace

class ExportSheetTest : public QObject
{
    Q_OBJECT

    QTemporaryDir folder;
    QString army = testData(QStringLiteral("golden-full-army.ini"));
    QHash<QString, QStringList> lines;

private slots:
    void initTestCase()
    {
        QVERIFY(folder.isValid());
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
                 "pdftotext is missing; scripts/deps.sh installs poppler-utils");
        for (const char* name : {"army.pdf", "army.html", "all.html"}) {
            const QString out = folder.filePath(QString::fromLatin1(name));
            QStringList arguments = {QStringLiteral("--export-sheet"), out, army};
            if (QByteArray(name).startsWith("all"))
                arguments << QStringLiteral("--all-entries");
            const Run run = runProgram(arguments);
            QVERIFY2(run.status == 0, qPrintable(run.error));
            lines[QString::fromLatin1(name)] =
                out.endsWith(QLatin1String(".pdf")) ? pdfLines(out) : htmlLines(out);
            QVERIFY2(!lines[QString::fromLatin1(name)].isEmpty(), name);
        }
    }

    // Every value of the army stands in the sheet, a table's row on one line.
    void showsEveryValue_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("shown");
        const QString date = QLocale().toString(QDate::currentDate(), QLocale::LongFormat);
        const QList<std::pair<const char*, bool>> expected = {
            {"HOLLOW CROWN", true},
            {"Word for a unit: Brood", true},
            {"Word for a squad: Swarm", true},
            {"Troops: 3", true},
            {"Source file: golden-full-army.ini", true},
            {"Command Swarm", true},
            {"Role: HeadQuarters Points: 120 Models: 1 to 5", true},
            {"WS BS S T W I A Ld Sv", true},
            {"4 4 3 3 2 4 2 9 3+", true},
            {"Name Range S AP Weapontype Description", true},
            {"Bolt pistol 12 4 5 Pistol", true},
            {"Chainsword", true},
            {"Bolt pistol Flame thrower 6", true},
            {"Plasma pistol (not in catalogue) 10", true},
            {"Grenades (not in catalogue) 1", true},
            {"1 Jump packs 5 Each model Moves 12 for 5€", true},
            {"2 Command squad 20 Entire squad Leads", true},
            {"Weapons a model may take: 3", true},
            {"Special abilities a model may have: 2", true},
            {"1 Jump packs 1", true},
            {"2 Command squad 1", true},
            {"Läufer", true},
            {"Role: Heavy Support Points: 90 Models: 1", true},
            {"WS BS S T W I A Ld Sv FA SA RA", true},
            {"12 014 10", true},
            {"Weapons a model may take: 0", true},
            {"Scouts", true},
            {"Role: Fast Attack Points: Models: 3 to 10", true},
            {"3 3 3 3 1 3 1 7 5+", true},
            {"Rifle (not in catalogue)", true},
            {"Knife (not in catalogue)", true},
            {"1 Infiltrate 2 Each model", true},
            {"1 Infiltrate no maximum", true},
            {"Weapons a model may take: 1", true},
            {"The entries the troops use.", true},
            {"Flame thrower Template 4 5 Assault 1 Ignores cover", true},
            {"Command squad Leads", true},
            {"Jump packs Moves 12 for 5€", true},
            {"Lance 36 8 2 Heavy 1", false},
        };
        for (const char* file : {"army.pdf", "army.html"}) {
            for (const auto& [line, shown] : expected)
                QTest::addRow("%s: %s", file, line) << QString::fromUtf8(line) << shown;
            QTest::addRow("%s: date", file) << QStringLiteral("Exported on: ") + date << true;
        }
        QTest::addRow("army.pdf: footer of page 1") << "HOLLOW CROWN Page 1 of 2" << true;
        QTest::addRow("army.pdf: footer of page 2") << "HOLLOW CROWN Page 2 of 2" << true;
        QTest::addRow("all.html: an unused weapon") << "Lance 36 8 2 Heavy 1" << true;
        QTest::addRow("all.html: the note") << "All entries of the catalogue." << true;
    }
    void showsEveryValue()
    {
        QFETCH(QString, line);
        QFETCH(bool, shown);
        const QString file = QString::fromLatin1(QTest::currentDataTag()).section(u':', 0, 0);
        QVERIFY2(lines[file].contains(line) == shown,
                 qPrintable(lines[file].join(QLatin1Char('\n'))));
    }

    // A troop that fits on a page is not split: the last troop moves whole to page 2.
    void troopKeptOnOnePage()
    {
        const QStringList second = pdfLines(folder.filePath("army.pdf"), 2);
        QVERIFY(second.indexOf("Scouts") >= 0);
        QVERIFY(second.indexOf("Scouts") < second.indexOf("Weapons a model may take: 1"));
        QVERIFY(!pdfLines(folder.filePath("army.pdf"), 1).contains("Scouts"));
    }

    // Numbers stand flush right in their column, on paper and in the browser: the costs 6 and
    // 10 of one replaceable weapon end where their column ends.
    void numbersStandFlushRight()
    {
        const QList<QList<Word>> rows = pdfRows(folder.filePath("army.pdf"), 1);
        const QList<Word> six = rowStartingWith(rows, "Bolt pistol Flame thrower 6");
        const QList<Word> ten = rowStartingWith(rows, "Plasma pistol (not in catalogue) 10");
        QVERIFY(!six.isEmpty() && !ten.isEmpty());
        QVERIFY2(qAbs(six.last().right - ten.last().right) < 0.5,
                 qPrintable(QStringLiteral("6 ends at %1, 10 at %2")
                                .arg(six.last().right)
                                .arg(ten.last().right)));

        QFile file(folder.filePath("army.html"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray html = file.readAll();
        QVERIFY(html.contains("td.number, th.number { text-align: right; }"));
        QVERIFY(html.contains("<td class=\"number\">6</td>") &&
                html.contains("<td class=\"number\">10</td>"));
    }

    // An army's name too long for the foot of the page ends in "…" before "Page 1 of 2".
    void longNameShortenedInTheFooter()
    {
        const QByteArray name = "THE HOLLOW CROWN OF THE DROWNED KINGDOMS, SWORN TO THE LAST IRON "
                                "KING OF THE GREY SEA AND TO ALL THE MARCHES OF THE EAST, WHO "
                                "NEVER YIELD";
        QFile golden(army);
        QVERIFY(golden.open(QIODevice::ReadOnly));
        QByteArray bytes = golden.readAll();
        QVERIFY(bytes.contains("Name=HOLLOW CROWN\r\n"));
        bytes.replace("Name=HOLLOW CROWN\r\n", "Name=" + name + "\r\n");
        const QString datafile = folder.filePath("long.ini");
        QFile file(datafile);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        const QString sheet = folder.filePath("long.pdf");
        const Run run = runProgram({QStringLiteral("--export-sheet"), sheet, datafile});
        QVERIFY2(run.status == 0, qPrintable(run.error));

        const QList<QList<Word>> rows = pdfRows(sheet, 1);
        QVERIFY(!rows.isEmpty());
        const QList<Word>& footer = rows.last();
        const QString text = rowText(footer);
        QVERIFY2(text.endsWith(QStringLiteral("Page 1 of 2")), qPrintable(text));
        const qsizetype page = text.lastIndexOf(QStringLiteral("Page 1 of 2"));
        const QString shown = text.left(page).trimmed();
        QVERIFY2(shown.endsWith(u'…') && shown.size() > 20, qPrintable(shown));
        QVERIFY(QString::fromLatin1(name).startsWith(shown.chopped(1)));
        const Word& lastOfName = footer[footer.size() - 5];
        QVERIFY2(lastOfName.right < footer[footer.size() - 4].left,
                 qPrintable(QStringLiteral("the name ends at %1, the page number begins at %2")
                                .arg(lastOfName.right)
                                .arg(footer[footer.size() - 4].left)));
    }

    // A datafile that cannot be read or an OUT that cannot be written: 2; any other use error:
    // 1. The reason is on standard error and no file is left.
    void exitStatus_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("reason");
        const QString out = QStringLiteral("OUT/sheet.pdf");
        QTest::newRow("no such FILE")
            << QStringList{"--export-sheet", out, "DIR/missing.ini"} << 2 << "cannot be read";
        QTest::newRow("FILE no datafile")
            << QStringList{"--export-sheet", out, testData("load-no-race.ini")} << 2
            << "is not a datafile";
        QTest::newRow("OUT in no folder")
            << QStringList{"--export-sheet", "DIR/none/sheet.pdf", army} << 2
            << "cannot be written";
        QTest::newRow("OUT neither format")
            << QStringList{"--export-sheet", "OUT/sheet.txt", army} << 1 << ".pdf or .html";
        QTest::newRow("no FILE") << QStringList{"--export-sheet", out} << 1 << "needs the FILE";
        QTest::newRow("all entries alone")
            << QStringList{"--all-entries", army} << 1 << "goes with --export-sheet";
    }
    void exitStatus()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, reason);
        QTemporaryDir outFolder;
        arguments.replaceInStrings(QStringLiteral("OUT/"), outFolder.filePath(QString()) + u'/');
        arguments.replaceInStrings(QStringLiteral("DIR/"), folder.filePath(QString()) + u'/');
        const Run run = runProgram(arguments);
        QCOMPARE(run.status, status);
        QVERIFY2(run.error.contains(reason), qPrintable(run.error));
        QVERIFY(QDir(outFolder.path()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(ExportSheetTest)
#include "tst_ExportSheet.moc"
