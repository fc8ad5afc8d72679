#include "support/Catalogue.h"
#include "support/ModalAnswer.h"
#include "support/ScriptedUser.h"
#include "support/TestWindows.h"
#include "support/Typing.h"
#include "support/pages/AbilityCostsDialogPage.h"
#include "support/pages/AbilityEditorPage.h"
#include "support/pages/PickerPage.h"
#include "ui/catalogue/AbilityCostsDialog.h"
#include "ui/catalogue/AbilityEditor.h"
#include "ui/catalogue/Picker.h"
#include "ui/controls/Button.h"
#include "ui/controls/Grid.h"
#include "ui/controls/LineEdit.h"
#include "ui/controls/RadioGroup.h"
#include "ui/controls/SortedListWidget.h"

#include <QApplication>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

namespace
{

} // namespace

class AbilityDialogsTest : public QObject
{
    Q_OBJECT

    // Opens the costing dialog on the first line of the troop's abilities, with the scope it was
    // last left with: checks what it shows, types the cost and group where given and picks a
    // scope item where given (-1: none).
    static void cost(QWidget* opener, Troop& troop, int& lastScope, ScriptedUser& user,
                     const QString& shown, const QStringList& typed, int scope)
    {
        user.windowOf<AbilityCostsDialog>([=](AbilityCostsDialog& dialog) {
            AbilityCostsDialogPage dialogPage(dialog);
            QCOMPARE(dialogPage.abilityGrid->cell(1, 0) + u'|' +
                         dialogPage.abilityGrid->cell(2, 0) + u'|' +
                         QString::number(dialogPage.scopeChoice->checkedIndex()),
                     shown);
            QVERIFY(makeActive(dialog));
            for (int i = 0; i < typed.size(); ++i) {
                if (i > 0)
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                typeText(QApplication::focusWidget(), typed[i]);
            }
            if (scope >= 0)
                QTest::mouseClick(dialogPage.scopeChoice->button(scope), Qt::LeftButton);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        editAbilityCosts(opener, troop, 0, lastScope);
    }

private slots:
    // The name edit enables OK; an exact duplicate is refused and left selected in the name
    // field, another case is another name;
    // commas become semicolons even when Enter is pressed in the field.
    void newAbility_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QStringList>("catalogue");
        QTest::newRow("new") << "Jump, far"
                             << "a,b" << QStringList{"Jump; far,a;b", "Psychic,x"};
        QTest::newRow("other case") << "psychic"
                                    << "" << QStringList{"psychic,", "Psychic,x"};
        QTest::newRow("duplicate") << "Psychic"
                                   << "y" << QStringList{"Psychic,x"};
    }
    void newAbility()
    {
        QFETCH(QString, name);
        QFETCH(QString, description);
        QFETCH(QStringList, catalogue);
        TestWindows app;
        ScriptedUser user;
        app.setUp([](Store& army) { army.abilityCatalogue->add(QStringLiteral("Psychic,x")); });
        const bool duplicate = catalogue.size() == 1;
        user.windowOf<Picker>([](Picker& picker) {
            PickerPage pickerPage(picker);
            QTest::mouseClick(pickerPage.newButton, Qt::LeftButton);
            picker.done(QDialog::Accepted);
        });
        user.windowOf<AbilityEditor>([&](AbilityEditor& editor) {
            AbilityEditorPage editorPage(editor);
            QVERIFY(makeActive(editor));
            QCOMPARE(QApplication::focusWidget(), editorPage.nameEdit);
            typeText(editorPage.nameEdit, QStringLiteral("x"));
            QVERIFY(editorPage.okButton->isEnabled());
            QTest::keyClick(editorPage.nameEdit, Qt::Key_Backspace);
            QVERIFY(!editorPage.okButton->isEnabled());
            QTest::keyClick(editorPage.nameEdit, Qt::Key_Return);
            QVERIFY(editor.isVisible());
            typeText(editorPage.nameEdit, name);
            QTest::keyClick(editorPage.nameEdit, Qt::Key_Tab);
            typeText(editorPage.descriptionEdit, description);
            QTest::keyClick(editorPage.descriptionEdit, Qt::Key_Return);
            if (duplicate) {
                QVERIFY(editor.isVisible());
                QCOMPARE(QApplication::focusWidget(), editorPage.nameEdit);
                QCOMPARE(editorPage.nameEdit->selectedText(), name);
                QTest::keyClick(&editor, Qt::Key_Escape);
            }
        });
        if (duplicate)
            user.answer(QMessageBox::Ok);
        showPicker(app, CatalogueKind::Abilities);
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QCOMPARE(user.messages(), duplicate ? QStringList{QStringLiteral(
                                                  "*** DUPLICATE SPECIAL ABILITY ***|Special "
                                                  "Ability already exists! Please choose another "
                                                  "name for it.")}
                                            : QStringList{});
        QCOMPARE(linesOf(app.army().abilityCatalogue.get()), catalogue);
    }

    // shown: cost|group|scope item as the dialog opens; lastScope: the scope it was last left
    // with, which it is left with again for its next opening.
    void costing_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("lastScope");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<int>("scope");
        QTest::addColumn<QString>("stored");
        QTest::newRow("freshly picked")
            << ",Jump" << 1 << "0|1|0" << QStringList{} << -1 << "1,Jump,0";
        QTest::newRow("whole squad")
            << ",Jump" << 0 << "0|1|0" << QStringList{} << 1 << "1,Jump,0,1";
        QTest::newRow("each model again")
            << "1,Jump,0,1" << 0 << "0|1|1" << QStringList{} << 0 << "1,Jump,0";
        QTest::newRow("loaded scope 3")
            << "2,Jump,5,3" << 0 << "5|2|1" << QStringList{} << -1 << "2,Jump,5,1";
        QTest::newRow("loaded scope 2")
            << "2,Jump,5,2" << 1 << "5|2|0" << QStringList{} << -1 << "2,Jump,5";
        QTest::newRow("scope out of range keeps the last choice")
            << "2,Jump,5,7" << 1 << "5|2|1" << QStringList{} << -1 << "2,Jump,5,1";
        QTest::newRow("cost with a word")
            << ",Jump" << 0 << "0|1|0" << QStringList{"6 points", "3"} << -1 << "3,Jump,6";
        QTest::newRow("group 0 shown as 1")
            << "0,Jump,4" << 0 << "4|1|0" << QStringList{} << -1 << "1,Jump,4";
        QTest::newRow("comma in a cell")
            << ",Jump" << 0 << "0|1|0" << QStringList{"1,5", "2,"} << -1 << "2,Jump,1";
    }
    void costing()
    {
        QFETCH(QString, line);
        QFETCH(int, lastScope);
        QFETCH(QString, shown);
        QFETCH(QStringList, typed);
        QFETCH(int, scope);
        QFETCH(QString, stored);
        TestWindows app;
        ScriptedUser user;
        app.start(0);
        app.setUp([&](Store& army) {
            Troop& troop = army.troops[0];
            troop.abilities = army.newSortedList();
            troop.abilities->add(line);
        });
        Troop& troop = app.wizard.troop();
        int memory = lastScope;
        cost(&app.mainWindow, troop, memory, user, shown, typed, scope);
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QCOMPARE(linesOf(troop.abilities.get()), QStringList{stored});
        QCOMPARE(memory, stored.section(u',', 3) == QLatin1String("1") ? 1 : 0);
    }

