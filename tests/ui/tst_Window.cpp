#include "support/Armies.h"
#include "support/Catalogue.h"
#include "support/GridCells.h"
#include "support/ModalAnswer.h"
#include "support/ScriptedUser.h"
#include "support/TestWindows.h"
#include "support/WindowsReached.h"
#include "support/pages/FoundControl.h"
#include "support/pages/TroopSelectionDialogPage.h"
#include "ui/catalogue/AbilityCostsDialog.h"
#include "ui/catalogue/AbilityEditor.h"
#include "ui/catalogue/Picker.h"
#include "ui/catalogue/WeaponEditor.h"
#include "ui/controls/Button.h"
#include "ui/controls/Grid.h"
#include "ui/controls/SortedListWidget.h"
#include "ui/help/AbilitiesHelp.h"
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
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QWindow>
#include <functional>
#include <memory>

namespace
{

// Makes a window for a test of it alone; a dialog made is owned by `made`.
using Make = std::function<QWidget*(TestWindows&, std::unique_ptr<QWidget>& made)>;
using MakeHelp = std::function<std::unique_ptr<Dialog>(QWidget* opener)>;

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

// The windows of the program that exist, shown or not.
QList<QWidget*> programWindows()
{
    QList<QWidget*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<Window*>(widget) || qobject_cast<Dialog*>(widget))
            windows << widget;
    }
    return windows;
}

void checkNoProblems(const ScriptedUser& user)
{
    QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
}

} // namespace

class WindowTest : public QObject
{
    Q_OBJECT
private slots:
    void dialogIsTransientForItsOpener_data()
    {
        QTest::addColumn<Reach>("reach");
        for (const auto& [name, reach] : dialogs())
            QTest::newRow(name) << reach;
    }
    // While it is shown, a dialog is a modal dialog that stays over the window that opened it;
    // once closed, its opener is the active window again (an opener that is itself a dialog
    // has closed too by the end of the walk).
    void dialogIsTransientForItsOpener()
    {
        QFETCH(Reach, reach);
        TestWindows app;
        ScriptedUser user;
        QPointer<QWidget> opener;
        int checked = 0;
        reach(app, user, [&](QWidget& shown, QWidget& from) {
            opener = &from;
            QCOMPARE(shown.windowType(), Qt::Dialog);
            QCOMPARE(shown.windowModality(), Qt::ApplicationModal);
            QVERIFY(from.windowHandle());
            QCOMPARE(shown.windowHandle()->transientParent(), from.windowHandle());
            ++checked;
            static_cast<Dialog&>(shown).done(QDialog::Rejected);
        });
        checkNoProblems(user);
        QCOMPARE(checked, 1);
        if (opener)
            QTRY_COMPARE(QApplication::activeWindow(), opener.data());
    }

