#include "store/Store.h"
#include "support/ScriptedUser.h"
#include "support/TestWindows.h"
#include "ui/catalogue/AbilityCostsDialog.h"
#include "ui/catalogue/AbilityEditor.h"
#include "ui/catalogue/Picker.h"
#include "ui/catalogue/WeaponEditor.h"
#include "ui/controls/Button.h"
#include "ui/help/HelpWindow.h"
#include "ui/main/MainWindow.h"
#include "ui/main/TroopSelectionDialog.h"
#include "ui/wizard/CharacteristicsStep.h"
#include "ui/wizard/ItemListStep.h"
#include "ui/wizard/ReplaceableWeaponsStep.h"
#include "ui/wizard/RestrictionsStep.h"
#include "ui/wizard/WeaponCostsDialog.h"

#include <QTest>
#include <functional>

namespace
{

// Shows a window as a user reaches it and yields its help button.
using Opener = std::function<QPushButton*(TestWindows&)>;

template <typename W> QPushButton* showAndHelp(const W& window, QPushButton* help)
{
    window->showAndActivate();
    return help;
}

const QList<std::pair<const char*, Opener>>& openers()
{
    static const QList<std::pair<const char*, Opener>> openers = {
        {"main window",
         [](TestWindows& t) {
             return showAndHelp(t.windows.mainWindow, t.windows.mainWindow->helpButton);
         }},
        {"step 2",
         [](TestWindows& t) {
             return showAndHelp(t.windows.characteristicsStep,
                                t.windows.characteristicsStep->helpButton);
         }},
        {"step 3",
         [](TestWindows& t) {
             t.store.listMode = ListMode::StandardWeapons;
             return showAndHelp(t.windows.itemListStep, t.windows.itemListStep->helpButton);
         }},
        {"step 4",
         [](TestWindows& t) {
             return showAndHelp(t.windows.replaceableWeaponsStep,
                                t.windows.replaceableWeaponsStep->helpButton);
         }},
        {"step 5",
         [](TestWindows& t) {
             t.store.listMode = ListMode::AdditionalWeapons;
             return showAndHelp(t.windows.itemListStep, t.windows.itemListStep->helpButton);
         }},
        {"step 6",
         [](TestWindows& t) {
             t.store.listMode = ListMode::Abilities;
             return showAndHelp(t.windows.itemListStep, t.windows.itemListStep->helpButton);
         }},
        {"step 7",
         [](TestWindows& t) {
             return showAndHelp(t.windows.restrictionsStep, t.windows.restrictionsStep->helpButton);
         }},
        {"ability editor",
         [](TestWindows& t) {
             return showAndHelp(t.windows.abilityEditor, t.windows.abilityEditor->helpButton);
         }},
        {"ability costing",
         [](TestWindows& t) {
             return showAndHelp(t.windows.abilityCostsDialog,
                                t.windows.abilityCostsDialog->helpButton);
         }},
        {"troop selection",
         [](TestWindows& t) {
             return showAndHelp(t.windows.troopSelectionDialog,
                                t.windows.troopSelectionDialog->helpButton);
         }},
        {"weapon editor",
         [](TestWindows& t) {
             return showAndHelp(t.windows.weaponEditor, t.windows.weaponEditor->helpButton);
         }},
        {"picker",
         [](TestWindows& t) {
             return showAndHelp(t.windows.picker, t.windows.picker->helpButton);
         }},
        {"costs window",
         [](TestWindows& t) {
             return showAndHelp(t.windows.weaponCostsDialog,
                                t.windows.weaponCostsDialog->helpButton);
         }},
    };
    return openers;
}

} // namespace

class HelpButtonsTest : public QObject
{
    Q_OBJECT
private slots:
    void everyHelpButtonOpensItsHelp_data()
    {
        QTest::addColumn<int>("opener");
        QTest::addColumn<bool>("window");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("text");
        const QList<std::tuple<bool, const char*, const char*>> expected = {
            {true, "Help on the Main Window", ""},
            {true, "Help on Step 2: fill in the characteristics of a unit", ""},
            {true, "Help on Step3: Standard Weapons", ""},
            {true, "Help on Step 4: Replaceable Weapons", ""},
            {true, "Help on Step 5: Additional Weapons", ""},
            {true, "Help on Step 6: Special Abilities", ""},
            {true, "Help on Step 7: Restrictions", ""},
            {true, "Help on Add Special Ability", ""},
            {true, "Help on Add or Edit a Special Ability", ""},
            {false, "Help on Edit Squads",
             "Just choose the squad you want to edit from the given list and click the Ok button"},
            {false, "Help on Add/Edit a Weapon",
             "Fill in the name and the characteristics of the weapon. If you edit an existing "
             "weapon, you cannot change its name. This is done for safety reasons so you don't "
             "loose track of the weapon in other squads"},
            {false, "Help on Available Weapons and Special Abilities",
             "The list displays the available weapons/abilities. Choose one or more from the list "
             "and click the OK button.\n\nIf the list does not show the desired weapon/ability "
             "then click on the New button to create a new item.\n\nSelect one item and click on "
             "the Edit button to edit the item.\nNote: Only the first selected item can be "
             "edited.\n"},
            {false, "Help on Weapon Costs",
             "Fill in the point costs of all given weapons and click on the Ok button"},
        };
        for (int i = 0; i < openers().size(); ++i) {
            const auto& [window, caption, text] = expected[i];
            QTest::newRow(openers()[i].first)
                << i << window << QString::fromUtf8(caption) << QString::fromUtf8(text);
        }
    }
    void everyHelpButtonOpensItsHelp()
    {
        QFETCH(int, opener);
        QFETCH(bool, window);
        QFETCH(QString, caption);
        QFETCH(QString, text);
        TestWindows app;
        ScriptedUser user;
        QPushButton* help = openers()[opener].second(app);
        QVERIFY(help->isEnabled());
        QWidget* opened = nullptr;
        if (window) {
            user.window([&opened](QWidget& shown) {
                opened = &shown;
                auto* page = qobject_cast<HelpWindow*>(&shown);
                if (page)
                    QTest::mouseClick(page->okButton, Qt::LeftButton);
            });
        } else {
            user.answer(ModalResult::Ok);
        }
        QTest::mouseClick(help, Qt::LeftButton);
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QCOMPARE(user.shown().size(), 1);
        QCOMPARE(user.shown().first().caption, caption);
        if (window) {
            auto* page = qobject_cast<HelpWindow*>(opened);
            QVERIFY(page);
            QCOMPARE(page->result(), ModalResult::Ok);
            QVERIFY(page->isHidden());
        } else {
            QCOMPARE(user.shown().first().buttons, MessageButtons::Ok);
            QCOMPARE(user.shown().first().text, text);
        }
    }
};

QTEST_MAIN(HelpButtonsTest)
#include "tst_HelpButtons.moc"
