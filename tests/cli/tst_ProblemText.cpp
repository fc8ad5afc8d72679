#include "cli/ProblemText.h"
#include "datafile/ArmyCheck.h"

#include <QLocale>
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

    // One of a kind is said in the singular; the locale writes the numbers, so --check, which
    // writes plain digits, and the report, which groups thousands, share the words.
    void countsWordedRight_data()
    {
        QTest::addColumn<int>("errors");
        QTest::addColumn<int>("warnings");
        QTest::addColumn<bool>("grouped");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << 0 << 0 << false << "0 errors, 0 warnings";
        QTest::newRow("one each") << 1 << 1 << false << "1 error, 1 warning";
        QTest::newRow("plain digits") << 2 << 1234 << false << "2 errors, 1234 warnings";
        QTest::newRow("thousands") << 1234 << 2 << true << "1,234 errors, 2 warnings";
    }
    void countsWordedRight()
    {
        QFETCH(int, errors);
        QFETCH(int, warnings);
        QFETCH(bool, grouped);
        QFETCH(QString, text);
        QLocale locale(QLocale::English, QLocale::UnitedStates);
        if (!grouped)
            locale.setNumberOptions(QLocale::OmitGroupSeparator);
        QCOMPARE(problemCountText(errors, warnings, locale), text);
    }
};

QTEST_GUILESS_MAIN(ProblemTextTest)
#include "tst_ProblemText.moc"
