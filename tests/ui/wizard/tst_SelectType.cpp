#include "support/ScriptedUser.h"
#include "support/TestWindows.h"
#include "support/Typing.h"
#include "ui/controls/Buttons.h"
#include "ui/controls/Edit.h"
#include "ui/controls/Grid.h"
#include "ui/controls/StatusBar.h"
#include "ui/controls/TrackBar.h"
#include "ui/main/Main.h"
#include "ui/wizard/SelectType.h"
#include "ui/wizard/St_Weapons.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace
{

const QString ClashMessage =
    QStringLiteral("*** UNITNAME ALREADY EXISTS ***|Unitname already "
                   "exists in this trooptype! Please choose another name.");

void Accept(Store& store, int slot, const QString& name, const QString& type)
{
    store.TroopTable[slot].Name = name;
    store.TroopTable[slot].Type = type;
    store.TroopCount = qMax(store.TroopCount, slot + 1);
}

// New on the main window, as the user presses it.
void PressNew(TestWindows& app)
{
    TForm1& main = *app.forms.Form1;
    main.Show();
    QTest::mouseClick(main.BitBtn1, Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(app.forms.Form3));
}

// Step 2 on an accepted troop, as the troop selection dialog's Edit opens it.
void OpenAccepted(TestWindows& app, int slot)
{
    app.store.CurrentTroop = slot;
    app.forms.Form3->Show();
    QVERIFY(QTest::qWaitForWindowActive(app.forms.Form3));
}

// Clicks a cell, selects its text and types over it.
void TypeCell(TForm3& form, int col, const QString& text)
{
    StringGrid* grid = form.StringGrid1;
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(0, col)).center());
    QCOMPARE(grid->Col(), col);
    QTest::keyClick(grid->Editor(), Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(grid->Editor(), Qt::Key_Delete);
    else
        TypeText(grid->Editor(), text);
}

// The user moves the focus on from the grid.
void LeaveGrid(TForm3& form)
{
    form.ComboBox1->setFocus(Qt::TabFocusReason);
}

void ChooseRole(TForm3& form, const QString& role)
{
    QTest::keyClick(form.ComboBox1, Qt::Key_Home);
    for (int i = 0; i < 5 && form.ComboBox1->currentText() != role; ++i)
        QTest::keyClick(form.ComboBox1, Qt::Key_Down);
    QCOMPARE(form.ComboBox1->currentText(), role);
}

void MoveBar(TrackBar* bar, int position)
{
    QTest::keyClick(bar, Qt::Key_Home);
    for (int i = 1; i < position; ++i)
        QTest::keyClick(bar, Qt::Key_Right);
    QCOMPARE(bar->Position(), position);
}

} // namespace

class SelectTypeTest : public QObject
{
    Q_OBJECT

private slots:
    void newOpensStepTwoOnTheNextSlot()
    {
        TestWindows app;
        Accept(app.store, 0, "Kai", "TR");
        Accept(app.store, 1, "Rook", "EL");
        TForm1& main = *app.forms.Form1;
        main.Show();
        TypeText(main.Edit1, QStringLiteral("red orchard"));
        main.Edit3->selectAll();
        TypeText(main.Edit3, QStringLiteral("Swarm"));
        PressNew(app);
        TForm3& form = *app.forms.Form3;
        QCOMPARE(app.store.CurrentTroop, 2);
        QCOMPARE(app.store.TroopCount, 2);
        QCOMPARE(app.store.TheArmy.Name, QStringLiteral("RED ORCHARD"));
        QCOMPARE(app.store.TheArmy.UnitName, QStringLiteral("Unit"));
        QCOMPARE(app.store.TheArmy.SquadName, QStringLiteral("Swarm"));
        QVERIFY(main.isHidden());
        QCOMPARE(form.Caption(), QStringLiteral("Swarm Types"));
        QCOMPARE(form.StatusBar1->PanelText(0), QStringLiteral("Army: RED ORCHARD"));
        QCOMPARE(form.StatusBar1->PanelText(1), QStringLiteral("Swarm Name: "));
        QCOMPARE(form.StatusBar1->PanelText(2), QStringLiteral("Total Swarms: 2"));
        QCOMPARE(form.ComboBox1->currentIndex(), -1);
        QCOMPARE(form.Label1->text(), QStringLiteral("1"));
        QCOMPARE(form.Label2->text(), QStringLiteral("1"));
        QVERIFY(!form.BitBtn1->isEnabled());
        QVERIFY(form.BitBtn2->isEnabled());
        QCOMPARE(QApplication::focusWidget(), form.StringGrid1->Editor());
        QCOMPARE(form.StringGrid1->Col(), 0);

        // Typing straight away names the troop; Previous leaves it unfinished and uncounted,
        // and the next New shows it again.
        TypeText(QApplication::focusWidget(), QStringLiteral("Kai"));
        QCOMPARE(form.StatusBar1->PanelText(1), QStringLiteral("Swarm Name: Kai"));
        QTest::mouseClick(form.BitBtn2, Qt::LeftButton);
        QVERIFY(form.isHidden());
        QVERIFY(main.isVisible());
        QCOMPARE(app.store.TroopCount, 2);
        QCOMPARE(app.store.TroopTable[2].Name, QStringLiteral("Kai"));
        QTest::mouseClick(main.BitBtn1, Qt::LeftButton);
        QVERIFY(form.isVisible());
        QCOMPARE(form.StringGrid1->Cell(0, 0), QStringLiteral("Kai"));
    }

