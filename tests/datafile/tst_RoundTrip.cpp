#include "datafile/Loader.h"
#include "datafile/Writer.h"
#include "platform/DatafileOutput.h"
#include "platform/IniFile.h"
#include "store/ComVars.h"
#include "store/Number.h"
#include "support/Armies.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace
{

const QLocale English(QLocale::English, QLocale::UnitedStates);

// Characters a user may type: Windows-1252 letters and signs, "=", ";", "#", quotes and
// brackets, the unassigned byte 81; never a comma, a line break or NUL.
const QString Alphabet = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCXYZ0123456789 =;#\"'[]+-$"
                                        "éÉÿŸ€ßµäÖ\u0081\t");

class Generator
{
public:
    explicit Generator(quint32 seed) : random(seed) {}

    int Below(int n) { return int(random.bounded(n)); }
    bool Chance(int percent) { return Below(100) < percent; }

    QString Text(int maxLength, bool mayBeEmpty = true)
    {
        const int length = mayBeEmpty ? Below(maxLength + 1) : 1 + Below(maxLength);
        QString text;
        for (int i = 0; i < length; ++i)
            text += Alphabet[Below(Alphabet.size())];
        if (text.trimmed().isEmpty() && !mayBeEmpty)
            text = QStringLiteral("n");
        return Storable(text);
    }

    // A value without blanks at either end and not wholly inside a pair of quotes, since the
    // datafile cannot carry those.
    static QString Storable(QString text)
    {
        text = text.trimmed();
        if (text.size() >= 2 && (text.front() == u'"' || text.front() == u'\'') &&
            text.back() == text.front())
            text.append(u'x');
        return text;
    }

    QString Number() { return QString::number(Below(40) - 5); }

    QString Fields(int count)
    {
        QStringList fields;
        for (int i = 0; i < count; ++i)
            fields << (i == 0 ? Text(12, false) : Text(8));
        return Storable(fields.join(u','));
    }

    void FillList(const Store& store, std::unique_ptr<StringList>& list, int fields)
    {
        if (!Chance(60))
            return;
        list = Chance(70) ? store.NewSortedList() : store.NewPlainList();
        const int lines = 1 + Below(6);
        for (int i = 0; i < lines; ++i)
            list->Add(Fields(fields == 0 ? 1 + 2 * Below(3) : fields));
    }

    void FillTroop(const Store& store, TheRec& troop)
    {
        troop.Name = Text(16);
        troop.Points = Chance(80) ? Number() : Text(6);
        troop.Type = QStringList{"HQ", "EL", "TR", "FA", "HS", ""}[Below(6)];
        troop.Min = Number();
        troop.Max = QString::number(1 + Below(32));
        for (QString* armour : {&troop.f_arm, &troop.s_arm, &troop.r_arm})
            *armour = QStringList{"", "0", "12", "014", "heavy", "-3"}[Below(6)];
        troop.Chars = Fields(9);
        troop.Weapons = Number();
        FillList(store, troop.WeaponList, 1);
        FillList(store, troop.R_WeaponList, 0);
        FillList(store, troop.A_WeaponList, 2);
        troop.Specials = Chance(10) ? QString() : Number() + u',' + Number();
        FillList(store, troop.SpecialList, 3);
    }

    void Fill(Store& store)
    {
        SetUpStore(store);
        store.TheArmy = {Text(20), Text(10), Text(10)};
        store.TroopCount = Chance(3) ? 100 : Below(8);
        for (int i = 0; i < store.TroopCount; ++i)
            FillTroop(store, store.TroopTable[i]);
        // An abandoned wizard leaves the next slot filled but not counted, and it is not saved.
        if (store.TroopCount < Store::TroopSlots && Chance(30))
            FillTroop(store, store.TroopTable[store.TroopCount]);
        store.CurrentTroop = store.TroopCount % Store::TroopSlots;
        for (int i = Below(12); i > 0; --i)
            store.WeaponCatalogue->Add(Fields(6));
        for (int i = Below(8); i > 0; --i)
            store.SpecialCatalogue->Add(Fields(2));
    }

private:
    QRandomGenerator random;
};

class Quiet : public LoadProgress
{
    void ArmyRead() override {}
    void TroopRead(int) override {}
    void RaceMissing() override {}
};

// The store as a load gives it back: lists plain in their order, Specials "0" where it was
// not written, armour that reads as 0 empty, slots past the accepted troops reset, and the
// current troop back at 0.
void ExpectAfterLoad(Store& store)
{
    for (int i = store.TroopCount; i < Store::TroopSlots; ++i)
        ResetTroopSlot(store, i);
    for (int i = 0; i < store.TroopCount; ++i) {
        TheRec& troop = store.TroopTable[i];
        for (QString* armour : {&troop.f_arm, &troop.s_arm, &troop.r_arm}) {
            if (ReadNumber(*armour) == 0)
                armour->clear();
        }
        if (!troop.SpecialList || troop.Specials.isEmpty())
            troop.Specials = QStringLiteral("0");
        for (auto* list :
             {&troop.WeaponList, &troop.R_WeaponList, &troop.A_WeaponList, &troop.SpecialList}) {
            if (*list)
                *list = (*list)->PlainCopy();
        }
    }
    store.CurrentTroop = 0;
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
            Store original(English);
            Generator(seed).Fill(original);
            QString reason;
            QVERIFY2(WriteDatafile(path, DatafileLines(original), &reason), qPrintable(reason));

            Store loaded(English);
            SetUpStore(loaded);
            Quiet quiet;
            const LoadOutcome outcome = LoadDatafile(loaded, IniFile::Read(path), quiet);
            QVERIFY(outcome.raceFound);
            QVERIFY(!outcome.troopsLeftOut);

            ExpectAfterLoad(original);
            const QStringList want = Describe(original);
            const QStringList got = Describe(loaded);
            for (int line = 0; line < want.size(); ++line) {
                if (got.value(line) != want[line])
                    QFAIL(qPrintable(QStringLiteral("seed %1: got\n  %2\nwanted\n  %3")
                                         .arg(seed)
                                         .arg(got.value(line), want[line])));
            }
            QCOMPARE(got.size(), want.size());
        }
    }
};

QTEST_GUILESS_MAIN(RoundTripTest)
#include "tst_RoundTrip.moc"
