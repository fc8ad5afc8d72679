#include "support/Catalogue.h"
#include "support/ModalAnswer.h"
#include "support/ScriptedUser.h"
#include "support/TestWindows.h"
#include "support/Typing.h"
#include "ui/catalogue/AbilityEditor.h"
#include "ui/catalogue/Picker.h"
#include "ui/catalogue/WeaponEditor.h"
#include "ui/controls/Button.h"
#include "ui/controls/Grid.h"
#include "ui/controls/LineEdit.h"
#include "ui/controls/SortedListWidget.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

namespace
{

void fill(TestWindows& app)
{
    for (const char* entry : {"Rifle,24,3,5,Rapid,", "axe,,4,,Melee,"})
        app.store.weaponCatalogue->add(QString::fromLatin1(entry));
    for (const char* entry : {"Wargear: Jump pack,moves far", "Psychic,mind"})
        app.store.abilityCatalogue->add(QString::fromLatin1(entry));
}

} // namespace

class PickerTest : public QObject
{
    Q_OBJECT

private slots:
    void captionByListMode_data()
    {
        QTest::addColumn<int>("listMode");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("items");
        const QStringList weapons{"axe", "Rifle"};
        QTest::newRow("standard weapons") << 0 << "Available Weapons" << weapons;
        QTest::newRow("additional weapons") << 1 << "Available Weapons" << weapons;
        QTest::newRow("special abilities")
            << 2 << "Available Special Abilities" << QStringList{"Psychic", "Wargear: Jump pack"};
    }
    void captionByListMode()
    {
        QFETCH(int, listMode);
        QFETCH(QString, caption);
        QFETCH(QStringList, items);
        TestWindows app;
        ScriptedUser user;
        fill(app);
        user.windowOf<Picker>([&](Picker& picker) {
            QCOMPARE(picker.windowTitle(), caption);
            QCOMPARE(listItems(*picker.itemList), items);
            QVERIFY(!picker.editButton->isEnabled());
            QTest::keyClick(&picker, Qt::Key_Escape);
        });
        QCOMPARE(showPicker(app, ListMode(listMode)), ModalResult::Cancel);
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
    }

    // New puts the item into its catalogue and at its sorted place in the list, unselected,
    // beside the selection the user made; Cancel does not take it back.
    void newKeptAfterCancel_data()
    {
        QTest::addColumn<int>("listMode");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QStringList>("catalogue");
        QTest::newRow("weapon") << 0 << QStringList{"axe", "Bolter", "*Rifle"}
                                << QStringList{"axe,,4,,Melee,", "Bolter,,,,,",
                                               "Rifle,24,3,5,Rapid,"};
        QTest::newRow("ability") << 2 << QStringList{"Bolter", "Psychic", "*Wargear: Jump pack"}
                                 << QStringList{"Bolter,", "Psychic,mind",
                                                "Wargear: Jump pack,moves far"};
    }
    void newKeptAfterCancel()
    {
        QFETCH(int, listMode);
        QFETCH(QStringList, items);
        QFETCH(QStringList, catalogue);
        TestWindows app;
        ScriptedUser user;
        fill(app);
        user.windowOf<Picker>([&](Picker& picker) {
            QVERIFY(makeActive(picker));
            clickItem(*picker.itemList, 1);
            QTest::mouseClick(picker.newButton, Qt::LeftButton);
            QCOMPARE(listItems(*picker.itemList), items);
            QTest::mouseClick(picker.cancelButton, Qt::LeftButton);
        });
        if (listMode == 2) {
            user.windowOf<AbilityEditor>([](AbilityEditor& editor) {
                QCOMPARE(editor.windowTitle(), QStringLiteral("Add Special Ability"));
                QCOMPARE(editor.nameLabel->text(), QStringLiteral("New Special Ability"));
                QVERIFY(!editor.okButton->isEnabled());
                typeText(editor.nameEdit, QStringLiteral("Bolter"));
                QTest::keyClick(editor.nameEdit, Qt::Key_Return);
            });
        } else {
            user.windowOf<WeaponEditor>([](WeaponEditor& editor) {
                typeText(editor.nameEdit, QStringLiteral("Bolter"));
                QTest::keyClick(editor.nameEdit, Qt::Key_Return);
            });
        }
        QCOMPARE(showPicker(app, ListMode(listMode)), ModalResult::Cancel);
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QCOMPARE(linesOf(listMode == 2 ? app.store.abilityCatalogue.get()
                                       : app.store.weaponCatalogue.get()),
                 catalogue);
    }

