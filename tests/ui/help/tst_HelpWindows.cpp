#include "support/ModalAnswer.h"
#include "support/ScriptedUser.h"
#include "support/TestWindows.h"
#include "support/pages/FoundControl.h"
#include "support/pages/HelpWindowPage.h"
#include "ui/help/AbilitiesHelp.h"
#include "ui/help/AbilityCostsHelp.h"
#include "ui/help/AbilityEditorHelp.h"
#include "ui/help/AdditionalWeaponsHelp.h"
#include "ui/help/CharacteristicsHelp.h"
#include "ui/help/MainWindowHelp.h"
#include "ui/help/ReplaceableWeaponsHelp.h"
#include "ui/help/RestrictionsHelp.h"
#include "ui/help/StandardWeaponsHelp.h"
#include "ui/main/MainWindow.h"

#include <QApplication>
#include <QLabel>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>
#include <memory>

namespace
{

struct Line {
    QString text;
    bool bold = false;
};
using Lines = QList<Line>;

struct ButtonCopy {
    QString caption;
    ButtonIcon icon;
};
using ButtonCopies = QList<ButtonCopy>;

Line n(const char* text)
{
    return {QString::fromUtf8(text), false};
}

Line b(const char* text)
{
    return {QString::fromUtf8(text), true};
}

const char* const delText = "Pressing this button will delete the selected item from the list. "
                            "This button is only available if you've selected an item.";
const char* const editText = "Pressing this button will edit the selected item from the list. "
                             "This button is only available if you've selected an item.";

// A fresh help page, as the help button of its window makes it.
std::unique_ptr<HelpWindow> helpWindow(QWidget* opener, int number)
{
    switch (number) {
    case 14:
        return std::make_unique<MainWindowHelp>(opener);
    case 15:
        return std::make_unique<CharacteristicsHelp>(opener);
    case 16:
        return std::make_unique<StandardWeaponsHelp>(opener);
    case 17:
        return std::make_unique<ReplaceableWeaponsHelp>(opener);
    case 18:
        return std::make_unique<AdditionalWeaponsHelp>(opener);
    case 19:
        return std::make_unique<AbilitiesHelp>(opener);
    case 20:
        return std::make_unique<RestrictionsHelp>(opener);
    case 21:
        return std::make_unique<AbilityEditorHelp>(opener);
    case 22:
        return std::make_unique<AbilityCostsHelp>(opener);
    }
    return nullptr;
}

// The pictures of buttons on a page: every button but the window's own OK.
QList<Button*> inertButtons(HelpWindow& window)
{
    QList<Button*> buttons = window.findChildren<Button*>();
    buttons.removeAll(HelpWindowPage(window).okButton);
    return buttons;
}

// The texts of a page's lines, top to bottom.
QStringList labelTexts(const HelpWindow& window)
{
    QStringList texts;
    for (const QLabel* label : window.findChildren<QLabel*>())
        texts << label->text();
    return texts;
}

QImage iconImage(const QIcon& icon)
{
    return icon.pixmap(16, 16).toImage();
}

} // namespace

Q_DECLARE_METATYPE(Lines)
Q_DECLARE_METATYPE(ButtonCopies)

class HelpWindowsTest : public QObject
{
    Q_OBJECT

    static void addWindowRows()
    {
        QTest::addColumn<int>("windowIndex");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Help1") << 14 << "Help on the Main Window";
        QTest::newRow("Help2") << 15 << "Help on Step 2: fill in the characteristics of a unit";
        QTest::newRow("Help3") << 16 << "Help on Step3: Standard Weapons";
        QTest::newRow("Help4") << 17 << "Help on Step 4: Replaceable Weapons";
        QTest::newRow("help5") << 18 << "Help on Step 5: Additional Weapons";
        QTest::newRow("Help6") << 19 << "Help on Step 6: Special Abilities";
        QTest::newRow("Help7") << 20 << "Help on Step 7: Restrictions";
        QTest::newRow("Help8") << 21 << "Help on Add Special Ability";
        QTest::newRow("Help9") << 22 << "Help on Add or Edit a Special Ability";
    }

private slots:
    // Each click of the main window's help button opens its page over it, the same page each
    // time; OK closes it with result 1 and the main window is in front again.
    void mainHelpButtonOpensHelp1()
    {
        TestWindows app;
        ScriptedUser user;
        MainWindow& main = app.mainWindow;
        main.showAndActivate();
        QVERIFY(foundControl<Button>(main, "helpButton")->isEnabled());
        QList<QStringList> pages;
        for (int click = 0; click < 2; ++click) {
            user.window([&](QWidget& window) {
                auto* help = qobject_cast<MainWindowHelp*>(&window);
                QVERIFY(help);
                QVERIFY(help->isVisible());
                QCOMPARE(help->parentWidget(), &main);
                pages << labelTexts(*help);
                QTest::mouseClick(HelpWindowPage(*help).okButton, Qt::LeftButton);
                QCOMPARE(help->modalResult(), QDialog::Accepted);
                QVERIFY(help->isHidden());
            });
            QTest::mouseClick(foundControl<Button>(main, "helpButton"), Qt::LeftButton);
        }
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QCOMPARE(user.shown().size(), 2);
        for (const ShownModal& shown : user.shown())
            QCOMPARE(shown.caption, QStringLiteral("Help on the Main Window"));
        QCOMPARE(pages.size(), 2);
        QVERIFY(!pages[0].isEmpty());
        QCOMPARE(pages[1], pages[0]);
        QTRY_COMPARE(QApplication::activeWindow(), &main);
    }

