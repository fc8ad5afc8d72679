#include "store/ComVars.h"
#include "support/ScriptedUser.h"
#include "support/TestWindows.h"
#include "ui/catalogue/Availables.h"
#include "ui/catalogue/New_item.h"
#include "ui/catalogue/Special_Abilities.h"
#include "ui/catalogue/Specials.h"
#include "ui/controls/Buttons.h"
#include "ui/help/HelpWindow.h"
#include "ui/main/EditIndex.h"
#include "ui/main/Main.h"
#include "ui/wizard/RWeaponCosts.h"
#include "ui/wizard/R_Weapons.h"
#include "ui/wizard/SelectType.h"
#include "ui/wizard/SpecialGroups.h"
#include "ui/wizard/St_Weapons.h"

#include <QTest>
#include <functional>

namespace
{

// Shows a window as a user reaches it and yields its help button.
using Opener = std::function<QPushButton*(TestWindows&)>;

template <typename Window> QPushButton* ShowAndHelp(Window* window, QPushButton* help)
{
    window->Show();
    return help;
}

const QList<std::pair<const char*, Opener>>& Openers()
{
    static const QList<std::pair<const char*, Opener>> openers = {
        {"main window",
         [](TestWindows& t) {
             return ShowAndHelp(t.forms.Form1, t.forms.Form1->BitBtn6);
         }},
        {"step 2",
         [](TestWindows& t) {
             return ShowAndHelp(t.forms.Form3, t.forms.Form3->BitBtn6);
         }},
        {"step 3",
         [](TestWindows& t) {
             t.store.ListMode = 0;
             return ShowAndHelp(t.forms.Form4, t.forms.Form4->BitBtn6);
         }},
        {"step 4",
         [](TestWindows& t) {
             return ShowAndHelp(t.forms.Form7, t.forms.Form7->BitBtn9);
         }},
        {"step 5",
         [](TestWindows& t) {
             t.store.ListMode = 1;
             return ShowAndHelp(t.forms.Form4, t.forms.Form4->BitBtn6);
         }},
        {"step 6",
         [](TestWindows& t) {
             t.store.ListMode = 2;
             return ShowAndHelp(t.forms.Form4, t.forms.Form4->BitBtn6);
         }},
        {"step 7",
         [](TestWindows& t) {
             return ShowAndHelp(t.forms.Form11, t.forms.Form11->BitBtn6);
         }},
        {"ability editor",
         [](TestWindows& t) {
             return ShowAndHelp(t.forms.Form9, t.forms.Form9->BitBtn6);
         }},
        {"ability costing",
         [](TestWindows& t) {
             return ShowAndHelp(t.forms.Form10, t.forms.Form10->BitBtn6);
         }},
        {"troop selection",
         [](TestWindows& t) {
             return ShowAndHelp(t.forms.Form12, t.forms.Form12->BitBtn6);
         }},
        {"weapon editor",
         [](TestWindows& t) {
             return ShowAndHelp(t.forms.Form6, t.forms.Form6->BitBtn6);
         }},
        {"picker",
         [](TestWindows& t) {
             return ShowAndHelp(t.forms.Form5, t.forms.Form5->BitBtn6);
         }},
        {"costs window",
         [](TestWindows& t) {
             return ShowAndHelp(t.forms.Form8, t.forms.Form8->BitBtn6);
         }},
    };
    return openers;
}

} // namespace

class HelpButtonsTest : public QObject
{
    Q_OBJECT
private slots:
    void everyHelpButtonOpensItsHelp_data()
    {
        QTest::addColumn<int>("opener");
        QTest::addColumn<bool>("window");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("text");
        const QList<std::tuple<bool, const char*, const char*>> expected = {
            {true, "Help on the Main Window", ""},
            {true, "Help on Step 2: fill in the characteristics of a unit", ""},
            {true, "Help on Step3: Standard Weapons", ""},
            {true, "Help on Step 4: Replaceable Weapons", ""},
            {true, "Help on Step 5: Additional Weapons", ""},
            {true, "Help on Step 6: Special Abilities", ""},
            {true, "Help on Step 7: Restrictions", ""},
            {true, "Help on Add Special Ability", ""},
            {true, "Help on Add or Edit a Special Ability", ""},
            {false, "Help on Edit Squads",
             "Just choose the squad you want to edit from the given list and click the Ok button"},
            {false, "Help on Add/Edit a Weapon",
             "Fill in the name and the characteristics of the weapon. If you edit an existing "
             "weapon, you cannot change its name. This is done for safety reasons so you don't "
             "loose track of the weapon in other squads"},
            {false, "Help on Available Weapons and Special Abilities",
             "The list displays the available weapons/abilities. Choose one or more from the list "
             "and click the OK button.\n\nIf the list does not show the desired weapon/ability "
             "then click on the New button to create a new item.\n\nSelect one item and click on "
             "the Edit button to edit the item.\nNote: Only the first selected item can be "
             "edited.\n"},
            {false, "Help on Weapon Costs",
             "Fill in the point costs of all given weapons and click on the Ok button"},
        };
        for (int i = 0; i < Openers().size(); ++i) {
            const auto& [window, caption, text] = expected[i];
            QTest::newRow(Openers()[i].first)
                << i << window << QString::fromUtf8(caption) << QString::fromUtf8(text);
        }
    }
    void everyHelpButtonOpensItsHelp()
    {
        QFETCH(int, opener);
        QFETCH(bool, window);
        QFETCH(QString, caption);
        QFETCH(QString, text);
        TestWindows app;
        ScriptedUser user;
        QPushButton* help = Openers()[opener].second(app);
        QVERIFY(help->isEnabled());
        QWidget* opened = nullptr;
        if (window) {
            user.Window([&opened](QWidget& shown) {
                opened = &shown;
                auto* page = qobject_cast<HelpWindow*>(&shown);
                if (page)
                    QTest::mouseClick(page->BitBtn1, Qt::LeftButton);
            });
        } else {
            user.Answer(mrOk);
        }
        QTest::mouseClick(help, Qt::LeftButton);
        QVERIFY2(user.Problems().isEmpty(), qPrintable(user.Problems().join(u'\n')));
        QCOMPARE(user.Shown().size(), 1);
        QCOMPARE(user.Shown().first().caption, caption);
        if (window) {
            auto* page = qobject_cast<HelpWindow*>(opened);
            QVERIFY(page);
            QCOMPARE(page->ModalResult(), int(mrOk));
            QVERIFY(page->isHidden());
        } else {
            QCOMPARE(user.Shown().first().buttons, MessageButtons::Ok);
            QCOMPARE(user.Shown().first().text, text);
        }
    }
};

QTEST_MAIN(HelpButtonsTest)
#include "tst_HelpButtons.moc"
