#include "store/Store.h"
#include "support/ModalAnswer.h"
#include "support/TestWindows.h"
#include "support/pages/AbilityCostsDialogPage.h"
#include "support/pages/ItemListStepPage.h"
#include "support/pages/PickerPage.h"
#include "ui/catalogue/AbilityCostsDialog.h"
#include "ui/catalogue/Picker.h"
#include "ui/controls/Button.h"
#include "ui/controls/Grid.h"
#include "ui/controls/SortedListWidget.h"
#include "ui/wizard/ItemListStep.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <functional>

namespace
{

constexpr int waitMs = 20000;

// Whether the window is the one the keys go to, with the focus on the given control.
bool takesKeys(QWidget& window, QWidget* control)
{
    return QApplication::activeWindow() == &window && QApplication::focusWidget() == control;
}

// Which window and control have the keys, for a failure message.
QString keysAt()
{
    auto describe = [](QWidget* widget) {
        return widget ? QString::fromLatin1(widget->metaObject()->className()) + u' ' +
                            widget->windowTitle() + u' ' + widget->accessibleName()
                      : QStringLiteral("none");
    };
    return QStringLiteral("active window: ") + describe(QApplication::activeWindow()) +
           QStringLiteral("; focus: ") + describe(QApplication::focusWidget());
}

} // namespace

class ActivationTest : public QObject
{
    Q_OBJECT
private slots:
    // Step 5's Next and step 6's Previous move between the steps that the item-list window
    // serves; each time the window takes the keys, on its list.
    void stepShownAgainTakesTheKeys()
    {
        TestWindows app;
        app.setUp([](Store& army) { army.troops[0].name = QStringLiteral("Kai"); });
        // The new troop begins as the one the document keeps unfinished.
        app.document.setUnfinishedTroop(app.army().troops[0]);
        auto& items = static_cast<ItemListStep&>(app.openStep(WizardStep::AdditionalWeapons));
        QVERIFY(QTest::qWaitForWindowActive(&items, waitMs));
        ItemListStepPage page(items);
        for (int round = 0; round < 3; ++round) {
            if (round > 0)
                QTest::keyClick(page.previousButton, Qt::Key_Space);
            QCOMPARE(items.windowTitle(), QStringLiteral("Additional Weapons"));
            QTRY_VERIFY2_WITH_TIMEOUT(
                takesKeys(items, page.itemList),
                qPrintable(QStringLiteral("round %1, ").arg(round) + keysAt()), waitMs);
            QTest::keyClick(page.nextButton, Qt::Key_Space);
            QCOMPARE(items.windowTitle(), QStringLiteral("Special Abilities"));
            QTRY_VERIFY2_WITH_TIMEOUT(
                takesKeys(items, page.itemList),
                qPrintable(QStringLiteral("round %1, ").arg(round) + keysAt()), waitMs);
        }
    }

    // One Add of two abilities opens the costing dialog twice in a row; each time it takes the
    // keys on its cost cell, though the first was left on the group cell.
    void secondCostingDialogTakesTheKeys()
    {
        TestWindows app;
        app.setUp([](Store& army) {
            army.troops[0].name = QStringLiteral("Kai");
            for (const char* entry : {"Jump,leap", "Zeal,faith"})
                army.abilityCatalogue->add(QString::fromLatin1(entry));
        });
        app.document.setUnfinishedTroop(app.army().troops[0]);
        auto& items = static_cast<ItemListStep&>(app.openStep(WizardStep::Abilities));
        QVERIFY(QTest::qWaitForWindowActive(&items, waitMs));
        ItemListStepPage page(items);

        ModalAnswer picker;
        ModalAnswer firstCost;
        ModalAnswer secondCost;
        QStringList focusSeen;
        // Types the cost into the cell that has the keys, moves on to the group and presses
        // Enter; `then` prepares for the next window first.
        auto costDialog = [&](const QString& cost, std::function<void()> then) {
            return [&, cost, then](AbilityCostsDialog& dialog) {
                AbilityCostsDialogPage dialogPage(dialog);
                Grid& grid = *dialogPage.abilityGrid;
                const bool ready =
                    QTest::qWaitFor([&] { return takesKeys(dialog, grid.cellEditor()); }, waitMs);
                focusSeen << QStringLiteral("%1 %2").arg(ready).arg(grid.currentColumn());
                if (!ready)
                    focusSeen << keysAt();
                if (then)
                    then();
                QTest::keyClicks(QApplication::focusWidget(), cost);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            };
        };
        picker.expect<Picker>([&](Picker& shown) {
            PickerPage pickerPage(shown);
            firstCost.expect<AbilityCostsDialog>(costDialog(QStringLiteral("5"), [&] {
                secondCost.expect<AbilityCostsDialog>(costDialog(QStringLiteral("7"), nullptr));
            }));
            for (int row = 0; row < 2; ++row)
                pickerPage.itemList->setSelected(row, true);
            QTest::mouseClick(pickerPage.okButton, Qt::LeftButton);
        });
        QTest::mouseClick(page.addButton, Qt::LeftButton);
        QVERIFY2(picker.answered(), qPrintable(picker.failure()));
        QVERIFY2(firstCost.answered(), qPrintable(firstCost.failure()));
        QVERIFY2(secondCost.answered(), qPrintable(secondCost.failure()));
        QCOMPARE(focusSeen, (QStringList{"1 1", "1 1"}));
        QCOMPARE(app.army().troops[0].abilities->lines(), (QStringList{"1,Jump,5", "1,Zeal,7"}));
    }
};

QTEST_MAIN(ActivationTest)
#include "tst_Activation.moc"