    // The real modal loop, closed by a click on OK once it is shown, as a user's click closes it.
    void mainHelpButtonRealModalPath()
    {
        TestWindows app;
        MainWindow& main = app.mainWindow;
        main.showAndActivate();
        QWidget* opener = nullptr;
        QString caption;
        bool closedByOk = false;
        ModalAnswer answer;
        answer.expect<MainWindowHelp>([&](MainWindowHelp& help) {
            opener = help.parentWidget();
            caption = help.windowTitle();
            QTest::mouseClick(HelpWindowPage(help).okButton, Qt::LeftButton);
            closedByOk = help.modalResult() == QDialog::Accepted && help.isHidden();
        });
        QTest::mouseClick(foundControl<Button>(main, "helpButton"), Qt::LeftButton);
        QVERIFY2(answer.answered(), qPrintable(answer.failure()));
        QCOMPARE(opener, &main);
        QCOMPARE(caption, QStringLiteral("Help on the Main Window"));
        QVERIFY(closedByOk);
        QVERIFY(main.isVisible());
    }

    void okClosesWithResultOne_data() { addWindowRows(); }
    // OK closes with result 1 whether clicked or pressed with Enter.
    void okClosesWithResultOne()
    {
        QFETCH(int, windowIndex);
        QFETCH(QString, caption);
        TestWindows app;
        ScriptedUser user;
        const auto byClick = helpWindow(&app.mainWindow, windowIndex);
        const auto byEnter = helpWindow(&app.mainWindow, windowIndex);
        user.window([&](QWidget&) {
            QTest::mouseClick(HelpWindowPage(*byClick).okButton, Qt::LeftButton);
        });
        user.window([&](QWidget& shown) { QTest::keyClick(&shown, Qt::Key_Return); });
        QCOMPARE(byClick->showModal(), QDialog::Accepted);
        QCOMPARE(byEnter->showModal(), QDialog::Accepted);
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QCOMPARE(user.shown().size(), 2);
        QCOMPARE(user.shown().at(0).caption, caption);
        QCOMPARE(user.shown().at(1).caption, caption);
        for (HelpWindow* window : {byClick.get(), byEnter.get()}) {
            QVERIFY(window->isHidden());
            QCOMPARE(HelpWindowPage(*window).okButton->text(), QStringLiteral("&OK"));
            const Qt::WindowFlags flags = window->windowFlags();
            QVERIFY(flags & Qt::WindowCloseButtonHint);
            QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
            QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        }
    }

    void pageIsWholeOnTheScreen_data() { addWindowRows(); }
    // Every line shows at its full size, the window stays on the screen and OK at its bottom
    // centre; a page taller than the window scrolls instead.
    void pageIsWholeOnTheScreen()
    {
        QFETCH(int, windowIndex);
        TestWindows app;
        const auto help = helpWindow(&app.mainWindow, windowIndex);
        HelpWindow& window = *help;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect screen = window.screen()->availableGeometry();
        QVERIFY(window.width() <= screen.width());
        QVERIFY(window.height() <= qMin(700, screen.height()));
        const QList<QLabel*> labels = window.findChildren<QLabel*>();
        QVERIFY(!labels.isEmpty());
        for (QLabel* label : labels) {
            QVERIFY2(label->width() >= label->sizeHint().width() &&
                         label->height() >= label->sizeHint().height(),
                     qPrintable(label->text()));
        }
        const QRect ok = HelpWindowPage(window).okButton->geometry();
        QVERIFY(window.rect().contains(ok));
        QVERIFY(qAbs(ok.center().x() - window.rect().center().x()) <= 1);
        const QWidget* page = window.findChild<QScrollArea*>()->widget();
        for (QLabel* label : labels)
            QVERIFY(page->isAncestorOf(label));
    }

