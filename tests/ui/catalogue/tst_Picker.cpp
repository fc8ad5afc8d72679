#include "support/Catalogue.h"
#include "support/ModalAnswer.h"
#include "support/ScriptedUser.h"
#include "support/TestWindows.h"
#include "support/Typing.h"
#include "support/pages/AbilityEditorPage.h"
#include "support/pages/FoundControl.h"
#include "support/pages/ItemListStepPage.h"
#include "support/pages/PickerPage.h"
#include "support/pages/WeaponEditorPage.h"
#include "ui/catalogue/AbilityEditor.h"
#include "ui/catalogue/Picker.h"
#include "ui/catalogue/WeaponEditor.h"
#include "ui/controls/Button.h"
#include "ui/controls/Grid.h"
#include "ui/controls/LineEdit.h"
#include "ui/controls/SortedListWidget.h"
#include "ui/wizard/ItemListStep.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

namespace
{

void fill(Store& army)
{
    for (const char* entry : {"Rifle,24,3,5,Rapid,", "axe,,4,,Melee,"})
        army.weaponCatalogue->add(QString::fromLatin1(entry));
    for (const char* entry : {"Wargear: Jump pack,moves far", "Psychic,mind"})
        army.abilityCatalogue->add(QString::fromLatin1(entry));
}

const LineList* catalogueOf(const TestWindows& app, CatalogueKind kind)
{
    return kind == CatalogueKind::Abilities ? app.army().abilityCatalogue.get()
                                            : app.army().weaponCatalogue.get();
}

} // namespace

Q_DECLARE_METATYPE(CatalogueKind)
Q_DECLARE_METATYPE(WizardStep)

class PickerTest : public QObject
{
    Q_OBJECT

private slots:
    // Steps 3 and 5 offer the weapon catalogue, step 6 the special abilities, each sorted and
    // unselected, with Edit waiting for a selection.
    void captionByStep_data()
    {
        QTest::addColumn<WizardStep>("step");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("items");
        const QStringList weapons{"axe", "Rifle"};
        QTest::newRow("standard weapons")
            << WizardStep::StandardWeapons << "Available Weapons" << weapons;
        QTest::newRow("additional weapons")
            << WizardStep::AdditionalWeapons << "Available Weapons" << weapons;
        QTest::newRow("special abilities") << WizardStep::Abilities << "Available Special Abilities"
                                           << QStringList{"Psychic", "Wargear: Jump pack"};
    }
    void captionByStep()
    {
        QFETCH(WizardStep, step);
        QFETCH(QString, caption);
        QFETCH(QStringList, items);
        TestWindows app;
        ScriptedUser user;
        app.setUp(fill);
        auto& itemListStep = static_cast<ItemListStep&>(app.openStep(step));
        user.windowOf<Picker>([&](Picker& picker) {
            PickerPage pickerPage(picker);
            QCOMPARE(picker.windowTitle(), caption);
            QCOMPARE(listItems(*pickerPage.itemList), items);
            QVERIFY(!pickerPage.editButton->isEnabled());
            QTest::keyClick(&picker, Qt::Key_Escape);
            QCOMPARE(picker.modalResult(), QDialog::Rejected);
        });
        QTest::mouseClick(foundControl<Button>(itemListStep, "addButton"), Qt::LeftButton);
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QCOMPARE(user.shown().size(), 1);
    }

