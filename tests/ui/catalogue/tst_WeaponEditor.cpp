#include "support/Catalogue.h"
#include "support/ScriptedUser.h"
#include "support/TestWindows.h"
#include "support/Typing.h"
#include "support/pages/PickerPage.h"
#include "support/pages/WeaponEditorPage.h"
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

const QString duplicate = QStringLiteral(
    "*** DUPLICATE NAME ***|Duplicate weapon/special name! Please choose another name");

// The next picker selects a weapon that the catalogue lacks and opens it with Edit.
void editMissingWeapon(ScriptedUser& user, const QString& name)
{
    user.windowOf<Picker>([name](Picker& picker) {
        PickerPage pickerPage(picker);
        QVERIFY(makeActive(picker));
        clickItem(*pickerPage.itemList, pickerPage.itemList->addSorted(name));
        QTest::mouseClick(pickerPage.editButton, Qt::LeftButton);
        picker.done(QDialog::Rejected);
    });
}

// Types the name, then each cell after a Tab.
void typeWeapon(WeaponEditor& editor, const QString& name, const QStringList& cells)
{
    if (!cells.isEmpty())
        QVERIFY(makeActive(editor));
    LineEdit* nameEdit = WeaponEditorPage(editor).nameEdit;
    nameEdit->setFocus();
    typeText(nameEdit, name);
    for (const QString& cell : cells) {
        QTest::keyClick(editor.focusWidget(), Qt::Key_Tab);
        typeText(editor.focusWidget(), cell);
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
        user.windowOf<Picker>([&](Picker& picker) {
            PickerPage pickerPage(picker);
            QTest::mouseClick(pickerPage.newButton, Qt::LeftButton);
            QCOMPARE(listItems(*pickerPage.itemList),
                     QStringList{u'*' + entry.section(u',', 0, 0)});
            picker.done(QDialog::Rejected);
        });
        user.windowOf<WeaponEditor>([&](WeaponEditor& editor) {
            WeaponEditorPage editorPage(editor);
            QCOMPARE(editor.windowTitle(), QStringLiteral("New Standard Weapon"));
            QCOMPARE(editorPage.nameLabel->text(), QStringLiteral("Standard Weapon name"));
            QVERIFY(!editorPage.nameEdit->isReadOnly());
            if (active)
                QVERIFY(makeActive(editor));
            typeWeapon(editor, name, cells);
            if (enter)
                QTest::keyClick(editor.focusWidget(), Qt::Key_Return);
            else
                QTest::mouseClick(editorPage.okButton, Qt::LeftButton);
        });
        showPicker(app, CatalogueKind::Weapons);
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QCOMPARE(linesOf(app.army().weaponCatalogue.get()), QStringList{entry});
    }

    // An exact duplicate is refused and the dialog stays as it was, the name selected for typing
    // over; another case is another name, unless the whole entry equals one in the catalogue but
    // for case, which the sorted catalogue cannot take: then the name is not listed as if it had
    // been.
    void duplicateNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("range");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("same") << "Lance"
                              << "1" << true << QStringList{"Lance"};
        QTest::newRow("other case") << "lance"
                                    << "1" << false << QStringList{"Lance", "*lance"};
        QTest::newRow("trailing blank") << "Lance "
                                        << "1" << false << QStringList{"Lance", "*Lance "};
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
        app.setUp([](Store& army) { army.weaponCatalogue->add(QStringLiteral("Lance,,,,,")); });
        user.windowOf<Picker>([&](Picker& picker) {
            PickerPage pickerPage(picker);
            QTest::mouseClick(pickerPage.newButton, Qt::LeftButton);
            QCOMPARE(listItems(*pickerPage.itemList), items);
            picker.done(QDialog::Accepted);
        });
        user.windowOf<WeaponEditor>([&](WeaponEditor& editor) {
            WeaponEditorPage editorPage(editor);
            QVERIFY(makeActive(editor));
            typeWeapon(editor, name, {range});
            QTest::mouseClick(editorPage.okButton, Qt::LeftButton);
            if (refused) {
                QVERIFY(editor.isVisible());
                QCOMPARE(QApplication::focusWidget(), editorPage.nameEdit);
                QCOMPARE(editorPage.nameEdit->selectedText(), name);
                QCOMPARE(editor.result(), int(QDialog::Rejected));
                QCOMPARE(editor.entry(), name + u',' + range + QStringLiteral(",,,,"));
                QTest::keyClick(&editor, Qt::Key_Escape);
            }
        });
        if (refused)
            user.answer(QMessageBox::Ok);
        showPicker(app, CatalogueKind::Weapons);
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QCOMPARE(user.messages(), refused ? QStringList{duplicate} : QStringList{});
        QCOMPARE(app.army().weaponCatalogue->count(), items.size());
    }

    // A name empty or of blanks alone keeps OK disabled, so no nameless weapon is made; Cancel
    // keeps the catalogue, and the next opening for a new weapon starts empty again. Edit of a
    // weapon that the catalogue lacks then shows the cells as the editor last closed.
    void blankNameAndCancel()
    {
        TestWindows app;
        ScriptedUser user;
        const auto newWeapon = [&](const QString& name, bool cancel) {
            user.windowOf<Picker>([](Picker& picker) {
                PickerPage pickerPage(picker);
                QTest::mouseClick(pickerPage.newButton, Qt::LeftButton);
                picker.done(QDialog::Accepted);
            });
            user.windowOf<WeaponEditor>([name, cancel](WeaponEditor& editor) {
                WeaponEditorPage editorPage(editor);
                QCOMPARE(editorPage.nameEdit->text(), QString());
                QCOMPARE(editorPage.detailsGrid->cell(4, 0), QString());
                typeWeapon(editor, name, {"", "", "", "", "typed"});
                QCOMPARE(editorPage.okButton->isEnabled(), !name.trimmed().isEmpty());
                QTest::mouseClick(cancel ? editorPage.cancelButton : editorPage.okButton,
                                  Qt::LeftButton);
                if (editor.isVisible())
                    QTest::mouseClick(editorPage.cancelButton, Qt::LeftButton);
            });
        };
        newWeapon(QString(), false);
        newWeapon(QStringLiteral("  "), false);
        newWeapon(QStringLiteral("Bolter"), true);
        editMissingWeapon(user, QStringLiteral("Ghost"));
        QString shownByEdit;
        user.windowOf<WeaponEditor>([&](WeaponEditor& editor) {
            WeaponEditorPage editorPage(editor);
            shownByEdit = editor.entry();
            QTest::mouseClick(editorPage.okButton, Qt::LeftButton);
        });
        for (int i = 0; i < 4; ++i)
            showPicker(app, CatalogueKind::Weapons);
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QCOMPARE(user.messages(), QStringList{});
        QCOMPARE(shownByEdit, QStringLiteral("Ghost,,,,,typed"));
        QCOMPARE(linesOf(app.army().weaponCatalogue.get()), QStringList{"Ghost,,,,,typed"});
    }

    // Editing shows the entry, keeps the name and replaces only that entry, with no duplicate
    // test; Edit of a weapon that the catalogue lacks then shows the cells that edit left.
    void editReplacesEntry()
    {
        TestWindows app;
        ScriptedUser user;
        app.setUp([](Store& army) {
            for (const char* entry :
                 {"Las,24,3,5,Rapid,x", "Las cannon,48,9,2,Heavy 1,", "lance,1,,,,"})
                army.weaponCatalogue->add(QString::fromLatin1(entry));
        });
        user.windowOf<Picker>([](Picker& picker) {
            PickerPage pickerPage(picker);
            QVERIFY(makeActive(picker));
            clickItem(*pickerPage.itemList, 2);
            clickItem(*pickerPage.itemList, 1);
            QVERIFY(pickerPage.editButton->isEnabled());
            QTest::mouseClick(pickerPage.editButton, Qt::LeftButton);
            QVERIFY(!pickerPage.editButton->isEnabled());
            picker.done(QDialog::Accepted);
        });
        user.windowOf<WeaponEditor>([](WeaponEditor& editor) {
            WeaponEditorPage editorPage(editor);
            QCOMPARE(editor.windowTitle(), QStringLiteral("Edit Standard Weapon"));
            QCOMPARE(editorPage.nameLabel->text(), QStringLiteral("Standard Weapon name"));
            QCOMPARE(editorPage.nameEdit->text(), QStringLiteral("Las"));
            QVERIFY(editorPage.nameEdit->isReadOnly());
            QCOMPARE(editor.entry(), QStringLiteral("Las,24,3,5,Rapid,x"));
            QVERIFY(makeActive(editor));
            QCOMPARE(QApplication::focusWidget(), editorPage.detailsGrid->cellEditor());
            QCOMPARE(editorPage.detailsGrid->currentColumn(), 0);
            typeText(editorPage.detailsGrid->cellEditor(), QStringLiteral("30"));
            QTest::mouseClick(editorPage.okButton, Qt::LeftButton);
        });
        editMissingWeapon(user, QStringLiteral("Ghost"));
        user.windowOf<WeaponEditor>([](WeaponEditor& editor) {
            QCOMPARE(editor.entry(), QStringLiteral("Ghost,30,3,5,Rapid,x"));
            QTest::keyClick(&editor, Qt::Key_Escape);
        });
        showPicker(app, CatalogueKind::Weapons);
        showPicker(app, CatalogueKind::Weapons);
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QCOMPARE(user.shown().size(), 4);
        QCOMPARE(linesOf(app.army().weaponCatalogue.get()),
                 (QStringList{"lance,1,,,,", "Las cannon,48,9,2,Heavy 1,", "Las,30,3,5,Rapid,x"}));
    }
};

QTEST_MAIN(WeaponEditorTest)
#include "tst_WeaponEditor.moc"
