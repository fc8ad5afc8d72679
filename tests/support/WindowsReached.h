#pragma once

#include "support/Armies.h"
#include "support/Catalogue.h"
#include "support/ScriptedUser.h"
#include "support/TestWindows.h"
#include "support/pages/AbilityCostsDialogPage.h"
#include "support/pages/AbilityEditorPage.h"
#include "support/pages/FoundControl.h"
#include "support/pages/PickerPage.h"
#include "ui/catalogue/AbilityCostsDialog.h"
#include "ui/catalogue/AbilityEditor.h"
#include "ui/catalogue/Picker.h"
#include "ui/controls/Button.h"
#include "ui/controls/SortedListWidget.h"
#include "ui/main/MainWindow.h"
#include "ui/wizard/CharacteristicsStep.h"
#include "ui/wizard/ItemListStep.h"
#include "ui/wizard/ReplaceableWeaponsStep.h"
#include "ui/wizard/RestrictionsStep.h"

#include <QList>
#include <QTest>
#include <functional>
#include <utility>

// Every window of the program reached as a user reaches it, for the tests that check all
// windows alike: the frames through the wizard, each dialog by clicking the button that opens
// it in the window that opens it, the test acting inside it as the scripted user.

// What the test does in a window once it is shown, and the window that opened it.
using Act = std::function<void(QWidget& shown, QWidget& opener)>;
// Brings up one window as a user does: prepares the army, queues in the scripted user the steps
// that lead to the window (the act runs inside it) and clicks the button that opens it.
using Reach = std::function<void(TestWindows&, ScriptedUser&, const Act&)>;

// A troop in slot 0 whose lists and catalogues give every dialog of the wizard something to
// open on.
inline void prepareTroop(Store& store)
{
    store.weaponCatalogue->add(QStringLiteral("Bolter,24,4,5,Rapid,plain"));
    store.abilityCatalogue->add(QStringLiteral("Jump,leap"));
    Troop& troop = store.troops[0];
    troop.name = QStringLiteral("Kai");
    addLines(store, troop.replaceableWeapons, {"Bolter,Flamer,5"});
    addLines(store, troop.abilities, {"1,Jump,5"});
}

// A troop accepted in the wizard, as a user leaves it, so that Edit opens up.
inline void acceptTroop(TestWindows& app, const QString& name)
{
    app.start(app.army().troopCount);
    app.wizard.troop().name = name;
    app.wizard.acceptTroop();
}

// The next window the user meets is the one acted in; its opener is the given one.
inline void actIn(ScriptedUser& user, QWidget& opener, const Act& act)
{
    user.window([act, &opener](QWidget& shown) { act(shown, opener); });
}

// The step shown, the first item of its list clicked when a list is given; the button then
// opens the dialog.
inline Reach fromStep(WizardStep step, std::function<QPushButton*(Window&)> button,
                      std::function<SortedListWidget*(Window&)> list = nullptr)
{
    return [=](TestWindows& app, ScriptedUser& user, const Act& act) {
        app.setUp(prepareTroop);
        Window& window = app.openStep(step);
        if (list)
            clickItem(*list(window), 0);
        actIn(user, window, act);
        QTest::mouseClick(button(window), Qt::LeftButton);
    };
}

inline Reach fromMainWindow(std::function<QPushButton*(MainWindow&)> button)
{
    return [=](TestWindows& app, ScriptedUser& user, const Act& act) {
        acceptTroop(app, QStringLiteral("Kai"));
        actIn(user, app.mainWindow, act);
        QTest::mouseClick(button(app.mainWindow), Qt::LeftButton);
    };
}

// The ability editor as step 6's picker opens it for a new ability; `inEditor` acts in it.
inline Reach abilityEditor(const Act& inEditor)
{
    return [=](TestWindows& app, ScriptedUser& user, const Act& act) {
        app.setUp(prepareTroop);
        Window& step = app.openStep(WizardStep::Abilities);
        user.windowOf<Picker>([&user, act, inEditor](Picker& picker) {
            PickerPage pickerPage(picker);
            actIn(user, picker, inEditor ? inEditor : act);
            QTest::mouseClick(pickerPage.newButton, Qt::LeftButton);
            QTest::mouseClick(pickerPage.cancelButton, Qt::LeftButton);
        });
        QTest::mouseClick(foundControl<Button>(step, "addButton"), Qt::LeftButton);
    };
}

