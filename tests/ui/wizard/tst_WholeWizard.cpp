#include "support/Armies.h"
#include "support/Catalogue.h"
#include "support/GridCells.h"
#include "support/TestWindows.h"
#include "support/Typing.h"
#include "support/WizardSteps.h"
#include "ui/catalogue/Availables.h"
#include "ui/catalogue/New_item.h"
#include "ui/catalogue/Special_Abilities.h"
#include "ui/catalogue/Specials.h"
#include "ui/controls/Buttons.h"
#include "ui/controls/Edit.h"
#include "ui/controls/Grid.h"
#include "ui/controls/ListBox.h"
#include "ui/controls/RadioGroup.h"
#include "ui/controls/TrackBar.h"
#include "ui/main/Main.h"
#include "ui/wizard/RWeaponCosts.h"
#include "ui/wizard/R_Weapons.h"
#include "ui/wizard/SelectType.h"
#include "ui/wizard/SpecialGroups.h"
#include "ui/wizard/St_Weapons.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QPointer>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>

namespace
{

// Plays the user in the program's real modal windows, message boxes and file dialogs: a timer
// watches for the modal window on top, and each one that comes up takes the next step, which
// acts in it through its widgets until it closes. A window that comes up out of turn is closed
// and noted, so the test never hangs.
class RealModals : public QObject
{
public:
    using Act = std::function<void(QWidget&)>;

    RealModals()
    {
        connect(&poll, &QTimer::timeout, this, &RealModals::Look);
        poll.start(10);
    }

    void Expect(const QString& caption, Act act) { steps.push_back({caption, std::move(act)}); }
    // A window that the step being played opens, before any step queued already.
    void ExpectFirst(const QString& caption, Act act)
    {
        steps.push_front({caption, std::move(act)});
    }

    QStringList Seen() const { return seen; }
    QStringList Problems() const
    {
        QStringList all = problems;
        for (const Step& step : steps)
            all << QStringLiteral("never shown: ") + step.caption;
        return all;
    }

private:
    struct Step {
        QString caption;
        Act act;
    };

    void Look()
    {
        QWidget* top = QApplication::activeModalWidget();
        if (!top || !top->isVisible() || acting.contains(top))
            return;
        // A window that has its result is closing: its loop ends once this pass of events does.
        if (auto* form = qobject_cast<FormBase*>(top); form && form->ModalResult() != mrNone)
            return;
        acting << top;
        // The step runs from the event loop, not from inside this timer, so that a modal window
        // it opens is seen in turn.
        QTimer::singleShot(0, this, [this, target = QPointer<QWidget>(top), top] {
            if (target)
                Run(*target);
            acting.removeOne(top);
        });
    }

    void Run(QWidget& window)
    {
        const QString caption = window.windowTitle();
        seen << caption;
        if (steps.empty() || steps.front().caption != caption) {
            problems << QStringLiteral("out of turn: ") + caption;
            window.close();
            return;
        }
        const Act act = std::move(steps.front().act);
        steps.pop_front();
        act(window);
    }