    // OK refuses a group without a place in the troop's limits, says what is allowed and
    // gives the group cell the focus again, its text selected; a group of 1 to 99 is then taken.
    void groupOutside1To99Refused_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("0") << "0";
        QTest::newRow("100") << "100";
        QTest::newRow("-1") << "-1";
        QTest::newRow("no number") << "x";
    }
    void groupOutside1To99Refused()
    {
        QFETCH(QString, typed);
        TestWindows app;
        ScriptedUser user;
        app.start(0);
        app.setUp([](Store& army) {
            army.troops[0].abilities = army.newSortedList();
            army.troops[0].abilities->add(QStringLiteral(",Jump"));
        });
        Troop& troop = app.wizard.troop();
        user.windowOf<AbilityCostsDialog>([&](AbilityCostsDialog& dialog) {
            AbilityCostsDialogPage page(dialog);
            QVERIFY(makeActive(dialog));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            typeText(QApplication::focusWidget(), typed);
            QTest::mouseClick(page.okButton, Qt::LeftButton);
            QVERIFY(dialog.isVisible());
            QCOMPARE(page.abilityGrid->currentColumn(), 2);
            QCOMPARE(QApplication::focusWidget(), page.abilityGrid->cellEditor());
            QCOMPARE(page.abilityGrid->cellEditor()->selectedText(), typed);
            typeText(page.abilityGrid->cellEditor(), QStringLiteral("99"));
            QTest::mouseClick(page.okButton, Qt::LeftButton);
        });
        user.answer(QMessageBox::Ok);
        int lastScope = 0;
        editAbilityCosts(&app.mainWindow, troop, 0, lastScope);
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QCOMPARE(user.messages(), QStringList{QStringLiteral(
                                      "*** INVALID GROUPNR ***|Please choose a Groupnr from 1 "
                                      "to 99.")});
        QCOMPARE(linesOf(troop.abilities.get()), QStringList{QStringLiteral("99,Jump,0")});
    }

    // No line at the index opens nothing; a rebuilt line that a sorted list refuses (equal to
    // another line but for case) leaves the old line; a plain list takes the line at its end.
    void costingNeverLosesALine_data()
    {
        QTest::addColumn<bool>("sorted");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("stored");
        QTest::newRow("refused") << true << QStringList{",Jump", "1,jump,0"}
                                 << QStringList{",Jump", "1,jump,0"};
        QTest::newRow("plain") << false << QStringList{",Jump", "1,jump,0"}
                               << QStringList{"1,jump,0", "1,Jump,0"};
    }
    void costingNeverLosesALine()
    {
        QFETCH(bool, sorted);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, stored);
        TestWindows app;
        ScriptedUser user;
        app.start(0);
        app.setUp([&](Store& army) {
            auto& list = army.troops[0].abilities;
            list = sorted ? army.newSortedList() : army.newPlainList();
            for (const QString& line : lines)
                list->add(line);
        });
        Troop& troop = app.wizard.troop();
        auto& list = troop.abilities;
        int lastScope = 0;
        for (int index : {-1, list->count()})
            editAbilityCosts(&app.mainWindow, troop, index, lastScope);
        QVERIFY(user.shown().isEmpty());
        QCOMPARE(list->lines(), lines);
        cost(&app.mainWindow, troop, lastScope, user, QStringLiteral("0|1|0"), {}, -1);
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QCOMPARE(list->lines(), stored);
    }

    // Both dialogs through the real modal path: the ability editor in edit mode, then the
    // costing dialog, each closed by its OK.
    void realModalEditAndCost()
    {
        TestWindows app;
        app.setUp([](Store& army) { army.abilityCatalogue->add(QStringLiteral("Jump,leap")); });
        SortedListWidget list(nullptr, app.army().collation(), SortedListWidget::Selection::Toggle);
        list.addSorted(QStringLiteral("Jump"));
        list.setSelected(0, true);
        QString editorState;
        ModalAnswer editorAnswer;
        editorAnswer.expect<AbilityEditor>([&](AbilityEditor& editor) {
            AbilityEditorPage editorPage(editor);
            editorState = editor.windowTitle() + u'|' + editorPage.nameLabel->text() + u'|' +
                          editorPage.nameEdit->text() + u'|' + editorPage.descriptionEdit->text() +
                          (editorPage.nameEdit->isReadOnly() ? "" : "|writable");
            QTest::mouseClick(editorPage.okButton, Qt::LeftButton);
        });
        editSelectedItem(&app.mainWindow, app.army(), app.wizard.editorMemory(),
                         CatalogueKind::Abilities, list, app.storeChanger());
        QVERIFY2(editorAnswer.answered(), qPrintable(editorAnswer.failure()));
        QCOMPARE(editorState, QStringLiteral("Edit Special Ability|Special Ability|Jump|leap"));
        QCOMPARE(linesOf(app.army().abilityCatalogue.get()), QStringList{"Jump,leap"});

        app.start(0);
        app.setUp([](Store& army) {
            Troop& troop = army.troops[0];
            troop.abilities = army.newSortedList();
            troop.abilities->add(QStringLiteral(",Jump"));
        });
        Troop& troop = app.wizard.troop();
        QString costsState;
        ModalAnswer costsAnswer;
        costsAnswer.expect<AbilityCostsDialog>([&](AbilityCostsDialog& dialog) {
            AbilityCostsDialogPage dialogPage(dialog);
            costsState = dialog.windowTitle() + u'|' + dialogPage.abilityGrid->cell(0, 0);
            dialogPage.abilityGrid->setCell(1, 0, QStringLiteral("12"));
            QTest::mouseClick(dialogPage.okButton, Qt::LeftButton);
        });
        editAbilityCosts(&app.mainWindow, troop, 0, app.wizard.editorMemory().abilityScope);
        QVERIFY2(costsAnswer.answered(), qPrintable(costsAnswer.failure()));
        QCOMPARE(costsState, QStringLiteral("Edit Special Ability|Jump"));
        QCOMPARE(linesOf(troop.abilities.get()), QStringList{"1,Jump,12"});
    }
};

QTEST_MAIN(AbilityDialogsTest)
#include "tst_AbilityDialogs.moc"