// Each dialog with the way a user opens it.
inline const QList<std::pair<const char*, Reach>>& dialogs()
{
    static const QList<std::pair<const char*, Reach>> all = {
        {"picker", fromStep(WizardStep::StandardWeapons,
                            [](Window& w) { return foundControl<Button>(w, "addButton"); })},
        {"weapon editor",
         fromStep(
             WizardStep::ReplaceableWeapons,
             [](Window& w) { return foundControl<Button>(w, "editReplaceableButton"); },
             [](Window& w) { return foundControl<SortedListWidget>(w, "replaceableList"); })},
        {"ability editor", abilityEditor(nullptr)},
        {"costs window",
         fromStep(
             WizardStep::ReplaceableWeapons,
             [](Window& w) { return foundControl<Button>(w, "editCostsButton"); },
             [](Window& w) { return foundControl<SortedListWidget>(w, "replaceableList"); })},
        {"ability costing",
         fromStep(
             WizardStep::Abilities, [](Window& w) { return foundControl<Button>(w, "editButton"); },
             [](Window& w) { return foundControl<SortedListWidget>(w, "itemList"); })},
        {"troop selection",
         fromMainWindow([](MainWindow& m) { return foundControl<Button>(m, "editTroopButton"); })},
        {"read error",
         [](TestWindows& app, ScriptedUser& user, const Act& act) {
             app.mainWindow.showAndActivate();
             user.chooseFile(testData(QStringLiteral("load-no-race.ini")));
             actIn(user, app.mainWindow, act);
             QTest::mouseClick(foundControl<Button>(app.mainWindow, "loadButton"), Qt::LeftButton);
         }},
        {"main window help",
         fromMainWindow([](MainWindow& m) { return foundControl<Button>(m, "helpButton"); })},
        {"step 2 help", fromStep(WizardStep::Characteristics,
                                 [](Window& w) { return foundControl<Button>(w, "helpButton"); })},
        {"step 3 help", fromStep(WizardStep::StandardWeapons,
                                 [](Window& w) { return foundControl<Button>(w, "helpButton"); })},
        {"step 4 help", fromStep(WizardStep::ReplaceableWeapons,
                                 [](Window& w) { return foundControl<Button>(w, "helpButton"); })},
        {"step 5 help", fromStep(WizardStep::AdditionalWeapons,
                                 [](Window& w) { return foundControl<Button>(w, "helpButton"); })},
        {"step 6 help", fromStep(WizardStep::Abilities,
                                 [](Window& w) { return foundControl<Button>(w, "helpButton"); })},
        {"step 7 help", fromStep(WizardStep::Restrictions,
                                 [](Window& w) { return foundControl<Button>(w, "helpButton"); })},
        {"ability editor help",
         [](TestWindows& app, ScriptedUser& user, const Act& act) {
             abilityEditor([&user, act](QWidget& shown, QWidget&) {
                 AbilityEditorPage editor(static_cast<AbilityEditor&>(shown));
                 actIn(user, editor.window, act);
                 QTest::mouseClick(editor.helpButton, Qt::LeftButton);
                 QTest::mouseClick(editor.cancelButton, Qt::LeftButton);
             })(app, user, act);
         }},
        {"ability costing help",
         [](TestWindows& app, ScriptedUser& user, const Act& act) {
             fromStep(
                 WizardStep::Abilities,
                 [](Window& w) { return foundControl<Button>(w, "editButton"); },
                 [](Window& w) { return foundControl<SortedListWidget>(w, "itemList"); })(
                 app, user, [&user, act](QWidget& shown, QWidget&) {
                     AbilityCostsDialogPage costing(static_cast<AbilityCostsDialog&>(shown));
                     actIn(user, costing.window, act);
                     QTest::mouseClick(costing.helpButton, Qt::LeftButton);
                     QTest::mouseClick(costing.okButton, Qt::LeftButton);
                 });
         }},
    };
    return all;
}

// The frames reached through the wizard, for the checks that frames and dialogs share: the act
// runs in the frame once it is shown.
inline Reach frame(WizardStep step)
{
    return [step](TestWindows& app, ScriptedUser&, const Act& act) {
        Window& window = app.openStep(step);
        act(window, window);
    };
}

// The way a user opens the named dialog of dialogs().
inline Reach dialogNamed(const char* name)
{
    for (const auto& [named, reach] : dialogs()) {
        if (qstrcmp(named, name) == 0)
            return reach;
    }
    return nullptr;
}