    QTimer poll;
    QList<QWidget*> acting;
    std::deque<Step> steps;
    QStringList seen;
    QStringList problems;
};

void ClickNames(ListBox& box, const QStringList& names)
{
    for (const QString& name : names) {
        const QList<QListWidgetItem*> found =
            box.findItems(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
        QVERIFY2(found.size() == 1, qPrintable(name));
        ClickItem(box, box.row(found.first()));
    }
}

void Pick(RealModals& user, const QString& caption, const QStringList& names)
{
    user.Expect(caption, [names](QWidget& window) {
        auto& picker = static_cast<TForm5&>(window);
        ClickNames(*picker.ListBox1, names);
        QTest::mouseClick(picker.BitBtn1, Qt::LeftButton);
    });
}

void Costs(RealModals& user, const QString& caption, const QStringList& names,
           const QStringList& costs)
{
    user.Expect(caption, [names, costs](QWidget& window) {
        auto& form = static_cast<TForm8&>(window);
        QCOMPARE(Column(*form.StringGrid1, 0), names);
        for (int row = 0; row < costs.size(); ++row)
            TypeOverCell(*form.StringGrid1, 1, row, costs[row]);
        QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
    });
}

void Cost(RealModals& user, const QString& name, const QString& cost, const QString& group,
          bool wholeSquad)
{
    user.Expect(QStringLiteral("Edit Special Ability"),
                [name, cost, group, wholeSquad](QWidget& window) {
                    auto& dialog = static_cast<TForm10&>(window);
                    QCOMPARE(dialog.StringGrid1->Cell(0, 0), name);
                    TypeOverCell(*dialog.StringGrid1, 1, 0, cost);
                    TypeOverCell(*dialog.StringGrid1, 2, 0, group);
                    if (wholeSquad)
                        QTest::mouseClick(dialog.RadioGroup1->Button(1), Qt::LeftButton);
                    QTest::mouseClick(dialog.BitBtn1, Qt::LeftButton);
                });
}

void Click(QPushButton* button)
{
    QVERIFY2(button->isEnabled() && button->isVisible(), qPrintable(button->text()));
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

class WholeWizardTest : public QObject
{
    Q_OBJECT

private slots:
    // One troop built from New to OK with every kind of list, then saved: the datafile must be
    // the hand-written golden file, byte for byte.
    void troopFromNewToDatafile()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString path = folder.filePath(QStringLiteral("vhold.ini"));
        TestWindows app;
        Store& store = app.store;
        // The catalogues as a loaded datafile brings them; one weapon and one ability are made
        // on the way.
        AddLines(store, store.WeaponCatalogue,
                 {"Flame thrower,Template,4,5,Assault 1,Ignores cover",
                  "Frag grenades,6,3,,Assault 1,", "Rifle,24,3,5,Rapid fire,",
                  "Rocket launcher,48,8,3,Heavy 1,"});
        AddLines(store, store.SpecialCatalogue, {"Zeal,Rerolls in assault"});
        RealModals user;

        // Step 1: the army, then New.
        TForm1& main = *app.forms.Form1;
        main.Show();
        QVERIFY(MakeActive(main));
        TypeText(main.Edit1, QStringLiteral("Red Orchard"));
        Click(main.BitBtn1);

        // Step 2: name, points, profile, role and model counts.
        TForm3& step2 = *app.forms.Form3;
        QVERIFY(MakeActive(step2));
        const QStringList row{"Kai Guard", "12", "3", "3", "3", "3", "1", "3", "1", "7", "4"};
        for (int col = 0; col < row.size(); ++col)
            TypeOverCell(*step2.StringGrid1, col, 0, row[col]);
        step2.ComboBox1->setFocus(Qt::TabFocusReason);
        QTest::keyClick(step2.ComboBox1, Qt::Key_Home);
        QTest::keyClick(step2.ComboBox1, Qt::Key_Down);
        QTest::keyClick(step2.ComboBox1, Qt::Key_Down);
        QCOMPARE(step2.ComboBox1->currentText(), QStringLiteral("Troops"));
        step2.TrackBar2->setFocus(Qt::TabFocusReason);
        QTest::keyClick(step2.TrackBar2, Qt::Key_Home);
        for (int i = 1; i < 5; ++i)
            QTest::keyClick(step2.TrackBar2, Qt::Key_Right);
        Click(step2.BitBtn1);

        // Step 3: a standard weapon made on the way with the picker's New.
        TForm4& items = *app.forms.Form4;
        QVERIFY(MakeActive(items));
        QCOMPARE(items.Caption(), QStringLiteral("Standard Weapons"));
        user.Expect(QStringLiteral("Available Weapons"), [&user](QWidget& window) {
            auto& picker = static_cast<TForm5&>(window);
            user.ExpectFirst(QStringLiteral("New Standard Weapon"), [](QWidget& window) {
                auto& editor = static_cast<TForm6&>(window);
                TypeText(editor.Edit1, QStringLiteral("Bolt pistol"));
                const QStringList cells{"12", "4", "5", "Pistol", ""};
                for (int col = 0; col < cells.size(); ++col)
                    TypeOverCell(*editor.StringGrid1, col, 0, cells[col]);
                QTest::mouseClick(editor.BitBtn1, Qt::LeftButton);
            });
            QTest::mouseClick(picker.BitBtn3, Qt::LeftButton);
            ClickNames(*picker.ListBox1, {"Bolt pistol"});
            QTest::mouseClick(picker.BitBtn1, Qt::LeftButton);
        });
        Click(items.BitBtn3);
        Click(items.BitBtn2);

        // Step 4: a rifle that may become a flame thrower or a rocket launcher.
        TForm7& step4 = *app.forms.Form7;
        QVERIFY(MakeActive(step4));
        Pick(user, QStringLiteral("Available Weapons"), {"Rifle"});
        Click(step4.BitBtn1);
        ClickItem(*step4.ListBox1, 0);
        Pick(user, QStringLiteral("Available Weapons"), {"Flame thrower", "Rocket launcher"});
        Costs(user, QStringLiteral("Replace Weapon Costs"), {"Flame thrower", "Rocket launcher"},
              {"6", "10"});
        Click(step4.BitBtn4);
        Click(step4.BitBtn7);

        // Step 5: grenades at 1 point.
        QVERIFY(MakeActive(items));
        QCOMPARE(items.Caption(), QStringLiteral("Additional Weapons"));
        Pick(user, QStringLiteral("Available Weapons"), {"Frag grenades"});
        Costs(user, QStringLiteral("Additional Weapon Costs"), {"Frag grenades"}, {"1"});
        Click(items.BitBtn3);
        Click(items.BitBtn2);

        // Step 6: a new ability and a catalogue one, in two groups, the second for the squad.
        QVERIFY(MakeActive(items));
        QCOMPARE(items.Caption(), QStringLiteral("Special Abilities"));
        user.Expect(QStringLiteral("Available Special Abilities"), [&user](QWidget& window) {
            auto& picker = static_cast<TForm5&>(window);
            user.ExpectFirst(QStringLiteral("Add Special Ability"), [](QWidget& window) {
                auto& editor = static_cast<TForm9&>(window);
                TypeText(editor.Edit1, QStringLiteral("Stubborn"));
                TypeText(editor.Edit2, QStringLiteral("Never falls back"));
                QTest::mouseClick(editor.BitBtn1, Qt::LeftButton);
            });
            QTest::mouseClick(picker.BitBtn3, Qt::LeftButton);
            ClickNames(*picker.ListBox1, {"Zeal", "Stubborn"});
            QTest::mouseClick(picker.BitBtn1, Qt::LeftButton);
        });
        Cost(user, QStringLiteral("Stubborn"), QStringLiteral("5"), QStringLiteral("1"), false);
        Cost(user, QStringLiteral("Zeal"), QStringLiteral("10"), QStringLiteral("2"), true);
        Click(items.BitBtn3);
        QCOMPARE(ListItems(*items.ListBox1), (QStringList{"Stubborn", "Zeal"}));
        Click(items.BitBtn2);

        // Step 7, back to step 6 and on again: the abilities are as stored.
        TForm11& step7 = *app.forms.Form11;
        QVERIFY(MakeActive(step7));
        Click(step7.BitBtn1);
        QVERIFY(MakeActive(items));
        QCOMPARE(items.Caption(), QStringLiteral("Special Abilities"));
        QCOMPARE(ListItems(*items.ListBox1), (QStringList{"Stubborn", "Zeal"}));
        Click(items.BitBtn2);

        // Step 7: two weapons and two abilities a model, one of each group; OK accepts.
        QVERIFY(MakeActive(step7));
        for (Edit* edit : {step7.Edit1, step7.Edit2}) {
            edit->setFocus(Qt::TabFocusReason);
            QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
            TypeText(edit, QStringLiteral("2"));
        }
        for (int row = 0; row < 2; ++row)
            TypeOverCell(*step7.StringGrid1, 2, row, QStringLiteral("1"));
        Click(step7.BitBtn2);
        QCOMPARE(store.TroopCount, 1);
        QCOMPARE(store.CurrentTroop, 1);
        QVERIFY(main.isVisible());
        for (QWidget* step : {static_cast<QWidget*>(&step2), static_cast<QWidget*>(&items),
                              static_cast<QWidget*>(&step4), static_cast<QWidget*>(&step7)})
            QVERIFY(!step->isVisible());

        // Save, through the real file dialog.
        user.Expect(QStringLiteral("Save the datafile"), [path](QWidget& window) {
            auto& dialog = static_cast<QFileDialog&>(window);
            dialog.selectFile(path);
            QMetaObject::invokeMethod(&dialog, "accept");
        });
        QVERIFY(MakeActive(main));
        Click(main.BitBtn3);

        QVERIFY2(user.Problems().isEmpty(), qPrintable(user.Problems().join(u'\n')));
        const QStringList seen{
            "Available Weapons",       "New Standard Weapon",         "Available Weapons",
            "Available Weapons",       "Replace Weapon Costs",        "Available Weapons",
            "Additional Weapon Costs", "Available Special Abilities", "Add Special Ability",
            "Edit Special Ability",    "Edit Special Ability",        "Save the datafile"};
        QCOMPARE(user.Seen(), seen);
        const QByteArray written = ReadBytes(path);
        const QByteArray golden = ReadBytes(TestData(QStringLiteral("golden-wizard.ini")));
        QVERIFY(!golden.isEmpty());
        QCOMPARE(QString::fromLatin1(written).split(u'\n'),
                 QString::fromLatin1(golden).split(u'\n'));
        QCOMPARE(written, golden);
    }
};

QTEST_MAIN(WholeWizardTest)
#include "tst_WholeWizard.moc"