    // New puts the item into its catalogue and at its sorted place in the list, selected beside
    // the selection the user made, and shown whatever the filter; Cancel does not take it back.
    void newKeptAfterCancel_data()
    {
        QTest::addColumn<CatalogueKind>("kind");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QStringList>("catalogue");
        QTest::newRow("weapon") << CatalogueKind::Weapons << "if"
                                << QStringList{"*Bolter", "*Rifle"}
                                << QStringList{"axe,,4,,Melee,", "Bolter,,,,,",
                                               "Rifle,24,3,5,Rapid,"};
        QTest::newRow("ability") << CatalogueKind::Abilities << "gear"
                                 << QStringList{"*Bolter", "*Wargear: Jump pack"}
                                 << QStringList{"Bolter,", "Psychic,mind",
                                                "Wargear: Jump pack,moves far"};
    }
    void newKeptAfterCancel()
    {
        QFETCH(CatalogueKind, kind);
        QFETCH(QString, filter);
        QFETCH(QStringList, items);
        QFETCH(QStringList, catalogue);
        TestWindows app;
        ScriptedUser user;
        app.setUp(fill);
        user.windowOf<Picker>([&](Picker& picker) {
            PickerPage pickerPage(picker);
            QVERIFY(makeActive(picker));
            clickItem(*pickerPage.itemList, 1);
            QTest::keyClicks(pickerPage.filterEdit, filter);
            QTest::mouseClick(pickerPage.newButton, Qt::LeftButton);
            QCOMPARE(listItems(*pickerPage.itemList), items);
            QVERIFY(pickerPage.editButton->isEnabled());
            QTest::mouseClick(pickerPage.cancelButton, Qt::LeftButton);
        });
        if (kind == CatalogueKind::Abilities) {
            user.windowOf<AbilityEditor>([](AbilityEditor& editor) {
                AbilityEditorPage editorPage(editor);
                QCOMPARE(editor.windowTitle(), QStringLiteral("Add Special Ability"));
                QCOMPARE(editorPage.nameLabel->text(), QStringLiteral("New Special Ability"));
                QVERIFY(!editorPage.okButton->isEnabled());
                typeText(editorPage.nameEdit, QStringLiteral("Bolter"));
                QTest::keyClick(editorPage.nameEdit, Qt::Key_Return);
            });
        } else {
            user.windowOf<WeaponEditor>([](WeaponEditor& editor) {
                WeaponEditorPage editorPage(editor);
                typeText(editorPage.nameEdit, QStringLiteral("Bolter"));
                QTest::keyClick(editorPage.nameEdit, Qt::Key_Return);
            });
        }
        QCOMPARE(showPicker(app, kind), QDialog::Rejected);
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QCOMPARE(linesOf(catalogueOf(app, kind)), catalogue);
    }

    // The picker only shows the army: New hands the opener one change, named for the Edit
    // menu, and the army stays as it was until the opener applies that change.
    void newHandsOverOneNamedChange_data()
    {
        QTest::addColumn<CatalogueKind>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("catalogue");
        QTest::newRow("weapon") << CatalogueKind::Weapons << "New Weapon \"Bolter\""
                                << QStringList{"axe,,4,,Melee,", "Bolter,,,,,",
                                               "Rifle,24,3,5,Rapid,"};
        QTest::newRow("ability") << CatalogueKind::Abilities << "New Special Ability \"Bolter\""
                                 << QStringList{"Bolter,", "Psychic,mind",
                                                "Wargear: Jump pack,moves far"};
    }
    void newHandsOverOneNamedChange()
    {
        QFETCH(CatalogueKind, kind);
        QFETCH(QString, name);
        QFETCH(QStringList, catalogue);
        TestWindows app;
        ScriptedUser user;
        app.setUp(fill);
        const Store before = app.army();
        QList<ArmyChange> handed;
        user.windowOf<Picker>([](Picker& picker) {
            PickerPage pickerPage(picker);
            QTest::mouseClick(pickerPage.newButton, Qt::LeftButton);
            QTest::mouseClick(pickerPage.cancelButton, Qt::LeftButton);
        });
        const auto typeName = [](LineEdit* nameEdit) {
            typeText(nameEdit, QStringLiteral("Bolter"));
            QTest::keyClick(nameEdit, Qt::Key_Return);
        };
        if (kind == CatalogueKind::Abilities)
            user.windowOf<AbilityEditor>(
                [&](AbilityEditor& editor) { typeName(AbilityEditorPage(editor).nameEdit); });
        else
            user.windowOf<WeaponEditor>(
                [&](WeaponEditor& editor) { typeName(WeaponEditorPage(editor).nameEdit); });
        Picker picker(&app.mainWindow, app.army(), kind, app.wizard.editorMemory(),
                      [&handed](const ArmyChange& change) { handed.append(change); });
        picker.showModal();
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QVERIFY(app.army() == before);
        QCOMPARE(handed.size(), 1);
        QCOMPARE(handed[0].name, name);
        app.document.apply(handed[0]);
        QCOMPARE(linesOf(catalogueOf(app, kind)), catalogue);
    }

