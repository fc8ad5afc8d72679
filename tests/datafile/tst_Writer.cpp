#include "datafile/Writer.h"
#include "platform/DatafileOutput.h"
#include "store/ComVars.h"
#include "support/Armies.h"
#include "support/TestWindows.h"

#include <QTemporaryDir>
#include <QTest>

namespace
{

const QLocale English(QLocale::English, QLocale::UnitedStates);

void FillEmptyArmy(Store& store)
{
    SetUpStore(store);
    store.TheArmy = {QStringLiteral("RED ORCHARD"), QStringLiteral("Unit"),
                     QStringLiteral("Squad")};
}

QByteArray Save(const Store& store, const QString& path)
{
    QString reason;
    if (!WriteDatafile(path, DatafileLines(store), &reason))
        return "failed: " + reason.toUtf8();
    return ReadBytes(path);
}

} // namespace

class WriterTest : public QObject
{
    Q_OBJECT
private slots:
    void matchesGoldenFile_data()
    {
        QTest::addColumn<QString>("golden");
        QTest::addColumn<bool>("full");
        QTest::newRow("no troops, empty catalogues") << "golden-empty-army.ini" << false;
        QTest::newRow("every list kind and armour case") << "golden-full-army.ini" << true;
    }
    void matchesGoldenFile()
    {
        QFETCH(QString, golden);
        QFETCH(bool, full);
        Store store(English);
        if (full)
            FillFullArmy(store);
        else
            FillEmptyArmy(store);
        QTemporaryDir dir;
        const QByteArray first = Save(store, dir.filePath(QStringLiteral("first.ini")));
        const QByteArray expected = ReadBytes(TestData(golden));
        QVERIFY(!expected.isEmpty());
        if (first != expected) {
            const QList<QByteArray> got = first.split('\n');
            const QList<QByteArray> want = expected.split('\n');
            for (int i = 0; i < qMax(got.size(), want.size()); ++i)
                QCOMPARE(got.value(i), want.value(i));
        }
        QCOMPARE(first, expected);
        QCOMPARE(Save(store, dir.filePath(QStringLiteral("second.ini"))), first);
    }

    // Catalogue numbers follow the sorted order at the moment of saving; a new entry that
    // sorts first renumbers the others.
    void catalogueNumbersFollowSortedOrder()
    {
        Store store(English);
        FillEmptyArmy(store);
        store.WeaponCatalogue->Add(QStringLiteral("Rifle,24,3,5,Rapid fire,"));
        QStringList lines = DatafileLines(store);
        QCOMPARE(lines.mid(lines.size() - 3),
                 QStringList({"[WeaponSpecs]", "1=Rifle,24,3,5,Rapid fire,", ""}));
        store.WeaponCatalogue->Add(QStringLiteral("axe"));
        lines = DatafileLines(store);
        QCOMPARE(lines.mid(lines.size() - 4),
                 QStringList({"[WeaponSpecs]", "1=axe,,,,,", "2=Rifle,24,3,5,Rapid fire,", ""}));
    }
};

QTEST_GUILESS_MAIN(WriterTest)
#include "tst_Writer.moc"
