#include "support/Catalogue.h"
#include "support/GridCells.h"
#include "support/ScriptedUser.h"
#include "support/TestWindows.h"
#include "support/Typing.h"
#include "ui/controls/Buttons.h"
#include "ui/controls/Grid.h"
#include "ui/wizard/RWeaponCosts.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace
{

using CostRow = TForm8::CostRow;

// What a caller does before showing the window.
void Prepare(TForm8& costs, const QString& caption, const QString& heading,
             const QList<CostRow>& rows)
{
    costs.SetCaption(caption);
    costs.SetHeading(heading);
    costs.SetRows(rows);
}

} // namespace

class CostsWindowTest : public QObject
{
    Q_OBJECT

private slots:
    // Each caller's caption and heading stand until the next caller sets its own.
    void captionAndHeadingFollowTheCaller()
    {
        TestWindows app;
        ScriptedUser user;
        TForm8& costs = *app.forms.Form8;
        QCOMPARE(costs.Caption(), QStringLiteral("Replaceable weapon costs"));
        QCOMPARE(costs.Panel1->text(), QStringLiteral("Name of the replace weapon"));
        QCOMPARE(costs.Panel2->text(), QStringLiteral("Costs"));
        QCOMPARE(costs.StringGrid1->RowCount(), 50);
        const QList<QStringList> callers{
            {"Additional Weapon Costs", "Name of the additional weapon"},
            {"Replace Weapon Costs", "Name of the replace weapon"},
            {"Additional Weapon Costs", "Name of the additional weapon"}};
        QList<QStringList> seen;
        for (const QStringList& caller : callers) {
            Prepare(costs, caller[0], caller[1], {{QStringLiteral("Lance"), 3}});
            user.WindowOf<TForm8>([&](TForm8& shown) {
                seen << QStringList{shown.Caption(), shown.Panel1->text()};
                QTest::mouseClick(shown.BitBtn1, Qt::LeftButton);
            });
            QCOMPARE(costs.ShowModal(), int(mrOk));
        }
        QVERIFY2(user.Problems().isEmpty(), qPrintable(user.Problems().join(u'\n')));
        QCOMPARE(seen, callers);
    }

    // A cost is read by the number rule, after a typed comma turned into ";"; how the window
    // is left does not matter. The cells read are emptied; the names stay.
    void costsReadBack_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("enter");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<int>("cost");
        QTest::newRow("empty") << "" << false << "" << 0;
        QTest::newRow("6 points") << "6 points" << false << "6 points" << 6;
        QTest::newRow("comma, click") << "1,5" << false << "1;5" << 1;
        QTest::newRow("comma, Enter") << "1,5" << true << "1;5" << 1;
        QTest::newRow("negative") << "-4" << true << "-4" << -4;
        QTest::newRow("no number") << "free" << true << "free" << 0;
    }
    void costsReadBack()
    {
        QFETCH(QString, typed);
        QFETCH(bool, enter);
        QFETCH(QString, cell);
        QFETCH(int, cost);
        TestWindows app;
        ScriptedUser user;
        TForm8& costs = *app.forms.Form8;
        Prepare(costs, QStringLiteral("Replace Weapon Costs"),
                QStringLiteral("Name of the replace weapon"),
                {{QStringLiteral("Flame thrower"), 6}, {QStringLiteral("Rocket launcher"), 10}});
        user.WindowOf<TForm8>([&](TForm8& shown) {
            QVERIFY(MakeActive(shown));
            QLineEdit* editor = shown.StringGrid1->Editor();
            QCOMPARE(QApplication::focusWidget(), editor);
            QCOMPARE(shown.StringGrid1->Cell(0, 0), QStringLiteral("Flame thrower"));
            QCOMPARE(editor->text(), QStringLiteral("6"));
            QTest::keyClick(editor, Qt::Key_Tab);
            QCOMPARE(shown.StringGrid1->Row(), 1);
            QTest::keyClick(editor, Qt::Key_Delete);
            TypeText(editor, typed);
            if (enter)
                QTest::keyClick(editor, Qt::Key_Return);
            else
                QTest::mouseClick(shown.BitBtn1, Qt::LeftButton);
        });
        QCOMPARE(costs.ShowModal(), int(mrOk));
        QVERIFY2(user.Problems().isEmpty(), qPrintable(user.Problems().join(u'\n')));
        QCOMPARE(costs.StringGrid1->Cell(1, 1), cell);
        QStringList read;
        for (const CostRow& row : costs.TakeRows())
            read << row.name + u'=' + QString::number(row.cost);
        QCOMPARE(read,
                 (QStringList{"Flame thrower=6", "Rocket launcher=" + QString::number(cost)}));
        QCOMPARE(Column(*costs.StringGrid1, 1), (QStringList{"", ""}));
        QCOMPARE(Column(*costs.StringGrid1, 0), (QStringList{"Flame thrower", "Rocket launcher"}));
    }

    // The wiring users run: no weapons shows no row and gives none back; then a weapon's cost
    // typed straight into the first cell and Enter.
    void realWindow()
    {
        TestWindows app;
        TForm8& costs = *app.forms.Form8;
        for (const QString& typed : {QString(), QStringLiteral("4")}) {
            costs.SetRows(typed.isEmpty() ? QList<CostRow>{}
                                          : QList<CostRow>{{QStringLiteral("Lance"), 0}});
            QTimer::singleShot(0, [&] {
                QWidget* shown = QApplication::activeModalWidget();
                QCOMPARE(shown, &costs);
                QCOMPARE(costs.StringGrid1->RowCount(), typed.isEmpty() ? 0 : 1);
                QVERIFY(MakeActive(costs));
                TypeText(QApplication::focusWidget(), typed);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            });
            QCOMPARE(costs.ShowModal(), int(mrOk));
            const QList<CostRow> rows = costs.TakeRows();
            QCOMPARE(rows.size(), typed.isEmpty() ? 0 : 1);
            if (!rows.isEmpty())
                QCOMPARE(rows[0].cost, 4);
        }
    }
};

QTEST_MAIN(CostsWindowTest)
#include "tst_RWeaponCosts.moc"