    // Edit works on the first selected item; a name that its catalogue lacks opens the weapon
    // editor on the cells last shown, whose OK adds the weapon, and opens no ability editor.
    void editFirstSelected_data()
    {
        QTest::addColumn<int>("listMode");
        QTest::addColumn<QString>("listed");
        QTest::addColumn<QString>("opens");
        QTest::addColumn<QStringList>("catalogue");
        QTest::newRow("missing weapon")
            << 0 << "Aardvark"
            << "Edit Standard Weapon"
            << QStringList{"Aardvark,last,,,,", "axe,,4,,Melee,", "Rifle,24,3,5,Rapid,"};
        QTest::newRow("ability") << 2 << ""
                                 << "Edit Special Ability"
                                 << QStringList{"Psychic,mind;changed",
                                                "Wargear: Jump pack,moves far"};
        QTest::newRow("missing ability")
            << 2 << "Aardvark"
            << "" << QStringList{"Psychic,mind", "Wargear: Jump pack,moves far"};
    }
    void editFirstSelected()
    {
        QFETCH(int, listMode);
        QFETCH(QString, listed);
        QFETCH(QString, opens);
        QFETCH(QStringList, catalogue);
        TestWindows app;
        ScriptedUser user;
        fill(app);
        app.windows.weaponEditor->detailsGrid->setCell(0, 0, QStringLiteral("last"));
        user.windowOf<Picker>([&](Picker& picker) {
            QVERIFY(makeActive(picker));
            if (!listed.isEmpty())
                picker.itemList->addSorted(listed);
            clickItem(*picker.itemList, 1);
            clickItem(*picker.itemList, 0);
            QTest::mouseClick(picker.editButton, Qt::LeftButton);
            picker.done(ModalResult::Ok);
        });
        if (listMode == 2 && !opens.isEmpty()) {
            user.windowOf<AbilityEditor>([](AbilityEditor& editor) {
                QCOMPARE(editor.nameLabel->text(), QStringLiteral("Special Ability"));
                QVERIFY(editor.nameEdit->isReadOnly());
                QVERIFY(editor.okButton->isEnabled());
                QVERIFY(makeActive(editor));
                QCOMPARE(QApplication::focusWidget(), editor.descriptionEdit);
                editor.descriptionEdit->end(false);
                typeText(editor.descriptionEdit, QStringLiteral(",changed"));
                QTest::keyClick(editor.descriptionEdit, Qt::Key_Return);
            });
        } else if (!opens.isEmpty()) {
            user.windowOf<WeaponEditor>([&](WeaponEditor& editor) {
                QVERIFY(editor.nameEdit->isReadOnly());
                QCOMPARE(editor.nameEdit->text(), listed);
                QTest::mouseClick(editor.okButton, Qt::LeftButton);
            });
        }
        showPicker(app, ListMode(listMode));
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QCOMPARE(user.shown().size(), opens.isEmpty() ? 1 : 2);
        if (!opens.isEmpty())
            QCOMPARE(user.shown().last().caption, opens);
        QCOMPARE(linesOf(listMode == 2 ? app.store.abilityCatalogue.get()
                                       : app.store.weaponCatalogue.get()),
                 catalogue);
        QVERIFY(!app.store.editingEntry);
        QVERIFY(!app.windows.weaponEditor->nameEdit->isReadOnly());
        QVERIFY(!app.windows.abilityEditor->nameEdit->isReadOnly());
    }

    // A list item whose entry cannot be found, or no item selected, never touches a catalogue
    // entry; an edit that its sorted catalogue would refuse keeps the old entry.
    void editNeverLosesAnEntry()
    {
        TestWindows app;
        ScriptedUser user;
        for (const char* entry : {"jump,fly", "Jump,leap"})
            app.store.abilityCatalogue->add(QString::fromLatin1(entry));
        app.store.listMode = ListMode::Abilities;
        SortedListWidget list(nullptr, app.store.collation());
        list.addSorted(QStringLiteral("Jump"));
        editSelectedItem(app.store, app.windows, list);
        QVERIFY(user.shown().isEmpty());
        QVERIFY(!app.store.keepEntryFields);

        list.selectOnly(0);
        user.windowOf<AbilityEditor>([](AbilityEditor& editor) {
            editor.descriptionEdit->setText(QStringLiteral("fly"));
            QTest::mouseClick(editor.okButton, Qt::LeftButton);
        });
        editSelectedItem(app.store, app.windows, list);
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QCOMPARE(linesOf(app.store.abilityCatalogue.get()), (QStringList{"jump,fly", "Jump,leap"}));
    }

    void emptyCatalogueAndHelp()
    {
        TestWindows app;
        ScriptedUser user;
        user.windowOf<Picker>([](Picker& picker) {
            QCOMPARE(picker.itemList->count(), 0);
            QTest::mouseClick(picker.itemList->viewport(), Qt::LeftButton);
            QVERIFY(!picker.editButton->isEnabled());
            QTest::mouseClick(picker.helpButton, Qt::LeftButton);
            QTest::mouseClick(picker.okButton, Qt::LeftButton);
        });
        user.answer(ModalResult::Ok);
        QCOMPARE(showPicker(app, ListMode(0)), ModalResult::Ok);
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
    // closed by their buttons.
    void realModalNewThenOk()
    {
        TestWindows app;
        fill(app);
        ModalAnswer pickerAnswer;
        ModalAnswer editorAnswer;
        pickerAnswer.expect<Picker>([&](Picker& picker) {
            editorAnswer.expect<WeaponEditor>([](WeaponEditor& editor) {
                typeText(editor.nameEdit, QStringLiteral("Bolter"));
                QTest::mouseClick(editor.okButton, Qt::LeftButton);
            });
            QTest::mouseClick(picker.newButton, Qt::LeftButton);
            clickItem(*picker.itemList, 1);
            QTest::mouseClick(picker.okButton, Qt::LeftButton);
        });
        QCOMPARE(showPicker(app, ListMode(0)), ModalResult::Ok);
        QVERIFY2(pickerAnswer.answered(), qPrintable(pickerAnswer.failure()));
        QVERIFY2(editorAnswer.answered(), qPrintable(editorAnswer.failure()));
        QCOMPARE(listItems(*app.windows.picker->itemList),
                 (QStringList{"axe", "*Bolter", "Rifle"}));
        QCOMPARE(app.store.weaponCatalogue->count(), 3);
    }
};

QTEST_MAIN(PickerTest)
#include "tst_Picker.moc"
