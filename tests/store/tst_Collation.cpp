#include "store/Collation.h"

#include <QCollator>
#include <QRandomGenerator>
#include <QTest>

namespace
{

int sign(int value)
{
    return (value > 0) - (value < 0);
}

// The collator's own answer, which the collation must give whatever way it takes; texts the
// collator holds equal are ordered by their case-folded text, so that only texts equal but for
// letter case are one.
int collatorSign(const QLocale& locale, const QString& a, const QString& b)
{
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    const int order = sign(collator.compare(a, b));
    return order != 0 ? order : sign(QString::compare(a, b, Qt::CaseInsensitive));
}

} // namespace

class CollationTest : public QObject
{
    Q_OBJECT
private slots:
    void orderIsTheCollatorsWithoutRegardToCase_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::newRow("case only") << "Bolter"
                                   << "bOLTER";
        QTest::newRow("letters") << "Axe"
                                 << "axes";
        QTest::newRow("capital after small") << "b"
                                             << "A";
        QTest::newRow("underscore against letter") << "_x"
                                                   << "X";
        QTest::newRow("bracket against capital") << "["
                                                 << "a";
        QTest::newRow("digits") << "Weapon 10"
                                << "Weapon 9";
        QTest::newRow("empty") << ""
                               << "a";
        QTest::newRow("both empty") << ""
                                    << "";
        QTest::newRow("prefix") << "Gun"
                                << "gun mk2";
        QTest::newRow("accent after ASCII") << "Epee"
                                            << "\u00c9p\u00e9e";
        QTest::newRow("accented case") << "\u00e9p\u00e9e"
                                       << "\u00c9P\u00c9E";
        QTest::newRow("sharp s") << "stra\u00dfe"
                                 << "STRASSE";
        QTest::newRow("surrogate pair") << "x\U0001D400"
                                        << "x\U0001D41A";
        QTest::newRow("ASCII then Latin-1") << "Axe\u00ff"
                                            << "axe\u00fe";
        QTest::newRow("control character") << "a\u0001"
                                           << "A";
    }
    void orderIsTheCollatorsWithoutRegardToCase()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::English)}) {
            const Collation collation(locale);
            QCOMPARE(sign(collation.compare(a, b)), collatorSign(locale, a, b));
            QCOMPARE(sign(collation.compare(b, a)), collatorSign(locale, b, a));
        }
    }

    // In Danish "aa" sorts as "å": the two take neighbouring places and stay two lines, while
    // a line equal but for case is still one.
    void localeEqualTextsStayApart()
    {
        QCollator danish{QLocale(QLocale::Danish)};
        danish.setCaseSensitivity(Qt::CaseInsensitive);
        if (danish.compare(QStringLiteral("aa"), QStringLiteral("\u00e5")) != 0)
            QSKIP("this machine's collator does not know Danish");
        const Collation collation{QLocale(QLocale::Danish)};
        QVERIFY(collation.compare(QStringLiteral("aa"), QStringLiteral("\u00e5")) != 0);
        QCOMPARE(sign(collation.compare(QStringLiteral("aa"), QStringLiteral("\u00e5"))),
                 -sign(collation.compare(QStringLiteral("\u00e5"), QStringLiteral("aa"))));
        QCOMPARE(collation.compare(QStringLiteral("AA"), QStringLiteral("aa")), 0);
        QVERIFY(collation.compare(QStringLiteral("\u00e5"), QStringLiteral("z")) > 0);
    }

    // Random texts of ASCII and a few characters beyond it, compared both ways.
    void randomTextsInTheCLocale()
    {
        const QString alphabet = QStringLiteral("aAbBzZ09 _[`{~\u00e9\u00c9\u00df\u0130");
        QRandomGenerator random(20261207);
        const auto text = [&] {
            QString result;
            for (int length = random.bounded(6); length > 0; --length)
                result += alphabet[random.bounded(int(alphabet.size()))];
            return result;
        };
        const Collation collation(QLocale::c());
        for (int round = 0; round < 20000; ++round) {
            const QString a = text();
            const QString b = text();
            if (sign(collation.compare(a, b)) != collatorSign(QLocale::c(), a, b))
                QFAIL(qPrintable(QStringLiteral("\"%1\" against \"%2\"").arg(a, b)));
        }
    }
};

QTEST_GUILESS_MAIN(CollationTest)
#include "tst_Collation.moc"
