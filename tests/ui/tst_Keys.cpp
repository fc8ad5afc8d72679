#include "support/Catalogue.h"
#include "support/ScriptedUser.h"
#include "support/TestWindows.h"
#include "support/Typing.h"
#include "support/pages/ItemListStepPage.h"
#include "support/pages/PickerPage.h"
#include "support/pages/ReplaceableWeaponsStepPage.h"
#include "support/pages/WeaponEditorPage.h"
#include "ui/catalogue/Picker.h"
#include "ui/catalogue/WeaponEditor.h"
#include "ui/controls/Button.h"
#include "ui/controls/Grid.h"
#include "ui/controls/SortedListWidget.h"
#include "ui/wizard/CharacteristicsStep.h"
#include "ui/wizard/ItemListStep.h"
#include "ui/wizard/ReplaceableWeaponsStep.h"
#include "ui/wizard/RestrictionsStep.h"
#include "ui/wizard/WeaponCostsDialog.h"

#include <QAbstractButton>
#include <QMenuBar>
#include <QTest>

// The keys a desktop user reaches for: Enter through a grid, typing in a list, F1, and the
// letters underlined on buttons.
class KeysTest : public QObject
{
    Q_OBJECT

private slots:
    // Enter finishes a cost and moves to the next; only the last one's Enter presses OK.
    void costsFilledWithEnterAlone()
    {
        ScriptedUser user;
        user.windowOf<WeaponCostsDialog>([](WeaponCostsDialog& costs) {
            QVERIFY(makeActive(costs));
            for (const char* cost : {"5", "7", "9"}) {
                QVERIFY(costs.isVisible());
                QWidget* editor = QApplication::focusWidget();
                QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
                typeText(editor, QString::fromLatin1(cost));
                QTest::keyClick(editor, Qt::Key_Return);
            }
        });
        WeaponCostsDialog costs(nullptr, "Replace Weapon Costs", "Name of the replace weapon",
                                {{"Flamer", 0}, {"Melta", 0}, {"Plasma", 0}});
        QCOMPARE(costs.showModal(), QDialog::Accepted);
        const QList<WeaponCostsDialog::CostRow> rows = costs.rows();
        QCOMPARE(rows.size(), 3);
        QCOMPARE((QList<int>{rows[0].cost, rows[1].cost, rows[2].cost}), (QList<int>{5, 7, 9}));
        QVERIFY(user.problems().isEmpty());
    }

    void enterAfterRangeStaysInTheEditor()
    {
        WeaponEditor editor(nullptr, {"New Standard Weapon", "Standard Weapon name", "Bolter",
                                      QStringList(), false, nullptr});
        editor.show();
        QVERIFY(makeActive(editor));
        Grid* detailsGrid = WeaponEditorPage(editor).detailsGrid;
        detailsGrid->setFocus();
        detailsGrid->setCurrentCell(0, 0);
        QWidget* cell = QApplication::focusWidget();
        typeText(cell, "24");
        QTest::keyClick(cell, Qt::Key_Return);
        QVERIFY(editor.isVisible());
        QCOMPARE(detailsGrid->currentColumn(), 1);
    }

    // Typing moves to the item that starts with the text; selecting stays a click.
    void typingInThePickerSelectsNothing()
    {
        TestWindows app;
        app.setUp([](Store& army) {
            for (const char* name : {"Heavy Blade", "Heavy Rifle", "Las", "Sword"})
                army.weaponCatalogue->add(QString::fromLatin1(name) + ",,,,,");
        });
        ScriptedUser user;
        user.windowOf<Picker>([](Picker& picker) {
            PickerPage pickerPage(picker);
            QVERIFY(makeActive(picker));
            clickItem(*pickerPage.itemList, 2);
            QTest::keyClicks(pickerPage.itemList, "heavy r");
            QCOMPARE(pickerPage.itemList->currentRow(), 1);
            QCOMPARE(listItems(*pickerPage.itemList),
                     QStringList({"Heavy Blade", "Heavy Rifle", "*Las", "Sword"}));
            clickItem(*pickerPage.itemList, 1);
            QTest::mouseClick(pickerPage.okButton, Qt::LeftButton);
        });
        Picker picker(&app.mainWindow, app.army(), CatalogueKind::Weapons,
                      app.wizard.editorMemory(), app.storeChanger());
        QCOMPARE(picker.showModal(), QDialog::Accepted);
        QCOMPARE(picker.chosenNames(), QStringList({"Heavy Rifle", "Las"}));
    }

