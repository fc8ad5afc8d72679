#include "store/ArmyHistory.h"

#include <QTest>

namespace
{

const QLocale english(QLocale::English, QLocale::UnitedStates);

ArmyState named(const QString& name)
{
    ArmyState state{Store(english), QString(), QByteArray()};
    state.army.army.name = name;
    return state;
}

} // namespace

class ArmyHistoryTest : public QObject
{
    Q_OBJECT
private slots:
    // Undo and redo walk the steps by their names; a new change drops what could be redone.
    void stepsAndNames()
    {
        ArmyHistory history(named("A"));
        QVERIFY(!history.canUndo() && !history.canRedo());
        history.record("Army Name", named("B"));
        history.record("Delete Troop \"Scouts\"", named("C"));
        QCOMPARE(history.undoName(), QStringLiteral("Delete Troop \"Scouts\""));
        QCOMPARE(history.undo().army.army.name, QStringLiteral("B"));
        QCOMPARE(history.redoName(), QStringLiteral("Delete Troop \"Scouts\""));
        QCOMPARE(history.undo().army.army.name, QStringLiteral("A"));
        QVERIFY(!history.canUndo());
        QCOMPARE(history.redo().army.army.name, QStringLiteral("B"));
        history.record("Unit Word", named("D"));
        QVERIFY(!history.canRedo());
        QCOMPARE(history.undo().army.army.name, QStringLiteral("B"));
    }

    // At least the last 100 steps stay; beyond 64 MiB of changed lists the oldest go, and the
    // newest always stays.
    void bounds()
    {
        ArmyHistory history(named("start"));
        for (int i = 0; i < 150; ++i)
            history.record(QString::number(i), named(QString::number(i)));
        QCOMPARE(history.stepCount(), ArmyHistory::maxSteps);
        int undone = 0;
        while (history.canUndo()) {
            history.undo();
            ++undone;
        }
        QCOMPARE(undone, 100);
        QCOMPARE(history.current().army.army.name, QStringLiteral("49"));

        ArmyHistory big(named("start"));
        const QString line(500, u'x');
        for (int i = 0; i < 40; ++i) {
            ArmyState state = named(QString::number(i));
            QStringList lines;
            for (int n = 0; n < 5000; ++n)
                lines << line + QString::number(n);
            state.army.weaponCatalogue->addAll(lines);
            big.record(QString::number(i), std::move(state));
            QVERIFY(big.bytesHeld() <= ArmyHistory::maxBytes);
        }
        QVERIFY(big.stepCount() >= 1 && big.stepCount() < 40);
        QCOMPARE(big.current().army.army.name, QStringLiteral("39"));
    }

    // A state shares the lists it did not change, and costs nothing for them.
    void unchangedListsCostNothing()
    {
        Store store(english);
        QStringList lines;
        for (int n = 0; n < 1000; ++n)
            lines << QStringLiteral("Weapon %1,24,4,5,Rapid,").arg(n);
        store.weaponCatalogue->addAll(lines);
        const Store copy = store;
        QVERIFY(bytesChanged(copy, store) < qint64(sizeof(Store)) + 4096);
        Store changed = store;
        changed.weaponCatalogue->add(QStringLiteral("Axe,,,,,"));
        QVERIFY(bytesChanged(changed, store) > 1000 * 40);
    }

    // What a file holds on disk follows every state of that file.
    void savedFollowsTheFile()
    {
        ArmyHistory history(named("A"));
        history.record("Army Name", named("B"));
        history.savedAs("/a.ini", "bytes of B");
        QCOMPARE(history.undo().saved, QByteArray());
        QCOMPARE(history.current().file, QString());
        QCOMPARE(history.redo().saved, QByteArray("bytes of B"));
        QCOMPARE(history.current().file, QStringLiteral("/a.ini"));
    }
};

QTEST_GUILESS_MAIN(ArmyHistoryTest)
#include "tst_ArmyHistory.moc"
