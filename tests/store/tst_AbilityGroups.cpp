#include "store/AbilityGroups.h"
#include "store/LineList.h"
#include "store/Store.h"

#include <QTest>

using Maxima = std::map<int, int>;
Q_DECLARE_METATYPE(Maxima)

class AbilityGroupsTest : public QObject
{
    Q_OBJECT

private slots:
    // Each group as read: "number|names|maximum|row maximum", "-" where the limits lack the
    // group's field.
    void readsGroupsByNumber_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("limits");
        QTest::addColumn<QStringList>("groups");
        QTest::addColumn<bool>("writtenPerRow");
        QTest::newRow("group 2 alone, written per row")
            << QStringList{"2,Zeal,5"} << "1,1" << QStringList{"2|Zeal|-|1"} << true;
        QTest::newRow("1 and 01 one group, apart in the list")
            << QStringList{"1,a,1", "2,b,1", "01,c,1"} << "3,2,1"
            << QStringList{"1|a,c|2|2", "2|b|1|1"} << false;
        QTest::newRow("groups 1, 10 and 2 in list order")
            << QStringList{"1,a,1", "10,b,1", "2,c,1"} << "3,7,8,9"
            << QStringList{"1|a|7|7", "2|c|8|9", "10|b|-|8"} << true;
        QTest::newRow("a gap held as 0") << QStringList{"1,a,1", "3,b,1"} << "2,1,0,1"
                                         << QStringList{"1|a|1|1", "3|b|1|0"} << false;
        QTest::newRow("fields past the highest group")
            << QStringList{"1,a,1"} << "2,1,1" << QStringList{"1|a|1|1"} << true;
        QTest::newRow("the total alone")
            << QStringList{"1,a,1", "2,b,1"} << "0" << QStringList{"1|a|-|", "2|b|-|"} << false;
        QTest::newRow("groups outside 1 to 99")
            << QStringList{"0,a,1", "100,b,1", "x,c,1", "1,d,1"} << "1,1"
            << QStringList{"0|a,c|-|1", "1|d|1|", "100|b|-|"} << false;
    }
    void readsGroupsByNumber()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, limits);
        QFETCH(QStringList, groups);
        QFETCH(bool, writtenPerRow);
        Store store;
        Troop& troop = store.troops[0];
        troop.abilityLimits = limits;
        troop.abilities = store.newPlainList();
        for (const QString& line : lines)
            troop.abilities->add(line);
        const AbilityGroups read = abilityGroups(troop);
        QCOMPARE(read.total, limits.section(u',', 0, 0));
        QStringList shown;
        for (const AbilityGroup& group : read.groups)
            shown << QStringList{QString::number(group.number), group.names.join(u','),
                                 group.hasMaximum ? group.maximum : QStringLiteral("-"),
                                 group.rowMaximum}
                         .join(u'|');
        QCOMPARE(shown, groups);
        QCOMPARE(read.writtenPerRow, writtenPerRow);
    }

    void writesFieldByGroup_data()
    {
        QTest::addColumn<Maxima>("maxima");
        QTest::addColumn<QString>("limits");
        QTest::newRow("no group") << Maxima{} << "4";
        QTest::newRow("gaps as 0") << Maxima{{1, 1}, {3, 2}} << "4,1,0,2";
        QTest::newRow("group 2 alone") << Maxima{{2, 1}} << "4,0,1";
        QTest::newRow("outside 1 to 99 left out")
            << Maxima{{0, 5}, {2, 1}, {100, 3}, {-1, 2}} << "4,0,1";
    }
    void writesFieldByGroup()
    {
        QFETCH(Maxima, maxima);
        QFETCH(QString, limits);
        QCOMPARE(abilityLimitsText(4, maxima), limits);
    }
};

QTEST_GUILESS_MAIN(AbilityGroupsTest)
#include "tst_AbilityGroups.moc"