    // F1 opens the help of the window in front, as its help button does.
    void f1OpensTheStepsHelp_data()
    {
        QTest::addColumn<WizardStep>("step");
        QTest::addColumn<QString>("help");
        QTest::newRow("step 2") << WizardStep::Characteristics
                                << "Help on Step 2: fill in the characteristics of a unit";
        QTest::newRow("step 4") << WizardStep::ReplaceableWeapons
                                << "Help on Step 4: Replaceable Weapons";
        QTest::newRow("step 6") << WizardStep::Abilities << "Help on Step 6: Special Abilities";
        QTest::newRow("step 7") << WizardStep::Restrictions << "Help on Step 7: Restrictions";
    }
    void f1OpensTheStepsHelp()
    {
        QFETCH(WizardStep, step);
        QFETCH(QString, help);
        TestWindows app;
        Window& window = app.openStep(step);
        QVERIFY(makeActive(window));
        ScriptedUser user;
        user.window([](QWidget& shown) { shown.close(); });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        QCOMPARE(user.shown().size(), 1);
        QCOMPARE(user.shown()[0].caption, help);
    }

    // A step opens on its list, never on Previous, so Enter at once does not go back.
    void listStepsOpenOnTheirList()
    {
        TestWindows app;
        app.start(0);
        app.setUp([](Store& army) {
            army.troops[0].standardWeapons = army.newSortedList();
            army.troops[0].standardWeapons->add("Las");
        });
        app.wizard.showStep(WizardStep::StandardWeapons);
        ItemListStepPage items(*app.wizard.itemListStep());
        QCOMPARE(items.window.focusWidget(), items.itemList);
        QCOMPARE(items.itemList->currentRow(), 0);
        QCOMPARE(items.itemList->selectedCount(), 0);
        ReplaceableWeaponsStepPage replaceable(
            static_cast<ReplaceableWeaponsStep&>(app.openStep(WizardStep::ReplaceableWeapons)));
        QCOMPARE(replaceable.window.focusWidget(), replaceable.replaceableList);
        app.wizard.leave();
    }

    // No two buttons of a window, nor a button and a menu, underline the same letter.
    void mnemonicsDoNotClash_data()
    {
        QTest::addColumn<WizardStep>("step");
        QTest::newRow("step 2") << WizardStep::Characteristics;
        QTest::newRow("step 3") << WizardStep::StandardWeapons;
        QTest::newRow("step 4") << WizardStep::ReplaceableWeapons;
        QTest::newRow("step 7") << WizardStep::Restrictions;
    }
    void mnemonicsDoNotClash()
    {
        QFETCH(WizardStep, step);
        TestWindows app;
        for (QWidget* window :
             {static_cast<QWidget*>(&app.mainWindow), static_cast<QWidget*>(&app.openStep(step))}) {
            QStringList texts;
            for (auto* button : window->findChildren<QAbstractButton*>())
                texts << button->text();
            if (auto* menus = window->findChild<QMenuBar*>()) {
                for (QAction* menu : menus->actions())
                    texts << menu->text();
            }
            QString letters;
            for (const QString& text : texts) {
                const int at = text.indexOf(u'&');
                if (at < 0 || at + 1 >= text.size())
                    continue;
                const QChar letter = text.at(at + 1).toLower();
                QVERIFY2(!letters.contains(letter), qPrintable(text));
                letters += letter;
            }
            QVERIFY(letters.size() >= 2);
        }
        app.wizard.leave();
    }
};

QTEST_MAIN(KeysTest)
#include "tst_Keys.moc"