    void nextAndPreviousFollowTheData_data()
    {
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("heldType");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("role");
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<bool>("next");
        QTest::addColumn<bool>("previous");
        QTest::newRow("new, complete") << false << ""
                                       << "Kai"
                                       << "Troops" << 2 << 4 << true << true;
        QTest::newRow("new, empty name") << false << ""
                                         << ""
                                         << "Troops" << 1 << 1 << false << true;
        QTest::newRow("new, no role") << false << ""
                                      << "Kai"
                                      << "" << 1 << 1 << false << true;
        QTest::newRow("new, minimum above maximum") << false << ""
                                                    << "Kai"
                                                    << "Troops" << 5 << 3 << false << true;
        QTest::newRow("accepted, complete") << true << "TR"
                                            << "Kai"
                                            << "" << 5 << 5 << true << true;
        QTest::newRow("accepted, empty name") << true << "TR"
                                              << ""
                                              << "" << 1 << 1 << false << false;
        QTest::newRow("accepted, minimum above maximum") << true << "TR"
                                                         << "Kai"
                                                         << "" << 5 << 3 << false << false;
        QTest::newRow("accepted, unknown role") << true << "XX"
                                                << "Kai"
                                                << "" << 1 << 1 << false << false;
    }
    void nextAndPreviousFollowTheData()
    {
        QFETCH(bool, accepted);
        QFETCH(QString, heldType);
        QFETCH(QString, name);
        QFETCH(QString, role);
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(bool, next);
        QFETCH(bool, previous);
        TestWindows app;
        ScriptedUser user;
        Accept(app.store, 0, "Old", heldType);
        if (accepted)
            OpenAccepted(app, 0);
        else
            PressNew(app);
        TForm3& form = *app.forms.Form3;
        QCOMPARE(form.ComboBox1->currentIndex(), heldType == "TR" ? 2 : -1);
        TypeCell(form, 0, name);
        if (!role.isEmpty())
            ChooseRole(form, role);
        MoveBar(form.TrackBar2, max);
        MoveBar(form.TrackBar1, min);
        QCOMPARE(form.BitBtn1->isEnabled(), next);
        QCOMPARE(form.BitBtn2->isEnabled(), previous);
        // The close box follows Next.
        form.close();
        QCOMPARE(form.isVisible(), !next);
        QCOMPARE(app.forms.Form1->isVisible(), next);
        QCOMPARE(user.Messages(), QStringList());
        QVERIFY(user.Problems().isEmpty());
    }

    void modelCountsFollowTheBars()
    {
        TestWindows app;
        PressNew(app);
        TForm3& form = *app.forms.Form3;
        TypeCell(form, 0, QStringLiteral("Kai"));
        ChooseRole(form, QStringLiteral("Elites"));
        MoveBar(form.TrackBar2, 3);
        MoveBar(form.TrackBar1, 5);
        QCOMPARE(form.Label1->text(), QStringLiteral("5"));
        QCOMPARE(app.store.Current().Min, QStringLiteral("5"));
        QVERIFY(!form.BitBtn1->isEnabled());
        QTest::keyClick(form.TrackBar2, Qt::Key_Right);
        QTest::keyClick(form.TrackBar2, Qt::Key_Right);
        QCOMPARE(form.Label2->text(), QStringLiteral("5"));
        QCOMPARE(app.store.Current().Max, QStringLiteral("5"));
        QVERIFY(form.BitBtn1->isEnabled());
        QCOMPARE(app.store.Current().Type, QStringLiteral("EL"));
    }

