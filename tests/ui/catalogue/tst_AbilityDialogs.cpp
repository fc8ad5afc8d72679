#include "support/Catalogue.h"
#include "support/ScriptedUser.h"
#include "support/TestWindows.h"
#include "support/Typing.h"
#include "ui/catalogue/Availables.h"
#include "ui/catalogue/Special_Abilities.h"
#include "ui/catalogue/Specials.h"
#include "ui/controls/Buttons.h"
#include "ui/controls/Edit.h"
#include "ui/controls/Grid.h"
#include "ui/controls/ListBox.h"
#include "ui/controls/RadioGroup.h"

#include <QApplication>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

class AbilityDialogsTest : public QObject
{
    Q_OBJECT

    // Opens the costing dialog on the first line of the current troop's abilities: checks what it
    // shows, types the cost and group where given and picks a scope item where given (-1: none).
    static void Cost(TestWindows& app, ScriptedUser& user, const QString& shown,
                     const QStringList& typed, int scope)
    {
        user.WindowOf<TForm10>([=](TForm10& dialog) {
            QCOMPARE(dialog.StringGrid1->Cell(1, 0) + u'|' + dialog.StringGrid1->Cell(2, 0) + u'|' +
                         QString::number(dialog.RadioGroup1->ItemIndex()),
                     shown);
            QVERIFY(MakeActive(dialog));
            for (int i = 0; i < typed.size(); ++i) {
                if (i > 0)
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                TypeText(QApplication::focusWidget(), typed[i]);
            }
            if (scope >= 0)
                QTest::mouseClick(dialog.RadioGroup1->Button(scope), Qt::LeftButton);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        EditAbilityCosts(app.store, app.forms, 0);
    }

private slots:
    // The name edit enables OK; an exact duplicate is refused, another case is another name;
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
        app.store.SpecialCatalogue->Add(QStringLiteral("Psychic,x"));
        const bool duplicate = catalogue.size() == 1;
        user.WindowOf<TForm5>([](TForm5& picker) {
            QTest::mouseClick(picker.BitBtn3, Qt::LeftButton);
            picker.SetModalResult(mrOk);
        });
        user.WindowOf<TForm9>([&](TForm9& editor) {
            QVERIFY(MakeActive(editor));
            QCOMPARE(QApplication::focusWidget(), editor.Edit1);
            TypeText(editor.Edit1, QStringLiteral("x"));
            QVERIFY(editor.BitBtn1->isEnabled());
            QTest::keyClick(editor.Edit1, Qt::Key_Backspace);
            QVERIFY(!editor.BitBtn1->isEnabled());
            QTest::keyClick(editor.Edit1, Qt::Key_Return);
            QCOMPARE(editor.ModalResult(), int(mrNone));
            TypeText(editor.Edit1, name);
            QTest::keyClick(editor.Edit1, Qt::Key_Tab);
            TypeText(editor.Edit2, description);
            QTest::keyClick(editor.Edit2, Qt::Key_Return);
            if (duplicate) {
                QCOMPARE(editor.ModalResult(), int(mrNone));
                QCOMPARE(editor.Edit1->Text(), name);
                QTest::keyClick(&editor, Qt::Key_Escape);
            }
        });
        if (duplicate)
            user.Answer(mrOk);
        ShowPicker(app, 2);
        QVERIFY2(user.Problems().isEmpty(), qPrintable(user.Problems().join(u'\n')));
        QCOMPARE(user.Messages(), duplicate ? QStringList{QStringLiteral(
                                                  "*** DUPLICATE SPECIAL ABILITY ***|Special "
                                                  "Ability already exists! Please choose another "
                                                  "name for it.")}
                                            : QStringList{});
        QCOMPARE(Lines(app.store.SpecialCatalogue.get()), catalogue);
    }

    // shown: cost|group|scope item as the dialog opens.
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
        QTest::newRow("group 0 stored, shown as 1")
            << "0,Jump,4" << 0 << "4|1|0" << QStringList{"", "0"} << -1 << "0,Jump,4";
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
        app.store.Current().SpecialList = app.store.NewSortedList();
        app.store.Current().SpecialList->Add(line);
        app.forms.Form10->RadioGroup1->SetItemIndex(lastScope);
        Cost(app, user, shown, typed, scope);
        QVERIFY2(user.Problems().isEmpty(), qPrintable(user.Problems().join(u'\n')));
        QCOMPARE(Lines(app.store.Current().SpecialList.get()), QStringList{stored});
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
        auto& list = app.store.Current().SpecialList;
        list = sorted ? app.store.NewSortedList() : app.store.NewPlainList();
        for (const QString& line : lines)
            list->Add(line);
        for (int index : {-1, list->Count()})
            EditAbilityCosts(app.store, app.forms, index);
        QVERIFY(user.Shown().isEmpty());
        QCOMPARE(list->Lines(), lines);
        Cost(app, user, QStringLiteral("0|1|0"), {}, -1);
        QVERIFY2(user.Problems().isEmpty(), qPrintable(user.Problems().join(u'\n')));
        QCOMPARE(list->Lines(), stored);
    }

    // Both dialogs through the real modal path: the ability editor in edit mode, then the
    // costing dialog, each closed by its OK.
    void realModalEditAndCost()
    {
        TestWindows app;
        app.store.SpecialCatalogue->Add(QStringLiteral("Jump,leap"));
        app.store.ListMode = 2;
        ListBox list(nullptr, app.store.Collation(), ListBox::Selection::Toggle);
        list.Add(QStringLiteral("Jump"));
        list.SetSelected(0, true);
        QString editorState;
        QTimer::singleShot(0, [&] {
            auto* editor = qobject_cast<TForm9*>(QApplication::activeModalWidget());
            QVERIFY(editor);
            editorState = editor->Caption() + u'|' + editor->Panel1->text() + u'|' +
                          editor->Edit1->Text() + u'|' + editor->Edit2->Text();
            QVERIFY(editor->Edit1->isReadOnly());
            QTest::mouseClick(editor->BitBtn1, Qt::LeftButton);
        });
        EditSelectedItem(app.store, app.forms, list);
        QCOMPARE(editorState, QStringLiteral("Edit Special Ability|Special Ability|Jump|leap"));
        QCOMPARE(Lines(app.store.SpecialCatalogue.get()), QStringList{"Jump,leap"});
        QVERIFY(!app.forms.Form9->BitBtn1->isEnabled());

        app.store.Current().SpecialList = app.store.NewSortedList();
        app.store.Current().SpecialList->Add(QStringLiteral(",Jump"));
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<TForm10*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->Caption(), QStringLiteral("Edit Special Ability"));
            QCOMPARE(dialog->StringGrid1->Cell(0, 0), QStringLiteral("Jump"));
            dialog->StringGrid1->SetCell(1, 0, QStringLiteral("12"));
            QTest::mouseClick(dialog->BitBtn1, Qt::LeftButton);
        });
        EditAbilityCosts(app.store, app.forms, 0);
        QCOMPARE(Lines(app.store.Current().SpecialList.get()), QStringList{"1,Jump,12"});
    }
};

QTEST_MAIN(AbilityDialogsTest)
#include "tst_AbilityDialogs.moc"