    // A dialog's result: Enter presses its default button, OK, Accepted; Esc and the close box
    // give Rejected. A question answers Yes or No; Esc answers No to Yes and No, Cancel to Yes,
    // No and Cancel. The dialogs are the real ones, answered with keys.
    void resultsOfKeysAndTheCloseBox_data()
    {
        QTest::addColumn<int>("buttons"); // a message box's buttons, none for a dialog
        QTest::addColumn<int>("key");     // 0 the close box
        QTest::addColumn<int>("result");
        const int dialog = QMessageBox::NoButton;
        const int yesNo = QMessageBox::Yes | QMessageBox::No;
        const int yesNoCancel = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        QTest::newRow("dialog, Enter") << dialog << int(Qt::Key_Return) << int(QDialog::Accepted);
        QTest::newRow("dialog, Esc") << dialog << int(Qt::Key_Escape) << int(QDialog::Rejected);
        QTest::newRow("dialog, close box") << dialog << 0 << int(QDialog::Rejected);
        QTest::newRow("yes or no, Enter") << yesNo << int(Qt::Key_Return) << int(QMessageBox::Yes);
        QTest::newRow("yes or no, Esc") << yesNo << int(Qt::Key_Escape) << int(QMessageBox::No);
        QTest::newRow("yes, no or cancel, Esc")
            << yesNoCancel << int(Qt::Key_Escape) << int(QMessageBox::Cancel);
    }
    void resultsOfKeysAndTheCloseBox()
    {
        QFETCH(int, buttons);
        QFETCH(int, key);
        QFETCH(int, result);
        TestWindows app;
        acceptTroop(app, QStringLiteral("Kai"));
        ModalAnswer answer;
        auto press = [key](QWidget& shown) {
            QWidget* target = shown.focusWidget() ? shown.focusWidget() : &shown;
            if (key)
                QTest::keyClick(target, Qt::Key(key));
            else
                shown.close();
        };
        int given = -1;
        if (buttons == QMessageBox::NoButton) {
            answer.expect<TroopSelectionDialog>(press);
            TroopSelectionDialog selection(&app.mainWindow, app.army(), 0, app.storeChanger());
            given = selection.showModal();
        } else {
            answer.expect<QMessageBox>(press);
            given =
                messageBox(&app.mainWindow, QStringLiteral("*** DELETE ***"),
                           QStringLiteral("Sure?"), QMessageBox::StandardButtons::fromInt(buttons));
        }
        QVERIFY2(answer.answered(), qPrintable(answer.failure()));
        QCOMPARE(given, result);
    }

    void tabWalksButtonsInReadingOrder_data()
    {
        QTest::addColumn<Reach>("reach");
        QTest::newRow("main window") << Reach([](TestWindows& app, ScriptedUser&, const Act& act) {
            app.mainWindow.showAndActivate();
            act(app.mainWindow, app.mainWindow);
        });
        QTest::newRow("troop selection") << dialogNamed("troop selection");
        QTest::newRow("ability editor") << dialogNamed("ability editor");
    }
    // Tab meets the buttons in the order a reader does.
    void tabWalksButtonsInReadingOrder()
    {
        QFETCH(Reach, reach);
        TestWindows app;
        ScriptedUser user;
        int checked = 0;
        reach(app, user, [&](QWidget& window, QWidget&) {
            const QList<QWidget*> tabOrder = buttonsInTabOrder(window);
            QList<QWidget*> readingOrder = tabOrder;
            std::stable_sort(readingOrder.begin(), readingOrder.end(), readsBefore);
            QVERIFY(tabOrder.size() >= 3);
            QCOMPARE(readingOrder, tabOrder);
            ++checked;
        });
        checkNoProblems(user);
        QCOMPARE(checked, 1);
    }