    void sameNameInOneRoleIsRefused_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("role");
        QTest::addColumn<bool>("previous");
        QTest::addColumn<bool>("refused");
        QTest::newRow("same role, Next") << 2 << "Kai"
                                         << "Troops" << false << true;
        QTest::newRow("same role, Previous") << 2 << "Kai"
                                             << "Troops" << true << true;
        QTest::newRow("other role") << 2 << "Kai"
                                    << "Elites" << true << false;
        QTest::newRow("differs in case") << 2 << "kai"
                                         << "Troops" << true << false;
        QTest::newRow("trailing blank") << 2 << "Kai "
                                        << "Troops" << false << false;
        QTest::newRow("its own name") << 0 << "Kai"
                                      << "Troops" << true << false;
        QTest::newRow("accepted troop renamed") << 1 << "Kai"
                                                << "Troops" << true << true;
    }
    void sameNameInOneRoleIsRefused()
    {
        QFETCH(int, slot);
        QFETCH(QString, name);
        QFETCH(QString, role);
        QFETCH(bool, previous);
        QFETCH(bool, refused);
        TestWindows app;
        ScriptedUser user;
        Accept(app.store, 0, "Kai", "TR");
        Accept(app.store, 1, "Rook", "TR");
        if (slot < app.store.TroopCount)
            OpenAccepted(app, slot);
        else
            PressNew(app);
        TForm3& form = *app.forms.Form3;
        TypeCell(form, 0, name);
        ChooseRole(form, role);
        if (refused)
            user.Answer(mrOk);
        QTest::mouseClick(previous ? form.BitBtn2 : form.BitBtn1, Qt::LeftButton);
        QCOMPARE(user.Messages(), refused ? QStringList{ClashMessage} : QStringList());
        QVERIFY(user.Problems().isEmpty());
        // Leaving the grid for the button stored the name, refused or not.
        QCOMPARE(app.store.TroopTable[slot].Name, name);
        QCOMPARE(form.isVisible(), refused);
        QCOMPARE(app.forms.Form1->isVisible(), !refused && previous);
        // Next goes on to the standard weapons.
        QCOMPARE(app.forms.Form4->isVisible(), !refused && !previous);
    }

    // The message box as users get it. The close box refuses a clash as Previous does, so an
    // accepted troop cannot take another's name and role on the way out.
    void clashShownInARealMessageBox()
    {
        TestWindows app;
        Accept(app.store, 0, "Kai", "HQ");
        Accept(app.store, 1, "Rook", "HQ");
        OpenAccepted(app, 1);
        TForm3& form = *app.forms.Form3;
        TypeCell(form, 0, QStringLiteral("Kai"));
        LeaveGrid(form);
        QCOMPARE(app.store.TroopTable[1].Name, QStringLiteral("Kai"));
        // The box is answered as soon as it is up; the test gives up after five seconds.
        QString seen;
        QTimer poll;
        int tries = 0;
        connect(&poll, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box) {
                seen = box->windowTitle() + u'|' + box->text();
                QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
            }
            if (box || ++tries > 500)
                poll.stop();
        });
        poll.start(10);
        form.close();
        QCOMPARE(seen, ClashMessage);
        QVERIFY(form.isVisible());
        QVERIFY(app.forms.Form1->isHidden());
    }

    void profileAndCommasAsStored_data()
    {
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QString>("chars");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty profile")
            << QStringList{"Kai", "", "", "", "", "", "", "", "", "", ""} << ",,,,,,,,"
            << "Kai||||||||||";
        QTest::newRow("full profile")
            << QStringList{"Kai", "60", "4", "4", "3", "3", "1", "3", "1", "7", "5+"}
            << "4,4,3,3,1,3,1,7,5+"
            << "Kai|60|4|4|3|3|1|3|1|7|5+";
        QTest::newRow("commas in every cell")
            << QStringList{"Kai, the Old", "5,5", "1,", ",2", "", "", "", "", "", "", ",,"}
            << "1;,;2,,,,,,,;;"
            << "Kai; the Old|5;5|1;|;2|||||||;;";
    }
    void profileAndCommasAsStored()
    {
        QFETCH(QStringList, cells);
        QFETCH(QString, chars);
        QFETCH(QString, shown);
        TestWindows app;
        PressNew(app);
        TForm3& form = *app.forms.Form3;
        // Cell after cell with Tab, as a user fills the row.
        QWidget* editor = form.StringGrid1->Editor();
        for (const QString& cell : cells) {
            TypeText(editor, cell);
            QTest::keyClick(editor, Qt::Key_Tab);
        }
        LeaveGrid(form);
        QStringList row;
        for (int col = 0; col < cells.size(); ++col)
            row << form.StringGrid1->Cell(col, 0);
        QCOMPARE(row.join(u'|'), shown);
        const TheRec& troop = app.store.Current();
        QCOMPARE(troop.Name, row[0]);
        QCOMPARE(troop.Points, row[1]);
        QCOMPARE(troop.Chars, chars);
        QCOMPARE(form.StatusBar1->PanelText(1), QStringLiteral("Squad Name: ") + row[0]);
    }

    void armourOnlyPositive_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("held");
        QTest::newRow("zero keeps") << "0"
                                    << "12";
        QTest::newRow("empty keeps") << ""
                                     << "12";
        QTest::newRow("negative keeps") << "-3"
                                        << "12";
        QTest::newRow("text keeps") << "heavy"
                                    << "12";
        QTest::newRow("number") << "14"
                                << "14";
        QTest::newRow("leading zero") << "014"
                                      << "14";
        QTest::newRow("digits before a comma") << "1,5"
                                               << "1";
    }
    void armourOnlyPositive()
    {
        QFETCH(QString, typed);
        QFETCH(QString, held);
        TestWindows app;
        Accept(app.store, 0, "Kai", "HS");
        for (QString* armour : {&app.store.TroopTable[0].f_arm, &app.store.TroopTable[0].s_arm,
                                &app.store.TroopTable[0].r_arm})
            *armour = QStringLiteral("12");
        OpenAccepted(app, 0);
        TForm3& form = *app.forms.Form3;
        for (int col = 11; col <= 13; ++col)
            TypeCell(form, col, typed);
        LeaveGrid(form);
        const TheRec& troop = app.store.TroopTable[0];
        QCOMPARE(QStringList({troop.f_arm, troop.s_arm, troop.r_arm}),
                 QStringList({held, held, held}));
        form.Hide();
        form.Show();
        QCOMPARE(form.StringGrid1->Cell(11, 0), held);
    }

    void loadedTroopShownSafely_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("min");
        QTest::addColumn<QString>("max");
        QTest::addColumn<int>("role");
        QTest::addColumn<int>("minBar");
        QTest::addColumn<int>("maxBar");
        QTest::addColumn<bool>("next");
        QTest::newRow("min 40, max 40") << "FA"
                                        << "40"
                                        << "40" << 3 << 32 << 32 << true;
        QTest::newRow("min 40, max 32") << "FA"
                                        << "40"
                                        << "32" << 3 << 32 << 32 << false;
        QTest::newRow("unknown role") << "fa"
                                      << "1"
                                      << "2" << -1 << 1 << 2 << false;
        QTest::newRow("counts not numbers") << "HS"
                                            << "many"
                                            << " 3x" << 4 << 1 << 3 << true;
        QTest::newRow("counts below the range") << "HQ"
                                                << "-4"
                                                << "0" << 0 << 1 << 1 << true;
    }
    void loadedTroopShownSafely()
    {
        QFETCH(QString, type);
        QFETCH(QString, min);
        QFETCH(QString, max);
        QFETCH(int, role);
        QFETCH(int, minBar);
        QFETCH(int, maxBar);
        QFETCH(bool, next);
        TestWindows app;
        Accept(app.store, 0, "Kai", type);
        app.store.TroopTable[0].Min = min;
        app.store.TroopTable[0].Max = max;
        app.store.TroopTable[0].Chars = QStringLiteral("4,4");
        OpenAccepted(app, 0);
        TForm3& form = *app.forms.Form3;
        QCOMPARE(form.Label1->text(), min);
        QCOMPARE(form.Label2->text(), max);
        QCOMPARE(form.TrackBar1->Position(), minBar);
        QCOMPARE(form.TrackBar2->Position(), maxBar);
        QCOMPARE(form.ComboBox1->currentIndex(), role);
        QCOMPARE(form.BitBtn1->isEnabled(), next);
        QCOMPARE(form.StringGrid1->Cell(4, 0), QString());
        // Showing and leaving the grid change nothing held.
        LeaveGrid(form);
        QCOMPARE(app.store.TroopTable[0].Min, min);
        QCOMPARE(app.store.TroopTable[0].Max, max);
        QCOMPARE(app.store.TroopTable[0].Type, type);
        QCOMPARE(app.store.TroopTable[0].Chars, QStringLiteral("4,4,,,,,,,"));
    }
};

QTEST_MAIN(SelectTypeTest)
#include "tst_SelectType.moc"
