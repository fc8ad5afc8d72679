#include "datafile/Recovery.h"
#include "store/Store.h"

#include <QTest>

namespace
{

const QLocale english(QLocale::English, QLocale::UnitedStates);

} // namespace

class RecoveryFileTest : public QObject
{
    Q_OBJECT
private slots:
    // Sorted lists are read back in the order of the user's locale.
    void initTestCase() { QLocale::setDefault(english); }

    void restoredExactly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("datafile's own signs") << QStringLiteral("a,b=c;[Troop1]");
        QTest::newRow("blanks") << QStringLiteral("  leading and trailing \t");
        QTest::newRow("empty") << QString();
        QTest::newRow("Polish and Chinese") << QStringLiteral("Łódź Żółć 长城");
        QTest::newRow("beyond the basic plane") << QStringLiteral("\U0001F600 \U00020000");
        QTest::newRow("line breaks and escapes")
            << QStringLiteral("one\r\ntwo\nthree\\n\\\\ \\r end\\");
        QTest::newRow("a line of the form itself")
            << QStringLiteral("Quarrimak recovery copy 2\n[Army]\nItem=x");
    }

    // Whatever the texts hold, the work read back is the work written: every text, list kinds
    // (none, empty, plain, sorted), slots past the accepted troops, the file, time and step.
    void restoredExactly()
    {
        QFETCH(QString, text);
        RecoveredWork work{
            Store(english), true, QStringLiteral("/armies/") + text,
            QDateTime::fromString(QStringLiteral("2026-03-04T05:06:07.008Z"), Qt::ISODateWithMs),
            5};
        Store& army = work.army;
        army.army = {text, text + u'1', text + u'2'};
        army.weaponCatalogue->add(text + QStringLiteral(",12,4,-,Assault 2,"));
        army.weaponCatalogue->add(QStringLiteral("Axe,,,,,"));
        army.abilityCatalogue->add(text);
        army.troopCount = 2;
        for (int slot : {0, 1, 2, 7}) {
            Troop& troop = army.troops[size_t(slot)];
            troop.name = text + QString::number(slot);
            troop.points = text;
            troop.characteristics = text + QStringLiteral(",4,,,,,,,");
            troop.rearArmour = text;
            troop.standardWeapons = army.newPlainList();
            troop.standardWeapons->add(text);
            troop.standardWeapons->add(text);
            troop.additionalWeapons = army.newPlainList();
            troop.abilities = army.newSortedList();
            troop.abilities->add(QStringLiteral("1,") + text + QStringLiteral(",5,"));
        }
        RecoveredWork read;
        QString reason;
        QVERIFY2(readRecovery(recoveryBytes(work), read, &reason), qPrintable(reason));
        QVERIFY(read.army == work.army);
        QCOMPARE(read.file, work.file);
        QCOMPARE(read.time, work.time);
        QCOMPARE(read.step, 5);
        QVERIFY(read.unfinishedTroop);
    }

    // A copy that an earlier version left, the datafile with sections of its own, is read.
    void earlierFormRead()
    {
        const QByteArray bytes =
            "[Race]\r\nName=HOST\r\nUnitName=Unit\r\nSquadName=Band\r\n\r\n"
            "[Troop1]\r\nName=Wardens\r\nType=TR\r\n\r\n"
            "[QuarrimakUnfinishedTroop]\r\nName=Half built\r\nPoints=35\r\n\r\n"
            "[QuarrimakRecovery]\r\nFile=%2Farmies%2Fhost.ini\r\n"
            "Time=2026-03-04T05:06:07.008Z\r\n";
        RecoveredWork read;
        QString reason;
        QVERIFY2(readRecovery(bytes, read, &reason), qPrintable(reason));
        QCOMPARE(read.army.army.name, QStringLiteral("HOST"));
        QCOMPARE(read.army.troopCount, 1);
        QCOMPARE(read.army.troops[0].name, QStringLiteral("Wardens"));
        QVERIFY(read.unfinishedTroop);
        QCOMPARE(read.army.troops[1].points, QStringLiteral("35"));
        QCOMPARE(read.file, QStringLiteral("/armies/host.ini"));
        QCOMPARE(read.time, QDateTime::fromString(QStringLiteral("2026-03-04T05:06:07.008Z"),
                                                  Qt::ISODateWithMs));
    }
};

QTEST_GUILESS_MAIN(RecoveryFileTest)
#include "tst_RecoveryFile.moc"
