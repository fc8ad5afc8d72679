#include "support/Armies.h"
#include "support/Catalogue.h"
#include "support/GridCells.h"
#include "support/TestWindows.h"
#include "support/Typing.h"
#include "support/WizardSteps.h"
#include "support/pages/AbilityCostsDialogPage.h"
#include "support/pages/AbilityEditorPage.h"
#include "support/pages/CharacteristicsStepPage.h"
#include "support/pages/FoundControl.h"
#include "support/pages/ItemListStepPage.h"
#include "support/pages/PickerPage.h"
#include "support/pages/ReplaceableWeaponsStepPage.h"
#include "support/pages/RestrictionsStepPage.h"
#include "support/pages/WeaponCostsDialogPage.h"
#include "support/pages/WeaponEditorPage.h"
#include "ui/catalogue/AbilityCostsDialog.h"
#include "ui/catalogue/AbilityEditor.h"
#include "ui/catalogue/Picker.h"
#include "ui/catalogue/WeaponEditor.h"
#include "ui/controls/Button.h"
#include "ui/controls/Grid.h"
#include "ui/controls/LineEdit.h"
#include "ui/controls/RadioGroup.h"
#include "ui/controls/Slider.h"
#include "ui/controls/SortedListWidget.h"
#include "ui/controls/StatusBar.h"
#include "ui/main/MainWindow.h"
#include "ui/wizard/CharacteristicsStep.h"
#include "ui/wizard/ItemListStep.h"
#include "ui/wizard/ReplaceableWeaponsStep.h"
#include "ui/wizard/RestrictionsStep.h"
#include "ui/wizard/WeaponCostsDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
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
        connect(&poll, &QTimer::timeout, this, &RealModals::look);
        poll.start(10);
    }

    void expect(const QString& caption, Act act) { steps.push_back({caption, std::move(act)}); }
    // A window that the step being played opens, before any step queued already.
    void expectFirst(const QString& caption, Act act)
    {
        steps.push_front({caption, std::move(act)});
    }

    QStringList seen() const { return seenCaptions; }
    QStringList problems() const
    {
        QStringList all = problemList;
        for (const Step& step : steps)
            all << QStringLiteral("never shown: ") + step.caption;
        return all;
    }