    // Edit works on the first selected item; a name that its catalogue lacks opens the weapon
    // editor on the cells last shown, whose OK adds the weapon, and opens no ability editor.
    // New after an edit opens an empty editor whose name can be typed.
    void editFirstSelected_data()
    {
        QTest::addColumn<CatalogueKind>("kind");
        QTest::addColumn<QString>("listed");
        QTest::addColumn<QString>("opens");
        QTest::addColumn<QStringList>("catalogue");
        QTest::newRow("missing weapon")
            << CatalogueKind::Weapons << "Aardvark"
            << "Edit Standard Weapon"
            << QStringList{"Aardvark,last,,,,", "axe,,4,,Melee,", "Rifle,24,3,5,Rapid,"};
        QTest::newRow("ability") << CatalogueKind::Abilities << ""
                                 << "Edit Special Ability"
                                 << QStringList{"Psychic,mind;changed",
                                                "Wargear: Jump pack,moves far"};
        QTest::newRow("missing ability")
            << CatalogueKind::Abilities << "Aardvark"
            << "" << QStringList{"Psychic,mind", "Wargear: Jump pack,moves far"};
    }
    void editFirstSelected()
    {
        QFETCH(CatalogueKind, kind);
        QFETCH(QString, listed);
        QFETCH(QString, opens);
        QFETCH(QStringList, catalogue);
        TestWindows app;
        ScriptedUser user;
        app.setUp(fill);
        app.wizard.editorMemory().weaponCells = QStringList{"last", "", "", "", ""};
        const bool abilities = kind == CatalogueKind::Abilities;
        user.windowOf<Picker>([&](Picker& picker) {
            PickerPage pickerPage(picker);
            QVERIFY(makeActive(picker));
            if (!listed.isEmpty())
                pickerPage.itemList->addSorted(listed);
            clickItem(*pickerPage.itemList, 1);
            clickItem(*pickerPage.itemList, 0);
            QTest::mouseClick(pickerPage.editButton, Qt::LeftButton);
            QTest::mouseClick(pickerPage.newButton, Qt::LeftButton);
            picker.done(QDialog::Accepted);
        });
        if (abilities && !opens.isEmpty()) {
            user.windowOf<AbilityEditor>([](AbilityEditor& editor) {
                AbilityEditorPage editorPage(editor);
                QCOMPARE(editorPage.nameLabel->text(), QStringLiteral("Special Ability"));
                QVERIFY(editorPage.nameEdit->isReadOnly());
                QVERIFY(editorPage.okButton->isEnabled());
                QVERIFY(makeActive(editor));
                QCOMPARE(QApplication::focusWidget(), editorPage.descriptionEdit);
                editorPage.descriptionEdit->end(false);
                typeText(editorPage.descriptionEdit, QStringLiteral(",changed"));
                QTest::keyClick(editorPage.descriptionEdit, Qt::Key_Return);
            });
        } else if (!opens.isEmpty()) {
            user.windowOf<WeaponEditor>([&](WeaponEditor& editor) {
                WeaponEditorPage editorPage(editor);
                QVERIFY(editorPage.nameEdit->isReadOnly());
                QCOMPARE(editorPage.nameEdit->text(), listed);
                QTest::mouseClick(editorPage.okButton, Qt::LeftButton);
            });
        }
        QString newCaption;
        if (abilities) {
            newCaption = QStringLiteral("Add Special Ability");
            user.windowOf<AbilityEditor>([](AbilityEditor& editor) {
                AbilityEditorPage editorPage(editor);
                QVERIFY(!editorPage.nameEdit->isReadOnly());
                QCOMPARE(editor.entry(), QStringLiteral(","));
                QVERIFY(!editorPage.okButton->isEnabled());
                QTest::keyClick(&editor, Qt::Key_Escape);
            });
        } else {
            newCaption = QStringLiteral("New Standard Weapon");
            user.windowOf<WeaponEditor>([](WeaponEditor& editor) {
                WeaponEditorPage editorPage(editor);
                QVERIFY(!editorPage.nameEdit->isReadOnly());
                QCOMPARE(editor.entry(), QStringLiteral(",,,,,"));
                QTest::keyClick(&editor, Qt::Key_Escape);
            });
        }
        showPicker(app, kind);
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QStringList captions;
        for (const ShownModal& shown : user.shown())
            captions << shown.caption;
        QStringList expected{abilities ? "Available Special Abilities" : "Available Weapons"};
        if (!opens.isEmpty())
            expected << opens;
        QCOMPARE(captions, expected << newCaption);
        QCOMPARE(linesOf(catalogueOf(app, kind)), catalogue);
    }

