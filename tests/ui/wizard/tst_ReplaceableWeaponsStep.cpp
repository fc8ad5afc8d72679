#include "store/LineOps.h"
#include "support/Armies.h"
#include "support/Catalogue.h"
#include "support/ScriptedUser.h"
#include "support/TestWindows.h"
#include "support/WizardSteps.h"
#include "support/pages/PickerPage.h"
#include "support/pages/ReplaceableWeaponsStepPage.h"
#include "support/pages/WeaponEditorPage.h"
#include "ui/catalogue/Picker.h"
#include "ui/catalogue/WeaponEditor.h"
#include "ui/controls/Button.h"
#include "ui/controls/Grid.h"
#include "ui/controls/LineEdit.h"
#include "ui/controls/SortedListWidget.h"
#include "ui/controls/StatusBar.h"
#include "ui/wizard/ItemListStep.h"
#include "ui/wizard/ReplaceableWeaponsStep.h"

#include <QLabel>
#include <QTest>

Q_DECLARE_METATYPE(WizardStep)

namespace
{

const QString deleteReplaceable =
    QStringLiteral("*** DELETE WEAPON ***|Are you sure you want to delete the replaceable weapon?");
const QString removeReplace =
    QStringLiteral("*** DELETE WEAPON ***|Are you sure you want to remove the replace weapon?");

// Step 4 on the new troop in slot 0, as step 3's Next shows it. The troop begins as the one the
// document keeps unfinished.
ReplaceableWeaponsStepPage enter(TestWindows& app, const QStringList& lines = {},
                                 bool sorted = true)
{
    app.setUp([&](Store& army) {
        for (const char* entry :
             {"Flame thrower,,,,,", "Las,24,3,,Rapid,", "Las cannon,48,9,2,Heavy,", "Pistol,,,,,",
              "Rifle,24,3,5,Rapid,", "Rocket launcher,,,,,"})
            army.weaponCatalogue->add(QString::fromLatin1(entry));
        army.army.name = QStringLiteral("RED ORCHARD");
        army.troops[0].name = QStringLiteral("Kai");
        if (!lines.isEmpty())
            addLines(army, army.troops[0].replaceableWeapons, lines, sorted);
    });
    app.document.setUnfinishedTroop(app.army().troops[0]);
    auto& step = static_cast<ReplaceableWeaponsStep&>(app.openStep(WizardStep::ReplaceableWeapons));
    makeActive(step);
    return ReplaceableWeaponsStepPage(step);
}

QStringList rLines(TestWindows& app)
{
    return linesOf(app.army().troops[0].replaceableWeapons.get());
}

// Which of left Del, left Edit, right Add, right Del and right Edit are enabled.
QString buttons(const ReplaceableWeaponsStepPage& step)
{
    QString state;
    for (const Button* button :
         {step.deleteReplaceableButton, step.editReplaceableButton, step.addReplacementButton,
          step.deleteReplacementButton, step.editCostsButton})
        state += button->isEnabled() ? u'1' : u'0';
    return state;
}

void checkUser(const ScriptedUser& user)
{
    QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
}

} // namespace

