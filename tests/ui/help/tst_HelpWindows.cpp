#include "support/ScriptedUser.h"
#include "support/TestWindows.h"
#include "ui/help/Help1.h"
#include "ui/help/Help2.h"
#include "ui/help/Help3.h"
#include "ui/help/Help4.h"
#include "ui/help/Help6.h"
#include "ui/help/Help7.h"
#include "ui/help/Help8.h"
#include "ui/help/Help9.h"
#include "ui/help/help5.h"
#include "ui/main/Main.h"

#include <QApplication>
#include <QLabel>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace
{

struct Line {
    QString text;
    bool bold = false;
};
using Lines = QList<Line>;

struct ButtonCopy {
    QString caption;
    Glyph glyph;
};
using ButtonCopies = QList<ButtonCopy>;

Line N(const char* text)
{
    return {QString::fromUtf8(text), false};
}

Line B(const char* text)
{
    return {QString::fromUtf8(text), true};
}

const char* const DelText = "Pressing this button will delete the selected item from the list. "
                            "This button is only available if you've selected an item.";
const char* const EditText = "Pressing this button will edit the selected item from the list. "
                             "This button is only available if you've selected an item.";

HelpWindow* HelpForm(Forms& forms, int number)
{
    switch (number) {
    case 14:
        return forms.Form14;
    case 15:
        return forms.Form15;
    case 16:
        return forms.Form16;
    case 17:
        return forms.Form17;
    case 18:
        return forms.Form18;
    case 19:
        return forms.Form19;
    case 20:
        return forms.Form20;
    case 21:
        return forms.Form21;
    case 22:
        return forms.Form22;
    }
    return nullptr;
}

// The pictures of buttons on a page: every button but the window's own OK.
QList<BitBtn*> InertButtons(HelpWindow& window)
{
    QList<BitBtn*> buttons = window.findChildren<BitBtn*>();
    buttons.removeAll(window.BitBtn1);
    return buttons;
}

QImage GlyphImage(const QIcon& icon)
{
    return icon.pixmap(16, 16).toImage();
}

} // namespace

Q_DECLARE_METATYPE(Lines)
Q_DECLARE_METATYPE(ButtonCopies)

class HelpWindowsTest : public QObject
{
    Q_OBJECT

    static void AddWindowRows()
    {
        QTest::addColumn<int>("form");
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
    void mainHelpButtonOpensHelp1()
    {
        TestWindows app;
        ScriptedUser user;
        TForm1& main = *app.forms.Form1;
        main.Show();
        QVERIFY(main.BitBtn6->isEnabled());
        QWidget* opened = nullptr;
        bool visibleWhileOpen = false;
        user.Window([&](QWidget& window) {
            opened = &window;
            visibleWhileOpen = window.isVisible();
            QTest::mouseClick(app.forms.Form14->BitBtn1, Qt::LeftButton);
        });
        QTest::mouseClick(main.BitBtn6, Qt::LeftButton);
        QVERIFY2(user.Problems().isEmpty(), qPrintable(user.Problems().join(u'\n')));
        QCOMPARE(opened, app.forms.Form14);
        QVERIFY(visibleWhileOpen);
        QCOMPARE(user.Shown().size(), 1);
        QCOMPARE(user.Shown().first().caption, QStringLiteral("Help on the Main Window"));
        QCOMPARE(app.forms.Form14->ModalResult(), int(mrOk));
        QVERIFY(app.forms.Form14->isHidden());
        QCOMPARE(app.forms.Active, &main);
    }

    // The real modal loop, closed by a click on OK from a timer, as a user's click closes it.
    void mainHelpButtonRealModalPath()
    {
        TestWindows app;
        TForm1& main = *app.forms.Form1;
        main.Show();
        QWidget* modal = nullptr;
        QString caption;
        QTimer::singleShot(0, &main, [&] {
            modal = QApplication::activeModalWidget();
            if (auto* help = qobject_cast<TForm14*>(modal)) {
                caption = help->windowTitle();
                QTest::mouseClick(help->BitBtn1, Qt::LeftButton);
            }
        });
        bool rescued = false;
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, [&] {
            rescued = true;
            app.forms.Form14->close();
        });
        watchdog.start(5000);
        QTest::mouseClick(main.BitBtn6, Qt::LeftButton);
        watchdog.stop();
        QVERIFY(!rescued);
        QCOMPARE(modal, app.forms.Form14);
        QCOMPARE(caption, QStringLiteral("Help on the Main Window"));
        QCOMPARE(app.forms.Form14->ModalResult(), int(mrOk));
        QVERIFY(app.forms.Form14->isHidden());
        QVERIFY(main.isVisible());
    }

