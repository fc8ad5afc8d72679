#include "cli/ProblemText.h"
#include "datafile/ArmyCheck.h"

#include <QTest>

// The words of a problem take the names it carries as they are: a "%" and a digit in a name
// is no place for a number.
class ProblemTextTest : public QObject
{
    Q_OBJECT

private slots:
    void namesAreTakenAsTheyAre_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");

        QTest::newRow("troop name") << int(ProblemKind::NameTaken) << "Squad %2"
                                    << "another TR troop is named \"Squad %2\" (troop 1)";
        QTest::newRow("ability name")
            << int(ProblemKind::GroupOutsideRange) << "Zeal %1"
            << "special ability \"Zeal %1\" is in group 0; groups run from 1 to 99";
    }

    void namesAreTakenAsTheyAre()
    {
        QFETCH(int, kind);
        QFETCH(QString, name);
        QFETCH(QString, text);
        Problem problem{ProblemKind(kind), {}, name, {}, QStringLiteral("TR"), 0, 0, {}};
        problem.place.part = ProblemPlace::Part::Troop;
        problem.place.field = TroopField::Ability;
        QCOMPARE(problemText(problem), text);
    }
};

QTEST_GUILESS_MAIN(ProblemTextTest)
#include "tst_ProblemText.moc"
