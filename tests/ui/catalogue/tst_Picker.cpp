#include "support/Catalogue.h"
#include "support/ScriptedUser.h"
#include "support/TestWindows.h"
#include "support/Typing.h"
#include "ui/catalogue/Availables.h"
#include "ui/catalogue/New_item.h"
#include "ui/catalogue/Specials.h"
#include "ui/controls/Buttons.h"
#include "ui/controls/Edit.h"
#include "ui/controls/Grid.h"
#include "ui/controls/ListBox.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

namespace
{

void Fill(TestWindows& app)
{
    for (const char* entry : {"Rifle,24,3,5,Rapid,", "axe,,4,,Melee,"})
        app.store.WeaponCatalogue->Add(QString::fromLatin1(entry));
    for (const char* entry : {"Wargear: Jump pack,moves far", "Psychic,mind"})
        app.store.SpecialCatalogue->Add(QString::fromLatin1(entry));
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
        Fill(app);
        user.WindowOf<TForm5>([&](TForm5& picker) {
            QCOMPARE(picker.Caption(), caption);
            QCOMPARE(ListItems(*picker.ListBox1), items);
            QVERIFY(!picker.BitBtn4->isEnabled());
            QTest::keyClick(&picker, Qt::Key_Escape);
        });
        QCOMPARE(ShowPicker(app, listMode), int(mrCancel));
        QVERIFY2(user.Problems().isEmpty(), qPrintable(user.Problems().join(u'\n')));
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
        Fill(app);
        user.WindowOf<TForm5>([&](TForm5& picker) {
            QVERIFY(MakeActive(picker));
            ClickItem(*picker.ListBox1, 1);
            QTest::mouseClick(picker.BitBtn3, Qt::LeftButton);
            QCOMPARE(ListItems(*picker.ListBox1), items);
            QTest::mouseClick(picker.BitBtn2, Qt::LeftButton);
        });
        if (listMode == 2) {
            user.WindowOf<TForm9>([](TForm9& editor) {
                QCOMPARE(editor.Caption(), QStringLiteral("Add Special Ability"));
                QCOMPARE(editor.Panel1->text(), QStringLiteral("New Special Ability"));
                QVERIFY(!editor.BitBtn1->isEnabled());
                TypeText(editor.Edit1, QStringLiteral("Bolter"));
                QTest::keyClick(editor.Edit1, Qt::Key_Return);
            });
        } else {
            user.WindowOf<TForm6>([](TForm6& editor) {
                TypeText(editor.Edit1, QStringLiteral("Bolter"));
                QTest::keyClick(editor.Edit1, Qt::Key_Return);
            });
        }
        QCOMPARE(ShowPicker(app, listMode), int(mrCancel));
        QVERIFY2(user.Problems().isEmpty(), qPrintable(user.Problems().join(u'\n')));
        QCOMPARE(Lines(listMode == 2 ? app.store.SpecialCatalogue.get()
                                     : app.store.WeaponCatalogue.get()),
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
        Fill(app);
        app.forms.Form6->StringGrid1->SetCell(0, 0, QStringLiteral("last"));
        user.WindowOf<TForm5>([&](TForm5& picker) {
            QVERIFY(MakeActive(picker));
            if (!listed.isEmpty())
                picker.ListBox1->Add(listed);
            ClickItem(*picker.ListBox1, 1);
            ClickItem(*picker.ListBox1, 0);
            QTest::mouseClick(picker.BitBtn4, Qt::LeftButton);
            picker.SetModalResult(mrOk);
        });
        if (listMode == 2 && !opens.isEmpty()) {
            user.WindowOf<TForm9>([](TForm9& editor) {
                QCOMPARE(editor.Panel1->text(), QStringLiteral("Special Ability"));
                QVERIFY(editor.Edit1->isReadOnly());
                QVERIFY(editor.BitBtn1->isEnabled());
                QVERIFY(MakeActive(editor));
                QCOMPARE(QApplication::focusWidget(), editor.Edit2);
                editor.Edit2->end(false);
                TypeText(editor.Edit2, QStringLiteral(",changed"));
                QTest::keyClick(editor.Edit2, Qt::Key_Return);
            });
        } else if (!opens.isEmpty()) {
            user.WindowOf<TForm6>([&](TForm6& editor) {
                QVERIFY(editor.Edit1->isReadOnly());
                QCOMPARE(editor.Edit1->Text(), listed);
                QTest::mouseClick(editor.BitBtn1, Qt::LeftButton);
            });
        }
        ShowPicker(app, listMode);
        QVERIFY2(user.Problems().isEmpty(), qPrintable(user.Problems().join(u'\n')));
        QCOMPARE(user.Shown().size(), opens.isEmpty() ? 1 : 2);
        if (!opens.isEmpty())
            QCOMPARE(user.Shown().last().caption, opens);
        QCOMPARE(Lines(listMode == 2 ? app.store.SpecialCatalogue.get()
                                     : app.store.WeaponCatalogue.get()),
                 catalogue);
        QVERIFY(!app.store.EditingItem);
        QVERIFY(!app.forms.Form6->Edit1->isReadOnly());
        QVERIFY(!app.forms.Form9->Edit1->isReadOnly());
    }

    // A list item whose entry cannot be found, or no item selected, never touches a catalogue
    // entry; an edit that its sorted catalogue would refuse keeps the old entry.
    void editNeverLosesAnEntry()
    {
        TestWindows app;
        ScriptedUser user;
        for (const char* entry : {"jump,fly", "Jump,leap"})
            app.store.SpecialCatalogue->Add(QString::fromLatin1(entry));
        app.store.ListMode = 2;
        ListBox list(nullptr, app.store.Collation());
        list.Add(QStringLiteral("Jump"));
        EditSelectedItem(app.store, app.forms, list);
        QVERIFY(user.Shown().isEmpty());
        QVERIFY(!app.store.KeepItemFields);

        list.SetItemIndex(0);
        user.WindowOf<TForm9>([](TForm9& editor) {
            editor.Edit2->SetText(QStringLiteral("fly"));
            QTest::mouseClick(editor.BitBtn1, Qt::LeftButton);
        });
        EditSelectedItem(app.store, app.forms, list);
        QVERIFY2(user.Problems().isEmpty(), qPrintable(user.Problems().join(u'\n')));
        QCOMPARE(Lines(app.store.SpecialCatalogue.get()), (QStringList{"jump,fly", "Jump,leap"}));
    }

    void emptyCatalogueAndHelp()
    {
        TestWindows app;
        ScriptedUser user;
        user.WindowOf<TForm5>([](TForm5& picker) {
            QCOMPARE(picker.ListBox1->Count(), 0);
            QTest::mouseClick(picker.ListBox1->viewport(), Qt::LeftButton);
            QVERIFY(!picker.BitBtn4->isEnabled());
            QTest::mouseClick(picker.BitBtn6, Qt::LeftButton);
            QTest::mouseClick(picker.BitBtn1, Qt::LeftButton);
        });
        user.Answer(mrOk);
        QCOMPARE(ShowPicker(app, 0), int(mrOk));
        QVERIFY2(user.Problems().isEmpty(), qPrintable(user.Problems().join(u'\n')));
        QCOMPARE(user.Messages(),
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
        Fill(app);
        bool editorSeen = false;
        QTimer::singleShot(0, [&] {
            auto* picker = qobject_cast<TForm5*>(QApplication::activeModalWidget());
            QVERIFY(picker);
            QTimer::singleShot(0, [&] {
                auto* editor = qobject_cast<TForm6*>(QApplication::activeModalWidget());
                QVERIFY(editor);
                editorSeen = true;
                TypeText(editor->Edit1, QStringLiteral("Bolter"));
                QTest::mouseClick(editor->BitBtn1, Qt::LeftButton);
            });
            QTest::mouseClick(picker->BitBtn3, Qt::LeftButton);
            ClickItem(*picker->ListBox1, 1);
            QTest::mouseClick(picker->BitBtn1, Qt::LeftButton);
        });
        QCOMPARE(ShowPicker(app, 0), int(mrOk));
        QVERIFY(editorSeen);
        QCOMPARE(ListItems(*app.forms.Form5->ListBox1), (QStringList{"axe", "*Bolter", "Rifle"}));
        QCOMPARE(app.store.WeaponCatalogue->Count(), 3);
    }
};

QTEST_MAIN(PickerTest)
#include "tst_Picker.moc"