private:
    struct Step {
        QString caption;
        Act act;
    };

    void look()
    {
        QWidget* top = QApplication::activeModalWidget();
        if (!top || !top->isVisible() || acting.contains(top))
            return;
        // A window that has its result is closing: its loop ends once this pass of events does.
        if (auto* shown = qobject_cast<QDialog*>(top); shown && shown->result() != 0)
            return;
        acting << top;
        // The step runs from the event loop, not from inside this timer, so that a modal window
        // it opens is seen in turn.
        QTimer::singleShot(0, this, [this, target = QPointer<QWidget>(top), top] {
            if (target)
                run(*target);
            acting.removeOne(top);
        });
    }

    void run(QWidget& window)
    {
        const QString caption = window.windowTitle();
        seenCaptions << caption;
        if (steps.empty() || steps.front().caption != caption) {
            problemList << QStringLiteral("out of turn: ") + caption;
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
    QStringList seenCaptions;
    QStringList problemList;
};

void clickNames(SortedListWidget& box, const QStringList& names)
{
    for (const QString& name : names) {
        const int row = box.indexOf(name);
        QVERIFY2(row >= 0, qPrintable(name));
        clickItem(box, row);
    }
}

void pick(RealModals& user, const QString& caption, const QStringList& names)
{
    user.expect(caption, [names](QWidget& window) {
        PickerPage picker(static_cast<Picker&>(window));
        clickNames(*picker.itemList, names);
        QTest::mouseClick(picker.okButton, Qt::LeftButton);
    });
}

void costs(RealModals& user, const QString& caption, const QStringList& names,
           const QStringList& costs)
{
    user.expect(caption, [names, costs](QWidget& window) {
        WeaponCostsDialogPage dialog(static_cast<WeaponCostsDialog&>(window));
        QCOMPARE(column(*dialog.costGrid, 0), names);
        for (int row = 0; row < costs.size(); ++row)
            typeOverCell(*dialog.costGrid, 1, row, costs[row]);
        QTest::mouseClick(dialog.okButton, Qt::LeftButton);
    });
}

void cost(RealModals& user, const QString& name, const QString& cost, const QString& group,
          bool wholeSquad)
{
    user.expect(QStringLiteral("Edit Special Ability"),
                [name, cost, group, wholeSquad](QWidget& window) {
                    AbilityCostsDialogPage dialog(static_cast<AbilityCostsDialog&>(window));
                    QCOMPARE(dialog.abilityGrid->cell(0, 0), name);
                    typeOverCell(*dialog.abilityGrid, 1, 0, cost);
                    typeOverCell(*dialog.abilityGrid, 2, 0, group);
                    if (wholeSquad)
                        QTest::mouseClick(dialog.scopeChoice->button(1), Qt::LeftButton);
                    QTest::mouseClick(dialog.okButton, Qt::LeftButton);
                });
}

void click(QPushButton* button)
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
        // The catalogues as a loaded datafile brings them; one weapon and one ability are made
        // on the way.
        app.setUp([](Store& army) {
            addLines(army, army.weaponCatalogue,
                     {"Flame thrower,Template,4,5,Assault 1,Ignores cover",
                      "Frag grenades,6,3,,Assault 1,", "Rifle,24,3,5,Rapid fire,",
                      "Rocket launcher,48,8,3,Heavy 1,"});
            addLines(army, army.abilityCatalogue, {"Zeal,Rerolls in assault"});
        });
        RealModals user;

        // Step 1: the army, then New.
        MainWindow& main = app.mainWindow;
        main.showAndActivate();
        QVERIFY(makeActive(main));
        typeText(foundControl<LineEdit>(main, "armyNameEdit"), QStringLiteral("Red Orchard"));
        click(foundControl<Button>(main, "newTroopButton"));

        // Step 2: name, points, profile, role and model counts.
        CharacteristicsStep& step2 = *app.wizard.characteristicsStep();
        QVERIFY(makeActive(step2));
        CharacteristicsStepPage page2(step2);
        const QStringList profile{"Kai Guard", "12", "3", "3", "3", "3", "1", "3", "1", "7", "4"};
        for (int col = 0; col < profile.size(); ++col)
            typeOverCell(*page2.troopGrid, col, 0, profile[col]);
        page2.roleComboBox->setFocus(Qt::TabFocusReason);
        QTest::keyClick(page2.roleComboBox, Qt::Key_Home);
        QTest::keyClick(page2.roleComboBox, Qt::Key_Down);
        QTest::keyClick(page2.roleComboBox, Qt::Key_Down);
        QCOMPARE(page2.roleComboBox->currentText(), QStringLiteral("Troops"));
        page2.maxModelsSlider->setFocus(Qt::TabFocusReason);
        QTest::keyClick(page2.maxModelsSlider, Qt::Key_Home);
        for (int i = 1; i < 5; ++i)
            QTest::keyClick(page2.maxModelsSlider, Qt::Key_Right);
        click(page2.nextButton);

        // Step 3: a standard weapon made on the way with the picker's New.
        ItemListStep& items = *app.wizard.itemListStep();
        QVERIFY(makeActive(items));
        ItemListStepPage itemsPage(items);
        QCOMPARE(items.windowTitle(), QStringLiteral("Standard Weapons"));
        user.expect(QStringLiteral("Available Weapons"), [&user](QWidget& window) {
            PickerPage picker(static_cast<Picker&>(window));
            user.expectFirst(QStringLiteral("New Standard Weapon"), [](QWidget& opened) {
                WeaponEditorPage editor(static_cast<WeaponEditor&>(opened));
                typeText(editor.nameEdit, QStringLiteral("Bolt pistol"));
                const QStringList cells{"12", "4", "5", "Pistol", ""};
                for (int col = 0; col < cells.size(); ++col)
                    typeOverCell(*editor.detailsGrid, col, 0, cells[col]);
                QTest::mouseClick(editor.okButton, Qt::LeftButton);
            });
            QTest::mouseClick(picker.newButton, Qt::LeftButton);
            QTest::mouseClick(picker.okButton, Qt::LeftButton);
        });
        click(itemsPage.addButton);
        click(itemsPage.nextButton);

        // Step 4: a rifle that may become a flame thrower or a rocket launcher.
        ReplaceableWeaponsStepPage step4(*app.wizard.replaceableWeaponsStep());
        QVERIFY(makeActive(step4.window));
        pick(user, QStringLiteral("Available Weapons"), {"Rifle"});
        click(step4.addReplaceableButton);
        clickItem(*step4.replaceableList, 0);
        pick(user, QStringLiteral("Available Weapons"), {"Flame thrower", "Rocket launcher"});
        costs(user, QStringLiteral("Replace Weapon Costs"), {"Flame thrower", "Rocket launcher"},
              {"6", "10"});
        click(step4.addReplacementButton);
        click(step4.nextButton);

        // Step 5: grenades at 1 point.
        QVERIFY(makeActive(items));
        QCOMPARE(items.windowTitle(), QStringLiteral("Additional Weapons"));
        pick(user, QStringLiteral("Available Weapons"), {"Frag grenades"});
        costs(user, QStringLiteral("Additional Weapon Costs"), {"Frag grenades"}, {"1"});
        click(itemsPage.addButton);
        click(itemsPage.nextButton);

        // Step 6: a new ability and a catalogue one, in two groups, the second for the squad.
        QVERIFY(makeActive(items));
        QCOMPARE(items.windowTitle(), QStringLiteral("Special Abilities"));
        user.expect(QStringLiteral("Available Special Abilities"), [&user](QWidget& window) {
            PickerPage picker(static_cast<Picker&>(window));
            user.expectFirst(QStringLiteral("Add Special Ability"), [](QWidget& opened) {
                AbilityEditorPage editor(static_cast<AbilityEditor&>(opened));
                typeText(editor.nameEdit, QStringLiteral("Stubborn"));
                typeText(editor.descriptionEdit, QStringLiteral("Never falls back"));
                QTest::mouseClick(editor.okButton, Qt::LeftButton);
            });
            QTest::mouseClick(picker.newButton, Qt::LeftButton);
            clickNames(*picker.itemList, {"Zeal"});
            QTest::mouseClick(picker.okButton, Qt::LeftButton);
        });
        cost(user, QStringLiteral("Stubborn"), QStringLiteral("5"), QStringLiteral("1"), false);
        cost(user, QStringLiteral("Zeal"), QStringLiteral("10"), QStringLiteral("2"), true);
        click(itemsPage.addButton);
        QCOMPARE(listItems(*itemsPage.itemList), (QStringList{"Stubborn", "Zeal"}));
        click(itemsPage.nextButton);

        // Step 7, back to step 6 and on again: the abilities are as stored.
        RestrictionsStepPage step7(*app.wizard.restrictionsStep());
        QVERIFY(makeActive(step7.window));
        click(step7.previousButton);
        QVERIFY(makeActive(items));
        QCOMPARE(items.windowTitle(), QStringLiteral("Special Abilities"));
        QCOMPARE(listItems(*itemsPage.itemList), (QStringList{"Stubborn", "Zeal"}));
        click(itemsPage.nextButton);

        // Step 7: two weapons and two abilities a model, one of each group; OK accepts.
        QVERIFY(makeActive(step7.window));
        for (LineEdit* edit : {step7.weaponLimitEdit, step7.abilityLimitEdit}) {
            edit->setFocus(Qt::TabFocusReason);
            QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
            typeText(edit, QStringLiteral("2"));
        }
        for (int row = 0; row < 2; ++row)
            typeOverCell(*step7.groupGrid, 2, row, QStringLiteral("1"));
        click(step7.okButton);
        QCOMPARE(app.army().troopCount, 1);
        QCOMPARE(app.wizard.slot(), 1);
        QVERIFY(main.isVisible());
        QCOMPARE(foundControl<StatusBar>(main, "statusBar")->panelText(1),
                 QStringLiteral("Total Squads: 1"));
        for (QWidget* step :
             {static_cast<QWidget*>(&step2), static_cast<QWidget*>(&items),
              static_cast<QWidget*>(&step4.window), static_cast<QWidget*>(&step7.window)})
            QVERIFY(!step->isVisible());

        // Save, through the real file dialog: the user types the whole path into the name
        // field and presses Enter. Under Wine that dialog, opened here, leaves the test's process
        // hanging once the test has ended, so there the army is saved without it (the Save
        // button's dialog is tried under Wine by the save and load tests).
        QStringList seen{
            "Available Weapons",       "New Standard Weapon",         "Available Weapons",
            "Available Weapons",       "Replace Weapon Costs",        "Available Weapons",
            "Additional Weapon Costs", "Available Special Abilities", "Add Special Ability",
            "Edit Special Ability",    "Edit Special Ability"};
#ifdef Q_OS_WIN
        QVERIFY(app.document.saveAs(path, nullptr));
#else
        user.expect(QStringLiteral("Save the datafile"), [path](QWidget& window) {
            auto* name = foundControl<QLineEdit>(window, "fileNameEdit");
            name->setText(path);
            QTest::keyClick(name, Qt::Key_Return);
        });
        QVERIFY(makeActive(main));
        click(foundControl<Button>(main, "saveButton"));
        seen << QStringLiteral("Save the datafile");
#endif
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QCOMPARE(user.seen(), seen);
        const QByteArray written = readBytes(path);
        const QByteArray golden = readBytes(testData(QStringLiteral("golden-wizard.ini")));
        QVERIFY(!golden.isEmpty());
        QCOMPARE(QString::fromLatin1(written).split(u'\n'),
                 QString::fromLatin1(golden).split(u'\n'));
        QCOMPARE(written, golden);
    }
};

QTEST_MAIN(WholeWizardTest)
#include "tst_WholeWizard.moc"
