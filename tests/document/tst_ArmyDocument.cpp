#include "datafile/Writer.h"
#include "document/ArmyDocument.h"
#include "support/Armies.h"
#include "support/TestData.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

namespace
{

const QLocale english(QLocale::English, QLocale::UnitedStates);

using Change = std::function<void(Store&)>;

class Quiet : public LoadWatcher
{
public:
    void armyRead(const Army&) override {}
    void troopRead(int) override {}
    void raceMissing() override {}
};

// The full army with a catalogue of 3,000 weapons around its own.
ArmyDocument* bigArmy(QObject* parent)
{
    auto* document = new ArmyDocument(english, parent);
    document->apply("Fill", [](Store& army) {
        fillFullArmy(army);
        QStringList lines;
        for (int n = 0; n < 3000; ++n)
            lines << QStringLiteral("W%1,24,4,5,Rapid,").arg(n, 4, 10, QLatin1Char('0'));
        army.weaponCatalogue->addAll(lines);
    });
    return document;
}

QByteArray bytesOf(const Store& army)
{
    QByteArray bytes;
    encodeDatafile(army, bytes, nullptr);
    return bytes;
}

} // namespace

Q_DECLARE_METATYPE(Change)

class ArmyDocumentTest : public QObject
{
    Q_OBJECT
private slots:
    // Each kind of change is one step that holds only what it changed: undo gives back the army
    // before it, redo the army after it, line for line.
    void stepsHoldWhatChanged_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<int>("maxBytes");
        QTest::newRow("weapon renamed across the catalogue") << Change([](Store& army) {
            army.weaponCatalogue->removeAt(army.weaponCatalogue->indexOf("W0002,24,4,5,Rapid,"));
            army.weaponCatalogue->add("Zz renamed,24,4,5,Rapid,");
        }) << 2000;
        QTest::newRow("lines removed and added far apart") << Change([](Store& army) {
            for (const char* line : {"W0100,24,4,5,Rapid,", "W2900,24,4,5,Rapid,"})
                army.weaponCatalogue->removeAt(army.weaponCatalogue->indexOf(line));
            army.weaponCatalogue->add("W1500a,,,,,");
            army.abilityCatalogue->add("Zeal,fierce");
        }) << 3000;
        QTest::newRow("troop changed") << Change([](Store& army) {
            army.troops[1].points = "999";
            addLines(army, army.troops[1].additionalWeapons, {"Axe,3"}, false);
        }) << 8000;
        QTest::newRow("troop removed")
            << Change([](Store& army) { removeTroop(army, 0); }) << 20000;
        QTest::newRow("army texts") << Change([](Store& army) { army.army.name = "NEW"; }) << 1000;
        QTest::newRow("catalogue rebuilt")
            << Change([](Store& army) { army.weaponCatalogue = army.newPlainList(); }) << 1;
    }
    void stepsHoldWhatChanged()
    {
        QFETCH(Change, change);
        QFETCH(int, maxBytes);
        QObject owner;
        ArmyDocument* document = bigArmy(&owner);
        const Store before = document->army();
        const qint64 held = document->historyBytes();
        document->apply("Change", change);
        const Store after = document->army();
        QVERIFY(after != before);
        if (maxBytes > 1)
            QVERIFY2(document->historyBytes() - held <= maxBytes,
                     qPrintable(QString::number(document->historyBytes() - held)));
        document->undo();
        QCOMPARE(describe(document->army()), describe(before));
        QVERIFY(document->army() == before);
        document->redo();
        QVERIFY(document->army() == after);
    }

    // Undo and redo walk the steps by name; a new change drops what could have been redone.
    void namesAndOrder()
    {
        ArmyDocument document(english);
        QSignalSpy history(&document, &ArmyDocument::historyChanged);
        document.apply("Army Name", [](Store& army) { army.army.name = "A"; });
        document.apply("Delete Troop \"Scouts\"", [](Store& army) { army.army.name = "B"; });
        QCOMPARE(document.undoName(), QStringLiteral("Delete Troop \"Scouts\""));
        document.undo();
        QCOMPARE(document.army().army.name, QStringLiteral("A"));
        QCOMPARE(document.redoName(), QStringLiteral("Delete Troop \"Scouts\""));
        document.apply("Unit Word", [](Store& army) { army.army.unitWord = "C"; });
        QVERIFY(!document.canRedo());
        QCOMPARE(document.stepCount(), 2);
        QCOMPARE(history.count(), 4);
    }

    // Keys typed into one field are one step while it is open; typed back to what it was, the
    // step goes, and with it the "modified" it brought.
    void typingIsOneStep()
    {
        ArmyDocument document(english);
        QSignalSpy modified(&document, &ArmyDocument::modifiedChanged);
        const auto type = [&document](const QString& text) {
            Army texts = document.army().army;
            texts.name = text;
            document.applyTexts("Army Name", texts);
        };
        type("A");
        type("AB");
        QCOMPARE(document.stepCount(), 1);
        QVERIFY(document.isModified());
        type("");
        QCOMPARE(document.stepCount(), 0);
        QVERIFY(!document.isModified());
        QCOMPARE(modified.count(), 2);
        type("X");
        document.closeOpenStep();
        type("XY");
        QCOMPARE(document.stepCount(), 2);
        QCOMPARE(document.undoName(), QStringLiteral("Army Name"));
    }

    // "Modified" is where the history stands against where each file was saved or loaded: a
    // Load undone brings back the earlier file as it was. The first Load of a new document is
    // where its history starts.
    void modifiedFollowsTheHistory()
    {
        QTemporaryDir folder;
        ArmyDocument document(english);
        Quiet quiet;
        QCOMPARE(document.load(testData("golden-full-army.ini"), quiet).status,
                 ArmyDocument::LoadStatus::Loaded);
        QVERIFY(!document.isModified() && !document.canUndo());
        document.apply("Army Name", [](Store& army) { army.army.name = "SAVED"; });
        QVERIFY(document.isModified());
        const QString saved = folder.filePath("saved.ini");
        QVERIFY(document.saveAs(saved, nullptr));
        QVERIFY(!document.isModified());
        QCOMPARE(document.file().bytes, bytesOf(document.army()));
        QCOMPARE(document.load(testData("golden-wizard.ini"), quiet).status,
                 ArmyDocument::LoadStatus::Loaded);
        QVERIFY(!document.isModified());
        document.undo();
        QCOMPARE(document.filePath(), saved);
        QVERIFY(!document.isModified());
        document.undo();
        QVERIFY(document.isModified());
        QCOMPARE(document.load(testData("load-no-race.ini"), quiet).status,
                 ArmyDocument::LoadStatus::NotADatafile);
        QCOMPARE(document.load(folder.filePath("none.ini"), quiet).status,
                 ArmyDocument::LoadStatus::Unreadable);
        QCOMPARE(document.filePath(), saved);
    }

    // At most 100 steps stay, and no more than 64 MiB; the oldest go and the newest stays. The
    // same file loaded again and again costs nothing more.
    void bounds()
    {
        ArmyDocument document(english);
        for (int i = 0; i < 150; ++i)
            document.apply(QString::number(i),
                           [i](Store& army) { army.army.name = QString::number(i); });
        QCOMPARE(document.stepCount(), History::maxSteps);
        while (document.canUndo())
            document.undo();
        QCOMPARE(document.army().army.name, QStringLiteral("49"));

        const QString line(500, u'x');
        for (int i = 0; i < 40; ++i) {
            document.apply(QString::number(i), [&](Store& army) {
                QStringList lines;
                for (int n = 0; n < 5000; ++n)
                    lines << line + QString::number(i) + u'-' + QString::number(n);
                army.weaponCatalogue->clear();
                army.weaponCatalogue->addAll(lines);
            });
            QVERIFY(document.historyBytes() <= History::maxBytes);
        }
        QVERIFY(document.stepCount() >= 1 && document.stepCount() < 40);

        ArmyDocument loads(english);
        Quiet quiet;
        loads.load(testData("golden-full-army.ini"), quiet);
        const qint64 once = loads.historyBytes();
        for (int i = 0; i < 20; ++i)
            loads.load(testData("golden-full-army.ini"), quiet);
        QVERIFY(loads.historyBytes() < once + 20 * 1024);
    }

    // Two armies in one program: each keeps its own army, file and history.
    void twoDocuments()
    {
        QTemporaryDir folder;
        ArmyDocument first(english);
        ArmyDocument second(english);
        Quiet quiet;
        first.load(testData("golden-full-army.ini"), quiet);
        second.load(testData("golden-wizard.ini"), quiet);
        const Store secondArmy = second.army();
        first.apply("Delete Troop", [](Store& army) { removeTroop(army, 0); });
        first.apply("Army Name", [](Store& army) { army.army.name = "ONE"; });
        first.undo();
        QVERIFY(first.saveAs(folder.filePath("one.ini"), nullptr));
        QCOMPARE(readBytes(folder.filePath("one.ini")), bytesOf(first.army()));
        QCOMPARE(first.army().troopCount, 2);
        QVERIFY(second.army() == secondArmy);
        QVERIFY(!second.isModified());
        QCOMPARE(second.stepCount(), 0);
        QCOMPARE(second.filePath(), testData("golden-wizard.ini"));
    }
};

QTEST_GUILESS_MAIN(ArmyDocumentTest)
#include "tst_ArmyDocument.moc"
