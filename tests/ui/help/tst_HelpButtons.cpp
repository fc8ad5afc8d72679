#include "store/Store.h"
#include "support/ScriptedUser.h"
#include "support/TestWindows.h"
#include "support/pages/FoundControl.h"
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
#include <memory>

namespace
{

// A window shown as a user reaches it, and its help button. A dialog is held here for the
// test, shown without a modal loop of its own.
struct Shown {
    std::unique_ptr<QWidget> dialog;
    QPushButton* help = nullptr;
};
using Opener = std::function<Shown(TestWindows&)>;

template <typename D> Shown showDialog(std::unique_ptr<D> dialog)
{
    dialog->show();
    QPushButton* help = foundControl<Button>(*dialog, "helpButton");
    return {std::move(dialog), help};
}

Shown showStep(TestWindows& t, WizardStep step, QPushButton* (*help)(Wizard&))
{
    t.openStep(step);
    return {nullptr, help(t.wizard)};
}

QPushButton* itemListHelp(Wizard& wizard)
{
    return foundControl<Button>(*wizard.itemListStep(), "helpButton");
}

const QList<std::pair<const char*, Opener>>& openers()
{
    static const QList<std::pair<const char*, Opener>> openers = {
        {"main window",
         [](TestWindows& t) {
             t.mainWindow.showAndActivate();
             return Shown{nullptr, foundControl<Button>(t.mainWindow, "helpButton")};
         }},
        {"step 2",
         [](TestWindows& t) {
             return showStep(t, WizardStep::Characteristics, [](Wizard& wizard) -> QPushButton* {
                 return foundControl<Button>(*wizard.characteristicsStep(), "helpButton");
             });
         }},
        {"step 3",
         [](TestWindows& t) {
             return showStep(t, WizardStep::StandardWeapons, itemListHelp);
         }},
        {"step 4",
         [](TestWindows& t) {
             return showStep(t, WizardStep::ReplaceableWeapons, [](Wizard& wizard) -> QPushButton* {
                 return foundControl<Button>(*wizard.replaceableWeaponsStep(), "helpButton");
             });
         }},
        {"step 5",
         [](TestWindows& t) {
             return showStep(t, WizardStep::AdditionalWeapons, itemListHelp);
         }},
        {"step 6",
         [](TestWindows& t) {
             return showStep(t, WizardStep::Abilities, itemListHelp);
         }},
        {"step 7",
         [](TestWindows& t) {
             return showStep(t, WizardStep::Restrictions, [](Wizard& wizard) -> QPushButton* {
                 return foundControl<Button>(*wizard.restrictionsStep(), "helpButton");
             });
         }},
        {"ability editor",
         [](TestWindows& t) {
             AbilityEditorRequest request;
             request.caption = QStringLiteral("Add Special Ability");
             return showDialog(std::make_unique<AbilityEditor>(&t.mainWindow, request));
         }},
        {"ability costing",
         [](TestWindows& t) {
             return showDialog(
                 std::make_unique<AbilityCostsDialog>(&t.mainWindow, AbilityCostsRequest{}));
         }},
        {"troop selection",
         [](TestWindows& t) {
             return showDialog(std::make_unique<TroopSelectionDialog>(&t.mainWindow, t.army(), 0,
                                                                      t.storeChanger()));
         }},
        {"weapon editor",
         [](TestWindows& t) {
             WeaponEditorRequest request;
             request.caption = QStringLiteral("New Standard Weapon");
             return showDialog(std::make_unique<WeaponEditor>(&t.mainWindow, request));
         }},
        {"picker",
         [](TestWindows& t) {
             return showDialog(std::make_unique<Picker>(&t.mainWindow, t.army(),
                                                        CatalogueKind::Weapons,
                                                        t.wizard.editorMemory(), t.storeChanger()));
         }},
        {"costs window",
         [](TestWindows& t) {
             auto costs = std::make_unique<WeaponCostsDialog>(
                 &t.mainWindow, QStringLiteral("Replace Weapon Costs"),
                 QStringLiteral("Name of the replace weapon"),
                 QList<WeaponCostsDialog::CostRow>{{QStringLiteral("Rocket"), 0}});
             costs->show();
             QPushButton* help = foundControl<Button>(*costs, "helpButton");
             return Shown{std::move(costs), help};
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
        const Shown shown = openers()[opener].second(app);
        QVERIFY(shown.help->isEnabled());
        bool closedByOk = false;
        if (window) {
            user.window([&closedByOk](QWidget& help) {
                auto* page = qobject_cast<HelpWindow*>(&help);
                QVERIFY(page);
                QTest::mouseClick(foundControl<Button>(*page, "okButton"), Qt::LeftButton);
                closedByOk = page->modalResult() == QDialog::Accepted && page->isHidden();
            });
        } else {
            user.answer(QMessageBox::Ok);
        }
        QTest::mouseClick(shown.help, Qt::LeftButton);
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QCOMPARE(user.shown().size(), 1);
        QCOMPARE(user.shown().first().caption, caption);
        if (window) {
            QVERIFY(closedByOk);
        } else {
            QCOMPARE(user.shown().first().buttons, QMessageBox::Ok);
            QCOMPARE(user.shown().first().text, text);
        }
    }
};

QTEST_MAIN(HelpButtonsTest)
#include "tst_HelpButtons.moc"
