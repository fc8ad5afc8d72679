#include "datafile/ReadErrorDialog.h"
#include "support/ScriptedUser.h"
#include "support/TestWindows.h"
#include "ui/catalogue/AbilityCostsDialog.h"
#include "ui/catalogue/AbilityEditor.h"
#include "ui/catalogue/Picker.h"
#include "ui/catalogue/WeaponEditor.h"
#include "ui/controls/Button.h"
#include "ui/help/AbilitiesHelp.h"
#include "ui/help/AbilityCostsHelp.h"
#include "ui/help/AbilityEditorHelp.h"
#include "ui/help/AdditionalWeaponsHelp.h"
#include "ui/help/CharacteristicsHelp.h"
#include "ui/help/MainWindowHelp.h"
#include "ui/help/ReplaceableWeaponsHelp.h"
#include "ui/help/RestrictionsHelp.h"
#include "ui/help/StandardWeaponsHelp.h"
#include "ui/main/MainWindow.h"
#include "ui/main/Startup.h"
#include "ui/main/TroopSelectionDialog.h"
#include "ui/wizard/CharacteristicsStep.h"
#include "ui/wizard/ItemListStep.h"
#include "ui/wizard/ReplaceableWeaponsStep.h"
#include "ui/wizard/RestrictionsStep.h"
#include "ui/wizard/WeaponCostsDialog.h"

#include <QApplication>
#include <QLayout>
#include <QTest>
#include <QWindow>
#include <functional>

namespace
{

using Pick = std::function<Window*(WindowRegistry&)>;
using PickButton = std::function<QPushButton*(WindowRegistry&)>;

// Each modal window with the window that opens it in the program.
const QList<std::tuple<const char*, Pick, Pick>>& dialogsAndOpeners()
{
    static const QList<std::tuple<const char*, Pick, Pick>> all = {
        {"picker", [](WindowRegistry& w) { return w.picker; },
         [](WindowRegistry& w) {
             return w.itemListStep;
         }},
        {"weapon editor", [](WindowRegistry& w) { return w.weaponEditor; },
         [](WindowRegistry& w) {
             return w.replaceableWeaponsStep;
         }},
        {"ability editor", [](WindowRegistry& w) { return w.abilityEditor; },
         [](WindowRegistry& w) {
             return w.itemListStep;
         }},
        {"costs window", [](WindowRegistry& w) { return w.weaponCostsDialog; },
         [](WindowRegistry& w) {
             return w.replaceableWeaponsStep;
         }},
        {"ability costing", [](WindowRegistry& w) { return w.abilityCostsDialog; },
         [](WindowRegistry& w) {
             return w.itemListStep;
         }},
        {"troop selection", [](WindowRegistry& w) { return w.troopSelectionDialog; },
         [](WindowRegistry& w) {
             return w.mainWindow;
         }},
        {"read error", [](WindowRegistry& w) { return w.readErrorDialog; },
         [](WindowRegistry& w) {
             return w.mainWindow;
         }},
        {"main window help", [](WindowRegistry& w) { return w.mainWindowHelp; },
         [](WindowRegistry& w) {
             return w.mainWindow;
         }},
        {"step 2 help", [](WindowRegistry& w) { return w.characteristicsHelp; },
         [](WindowRegistry& w) {
             return w.characteristicsStep;
         }},
        {"step 3 help", [](WindowRegistry& w) { return w.standardWeaponsHelp; },
         [](WindowRegistry& w) {
             return w.itemListStep;
         }},
        {"step 4 help", [](WindowRegistry& w) { return w.replaceableWeaponsHelp; },
         [](WindowRegistry& w) {
             return w.replaceableWeaponsStep;
         }},
        {"step 5 help", [](WindowRegistry& w) { return w.additionalWeaponsHelp; },
         [](WindowRegistry& w) {
             return w.itemListStep;
         }},
        {"step 6 help", [](WindowRegistry& w) { return w.abilitiesHelp; },
         [](WindowRegistry& w) {
             return w.itemListStep;
         }},
        {"step 7 help", [](WindowRegistry& w) { return w.restrictionsHelp; },
         [](WindowRegistry& w) {
             return w.restrictionsStep;
         }},
        {"ability editor help", [](WindowRegistry& w) { return w.abilityEditorHelp; },
         [](WindowRegistry& w) {
             return w.abilityEditor;
         }},
        {"ability costing help", [](WindowRegistry& w) { return w.abilityCostsHelp; },
         [](WindowRegistry& w) {
             return w.abilityCostsDialog;
         }},
    };
    return all;
}

// The window's buttons that Tab reaches, in the order Tab walks them.
QList<QWidget*> buttonsInTabOrder(QWidget& window)
{
    QList<QWidget*> buttons;
    for (QWidget* next = window.nextInFocusChain(); next != &window;
         next = next->nextInFocusChain()) {
        if (qobject_cast<QPushButton*>(next) && next->window() == &window &&
            (next->focusPolicy() & Qt::TabFocus) && next->isVisibleTo(&window))
            buttons << next;
    }
    return buttons;
}

// Reading order: row by row from the top, each row from the left.
bool readsBefore(const QWidget* a, const QWidget* b)
{
    const QRect first(a->mapTo(a->window(), QPoint()), a->size());
    const QRect second(b->mapTo(b->window(), QPoint()), b->size());
    if (first.bottom() < second.top() || second.bottom() < first.top())
        return first.top() < second.top();
    return first.left() < second.left();
}

} // namespace