class ReplaceableWeaponsStepTest : public QObject
{
    Q_OBJECT

private slots:
    // A weapon's line is built from its replace weapons and their costs, and taken apart again
    // one replace weapon at a time; a later weapon keeps the first one's line.
    void lineBuiltAndTakenApart()
    {
        TestWindows app;
        ScriptedUser user;
        ReplaceableWeaponsStepPage step = enter(app);
        QCOMPARE(step.window.windowTitle(), QStringLiteral("Replaceable Weapons"));
        QCOMPARE(buttons(step), QStringLiteral("00000"));
        QCOMPARE(step.statusBar->panelText(0), QStringLiteral("RED ORCHARD"));
        QCOMPARE(step.statusBar->panelText(1), QStringLiteral("Kai"));
        QVERIFY(app.army().troops[0].replaceableWeapons != nullptr);

        pickNames(user, {"Rifle"});
        QTest::mouseClick(step.addReplaceableButton, Qt::LeftButton);
        QCOMPARE(rLines(app), QStringList{"Rifle"});
        clickItem(*step.replaceableList, 0);
        QCOMPARE(buttons(step), QStringLiteral("11100"));

        pickNames(user, {"Flame thrower", "Rocket launcher"});
        CostsSeen seen;
        typeCosts(user, {"6", "10"}, &seen);
        QTest::mouseClick(step.addReplacementButton, Qt::LeftButton);
        QCOMPARE(seen.caption, QStringLiteral("Replace Weapon Costs"));
        QCOMPARE(seen.names, (QStringList{"Flame thrower", "Rocket launcher"}));
        QCOMPARE(seen.costs, (QStringList{"0", "0"}));
        QCOMPARE(rLines(app), QStringList{"Rifle,Flame thrower,6,Rocket launcher,10"});
        QCOMPARE(listItems(*step.replacementList),
                 (QStringList{"Flame thrower,6", "Rocket launcher,10"}));

        pickNames(user, {"Pistol"});
        QTest::mouseClick(step.addReplaceableButton, Qt::LeftButton);
        QCOMPARE(rLines(app), (QStringList{"Pistol", "Rifle,Flame thrower,6,Rocket launcher,10"}));
        QCOMPARE(listItems(*step.replaceableList), (QStringList{"Pistol", "*Rifle"}));

        for (const char* left : {"Rifle,Rocket launcher,10", "Rifle"}) {
            clickItem(*step.replacementList, 0);
            QVERIFY(step.deleteReplacementButton->isEnabled());
            user.answer(QMessageBox::Yes);
            QTest::mouseClick(step.deleteReplacementButton, Qt::LeftButton);
            QCOMPARE(rLines(app), (QStringList{"Pistol", left}));
        }
        QCOMPARE(buttons(step), QStringLiteral("11100"));
        QCOMPARE(user.messages(), (QStringList{removeReplace, removeReplace}));
        checkUser(user);
    }