    void okClosesWithResultOne_data() { AddWindowRows(); }
    // OK closes with result 1 whether clicked or pressed with Enter, and a page opens again as
    // often as it is asked for.
    void okClosesWithResultOne()
    {
        QFETCH(int, form);
        QFETCH(QString, caption);
        TestWindows app;
        ScriptedUser user;
        HelpWindow& window = *HelpForm(app.forms, form);
        user.Window([&](QWidget&) { QTest::mouseClick(window.BitBtn1, Qt::LeftButton); });
        user.Window([&](QWidget& shown) { QTest::keyClick(&shown, Qt::Key_Return); });
        QCOMPARE(window.ShowModal(), int(mrOk));
        QCOMPARE(window.ShowModal(), int(mrOk));
        QVERIFY2(user.Problems().isEmpty(), qPrintable(user.Problems().join(u'\n')));
        QCOMPARE(user.Shown().size(), 2);
        QCOMPARE(user.Shown().at(0).caption, caption);
        QCOMPARE(user.Shown().at(1).caption, caption);
        QVERIFY(window.isHidden());
        QCOMPARE(window.BitBtn1->text(), QStringLiteral("OK"));
        const Qt::WindowFlags flags = window.windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    }

    void pageIsWholeOnTheScreen_data() { AddWindowRows(); }
    // Every line shows at its full size, the window stays on the screen and OK at its bottom
    // centre; a page taller than the window scrolls instead.
    void pageIsWholeOnTheScreen()
    {
        QFETCH(int, form);
        TestWindows app;
        HelpWindow& window = *HelpForm(app.forms, form);
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
        const QRect ok = window.BitBtn1->geometry();
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
        HelpWindow& window = *app.forms.Form20;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QScrollBar* bar = window.findChild<QScrollArea*>()->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        QVERIFY(window.height() <= 700);
        window.BitBtn1->setFocus();
        QTest::keyClick(window.BitBtn1, Qt::Key_PageDown);
        QVERIFY(bar->value() > 0);
        QTest::keyClick(window.BitBtn1, Qt::Key_End);
        QCOMPARE(bar->value(), bar->maximum());
        QTest::keyClick(window.BitBtn1, Qt::Key_Home);
        QCOMPARE(bar->value(), 0);
        QVERIFY(window.BitBtn1->hasFocus());
        QCOMPARE(window.ModalResult(), int(mrNone));
    }

    void inertButtonsDoNothing_data() { AddWindowRows(); }
    void inertButtonsDoNothing()
    {
        QFETCH(int, form);
        TestWindows app;
        ScriptedUser user;
        HelpWindow& window = *HelpForm(app.forms, form);
        const QList<BitBtn*> buttons = InertButtons(window);
        int clicks = 0;
        user.Window([&](QWidget&) {
            window.BitBtn1->setFocus();
            for (BitBtn* button : buttons) {
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
                QCOMPARE(window.ModalResult(), int(mrNone));
                QCOMPARE(window.focusWidget(), window.BitBtn1);
            }
            // OK is the only stop of the Tab key.
            QTest::keyClick(&window, Qt::Key_Tab);
            QCOMPARE(window.focusWidget(), window.BitBtn1);
            QTest::keyClick(&window, Qt::Key_Backtab);
            QCOMPARE(window.focusWidget(), window.BitBtn1);
            QCOMPARE(window.ModalResult(), int(mrNone));
            QTest::mouseClick(window.BitBtn1, Qt::LeftButton);
        });
        QCOMPARE(window.ShowModal(), int(mrOk));
        QVERIFY2(user.Problems().isEmpty(), qPrintable(user.Problems().join(u'\n')));
        QCOMPARE(clicks, buttons.size());
    }

