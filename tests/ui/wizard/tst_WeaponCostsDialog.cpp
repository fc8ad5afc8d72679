#include "support/Catalogue.h"
#include "support/GridCells.h"
#include "support/ModalAnswer.h"
#include "support/ScriptedUser.h"
#include "support/TestWindows.h"
#include "support/Typing.h"
#include "ui/controls/Button.h"
#include "ui/controls/Grid.h"
#include "ui/wizard/WeaponCostsDialog.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace
{

using CostRow = WeaponCostsDialog::CostRow;

// What a caller does before showing the window.
void prepare(WeaponCostsDialog& costs, const QString& caption, const QString& heading,
             const QList<CostRow>& rows)
{
    costs.setWindowTitle(caption);
    costs.setNameHeading(heading);
    costs.setRows(rows);
}

} // namespace

class WeaponCostsDialogTest : public QObject
{
    Q_OBJECT

private slots:
    // Each caller's caption and heading stand until the next caller sets its own.
    void captionAndHeadingFollowTheCaller()
    {
        TestWindows app;
        ScriptedUser user;
        WeaponCostsDialog& costs = *app.windows.weaponCostsDialog;
        QCOMPARE(costs.windowTitle(), QStringLiteral("Replaceable weapon costs"));
        QCOMPARE(costs.nameHeading->text(), QStringLiteral("Name of the replace weapon"));
        QCOMPARE(costs.costHeading->text(), QStringLiteral("Costs"));
        QCOMPARE(costs.costGrid->rowCount(), 50);
        const QList<QStringList> callers{
            {"Additional Weapon Costs", "Name of the additional weapon"},
            {"Replace Weapon Costs", "Name of the replace weapon"},
            {"Additional Weapon Costs", "Name of the additional weapon"}};
        QList<QStringList> seen;
        for (const QStringList& caller : callers) {
            prepare(costs, caller[0], caller[1], {{QStringLiteral("Lance"), 3}});
            user.windowOf<WeaponCostsDialog>([&](WeaponCostsDialog& shown) {
                seen << QStringList{shown.windowTitle(), shown.nameHeading->text()};
                QTest::mouseClick(shown.okButton, Qt::LeftButton);
            });
            QCOMPARE(costs.exec(), ModalResult::Ok);
        }
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
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
        WeaponCostsDialog& costs = *app.windows.weaponCostsDialog;
        prepare(costs, QStringLiteral("Replace Weapon Costs"),
                QStringLiteral("Name of the replace weapon"),
                {{QStringLiteral("Flame thrower"), 6}, {QStringLiteral("Rocket launcher"), 10}});
        user.windowOf<WeaponCostsDialog>([&](WeaponCostsDialog& shown) {
            QVERIFY(makeActive(shown));
            QLineEdit* editor = shown.costGrid->cellEditor();
            QCOMPARE(QApplication::focusWidget(), editor);
            QCOMPARE(shown.costGrid->cell(0, 0), QStringLiteral("Flame thrower"));
            QCOMPARE(editor->text(), QStringLiteral("6"));
            QTest::keyClick(editor, Qt::Key_Tab);
            QCOMPARE(shown.costGrid->currentRow(), 1);
            QTest::keyClick(editor, Qt::Key_Delete);
            typeText(editor, typed);
            if (enter)
                QTest::keyClick(editor, Qt::Key_Return);
            else
                QTest::mouseClick(shown.okButton, Qt::LeftButton);
        });
        QCOMPARE(costs.exec(), ModalResult::Ok);
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QCOMPARE(costs.costGrid->cell(1, 1), cell);
        QStringList read;
        for (const CostRow& row : costs.takeRows())
            read << row.name + u'=' + QString::number(row.cost);
        QCOMPARE(read,
                 (QStringList{"Flame thrower=6", "Rocket launcher=" + QString::number(cost)}));
        QCOMPARE(column(*costs.costGrid, 1), (QStringList{"", ""}));
        QCOMPARE(column(*costs.costGrid, 0), (QStringList{"Flame thrower", "Rocket launcher"}));
    }

    // The wiring users run: no weapons shows no row and gives none back; then a weapon's cost
    // typed straight into the first cell and Enter.
    void realWindow()
    {
        TestWindows app;
        WeaponCostsDialog& costs = *app.windows.weaponCostsDialog;
        for (const QString& typed : {QString(), QStringLiteral("4")}) {
            costs.setRows(typed.isEmpty() ? QList<CostRow>{}
                                          : QList<CostRow>{{QStringLiteral("Lance"), 0}});
            int rowsShown = -1;
            ModalAnswer answer;
            answer.expect<WeaponCostsDialog>([&](WeaponCostsDialog& shown) {
                rowsShown = shown.costGrid->rowCount();
                QVERIFY(makeActive(shown));
                typeText(QApplication::focusWidget(), typed);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            });
            QCOMPARE(costs.exec(), ModalResult::Ok);
            QVERIFY2(answer.answered(), qPrintable(answer.failure()));
            QCOMPARE(rowsShown, typed.isEmpty() ? 0 : 1);
            const QList<CostRow> rows = costs.takeRows();
            QCOMPARE(rows.size(), typed.isEmpty() ? 0 : 1);
            if (!rows.isEmpty())
                QCOMPARE(rows[0].cost, 4);
        }
    }
};

QTEST_MAIN(WeaponCostsDialogTest)
#include "tst_WeaponCostsDialog.moc"