    // A replace weapon's cost is stored as the whole number its leading digits give.
    void replaceCosts_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("line");
        QTest::newRow("empty") << ""
                               << "Rifle,Las,0";
        QTest::newRow("6 points") << "6 points"
                                  << "Rifle,Las,6";
        QTest::newRow("1,5") << "1,5"
                             << "Rifle,Las,1";
    }
    void replaceCosts()
    {
        QFETCH(QString, typed);
        QFETCH(QString, line);
        TestWindows app;
        ScriptedUser user;
        ReplaceableWeaponsStepPage step = enter(app, {"Rifle,Las,4"});
        clickItem(*step.replaceableList, 0);
        typeCosts(user, {typed});
        QTest::mouseClick(step.editCostsButton, Qt::LeftButton);
        checkUser(user);
        QCOMPARE(rLines(app), QStringList{line});
        QCOMPARE(listItems(*step.replacementList),
                 QStringList{field(line, 2) + ',' + field(line, 3)});
    }

    // The last replaceable weapon takes the troop's list with it; Add makes it again.
    void leftDelOfTheLastWeapon()
    {
        TestWindows app;
        ScriptedUser user;
        ReplaceableWeaponsStepPage step = enter(app, {"Rifle,Las,2"});
        clickItem(*step.replaceableList, 0);
        QCOMPARE(listItems(*step.replacementList), QStringList{"Las,2"});
        user.answer(QMessageBox::No);
        QTest::mouseClick(step.deleteReplaceableButton, Qt::LeftButton);
        QCOMPARE(rLines(app), QStringList{"Rifle,Las,2"});
        user.answer(QMessageBox::Yes);
        QTest::mouseClick(step.deleteReplaceableButton, Qt::LeftButton);
        QVERIFY(app.army().troops[0].replaceableWeapons == nullptr);
        QCOMPARE(step.replaceableList->count() + step.replacementList->count(), 0);
        QCOMPARE(buttons(step), QStringLiteral("00000"));
        pickNames(user, {"Las"});
        QTest::mouseClick(step.addReplaceableButton, Qt::LeftButton);
        QCOMPARE(rLines(app), QStringList{"Las"});
        QCOMPARE(user.messages(), (QStringList{deleteReplaceable, deleteReplaceable}));
        checkUser(user);
    }

    // A weapon whose line is missing (another weapon's line differs from its name only in
    // letter case, or the line went while the window showed it) never fails: right Del and the
    // costs rebuild its line, left Del removes the name alone.
    void missingLine_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("stored");
        QTest::newRow("right Add on a name in other letter case")
            << "case" << QStringList{"Rifle", "rifle,Las,3"};
        QTest::newRow("right Del, line gone") << "rightDel" << QStringList{"Rifle"};
        QTest::newRow("right Edit, line gone") << "rightEdit" << QStringList{"Rifle,Pistol,4"};
        QTest::newRow("left Del, list gone") << "leftDel" << QStringList();
    }
    void missingLine()
    {
        QFETCH(QString, action);
        QFETCH(QStringList, stored);
        TestWindows app;
        ScriptedUser user;
        const bool otherCase = action == QLatin1String("case");
        ReplaceableWeaponsStepPage step = enter(app, {otherCase ? "Rifle" : "Rifle,Pistol,1"});
        if (otherCase) {
            app.setUp([](Store& army) { army.weaponCatalogue->add(QStringLiteral("rifle,,,,,")); });
            pickNames(user, {"rifle"});
            QTest::mouseClick(step.addReplaceableButton, Qt::LeftButton);
            QCOMPARE(listItems(*step.replaceableList), (QStringList{"Rifle", "rifle"}));
            QCOMPARE(rLines(app), QStringList{"Rifle"});
            clickItem(*step.replaceableList, 1);
            QCOMPARE(step.replacementList->count(), 0);
            pickNames(user, {"Las"});
            typeCosts(user, {"3"});
            QTest::mouseClick(step.addReplacementButton, Qt::LeftButton);
        } else {
            clickItem(*step.replaceableList, 0);
            clickItem(*step.replacementList, 0);
            const bool listGone = action == QLatin1String("leftDel");
            app.setUp([listGone](Store& army) {
                Troop& troop = army.troops[0];
                if (listGone)
                    troop.replaceableWeapons.reset();
                else
                    troop.replaceableWeapons->removeAt(0);
            });
            if (action == QLatin1String("rightEdit")) {
                typeCosts(user, {"4"});
                QTest::mouseClick(step.editCostsButton, Qt::LeftButton);
            } else {
                user.answer(QMessageBox::Yes);
                QTest::mouseClick(action == QLatin1String("leftDel") ? step.deleteReplaceableButton
                                                                     : step.deleteReplacementButton,
                                  Qt::LeftButton);
            }
        }
        checkUser(user);
        QCOMPARE(rLines(app), stored);
    }

    // Every replace weapon of a long loaded line is listed, so that editing the costs or
    // removing one of them keeps all the others.
    void longLoadedLine_data()
    {
        QTest::addColumn<bool>("remove");
        QTest::newRow("costs edited") << false;
        QTest::newRow("one removed") << true;
    }
    void longLoadedLine()
    {
        QFETCH(bool, remove);
        QStringList pairs;
        for (int i = 0; i < 130; ++i)
            pairs << QStringLiteral("W%1,%2").arg(i, 3, 10, QLatin1Char('0')).arg(i);
        TestWindows app;
        ScriptedUser user;
        ReplaceableWeaponsStepPage step = enter(app, {"Rifle," + pairs.join(u',')}, false);
        clickItem(*step.replaceableList, 0);
        QCOMPARE(listItems(*step.replacementList), pairs);
        if (remove) {
            clickItem(*step.replacementList, 0);
            user.answer(QMessageBox::Yes);
            QTest::mouseClick(step.deleteReplacementButton, Qt::LeftButton);
            pairs.removeFirst();
        } else {
            typeCosts(user, {"7"});
            QTest::mouseClick(step.editCostsButton, Qt::LeftButton);
            pairs[0] = QStringLiteral("W000,7");
        }
        checkUser(user);
        QCOMPARE(rLines(app), QStringList{"Rifle," + pairs.join(u',')});
    }

    // Left Edit opens the weapon's own catalogue entry, never one whose name merely begins the
    // same way, and replaces only that entry. A weapon the catalogue lacks opens on the cells the
    // editor last showed and is added; a new weapon's name can be typed again afterwards.
    void leftEditOwnEntry()
    {
        TestWindows app;
        ScriptedUser user;
        ReplaceableWeaponsStepPage step = enter(app, {"Ghost", "Las"});
        clickItem(*step.replaceableList, 1);
        user.windowOf<WeaponEditor>([](WeaponEditor& editor) {
            WeaponEditorPage editorPage(editor);
            QCOMPARE(editor.windowTitle(), QStringLiteral("Edit Replace Weapon"));
            QCOMPARE(editorPage.nameLabel->text(), QStringLiteral("Replace Weapon name"));
            QCOMPARE(editorPage.nameEdit->text(), QStringLiteral("Las"));
            QVERIFY(editorPage.nameEdit->isReadOnly());
            QCOMPARE(editorPage.detailsGrid->cell(0, 0), QStringLiteral("24"));
            makeActive(editor);
            typeOverCell(*editorPage.detailsGrid, 0, 0, QStringLiteral("30"));
            QTest::mouseClick(editorPage.okButton, Qt::LeftButton);
        });
        QTest::mouseClick(step.editReplaceableButton, Qt::LeftButton);
        checkUser(user);
        QStringList catalogue = app.army().weaponCatalogue->lines();
        QVERIFY(catalogue.contains(QStringLiteral("Las,30,3,,Rapid,")));
        QVERIFY(catalogue.contains(QStringLiteral("Las cannon,48,9,2,Heavy,")));
        QCOMPARE(catalogue.size(), 6);
        QCOMPARE(listItems(*step.replaceableList), (QStringList{"Ghost", "*Las"}));

        clickItem(*step.replaceableList, 0);
        user.windowOf<WeaponEditor>([](WeaponEditor& editor) {
            WeaponEditorPage editorPage(editor);
            QCOMPARE(editorPage.nameEdit->text(), QStringLiteral("Ghost"));
            QVERIFY(editorPage.nameEdit->isReadOnly());
            QCOMPARE(editor.cells(), (QStringList{"30", "3", "", "Rapid", ""}));
            QTest::mouseClick(editorPage.okButton, Qt::LeftButton);
        });
        QTest::mouseClick(step.editReplaceableButton, Qt::LeftButton);
        checkUser(user);
        catalogue = app.army().weaponCatalogue->lines();
        QVERIFY(catalogue.contains(QStringLiteral("Ghost,30,3,,Rapid,")));

        user.windowOf<Picker>([&user](Picker& picker) {
            PickerPage pickerPage(picker);
            user.windowOf<WeaponEditor>([](WeaponEditor& editor) {
                WeaponEditorPage editorPage(editor);
                QVERIFY(!editorPage.nameEdit->isReadOnly());
                QTest::mouseClick(editorPage.cancelButton, Qt::LeftButton);
            });
            QTest::mouseClick(pickerPage.newButton, Qt::LeftButton);
            QTest::mouseClick(pickerPage.cancelButton, Qt::LeftButton);
        });
        QTest::mouseClick(step.addReplaceableButton, Qt::LeftButton);
        checkUser(user);
        QCOMPARE(user.stepsLeft(), 0);
    }

    // Previous goes to the standard weapons; Next, Enter and Esc go on to the additional weapons.
    void leaving_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<WizardStep>("next");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Previous") << "previous" << WizardStep::StandardWeapons
                                  << "Standard Weapons";
        QTest::newRow("Next") << "next" << WizardStep::AdditionalWeapons << "Additional Weapons";
        QTest::newRow("Enter") << "enter" << WizardStep::AdditionalWeapons << "Additional Weapons";
        QTest::newRow("Esc") << "esc" << WizardStep::AdditionalWeapons << "Additional Weapons";
    }
    void leaving()
    {
        QFETCH(QString, how);
        QFETCH(WizardStep, next);
        QFETCH(QString, caption);
        TestWindows app;
        ReplaceableWeaponsStepPage step = enter(app, {"Rifle"});
        clickItem(*step.replaceableList, 0);
        if (how == QLatin1String("previous"))
            QTest::mouseClick(step.previousButton, Qt::LeftButton);
        else if (how == QLatin1String("next"))
            QTest::mouseClick(step.nextButton, Qt::LeftButton);
        else
            QTest::keyClick(step.replaceableList,
                            how == QLatin1String("enter") ? Qt::Key_Return : Qt::Key_Escape);
        QVERIFY(!step.window.isVisible());
        QVERIFY(app.wizard.itemListStep()->isVisible());
        QCOMPARE(app.wizard.currentStep(), next);
        QCOMPARE(app.wizard.itemListStep()->windowTitle(), caption);
    }
};

QTEST_MAIN(ReplaceableWeaponsStepTest)
#include "tst_ReplaceableWeaponsStep.moc"