    void helpPicturesShowTheirPictureOnTheButtonsSide_data()
    {
        QTest::addColumn<int>("step"); // -1 the main window, else its WizardStep
        QTest::addColumn<MakeHelp>("help");
        auto help = [](auto make) {
            return MakeHelp([make](QWidget* opener) { return make(opener); });
        };
        QTest::newRow("main window help")
            << -1 << help([](QWidget* w) { return std::make_unique<MainWindowHelp>(w); });
        QTest::newRow("step 2 help")
            << int(WizardStep::Characteristics)
            << help([](QWidget* w) { return std::make_unique<CharacteristicsHelp>(w); });
        QTest::newRow("step 3 help")
            << int(WizardStep::StandardWeapons)
            << help([](QWidget* w) { return std::make_unique<StandardWeaponsHelp>(w); });
        QTest::newRow("step 4 help")
            << int(WizardStep::ReplaceableWeapons)
            << help([](QWidget* w) { return std::make_unique<ReplaceableWeaponsHelp>(w); });
        QTest::newRow("step 5 help")
            << int(WizardStep::AdditionalWeapons)
            << help([](QWidget* w) { return std::make_unique<AdditionalWeaponsHelp>(w); });
        QTest::newRow("step 6 help")
            << int(WizardStep::Abilities)
            << help([](QWidget* w) { return std::make_unique<AbilitiesHelp>(w); });
        QTest::newRow("step 7 help")
            << int(WizardStep::Restrictions)
            << help([](QWidget* w) { return std::make_unique<RestrictionsHelp>(w); });
    }
    // A help page's picture of a button shows the button's picture on the side the button does.
    void helpPicturesShowTheirPictureOnTheButtonsSide()
    {
        QFETCH(int, step);
        QFETCH(MakeHelp, help);
        TestWindows app;
        QWidget* window =
            step < 0 ? static_cast<QWidget*>(&app.mainWindow) : &app.openStep(WizardStep(step));
        const std::unique_ptr<Dialog> page = help(window);
        QHash<QString, Qt::LayoutDirection> sides;
        for (const Button* button : window->findChildren<Button*>())
            sides.insert(button->text().remove(u'&').trimmed(), button->layoutDirection());
        int compared = 0;
        for (const ButtonPicture* picture : page->findChildren<ButtonPicture*>()) {
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
        using PickButton = std::function<QPushButton*(QWidget&)>;
        QTest::addColumn<Reach>("reach");
        QTest::addColumn<PickButton>("pick");
        auto button = [](auto pick) {
            return PickButton(pick);
        };
        QTest::newRow("picker") << dialogNamed("picker") << button([](QWidget& w) {
            return foundControl<Button>(w, "okButton");
        });
        QTest::newRow("weapon editor")
            << dialogNamed("weapon editor")
            << button([](QWidget& w) { return foundControl<Button>(w, "okButton"); });
        QTest::newRow("ability editor")
            << dialogNamed("ability editor")
            << button([](QWidget& w) { return foundControl<Button>(w, "okButton"); });
        QTest::newRow("costs window")
            << dialogNamed("costs window")
            << button([](QWidget& w) { return foundControl<Button>(w, "okButton"); });
        QTest::newRow("ability costing")
            << dialogNamed("ability costing")
            << button([](QWidget& w) { return foundControl<Button>(w, "okButton"); });
        QTest::newRow("troop selection")
            << dialogNamed("troop selection")
            << button([](QWidget& w) { return foundControl<Button>(w, "editButton"); });
        QTest::newRow("step 4") << frame(WizardStep::ReplaceableWeapons) << button([](QWidget& w) {
            return foundControl<Button>(w, "nextButton");
        });
        QTest::newRow("step 7") << frame(WizardStep::Restrictions) << button([](QWidget& w) {
            return foundControl<Button>(w, "okButton");
        });
    }
    // The button that Enter presses is the one button of its window drawn as the default.
    void enterButtonIsDrawnAsDefault()
    {
        using PickButton = std::function<QPushButton*(QWidget&)>;
        QFETCH(Reach, reach);
        QFETCH(PickButton, pick);
        TestWindows app;
        ScriptedUser user;
        int checked = 0;
        reach(app, user, [&](QWidget& window, QWidget&) {
            QPushButton* button = pick(window);
            QVERIFY(button->isDefault());
            const auto buttons = window.findChildren<QPushButton*>();
            QCOMPARE(std::count_if(buttons.begin(), buttons.end(),
                                   [](const QPushButton* b) { return b->isDefault(); }),
                     1);
            ++checked;
        });
        checkNoProblems(user);
        QCOMPARE(checked, 1);
    }

    // Start-up shows the main window, and no other window of the program exists until the user
    // reaches it; a dialog is gone once it has closed.
    void startUpShowsTheMainWindowOnly()
    {
        TestWindows app;
        ScriptedUser user;
        startEditor(app.mainWindow, {true, 0, QString(), false});
        QVERIFY(QTest::qWaitForWindowExposed(&app.mainWindow));
        QCOMPARE(programWindows(), QList<QWidget*>{&app.mainWindow});
        user.windowOf<MainWindowHelp>([](MainWindowHelp& help) {
            QCOMPARE(programWindows().size(), 2);
            QTest::mouseClick(foundControl<Button>(help, "okButton"), Qt::LeftButton);
        });
        QTest::mouseClick(foundControl<Button>(app.mainWindow, "helpButton"), Qt::LeftButton);
        checkNoProblems(user);
        QCOMPARE(programWindows(), QList<QWidget*>{&app.mainWindow});
    }

    // The troop selection opened again shows the troops as they are now, on the row it was
    // left on.
    void troopSelectionOpenedAgain()
    {
        TestWindows app;
        ScriptedUser user;
        for (const char* name : {"A", "B"})
            acceptTroop(app, QString::fromLatin1(name));
        user.windowOf<TroopSelectionDialog>([](TroopSelectionDialog& dialog) {
            TroopSelectionDialogPage dialogPage(dialog);
            QCOMPARE(column(*dialogPage.troopGrid, 1), (QStringList{"A", "B"}));
            clickCell(*dialogPage.troopGrid, 1, 1);
            QTest::mouseClick(dialogPage.cancelButton, Qt::LeftButton);
        });
        QTest::mouseClick(foundControl<Button>(app.mainWindow, "editTroopButton"), Qt::LeftButton);
        acceptTroop(app, QStringLiteral("C"));
        int rowShown = -1;
        user.windowOf<TroopSelectionDialog>([&](TroopSelectionDialog& dialog) {
            TroopSelectionDialogPage dialogPage(dialog);
            QCOMPARE(column(*dialogPage.troopGrid, 1), (QStringList{"A", "B", "C"}));
            rowShown = dialogPage.troopGrid->currentRow();
            QTest::mouseClick(dialogPage.cancelButton, Qt::LeftButton);
        });
        QTest::mouseClick(foundControl<Button>(app.mainWindow, "editTroopButton"), Qt::LeftButton);
        checkNoProblems(user);
        QCOMPARE(rowShown, 1);
    }

    void windowIsMeasuredWhenFirstShown_data()
    {
        QTest::addColumn<Make>("make");
        QTest::newRow("restrictions") << Make([](TestWindows& app, std::unique_ptr<QWidget>&) {
            app.start(0);
            return static_cast<QWidget*>(app.wizard.restrictionsStep());
        });
        QTest::newRow("replace weapon costs")
            << Make([](TestWindows& app, std::unique_ptr<QWidget>& made) {
                   made = std::make_unique<WeaponCostsDialog>(
                       &app.mainWindow, QStringLiteral("Replace Weapon Costs"),
                       QStringLiteral("Name of the replace weapon"),
                       QList<WeaponCostsDialog::CostRow>{{QStringLiteral("Flamer"), 5}});
                   return made.get();
               });
        QTest::newRow("troop selection")
            << Make([](TestWindows& app, std::unique_ptr<QWidget>& made) {
                   made = std::make_unique<TroopSelectionDialog>(&app.mainWindow, app.army(), 0,
                                                                 app.storeChanger());
                   return made.get();
               });
        QTest::newRow("restrictions help")
            << Make([](TestWindows& app, std::unique_ptr<QWidget>& made) {
                   made = std::make_unique<RestrictionsHelp>(&app.mainWindow);
                   return made.get();
               });
    }
    // Start-up lays out no window but the main window; a window is fixed at its size, room
    // enough for every control, when it is first shown.
    void windowIsMeasuredWhenFirstShown()
    {
        QFETCH(Make, make);
        TestWindows app;
        QCOMPARE(app.mainWindow.minimumSize(), app.mainWindow.maximumSize());
        std::unique_ptr<QWidget> made;
        QWidget& window = *make(app, made);
        QVERIFY(window.minimumSize() != window.maximumSize());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.minimumSize(), window.size());
        QCOMPARE(window.maximumSize(), window.size());
        const QSize needed = window.layout()->minimumSize();
        QVERIFY(window.width() >= needed.width() && window.height() >= needed.height());
        window.hide();
    }
};

QTEST_MAIN(WindowTest)
#include "tst_Window.moc"