    // On a desktop with large type the restrictions page outgrows the window.
    void keysScrollATallPage()
    {
        const QFont usual = QApplication::font();
        QFont large = usual;
        large.setPointSize(18);
        QApplication::setFont(large);
        const auto restore = qScopeGuard([&] { QApplication::setFont(usual); });
        TestWindows app;
        RestrictionsHelp window(&app.mainWindow);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QScrollBar* bar = window.findChild<QScrollArea*>()->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        QVERIFY(window.height() <= 700);
        Button* ok = HelpWindowPage(window).okButton;
        ok->setFocus();
        QTest::keyClick(ok, Qt::Key_PageDown);
        QVERIFY(bar->value() > 0);
        QTest::keyClick(ok, Qt::Key_End);
        QCOMPARE(bar->value(), bar->maximum());
        QTest::keyClick(ok, Qt::Key_Home);
        QCOMPARE(bar->value(), 0);
        QVERIFY(ok->hasFocus());
        // Still open, with no result given: a dialog's result is Rejected until it closes.
        QVERIFY(window.isVisible());
        QCOMPARE(window.result(), int(QDialog::Rejected));
    }

    void inertButtonsDoNothing_data() { addWindowRows(); }
    void inertButtonsDoNothing()
    {
        QFETCH(int, windowIndex);
        TestWindows app;
        ScriptedUser user;
        const auto help = helpWindow(&app.mainWindow, windowIndex);
        HelpWindow& window = *help;
        const QList<Button*> buttons = inertButtons(window);
        Button* ok = HelpWindowPage(window).okButton;
        int clicks = 0;
        user.window([&](QWidget&) {
            ok->setFocus();
            for (Button* button : buttons) {
                QVERIFY(button->isEnabled());
                QCOMPARE(button->focusPolicy(), Qt::NoFocus);
                QSignalSpy pressed(button, &QPushButton::pressed);
                // A click where the picture is on the screen, then one straight on the widget.
                const QPoint where = button->mapTo(&window, button->rect().center());
                QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, where);
                QCOMPARE(pressed.count(), 0);
                QTest::mouseClick(button, Qt::LeftButton);
                ++clicks;
                QVERIFY(window.isVisible());
                // Still open, with no result given: a dialog's result is Rejected until it closes.
                QVERIFY(window.isVisible());
                QCOMPARE(window.result(), int(QDialog::Rejected));
                QCOMPARE(window.focusWidget(), ok);
            }
            // OK is the only stop of the Tab key.
            QTest::keyClick(&window, Qt::Key_Tab);
            QCOMPARE(window.focusWidget(), ok);
            QTest::keyClick(&window, Qt::Key_Backtab);
            QCOMPARE(window.focusWidget(), ok);
            // Still open, with no result given: a dialog's result is Rejected until it closes.
            QVERIFY(window.isVisible());
            QCOMPARE(window.result(), int(QDialog::Rejected));
            QTest::mouseClick(ok, Qt::LeftButton);
        });
        QCOMPARE(window.showModal(), QDialog::Accepted);
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QCOMPARE(clicks, buttons.size());
    }

    void everyLineOnce_data();
    // The page's lines are the window's labels, top to bottom, each as often as the page has it
    // and bold where the page is bold; its button pictures carry the real buttons' captions and
    // pictures.
    void everyLineOnce()
    {
        QFETCH(int, windowIndex);
        QFETCH(Lines, lines);
        QFETCH(ButtonCopies, buttons);
        TestWindows app;
        const auto help = helpWindow(&app.mainWindow, windowIndex);
        HelpWindow& window = *help;

        const QList<QLabel*> labels = window.findChildren<QLabel*>();
        QStringList shown;
        for (QLabel* label : labels)
            shown << label->text();
        QStringList expected;
        for (const Line& line : lines)
            expected << line.text;
        QCOMPARE(shown, expected);
        for (int i = 0; i < lines.size(); ++i)
            QVERIFY2(labels[i]->font().bold() == lines[i].bold, qPrintable(lines[i].text));

        const QList<Button*> copies = inertButtons(window);
        QCOMPARE(copies.size(), buttons.size());
        for (int i = 0; i < buttons.size(); ++i) {
            QCOMPARE(copies[i]->text(), buttons[i].caption);
            const Button real(nullptr, QString(), buttons[i].icon);
            const QImage picture = iconImage(copies[i]->icon());
            QVERIFY(!picture.isNull());
            QVERIFY2(picture == iconImage(real.icon()), qPrintable(buttons[i].caption));
        }
    }
};

