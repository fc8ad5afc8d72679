#include "support/Catalogue.h"
#include "support/ModalAnswer.h"
#include "support/ScriptedUser.h"
#include "support/Typing.h"
#include "support/pages/WeaponCostsDialogPage.h"
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

} // namespace

class WeaponCostsDialogTest : public QObject
{
    Q_OBJECT

private slots:
    // The window shows the caption and name heading it is opened with. A cost is read by the
    // number rule, after a typed comma turned into ";"; how the window is left does not matter.
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
        ScriptedUser user;
        WeaponCostsDialog costs(
            nullptr, QStringLiteral("Replace Weapon Costs"),
            QStringLiteral("Name of the replace weapon"),
            {{QStringLiteral("Flame thrower"), 6}, {QStringLiteral("Rocket launcher"), 10}});
        user.windowOf<WeaponCostsDialog>([&](WeaponCostsDialog& shown) {
            WeaponCostsDialogPage page(shown);
            QCOMPARE(shown.windowTitle(), QStringLiteral("Replace Weapon Costs"));
            QCOMPARE(page.nameHeading->text(), QStringLiteral("Name of the replace weapon"));
            QCOMPARE(page.costHeading->text(), QStringLiteral("Costs"));
            QVERIFY(makeActive(shown));
            QLineEdit* editor = page.costGrid->cellEditor();
            QCOMPARE(QApplication::focusWidget(), editor);
            QCOMPARE(page.costGrid->cell(0, 0), QStringLiteral("Flame thrower"));
            QCOMPARE(editor->text(), QStringLiteral("6"));
            QTest::keyClick(editor, Qt::Key_Tab);
            QCOMPARE(page.costGrid->currentRow(), 1);
            QTest::keyClick(editor, Qt::Key_Delete);
            typeText(editor, typed);
            if (enter)
                QTest::keyClick(editor, Qt::Key_Return);
            else
                QTest::mouseClick(page.okButton, Qt::LeftButton);
        });
        QCOMPARE(costs.showModal(), QDialog::Accepted);
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QCOMPARE(WeaponCostsDialogPage(costs).costGrid->cell(1, 1), cell);
        QStringList read;
        for (const CostRow& row : costs.rows())
            read << row.name + u'=' + QString::number(row.cost);
        QCOMPARE(read,
                 (QStringList{"Flame thrower=6", "Rocket launcher=" + QString::number(cost)}));
    }

    // The wiring users run: no weapons shows no row and gives none back; then a weapon's cost
    // typed straight into the first cell and Enter.
    void realWindow()
    {
        for (const QString& typed : {QString(), QStringLiteral("4")}) {
            WeaponCostsDialog costs(nullptr, QStringLiteral("Additional Weapon Costs"),
                                    QStringLiteral("Name of the additional weapon"),
                                    typed.isEmpty() ? QList<CostRow>{}
                                                    : QList<CostRow>{{QStringLiteral("Lance"), 0}});
            int rowsShown = -1;
            ModalAnswer answer;
            answer.expect<WeaponCostsDialog>([&](WeaponCostsDialog& shown) {
                rowsShown = WeaponCostsDialogPage(shown).costGrid->rowCount();
                QVERIFY(makeActive(shown));
                typeText(QApplication::focusWidget(), typed);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            });
            QCOMPARE(costs.showModal(), QDialog::Accepted);
            QVERIFY2(answer.answered(), qPrintable(answer.failure()));
            QCOMPARE(rowsShown, typed.isEmpty() ? 0 : 1);
            const QList<CostRow> rows = costs.rows();
            QCOMPARE(rows.size(), typed.isEmpty() ? 0 : 1);
            if (!rows.isEmpty())
                QCOMPARE(rows[0].cost, 4);
        }
    }
};

QTEST_MAIN(WeaponCostsDialogTest)
#include "tst_WeaponCostsDialog.moc"