    // A list item whose entry cannot be found, or no item selected, never touches a catalogue
    // entry; an edit that its sorted catalogue would refuse keeps the old entry.
    void editNeverLosesAnEntry()
    {
        TestWindows app;
        ScriptedUser user;
        app.setUp([](Store& army) {
            for (const char* entry : {"jump,fly", "Jump,leap"})
                army.abilityCatalogue->add(QString::fromLatin1(entry));
        });
        SortedListWidget list(nullptr, app.army().collation());
        list.addSorted(QStringLiteral("Jump"));
        const auto edit = [&] {
            editSelectedItem(&app.mainWindow, app.army(), app.wizard.editorMemory(),
                             CatalogueKind::Abilities, list, app.storeChanger());
        };
        edit();
        QVERIFY(user.shown().isEmpty());

        list.selectOnly(0);
        user.windowOf<AbilityEditor>([](AbilityEditor& editor) {
            AbilityEditorPage editorPage(editor);
            editorPage.descriptionEdit->setText(QStringLiteral("fly"));
            QTest::mouseClick(editorPage.okButton, Qt::LeftButton);
        });
        edit();
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QCOMPARE(linesOf(app.army().abilityCatalogue.get()),
                 (QStringList{"jump,fly", "Jump,leap"}));
    }

    void emptyCatalogueAndHelp()
    {
        TestWindows app;
        ScriptedUser user;
        user.windowOf<Picker>([](Picker& picker) {
            PickerPage pickerPage(picker);
            QCOMPARE(pickerPage.itemList->count(), 0);
            QTest::mouseClick(pickerPage.itemList->viewport(), Qt::LeftButton);
            QVERIFY(!pickerPage.editButton->isEnabled());
            QTest::mouseClick(pickerPage.helpButton, Qt::LeftButton);
            QTest::mouseClick(pickerPage.okButton, Qt::LeftButton);
        });
        user.answer(QMessageBox::Ok);
        QCOMPARE(showPicker(app, CatalogueKind::Weapons), QDialog::Accepted);
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QCOMPARE(user.messages(),
                 QStringList{QStringLiteral(
                     "Help on Available Weapons and Special Abilities|The list displays the "
                     "available weapons/abilities. Choose one or more from the list and click the "
                     "OK button.\n\nIf the list does not show the desired weapon/ability then "
                     "click on the New button to create a new item.\n\nSelect one item and click "
                     "on the Edit button to edit the item.\nNote: Only the first selected item "
                     "can be edited.\n")});
    }

