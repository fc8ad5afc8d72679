#include "datafile/Loader.h"
#include "datafile/Writer.h"
#include "platform/DatafileOutput.h"
#include "platform/IniFile.h"
#include "store/Number.h"
#include "store/Store.h"
#include "support/Armies.h"
#include "support/SaveLoad.h"

#include <QDirIterator>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace
{

const QLocale english(QLocale::English, QLocale::UnitedStates);

// Characters a user may type: Windows-1252 letters and signs, "=", ";", "#", quotes and
// brackets, the unassigned byte 81; never a comma, a line break or NUL.
const QString alphabet = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCXYZ0123456789 =;#\"'[]+-$"
                                        "éÉÿŸ€ßµäÖ\u0081\t");

class Generator
{
public:
    explicit Generator(quint32 seed) : random(seed) {}

    int below(int n) { return int(random.bounded(n)); }
    bool chance(int percent) { return below(100) < percent; }

    QString text(int maxLength, bool mayBeEmpty = true)
    {
        const int length = mayBeEmpty ? below(maxLength + 1) : 1 + below(maxLength);
        QString text;
        for (int i = 0; i < length; ++i)
            text += alphabet[below(alphabet.size())];
        if (text.trimmed().isEmpty() && !mayBeEmpty)
            text = QStringLiteral("n");
        return text;
    }

    QString number() { return QString::number(below(40) - 5); }

    QString fieldsLine(int count)
    {
        QStringList fields;
        for (int i = 0; i < count; ++i)
            fields << (i == 0 ? text(12, false) : text(8));
        return fields.join(u',');
    }

    void fillList(const Store& store, std::unique_ptr<LineList>& list, int fields)
    {
        if (!chance(60))
            return;
        list = chance(70) ? store.newSortedList() : store.newPlainList();
        const int lines = 1 + below(6);
        for (int i = 0; i < lines; ++i)
            list->add(fieldsLine(fields == 0 ? 1 + 2 * below(3) : fields));
    }

    void fillTroop(const Store& store, Troop& troop)
    {
        troop.name = text(16);
        troop.points = chance(80) ? number() : text(6);
        troop.role = QStringList{"HQ", "EL", "TR", "FA", "HS", ""}[below(6)];
        troop.minModels = number();
        troop.maxModels = QString::number(1 + below(32));
        for (QString* armour : {&troop.frontArmour, &troop.sideArmour, &troop.rearArmour})
            *armour = QStringList{"", "0", "12", "014", "heavy", "-3"}[below(6)];
        troop.characteristics = fieldsLine(9);
        troop.weaponLimit = number();
        fillList(store, troop.standardWeapons, 1);
        fillList(store, troop.replaceableWeapons, 0);
        fillList(store, troop.additionalWeapons, 2);
        troop.abilityLimits = chance(10) ? QString() : number() + u',' + number();
        fillList(store, troop.abilities, 3);
    }

    void fill(Store& store)
    {
        store.army = {text(20), text(10), text(10)};
        store.troopCount = chance(3) ? 100 : below(8);
        for (int i = 0; i < store.troopCount; ++i)
            fillTroop(store, store.troops[i]);
        // An abandoned wizard leaves the next slot filled but not counted, and it is not saved.
        if (store.troopCount < Store::slotCount && chance(30))
            fillTroop(store, store.troops[store.troopCount]);
        for (int i = below(12); i > 0; --i)
            store.weaponCatalogue->add(fieldsLine(6));
        for (int i = below(8); i > 0; --i)
            store.abilityCatalogue->add(fieldsLine(2));
    }

private:
    QRandomGenerator random;
};

class Quiet : public LoadProgress
{
    void armyRead() override {}
    void troopRead(int) override {}
    void raceMissing() override {}
};

// The store as a load gives it back: lists plain in their order, Specials "0" where it was
// not written, armour that reads as 0 empty, slots past the accepted troops reset, and the
// current troop back at 0.
void expectAfterLoad(Store& store)
{
    for (int i = store.troopCount; i < Store::slotCount; ++i)
        resetSlot(store, i);
    for (int i = 0; i < store.troopCount; ++i) {
        Troop& troop = store.troops[i];
        for (QString* armour : {&troop.frontArmour, &troop.sideArmour, &troop.rearArmour}) {
            if (readNumber(*armour) == 0)
                armour->clear();
        }
        if (!troop.abilities || troop.abilityLimits.isEmpty())
            troop.abilityLimits = QStringLiteral("0");
        for (auto* list : {&troop.standardWeapons, &troop.replaceableWeapons,
                           &troop.additionalWeapons, &troop.abilities}) {
            if (*list)
                *list = (*list)->plainCopy();
        }
    }
}

} // namespace

class RoundTripTest : public QObject
{
    Q_OBJECT
private slots:
    void saveThenLoadGivesTheStoreBack()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("vhold.ini"));
        for (quint32 seed = 1; seed <= 200; ++seed) {
            Store original(english);
            Generator(seed).fill(original);
            QString reason;
            QVERIFY2(writeDatafile(path, datafileLines(original), &reason), qPrintable(reason));

            Store loaded(english);
            Quiet quiet;
            const LoadOutcome outcome = loadDatafile(loaded, IniFile::read(path), quiet);
            QVERIFY(outcome.raceFound);
            QVERIFY(!outcome.troopsLeftOut);

            expectAfterLoad(original);
            const QStringList want = describe(original);
            const QStringList got = describe(loaded);
            for (int line = 0; line < want.size(); ++line) {
                if (got.value(line) != want[line])
                    QFAIL(qPrintable(QStringLiteral("seed %1: got\n  %2\nwanted\n  %3")
                                         .arg(seed)
                                         .arg(got.value(line), want[line])));
            }
            QCOMPARE(got.size(), want.size());
        }
    }

    void everyTestFileSavesTheSameAfterALoad_data()
    {
        QTest::addColumn<QString>("path");
        QDirIterator files(QStringLiteral(QUARRIMAK_TEST_DATA), QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            QTest::newRow(qPrintable(path.mid(qsizetype(sizeof(QUARRIMAK_TEST_DATA))))) << path;
        }
    }
    // What was saved reads back the same: a load of the file saved after a load gives the
    // same file again.
    void everyTestFileSavesTheSameAfterALoad()
    {
        QFETCH(QString, path);
        const QByteArray file = readBytes(path);
        QByteArray saved;
        QVERIFY(saveAfterLoad(file, saved));
        QCOMPARE(saveLoadDifference(file), QString());
    }
};

QTEST_GUILESS_MAIN(RoundTripTest)
#include "tst_RoundTrip.moc"
