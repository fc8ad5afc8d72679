#include "support/Catalogue.h"
#include "support/ScriptedUser.h"
#include "support/TestWindows.h"
#include "support/Typing.h"
#include "ui/catalogue/Availables.h"
#include "ui/catalogue/New_item.h"
#include "ui/controls/Buttons.h"
#include "ui/controls/Edit.h"
#include "ui/controls/Grid.h"
#include "ui/controls/ListBox.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

namespace
{

const QString Duplicate = QStringLiteral(
    "*** DUPLICATE NAME ***|Duplicate weapon/special name! Please choose another name");

// Types the name, then each cell after a Tab.
void TypeWeapon(TForm6& editor, const QString& name, const QStringList& cells)
{
    if (!cells.isEmpty())
        QVERIFY(MakeActive(editor));
    editor.Edit1->setFocus();
    TypeText(editor.Edit1, name);
    for (const QString& cell : cells) {
        QTest::keyClick(editor.focusWidget(), Qt::Key_Tab);
        TypeText(editor.focusWidget(), cell);
    }
}

} // namespace

class WeaponEditorTest : public QObject
{
    Q_OBJECT

private slots:
    // How OK is pressed must not matter: the entry never holds a comma inside a field.
    void newWeaponHasSixFields_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<bool>("enter");
        QTest::addColumn<bool>("active");
        QTest::addColumn<QString>("entry");
        const QStringList lance{"36", "8", "2", "Heavy 1"};
        QTest::newRow("click") << "Lance" << lance << false << true << "Lance,36,8,2,Heavy 1,";
        QTest::newRow("commas, click") << "Flamer, heavy" << QStringList{"T", "4,5"} << false
                                       << true << "Flamer; heavy,T,4;5,,,";
        QTest::newRow("Enter in the name") << "a,b" << QStringList{} << true << true << "a;b,,,,,";
        QTest::newRow("Enter in a cell")
            << "Las" << QStringList{"", "", "", "", "x, y"} << true << true << "Las,,,,,x; y";
        QTest::newRow("Enter, no focus events")
            << "c,d" << QStringList{} << true << false << "c;d,,,,,";
    }
    void newWeaponHasSixFields()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, cells);
        QFETCH(bool, enter);
        QFETCH(bool, active);
        QFETCH(QString, entry);
        TestWindows app;
        ScriptedUser user;
        user.WindowOf<TForm5>([](TForm5& picker) {
            QTest::mouseClick(picker.BitBtn3, Qt::LeftButton);
            picker.SetModalResult(mrCancel);
        });
        user.WindowOf<TForm6>([&](TForm6& editor) {
            QCOMPARE(editor.Caption(), QStringLiteral("New Standard Weapon"));
            QCOMPARE(editor.Panel1->text(), QStringLiteral("Standard Weapon name"));
            QVERIFY(!editor.Edit1->isReadOnly());
            if (active)
                QVERIFY(MakeActive(editor));
            TypeWeapon(editor, name, cells);
            if (enter)
                QTest::keyClick(editor.focusWidget(), Qt::Key_Return);
            else
                QTest::mouseClick(editor.BitBtn1, Qt::LeftButton);
        });
        ShowPicker(app, 0);
        QVERIFY2(user.Problems().isEmpty(), qPrintable(user.Problems().join(u'\n')));
        QCOMPARE(Lines(app.store.WeaponCatalogue.get()), QStringList{entry});
        QCOMPARE(app.forms.Form5->ListBox1->Item(0), entry.section(u',', 0, 0));
    }

    // An exact duplicate is refused and the dialog stays as it was; another case is another name,
    // unless the whole entry equals one in the catalogue but for case, which the sorted catalogue
    // cannot take: then the name is not listed as if it had been.
    void duplicateNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("range");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("same") << "Lance"
                              << "1" << true << QStringList{"Lance"};
        QTest::newRow("other case") << "lance"
                                    << "1" << false << QStringList{"Lance", "lance"};
        QTest::newRow("trailing blank") << "Lance "
                                        << "1" << false << QStringList{"Lance", "Lance "};
        QTest::newRow("whole entry but for case") << "lance"
                                                  << "" << false << QStringList{"Lance"};
    }
    void duplicateNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, range);
        QFETCH(bool, refused);
        QFETCH(QStringList, items);
        TestWindows app;
        ScriptedUser user;
        app.store.WeaponCatalogue->Add(QStringLiteral("Lance,,,,,"));
        user.WindowOf<TForm5>([](TForm5& picker) {
            QTest::mouseClick(picker.BitBtn3, Qt::LeftButton);
            picker.SetModalResult(mrOk);
        });
        user.WindowOf<TForm6>([&](TForm6& editor) {
            TypeWeapon(editor, name, {range});
            QTest::mouseClick(editor.BitBtn1, Qt::LeftButton);
            if (refused) {
                QCOMPARE(editor.ModalResult(), int(mrNone));
                QCOMPARE(editor.Entry(), name + u',' + range + QStringLiteral(",,,,"));
                QTest::keyClick(&editor, Qt::Key_Escape);
            }
        });
        if (refused)
            user.Answer(mrOk);
        ShowPicker(app, 0);
        QVERIFY2(user.Problems().isEmpty(), qPrintable(user.Problems().join(u'\n')));
        QCOMPARE(user.Messages(), refused ? QStringList{Duplicate} : QStringList{});
        QCOMPARE(ListItems(*app.forms.Form5->ListBox1), items);
        QCOMPARE(app.store.WeaponCatalogue->Count(), items.size());
    }

    // The first weapon without a name is taken, the second refused; Cancel keeps the catalogue,
    // and the next opening for a new weapon starts empty again.
    void emptyNameOnceAndCancel()
    {
        TestWindows app;
        ScriptedUser user;
        const auto newWeapon = [&](const QString& name, bool cancel) {
            user.WindowOf<TForm5>([](TForm5& picker) {
                QTest::mouseClick(picker.BitBtn3, Qt::LeftButton);
                picker.SetModalResult(mrOk);
            });
            user.WindowOf<TForm6>([name, cancel](TForm6& editor) {
                QCOMPARE(editor.Edit1->Text(), QString());
                QCOMPARE(editor.StringGrid1->Cell(4, 0), QString());
                TypeWeapon(editor, name, {"", "", "", "", "typed"});
                QTest::mouseClick(cancel ? editor.BitBtn2 : editor.BitBtn1, Qt::LeftButton);
                if (editor.ModalResult() == mrNone)
                    QTest::mouseClick(editor.BitBtn2, Qt::LeftButton);
            });
        };
        newWeapon(QString(), false);
        newWeapon(QString(), false);
        user.Answer(mrOk);
        newWeapon(QStringLiteral("Bolter"), true);
        for (int i = 0; i < 3; ++i)
            ShowPicker(app, 0);
        QVERIFY2(user.Problems().isEmpty(), qPrintable(user.Problems().join(u'\n')));
        QCOMPARE(user.Messages(), QStringList{Duplicate});
        QCOMPARE(Lines(app.store.WeaponCatalogue.get()), QStringList{",,,,,typed"});
        QCOMPARE(app.forms.Form6->Edit1->Text(), QStringLiteral("Bolter"));
    }

    // Editing shows the entry, keeps the name and replaces only that entry, with no duplicate
    // test; afterwards the name is editable again and the store's flags are as the next New
    // expects them.
    void editReplacesEntry()
    {
        TestWindows app;
        ScriptedUser user;
        for (const char* entry :
             {"Las,24,3,5,Rapid,x", "Las cannon,48,9,2,Heavy 1,", "lance,1,,,,"})
            app.store.WeaponCatalogue->Add(QString::fromLatin1(entry));
        user.WindowOf<TForm5>([](TForm5& picker) {
            QVERIFY(MakeActive(picker));
            ClickItem(*picker.ListBox1, 2);
            ClickItem(*picker.ListBox1, 1);
            QVERIFY(picker.BitBtn4->isEnabled());
            QTest::mouseClick(picker.BitBtn4, Qt::LeftButton);
            QVERIFY(!picker.BitBtn4->isEnabled());
            picker.SetModalResult(mrOk);
        });
        user.WindowOf<TForm6>([](TForm6& editor) {
            QCOMPARE(editor.Caption(), QStringLiteral("Edit Standard Weapon"));
            QCOMPARE(editor.Panel1->text(), QStringLiteral("Standard Weapon name"));
            QCOMPARE(editor.Edit1->Text(), QStringLiteral("Las"));
            QVERIFY(editor.Edit1->isReadOnly());
            QCOMPARE(editor.Entry(), QStringLiteral("Las,24,3,5,Rapid,x"));
            QVERIFY(MakeActive(editor));
            QCOMPARE(QApplication::focusWidget(), editor.StringGrid1->Editor());
            QCOMPARE(editor.StringGrid1->Col(), 0);
            TypeText(editor.StringGrid1->Editor(), QStringLiteral("30"));
            QTest::keyClick(editor.StringGrid1->Editor(), Qt::Key_Return);
        });
        ShowPicker(app, 0);
        QVERIFY2(user.Problems().isEmpty(), qPrintable(user.Problems().join(u'\n')));
        QCOMPARE(Lines(app.store.WeaponCatalogue.get()),
                 (QStringList{"lance,1,,,,", "Las cannon,48,9,2,Heavy 1,", "Las,30,3,5,Rapid,x"}));
        QVERIFY(!app.forms.Form6->Edit1->isReadOnly());
        QVERIFY(!app.store.EditingItem);
        QVERIFY(app.store.KeepItemFields);
    }
};

QTEST_MAIN(WeaponEditorTest)
#include "tst_WeaponEditor.moc"
