#include "datafile/Writer.h"
#include "platform/DatafileOutput.h"
#include "store/Store.h"
#include "support/Armies.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace
{

const QLocale english(QLocale::English, QLocale::UnitedStates);

void fillArmy(Store& store, const QString& army)
{
    store.army = {QStringLiteral("RED ORCHARD"), QStringLiteral(" Unit"),
                  QStringLiteral("'Squad'")};
    if (army == QLatin1String("full")) {
        fillFullArmy(store);
        return;
    }
    store.troopCount = 1;
    store.troops[0].name = army == QLatin1String("troop outside code page")
                               ? QStringLiteral("Bear \u2192 Wolf")
                               : QStringLiteral("Bear \u20AC");
    store.troops[0].maxModels = QStringLiteral("3");
    addLines(store, store.troops[0].replaceableWeapons, {"Axe,Bow", " Club"}, false);
    const QStringList weapons = army == QLatin1String("catalogue with its fields")
                                    ? QStringList{"Axe,1,2,3,4,5", "\"Bow\",,,,,", "Club,,,,,"}
                                    : QStringList{"Axe", "Axe,,", "bow,1,2,3,4,5,6", " Club"};
    addLines(store, store.weaponCatalogue, weapons);
    addLines(store, store.abilityCatalogue,
             army == QLatin1String("catalogue outside code page")
                 ? QStringList{"Roar,1", "Zap \u2603,2"}
                 : QStringList{"Roar", "roar,", "Zap,1,2"});
}

} // namespace

class DatafileBytesTest : public QObject
{
    Q_OBJECT
private slots:
    // The bytes made straight from the store are those of the army's lines, encoded; a line
    // the code page cannot hold fails both ways with the same words.
    void sameAsEncodedLines_data()
    {
        QTest::addColumn<QString>("army");
        QTest::addColumn<bool>("encodable");
        QTest::newRow("every list kind and armour case") << "full" << true;
        QTest::newRow("catalogue entries cut, padded, merged, quoted") << "cut" << true;
        QTest::newRow("catalogue entries holding their fields")
            << "catalogue with its fields" << true;
        QTest::newRow("troop name outside the code page") << "troop outside code page" << false;
        QTest::newRow("catalogue entry outside the code page")
            << "catalogue outside code page" << false;
    }
    void sameAsEncodedLines()
    {
        QFETCH(QString, army);
        QFETCH(bool, encodable);
        Store store(english);
        fillArmy(store, army);
        QByteArray expected;
        QString expectedReason;
        QCOMPARE(encodeDatafile(datafileLines(store), expected, &expectedReason), encodable);
        QByteArray bytes;
        QString reason;
        QCOMPARE(encodeDatafile(store, bytes, &reason), encodable);
        QCOMPARE(reason, expectedReason);
        if (encodable)
            QCOMPARE(bytes, expected);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("army.ini"));
        QCOMPARE(writeDatafile(path, store, &reason), encodable);
        QCOMPARE(readBytes(path), expected);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), encodable ? 1 : 0);
    }
};

QTEST_GUILESS_MAIN(DatafileBytesTest)
#include "tst_DatafileBytes.moc"