    void everyLineOnce_data();
    // The page's lines are the window's labels, top to bottom, each as often as the page has it
    // and bold where the page is bold; its button pictures carry the real buttons' captions and
    // pictures.
    void everyLineOnce()
    {
        QFETCH(int, form);
        QFETCH(Lines, lines);
        QFETCH(ButtonCopies, buttons);
        TestWindows app;
        HelpWindow& window = *HelpForm(app.forms, form);

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

        const QList<BitBtn*> copies = InertButtons(window);
        QCOMPARE(copies.size(), buttons.size());
        for (int i = 0; i < buttons.size(); ++i) {
            QCOMPARE(copies[i]->text(), buttons[i].caption);
            const BitBtn real(nullptr, QString(), buttons[i].glyph);
            const QImage picture = GlyphImage(copies[i]->icon());
            QVERIFY(!picture.isNull());
            QVERIFY2(picture == GlyphImage(real.icon()), qPrintable(buttons[i].caption));
        }
    }
};

void HelpWindowsTest::everyLineOnce_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<Lines>("lines");
    QTest::addColumn<ButtonCopies>("buttons");

    QTest::newRow("Help1")
        << 14
        << Lines{
               B("Welcome to the datafile creation utility!"),
               N("This utility will create a VHOLD.INI file that can be used as an  army  "
                 "datafile  for"),
               N("the free Musterant program that creates Rosters for Varnhold players."),
               N("The program lets you create a single squad at a time, leading you through 7 "
                 "steps. After those"),
               N("steps you'll get back in the main window, where you can save the data to a "
                 "vhold.ini datafile"),
               N("that can be used in the Musterant program.The following steps have to be "
                 "taken:"),
               N("Step 1:  Main Window. Lets you load/save datafiles, choose army specifications "
                 "and edit squads"),
               N("Step 2: Squad Windows. Lets you fill in the characteristics of the squad/model"),
               N("Step 3: Standard Weapons. Lets you choose the standard weapons carried by the "
                 "squad "),
               N("Step 4: Replace Weapons. Lets you choose the replaceable weapons carried by the "
                 "squad"),
               N("Step 5: Additional Weapons. Lets you choose the additional weapons carried by "
                 "the squad"),
               N("Step 6: Specials. Anything that doesn't fit in the weapons fits in the specials "
                 "one way or the other"),
               N("Step 7: Restrictions. Fill in the number of weapons and specials a squad/model "
                 "may have"),
               B("Make sure you have your army's Feldbrev at hand when filling in the data!"),
               N("What is the name of your army?"),
               N("Fill in the name of your army, for instance RED ORCHARD or HOLLOW CROWN"),
               N("What is a unit called in your army?"),
               N("Usually this is Unit, but players of the Skarrow fill in Brood"),
               N("What is a squad called in your army?"),
               N("Usually this is Squad, but players of the Skarrow fill in Swarm"),
               N("This button is used to create a new squad, and you will have to follow all 7 "
                 "steps to complete the "),
               N("specifications of 1 squad. Only after the 7 steps the squad is accepted and a "
                 "new one can be created."),
               N("This button is used to edit an already accepted squad. If no squads are "
                 "accepted yet (you didn't follow"),
               N("all 7 steps once, or no datafile is loaded) the button is unavailable."),
               N("This button is used to load a existing vhold.ini army file. Only valid files "
                 "are accepted, meaning that it"),
               N("must contain a section called [Race]."),
               N("This button is used to save the data to a vhold.ini file. If no squads are "
                 "accepted yet (you didn't follow"),
               N("all 7 steps once, or no datafile is loaded) the button is unavailable."),
               N("By pressing this button you will end the datafile creation utility."),
           }
        << ButtonCopies{{"New ", Glyph::New},
                        {"Edit", Glyph::Edit},
                        {"Load", Glyph::Load},
                        {"Save", Glyph::Save},
                        {"&Close", Glyph::Close}};

    QTest::newRow("Help2")
        << 15
        << Lines{
               B("This is step 2 of 7: the squad is not yet accepted!"),
               N("In this step 2 you'll have to fill in all the characteristics of the squad, "
                 "like"),
               N("name, specifications, type, minimum and maximum number of models"),
               N("in the squad. Look in your Feldbrev for these characteristics."),
               N("This button takes you back to the Main Window"),
               N("This button takes you to step 3: Standard Weapons. If you did not fill"),
               N("in the name and the type of the squad, this button is unavailable!"),
           }
        << ButtonCopies{{" Previous", Glyph::Previous}, {"Next ", Glyph::Next}};

    QTest::newRow("Help3")
        << 16
        << Lines{
               B("This is step 3 of 7: the squad is not yet accepted!"),
               B("Standard Weapons are those weapons that are carried by default by all models "
                 "in the squad."),
               B("They (usually) don't cost any points and are an integral part of the models in "
                 "the squad. The"),
               B("weapons can not be replaced or removed from the models."),
               N("The list must contain all Standard Weapons the models in the squad are "
                 "carrying. It may be empty."),
               N("With this button you can add Standard Weapons to the list."),
               N(DelText),
               N(EditText),
               N("This button will take you back to the previous step 2: fill in the "
                 "characteristics of the squad"),
               N("This button will take you to the next step 4: Replaceable Weapons"),
           }
        << ButtonCopies{{"Add  ", Glyph::Add},
                        {"  Del", Glyph::Delete},
                        {"  Edit", Glyph::Edit},
                        {"Previous", Glyph::Previous},
                        {"Next  ", Glyph::Next}};

    QTest::newRow("Help4")
        << 17
        << Lines{
               B("This is step 4 of 7: the squad is not yet accepted!"),
               B("Replaceable Weapons are those weapons that can be replaced by other weapons "
                 "for a"),
               B("certain cost. The replaceable weapon is the one the model is carrying at this "
                 "point, and"),
               B("the replace weapons are the weapons that can substitude the replaceable "
                 "weapon."),
               N("The left list must contain all Replaceable Weapons the models in the squad are "
                 "carrying. It may be empty."),
               N("The right list must contain all Replace Weapons for the selected replaceable "
                 "weapon. It may not be empty."),
               N("With this button you can add either Replaceable or Replace Weapons to the "
                 "list."),
               N(DelText),
               N(EditText),
               N("This button will take you back to the previous step 3: Standard Weapons."),
               N("This button will take you to the next step 5: Additional Weapons."),
           }
        << ButtonCopies{{"Add  ", Glyph::Add},
                        {"  Del", Glyph::Delete},
                        {"  Edit", Glyph::Edit},
                        {"Previous", Glyph::Previous},
                        {"Next  ", Glyph::Next}};

    QTest::newRow("help5")
        << 18
        << Lines{
               B("This is step 5 of 7: the squad is not yet accepted!"),
               B("Additional Weapons are those weapons that are not carried by the models in the "
                 "squad"),
               B("by default, but can be carried for a certain cost. It usually is a list of "
                 "weapons from which"),
               B("the models must choose in order to form a valid squad."),
               N("The list must contain all Additional Weapons the models in the squad may "
                 "carry. It may be empty."),
               N("With this button you can add Additional Weapons to the list."),
               N(DelText),
               N(EditText),
               N("This button will take you back to the previous step 4: Replaceable Weapons."),
               N("This button will take you to the next step 6: Special Abilities."),
           }
        << ButtonCopies{{"Add  ", Glyph::Add},
                        {"  Del", Glyph::Delete},
                        {"  Edit", Glyph::Edit},
                        {"Previous", Glyph::Previous},
                        {"Next  ", Glyph::Next}};

    QTest::newRow("Help6")
        << 19
        << Lines{
               B("This is step 6 of 7: the squad is not yet accepted!"),
               B("Special Abilities are all other weapons and abilities that can not be placed "
                 "in the previous"),
               B("weaponlists. Usually they are special weapons, psychic or combat abilities or "
                 "upgrades"),
               B("that apply to an entire squad/unit or can only be used once per army."),
               N("The list must contain all Special Ablitiies the models in the squad are "
                 "capable of. It may be empty."),
               N("With this button you can add Special Ability to the list."),
               N(DelText),
               N(EditText),
               N("This button will take you back to the previous step 5: Additional Weapons."),
               N("This button will take you to the next step 7: Restrictions"),
           }
        << ButtonCopies{{"Add  ", Glyph::Add},
                        {"  Del", Glyph::Delete},
                        {"  Edit", Glyph::Edit},
                        {"Previous", Glyph::Previous},
                        {"Next  ", Glyph::Next}};

    QTest::newRow("Help7")
        << 20
        << Lines{
               B("This is step 7 of 7: Once the OK button is pressed, the squad is accepted!"),
               B("Usually the models in a squad may carry only a limited number of weapons and "
                 "have a "),
               B("limited amount of special abilites. In this step you must fill in those "
                 "restrictions for  maximum"),
               B("number of weapons, abilities and how many abilities can be used from a given "
                 "groupnumber."),
               N("How many weapons can 1 model carry in total "
                 "(standard+replaceable+additional)?"),
               N("This is the maximum number of weapons a model in the squad may carry, "
                 "including standard, replaceable and additional weapons."),
               N("Just look in the Feldbrev and add all possible weapons, minus the ones defined "
                 "in the Special Abilities!"),
               N("How many Special Abilities can 1 model have in total?"),
               N("This is the total number of Special Abilities a model in the squad may have. "
                 "See your Feldbrev. Only available if you filled in step 6. "),
               B("Max"),
               N("(Only available if you filled in Step 6)"),
               N("In Step 6, you've added Special Abilities and those abilities where grouped in "
                 "groupnumbers. This was done because usually not all"),
               N("Special Abilities may be chosen at the same time. You usually may only choose "
                 "a single or a few from different kinds of abilites."),
               N("So the different kinds of abilities are grouped, and you must choose how many "
                 "abilities may be used from those groups. This is the"),
               N("value you have to fill in at the Max position. "),
               N("Example: The squad may choose 4 abilities (total number of abilities given in "
                 "previous parameter) from the following total of 8 abilities:"),
               N("Group 1: Psychic Power: Veil, Psychic Power: Ember, Psychic Power: Hush, "
                 "Psychic Power: Lure"),
               N("Group 2: Wargear: Grapnel, Wargear: Smoke Pots"),
               N("Group 3: Runes: Warding, Runes: Mending"),
               N("If the squad may only choose 1 from groups 2 and 3, but 2 from group 1,  the "
                 "Max values for group1 will be 2, and for the other groups 1"),
               N("How many Special Abilities can 1 model have in total?"),
               N("4"),
               N("Groupnr"),
               N("Specials in the group"),
               N("Max"),
               N("1"),
               N("Psychic Power: Veil,Psychic Power: Ember,Psychic Power: Hush,Psychic Power: "
                 "Lure"),
               N("2"),
               N("2"),
               N("Wargear: Grapnel,Wargear: Smoke Pots"),
               N("1"),
               N("3"),
               N("Runes: Warding,Runes: Mending"),
               N("1"),
               N("This button will take you back to the previous step 6: Special Abilities."),
               N("This button will end the steps and accept the data that is filled in for this "
                 "squad. You willl return to the main window"),
           }
        << ButtonCopies{{"Previous", Glyph::Previous}, {"OK", Glyph::Ok}};

    QTest::newRow("Help8")
        << 21
        << Lines{
               N("Just fill in the name of the ability and give it a small description."),
               N("Do not make the description too long, it won't be printed that way"),
               N("If you're edting the Special Ability you cannot change its name."),
               N("This is done for safety reasons so you don't loose track of the"),
               N("ability in other squads."),
               N("Tip: By using the same prefix name for groups, you can easily "),
               N("distinguish between groups and their abilities."),
               N("Example: one group of abilities are all classified as Wargear. So all "
                 "abilities "),
               N("that are Wargear should have the following prefix:"),
               N("Wargear:"),
           }
        << ButtonCopies{};

    QTest::newRow("Help9")
        << 22
        << Lines{
               N("Fill in the point costs and groupnumber for the Special Ability. Also choose "
                 "whether the"),
               N("ability applies to all models in the squad or to the entire squad and choose "
                 "whether the"),
               N("ability can be used only once per army."),
               N("Choose the groupnumber the ability belongs to. Usually not all abilities can be "
                 "choosen "),
               N("at the same time, but only a limited number of abilities per group. By "
                 "grouping the abilities"),
               N("you can choose the limitations in Step 7. Groups are usually easy to "
                 "distinguish as they"),
               N("are also grouped or classified seperately in the Feldbrev. Also, by using a "
                 "prefix in the"),
               N("name of the abilities, you can already distinguish them and they're much "
                 "easier to keep"),
               N("apart. So if the Feldbrev mentions an ability from the Wargear, fill in all the "
                 "abilities that are"),
               N("listed under Wargear, give the ability names a prefix of Wargear: and place "
                 "them all in "),
               N("the same group(number). You should get something like:"),
               N("Wargear: Grapnel (group1)"),
               N("Wargear: Smoke Pots (group1)"),
               N("Wargear: Iron Visor (group1)"),
               N("...."),
               N("Psychic Power: Veil (group2)"),
               N("Psychic Power: Ember (group2)"),
               N("...."),
           }
        << ButtonCopies{};
}

QTEST_MAIN(HelpWindowsTest)
#include "tst_HelpWindows.moc"