void HelpWindowsTest::everyLineOnce_data()
{
    QTest::addColumn<int>("windowIndex");
    QTest::addColumn<Lines>("lines");
    QTest::addColumn<ButtonCopies>("buttons");

    QTest::newRow("Help1")
        << 14
        << Lines{
               b("Welcome to the datafile creation utility!"),
               n("This utility will create a VHOLD.INI file that can be used as an  army  "
                 "datafile  for"),
               n("the free Musterant program that creates Rosters for Varnhold players."),
               n("The program lets you create a single squad at a time, leading you through 7 "
                 "steps. After those"),
               n("steps you'll get back in the main window, where you can save the data to a "
                 "vhold.ini datafile"),
               n("that can be used in the Musterant program.The following steps have to be "
                 "taken:"),
               n("Step 1:  Main Window. Lets you load/save datafiles, choose army specifications "
                 "and edit squads"),
               n("Step 2: Squad Windows. Lets you fill in the characteristics of the squad/model"),
               n("Step 3: Standard Weapons. Lets you choose the standard weapons carried by the "
                 "squad "),
               n("Step 4: Replace Weapons. Lets you choose the replaceable weapons carried by the "
                 "squad"),
               n("Step 5: Additional Weapons. Lets you choose the additional weapons carried by "
                 "the squad"),
               n("Step 6: Specials. Anything that doesn't fit in the weapons fits in the specials "
                 "one way or the other"),
               n("Step 7: Restrictions. Fill in the number of weapons and specials a squad/model "
                 "may have"),
               b("Make sure you have your army's Feldbrev at hand when filling in the data!"),
               n("What is the name of your army?"),
               n("Fill in the name of your army, for instance RED ORCHARD or HOLLOW CROWN"),
               n("What is a unit called in your army?"),
               n("Usually this is Unit, but players of the Skarrow fill in Brood"),
               n("What is a squad called in your army?"),
               n("Usually this is Squad, but players of the Skarrow fill in Swarm"),
               n("This button is used to create a new squad, and you will have to follow all 7 "
                 "steps to complete the "),
               n("specifications of 1 squad. Only after the 7 steps the squad is accepted and a "
                 "new one can be created."),
               n("This button is used to edit an already accepted squad. If no squads are "
                 "accepted yet (you didn't follow"),
               n("all 7 steps once, or no datafile is loaded) the button is unavailable."),
               n("This button is used to load a existing vhold.ini army file. Only valid files "
                 "are accepted, meaning that it"),
               n("must contain a section called [Race]."),
               n("This button is used to save the data to a vhold.ini file. If no squads are "
                 "accepted yet (you didn't follow"),
               n("all 7 steps once, or no datafile is loaded) the button is unavailable."),
               n("By pressing this button you will end the datafile creation utility."),
           }
        << ButtonCopies{{"New ", ButtonIcon::New},
                        {"Edit", ButtonIcon::Edit},
                        {"Load", ButtonIcon::Load},
                        {"Save", ButtonIcon::Save},
                        {"&Close", ButtonIcon::Close}};

    QTest::newRow("Help2")
        << 15
        << Lines{
               b("This is step 2 of 7: the squad is not yet accepted!"),
               n("In this step 2 you'll have to fill in all the characteristics of the squad, "
                 "like"),
               n("name, specifications, type, minimum and maximum number of models"),
               n("in the squad. Look in your Feldbrev for these characteristics."),
               n("This button takes you back to the Main Window"),
               n("This button takes you to step 3: Standard Weapons. If you did not fill"),
               n("in the name and the type of the squad, this button is unavailable!"),
           }
        << ButtonCopies{{" Previous", ButtonIcon::Previous}, {"Next ", ButtonIcon::Next}};

    QTest::newRow("Help3")
        << 16
        << Lines{
               b("This is step 3 of 7: the squad is not yet accepted!"),
               b("Standard Weapons are those weapons that are carried by default by all models "
                 "in the squad."),
               b("They (usually) don't cost any points and are an integral part of the models in "
                 "the squad. The"),
               b("weapons can not be replaced or removed from the models."),
               n("The list must contain all Standard Weapons the models in the squad are "
                 "carrying. It may be empty."),
               n("With this button you can add Standard Weapons to the list."),
               n(delText),
               n(editText),
               n("This button will take you back to the previous step 2: fill in the "
                 "characteristics of the squad"),
               n("This button will take you to the next step 4: Replaceable Weapons"),
           }
        << ButtonCopies{{"Add  ", ButtonIcon::Add},
                        {"  Del", ButtonIcon::Delete},
                        {"  Edit", ButtonIcon::Edit},
                        {"Previous", ButtonIcon::Previous},
                        {"Next  ", ButtonIcon::Next}};

    QTest::newRow("Help4")
        << 17
        << Lines{
               b("This is step 4 of 7: the squad is not yet accepted!"),
               b("Replaceable Weapons are those weapons that can be replaced by other weapons "
                 "for a"),
               b("certain cost. The replaceable weapon is the one the model is carrying at this "
                 "point, and"),
               b("the replace weapons are the weapons that can substitude the replaceable "
                 "weapon."),
               n("The left list must contain all Replaceable Weapons the models in the squad are "
                 "carrying. It may be empty."),
               n("The right list must contain all Replace Weapons for the selected replaceable "
                 "weapon. It may not be empty."),
               n("With this button you can add either Replaceable or Replace Weapons to the "
                 "list."),
               n(delText),
               n(editText),
               n("This button will take you back to the previous step 3: Standard Weapons."),
               n("This button will take you to the next step 5: Additional Weapons."),
           }
        << ButtonCopies{{"Add  ", ButtonIcon::Add},
                        {"  Del", ButtonIcon::Delete},
                        {"  Edit", ButtonIcon::Edit},
                        {"Previous", ButtonIcon::Previous},
                        {"Next  ", ButtonIcon::Next}};

    QTest::newRow("help5")
        << 18
        << Lines{
               b("This is step 5 of 7: the squad is not yet accepted!"),
               b("Additional Weapons are those weapons that are not carried by the models in the "
                 "squad"),
               b("by default, but can be carried for a certain cost. It usually is a list of "
                 "weapons from which"),
               b("the models must choose in order to form a valid squad."),
               n("The list must contain all Additional Weapons the models in the squad may "
                 "carry. It may be empty."),
               n("With this button you can add Additional Weapons to the list."),
               n(delText),
               n(editText),
               n("This button will take you back to the previous step 4: Replaceable Weapons."),
               n("This button will take you to the next step 6: Special Abilities."),
           }
        << ButtonCopies{{"Add  ", ButtonIcon::Add},
                        {"  Del", ButtonIcon::Delete},
                        {"  Edit", ButtonIcon::Edit},
                        {"Previous", ButtonIcon::Previous},
                        {"Next  ", ButtonIcon::Next}};

    QTest::newRow("Help6")
        << 19
        << Lines{
               b("This is step 6 of 7: the squad is not yet accepted!"),
               b("Special Abilities are all other weapons and abilities that can not be placed "
                 "in the previous"),
               b("weaponlists. Usually they are special weapons, psychic or combat abilities or "
                 "upgrades"),
               b("that apply to an entire squad/unit or can only be used once per army."),
               n("The list must contain all Special Ablitiies the models in the squad are "
                 "capable of. It may be empty."),
               n("With this button you can add Special Ability to the list."),
               n(delText),
               n(editText),
               n("This button will take you back to the previous step 5: Additional Weapons."),
               n("This button will take you to the next step 7: Restrictions"),
           }
        << ButtonCopies{{"Add  ", ButtonIcon::Add},
                        {"  Del", ButtonIcon::Delete},
                        {"  Edit", ButtonIcon::Edit},
                        {"Previous", ButtonIcon::Previous},
                        {"Next  ", ButtonIcon::Next}};

    QTest::newRow("Help7")
        << 20
        << Lines{
               b("This is step 7 of 7: Once the OK button is pressed, the squad is accepted!"),
               b("Usually the models in a squad may carry only a limited number of weapons and "
                 "have a "),
               b("limited amount of special abilites. In this step you must fill in those "
                 "restrictions for  maximum"),
               b("number of weapons, abilities and how many abilities can be used from a given "
                 "groupnumber."),
               n("How many weapons can 1 model carry in total "
                 "(standard+replaceable+additional)?"),
               n("This is the maximum number of weapons a model in the squad may carry, "
                 "including standard, replaceable and additional weapons."),
               n("Just look in the Feldbrev and add all possible weapons, minus the ones defined "
                 "in the Special Abilities!"),
               n("How many Special Abilities can 1 model have in total?"),
               n("This is the total number of Special Abilities a model in the squad may have. "
                 "See your Feldbrev. Only available if you filled in step 6. "),
               b("Max"),
               n("(Only available if you filled in Step 6)"),
               n("In Step 6, you've added Special Abilities and those abilities where grouped in "
                 "groupnumbers. This was done because usually not all"),
               n("Special Abilities may be chosen at the same time. You usually may only choose "
                 "a single or a few from different kinds of abilites."),
               n("So the different kinds of abilities are grouped, and you must choose how many "
                 "abilities may be used from those groups. This is the"),
               n("value you have to fill in at the Max position. "),
               n("Example: The squad may choose 4 abilities (total number of abilities given in "
                 "previous parameter) from the following total of 8 abilities:"),
               n("Group 1: Psychic Power: Veil, Psychic Power: Ember, Psychic Power: Hush, "
                 "Psychic Power: Lure"),
               n("Group 2: Wargear: Grapnel, Wargear: Smoke Pots"),
               n("Group 3: Runes: Warding, Runes: Mending"),
               n("If the squad may only choose 1 from groups 2 and 3, but 2 from group 1,  the "
                 "Max values for group1 will be 2, and for the other groups 1"),
               n("How many Special Abilities can 1 model have in total?"),
               n("4"),
               n("Groupnr"),
               n("Specials in the group"),
               n("Max"),
               n("1"),
               n("Psychic Power: Veil,Psychic Power: Ember,Psychic Power: Hush,Psychic Power: "
                 "Lure"),
               n("2"),
               n("2"),
               n("Wargear: Grapnel,Wargear: Smoke Pots"),
               n("1"),
               n("3"),
               n("Runes: Warding,Runes: Mending"),
               n("1"),
               n("This button will take you back to the previous step 6: Special Abilities."),
               n("This button will end the steps and accept the data that is filled in for this "
                 "squad. You willl return to the main window"),
           }
        << ButtonCopies{{"Previous", ButtonIcon::Previous}, {"OK", ButtonIcon::Ok}};

    QTest::newRow("Help8")
        << 21
        << Lines{
               n("Just fill in the name of the ability and give it a small description."),
               n("Do not make the description too long, it won't be printed that way"),
               n("If you're edting the Special Ability you cannot change its name."),
               n("This is done for safety reasons so you don't loose track of the"),
               n("ability in other squads."),
               n("Tip: By using the same prefix name for groups, you can easily "),
               n("distinguish between groups and their abilities."),
               n("Example: one group of abilities are all classified as Wargear. So all "
                 "abilities "),
               n("that are Wargear should have the following prefix:"),
               n("Wargear:"),
           }
        << ButtonCopies{};

    QTest::newRow("Help9")
        << 22
        << Lines{
               n("Fill in the point costs and groupnumber for the Special Ability. Also choose "
                 "whether the"),
               n("ability applies to all models in the squad or to the entire squad and choose "
                 "whether the"),
               n("ability can be used only once per army."),
               n("Choose the groupnumber the ability belongs to. Usually not all abilities can be "
                 "choosen "),
               n("at the same time, but only a limited number of abilities per group. By "
                 "grouping the abilities"),
               n("you can choose the limitations in Step 7. Groups are usually easy to "
                 "distinguish as they"),
               n("are also grouped or classified seperately in the Feldbrev. Also, by using a "
                 "prefix in the"),
               n("name of the abilities, you can already distinguish them and they're much "
                 "easier to keep"),
               n("apart. So if the Feldbrev mentions an ability from the Wargear, fill in all the "
                 "abilities that are"),
               n("listed under Wargear, give the ability names a prefix of Wargear: and place "
                 "them all in "),
               n("the same group(number). You should get something like:"),
               n("Wargear: Grapnel (group1)"),
               n("Wargear: Smoke Pots (group1)"),
               n("Wargear: Iron Visor (group1)"),
               n("...."),
               n("Psychic Power: Veil (group2)"),
               n("Psychic Power: Ember (group2)"),
               n("...."),
           }
        << ButtonCopies{};
}

QTEST_MAIN(HelpWindowsTest)
#include "tst_HelpWindows.moc"
