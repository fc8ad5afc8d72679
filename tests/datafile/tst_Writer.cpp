#include "datafile/Writer.h"
#include "platform/DatafileOutput.h"
#include "store/Store.h"
#include "support/Armies.h"
#include "support/TestWindows.h"

#include <QTemporaryDir>
#include <QTest>

namespace
{

const QLocale english(QLocale::English, QLocale::UnitedStates);

void fillEmptyArmy(Store& store)
{
    setUpStore(store);
    store.army = {QStringLiteral("RED ORCHARD"), QStringLiteral("Unit"), QStringLiteral("Squad")};
}

QByteArray save(const Store& store, const QString& path)
{
    QString reason;
    if (!writeDatafile(path, datafileLines(store), &reason))
        return "failed: " + reason.toUtf8();
    return readBytes(path);
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
        Store store(english);
        if (full)
            fillFullArmy(store);
        else
            fillEmptyArmy(store);
        QTemporaryDir dir;
        const QByteArray first = save(store, dir.filePath(QStringLiteral("first.ini")));
        const QByteArray expected = readBytes(testData(golden));
        QVERIFY(!expected.isEmpty());
        if (first != expected) {
            const QList<QByteArray> got = first.split('\n');
            const QList<QByteArray> want = expected.split('\n');
            for (int i = 0; i < qMax(got.size(), want.size()); ++i)
                QCOMPARE(got.value(i), want.value(i));
        }
        QCOMPARE(first, expected);
        QCOMPARE(save(store, dir.filePath(QStringLiteral("second.ini"))), first);
    }

    // Catalogue numbers follow the sorted order at the moment of saving; a new entry that
    // sorts first renumbers the others.
    void catalogueNumbersFollowSortedOrder()
    {
        Store store(english);
        fillEmptyArmy(store);
        store.weaponCatalogue->add(QStringLiteral("Rifle,24,3,5,Rapid fire,"));
        QStringList lines = datafileLines(store);
        QCOMPARE(lines.mid(lines.size() - 3),
                 QStringList({"[WeaponSpecs]", "1=Rifle,24,3,5,Rapid fire,", ""}));
        store.weaponCatalogue->add(QStringLiteral("axe"));
        lines = datafileLines(store);
        QCOMPARE(lines.mid(lines.size() - 4),
                 QStringList({"[WeaponSpecs]", "1=axe,,,,,", "2=Rifle,24,3,5,Rapid fire,", ""}));
    }
};

QTEST_GUILESS_MAIN(WriterTest)
#include "tst_Writer.moc"