class WindowTest : public QObject
{
    Q_OBJECT
private slots:
    void dialogIsTransientForItsOpener_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < dialogsAndOpeners().size(); ++i)
            QTest::newRow(std::get<0>(dialogsAndOpeners()[i])) << i;
    }
    // While it is shown, a modal window is a modal dialog that stays over the window that opened
    // it; once closed it is bound to none, so that the next opener can take it.
    void dialogIsTransientForItsOpener()
    {
        QFETCH(int, index);
        const auto& [name, pickDialog, pickOpener] = dialogsAndOpeners()[index];
        TestWindows app;
        ScriptedUser user;
        Window* dialog = pickDialog(app.windows);
        Window* opener = pickOpener(app.windows);
        opener->showAndActivate();
        QWindow* transientParent = nullptr;
        user.window([&](QWidget& shown) {
            QCOMPARE(&shown, dialog);
            QCOMPARE(shown.windowType(), Qt::Dialog);
            QCOMPARE(shown.windowModality(), Qt::ApplicationModal);
            transientParent = shown.windowHandle()->transientParent();
            dialog->done(ModalResult::Cancel);
        });
        dialog->exec();
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QVERIFY(opener->windowHandle());
        QCOMPARE(transientParent, opener->windowHandle());
        QCOMPARE(dialog->windowHandle()->transientParent(), nullptr);
        QCOMPARE(app.windows.active, opener);
    }

    void tabWalksButtonsInReadingOrder_data()
    {
        QTest::addColumn<Pick>("pick");
        QTest::newRow("main window") << Pick([](WindowRegistry& w) { return w.mainWindow; });
        QTest::newRow("troop selection")
            << Pick([](WindowRegistry& w) { return w.troopSelectionDialog; });
        QTest::newRow("ability editor") << Pick([](WindowRegistry& w) { return w.abilityEditor; });
    }
    // Tab meets the buttons in the order a reader does.
    void tabWalksButtonsInReadingOrder()
    {
        QFETCH(Pick, pick);
        TestWindows app;
        Window& window = *pick(app.windows);
        const QList<QWidget*> tabOrder = buttonsInTabOrder(window);
        QList<QWidget*> readingOrder = tabOrder;
        std::stable_sort(readingOrder.begin(), readingOrder.end(), readsBefore);
        QCOMPARE(readingOrder, tabOrder);
    }

    void helpPicturesShowTheirPictureOnTheButtonsSide_data()
    {
        QTest::addColumn<Pick>("help");
        QTest::addColumn<Pick>("window");
        for (const auto& [name, pickHelp, pickWindow] : dialogsAndOpeners()) {
            const QByteArray row(name);
            if (row.endsWith("help") && (row.startsWith("step") || row.startsWith("main")))
                QTest::newRow(name) << pickHelp << pickWindow;
        }
    }
    // A help page's picture of a button shows the button's picture on the side the button does.
    void helpPicturesShowTheirPictureOnTheButtonsSide()
    {
        QFETCH(Pick, help);
        QFETCH(Pick, window);
        TestWindows app;
        QHash<QString, Qt::LayoutDirection> sides;
        for (const Button* button : window(app.windows)->findChildren<Button*>())
            sides.insert(button->text().remove(u'&').trimmed(), button->layoutDirection());
        int compared = 0;
        for (const ButtonPicture* picture : help(app.windows)->findChildren<ButtonPicture*>()) {
            const QString caption = picture->text().remove(u'&').trimmed();
            if (!sides.contains(caption))
                continue;
            QVERIFY2(picture->layoutDirection() == sides.value(caption), qPrintable(caption));
            ++compared;
        }
        QVERIFY(compared >= 2);
    }

    void enterButtonIsDrawnAsDefault_data()
    {
        QTest::addColumn<PickButton>("pick");
        QTest::newRow("picker") << PickButton([](WindowRegistry& w) { return w.picker->okButton; });
        QTest::newRow("weapon editor")
            << PickButton([](WindowRegistry& w) { return w.weaponEditor->okButton; });
        QTest::newRow("ability editor")
            << PickButton([](WindowRegistry& w) { return w.abilityEditor->okButton; });
        QTest::newRow("costs window")
            << PickButton([](WindowRegistry& w) { return w.weaponCostsDialog->okButton; });
        QTest::newRow("ability costing")
            << PickButton([](WindowRegistry& w) { return w.abilityCostsDialog->okButton; });
        QTest::newRow("step 7") << PickButton(
            [](WindowRegistry& w) { return w.restrictionsStep->okButton; });
        QTest::newRow("troop selection")
            << PickButton([](WindowRegistry& w) { return w.troopSelectionDialog->editButton; });
        QTest::newRow("step 4") << PickButton(
            [](WindowRegistry& w) { return w.replaceableWeaponsStep->nextButton; });
    }
    // The button that Enter presses is the one button of its window drawn as the default.
    void enterButtonIsDrawnAsDefault()
    {
        QFETCH(PickButton, pick);
        TestWindows app;
        QPushButton* button = pick(app.windows);
        QVERIFY(button->isDefault());
        const auto buttons = button->window()->findChildren<QPushButton*>();
        QCOMPARE(std::count_if(buttons.begin(), buttons.end(),
                               [](const QPushButton* b) { return b->isDefault(); }),
                 1);
    }
    // Start-up makes the main window and the store's host and shows the main window; any other
    // window is made when it is first reached, once: reached again it is the same window.
    void windowIsMadeWhenFirstReached()
    {
        const auto madeWindows = [] {
            int count = 0;
            for (QWidget* widget : QApplication::topLevelWidgets())
                count += qobject_cast<Window*>(widget) != nullptr;
            return count;
        };
        TestWindows app;
        startEditor(app.windows, QString());
        QVERIFY(QTest::qWaitForWindowExposed(app.windows.mainWindow.get()));
        QCOMPARE(madeWindows(), 2);
        QVERIFY(app.windows.storeHost.isMade() && !app.windows.picker.isMade());
        Picker* picker = app.windows.picker;
        QCOMPARE(madeWindows(), 3);
        QCOMPARE(app.windows.picker.get(), picker);
        QCOMPARE(madeWindows(), 3);
    }

    void windowIsMeasuredWhenFirstShown_data()
    {
        QTest::addColumn<Pick>("pick");
        QTest::newRow("characteristics")
            << Pick([](WindowRegistry& w) { return w.characteristicsStep; });
        QTest::newRow("replaceable weapon costs")
            << Pick([](WindowRegistry& w) { return w.weaponCostsDialog; });
        QTest::newRow("troop selection")
            << Pick([](WindowRegistry& w) { return w.troopSelectionDialog; });
        QTest::newRow("restrictions help")
            << Pick([](WindowRegistry& w) { return w.restrictionsHelp; });
    }
    // Start-up lays out no window but the main window; a window is fixed at its size, room
    // enough for every control, when it is first shown.
    void windowIsMeasuredWhenFirstShown()
    {
        QFETCH(Pick, pick);
        TestWindows app;
        Window& window = *pick(app.windows);
        QVERIFY(window.minimumSize() != window.maximumSize());
        QCOMPARE(app.windows.mainWindow->minimumSize(), app.windows.mainWindow->maximumSize());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.minimumSize(), window.size());
        QCOMPARE(window.maximumSize(), window.size());
        const QSize needed = window.layout()->minimumSize();
        QVERIFY(window.width() >= needed.width() && window.height() >= needed.height());
    }
};

QTEST_MAIN(WindowTest)
#include "tst_Window.moc"