    // The real modal path: the picker and the weapon editor run their own event loops and are
    // closed by their buttons; the picker yields the names selected.
    void realModalNewThenOk()
    {
        TestWindows app;
        app.setUp(fill);
        Picker picker(&app.mainWindow, app.army(), CatalogueKind::Weapons,
                      app.wizard.editorMemory(), app.storeChanger());
        ModalAnswer pickerAnswer;
        ModalAnswer editorAnswer;
        pickerAnswer.expect<Picker>([&](Picker& shown) {
            PickerPage pickerPage(shown);
            editorAnswer.expect<WeaponEditor>([](WeaponEditor& editor) {
                WeaponEditorPage editorPage(editor);
                typeText(editorPage.nameEdit, QStringLiteral("Bolter"));
                QTest::mouseClick(editorPage.okButton, Qt::LeftButton);
            });
            QTest::mouseClick(pickerPage.newButton, Qt::LeftButton);
            QTest::mouseClick(pickerPage.okButton, Qt::LeftButton);
        });
        QCOMPARE(picker.showModal(), QDialog::Accepted);
        QVERIFY2(pickerAnswer.answered(), qPrintable(pickerAnswer.failure()));
        QVERIFY2(editorAnswer.answered(), qPrintable(editorAnswer.failure()));
        QCOMPARE(listItems(*PickerPage(picker).itemList), (QStringList{"axe", "*Bolter", "Rifle"}));
        QCOMPARE(picker.chosenNames(), QStringList{"Bolter"});
        QCOMPARE(app.army().weaponCatalogue->count(), 3);
    }

    // The filter shows the names that contain its text in any case; a name selected and then
    // hidden stays selected, is counted, and goes into the troop on OK. Down in the filter moves
    // onto the first name shown, selecting nothing.
    void filterKeepsHiddenSelections()
    {
        TestWindows app;
        app.setUp([](Store& army) {
            fill(army);
            army.weaponCatalogue->add(QStringLiteral("Heavy rifle,,,,,"));
        });
        ItemListStepPage step(
            static_cast<ItemListStep&>(app.openStep(WizardStep::StandardWeapons)));
        ScriptedUser user;
        user.windowOf<Picker>([&](Picker& picker) {
            PickerPage pickerPage(picker);
            clickItem(*pickerPage.itemList, 0);
            QCOMPARE(listItems(*pickerPage.itemList),
                     (QStringList{"*axe", "Heavy rifle", "Rifle"}));
            QVERIFY(makeActive(picker));
            QTest::keyClicks(pickerPage.filterEdit, QStringLiteral("RIF"));
            QCOMPARE(listItems(*pickerPage.itemList), (QStringList{"Heavy rifle", "Rifle"}));
            QTest::keyClick(pickerPage.filterEdit, Qt::Key_Down);
            QCOMPARE(QApplication::focusWidget(), pickerPage.itemList);
            QCOMPARE(pickerPage.itemList->currentRow(), 0);
            QCOMPARE(listItems(*pickerPage.itemList), (QStringList{"Heavy rifle", "Rifle"}));
            clickItem(*pickerPage.itemList, 1);
            QCOMPARE(pickerPage.chosenLabel->text(), QStringLiteral("2 selected"));
            QTest::keyClicks(pickerPage.filterEdit, QStringLiteral("x"));
            QCOMPARE(listItems(*pickerPage.itemList), QStringList{});
            pickerPage.filterEdit->clear();
            QCOMPARE(listItems(*pickerPage.itemList),
                     (QStringList{"*axe", "Heavy rifle", "*Rifle"}));
            QTest::keyClicks(pickerPage.filterEdit, QStringLiteral("heavy"));
            QTest::mouseClick(pickerPage.okButton, Qt::LeftButton);
        });
        QTest::mouseClick(step.addButton, Qt::LeftButton);
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QCOMPARE(listItems(*step.itemList), (QStringList{"axe", "Rifle"}));
    }
};

QTEST_MAIN(PickerTest)
#include "tst_Picker.moc"
