#include "support/Armies.h"
#include "support/ScriptedUser.h"
#include "support/TestWindows.h"
#include "support/Typing.h"
#include "support/pages/MainWindowPage.h"
#include "ui/controls/Button.h"
#include "ui/controls/LineEdit.h"
#include "ui/main/MainWindow.h"

#include <QTemporaryDir>
#include <QTest>

namespace
{

const QString question = QStringLiteral("*** UNSAVED CHANGES ***|The army has changes that have "
                                        "not been saved. Save them first?");

enum class Action { Close, Load };

// Presses Close or Load (whose open dialog then loads `other`), as the user does.
void press(MainWindow& main, ScriptedUser& user, Action action, const QString& other)
{
    MainWindowPage page(main);
    if (action == Action::Close) {
        QTest::mouseClick(page.closeButton, Qt::LeftButton);
        return;
    }
    user.chooseFile(other);
    QTest::mouseClick(page.loadButton, Qt::LeftButton);
}

} // namespace

class UnsavedChangesTest : public QObject
{
    Q_OBJECT
private slots:
    // An army with a change not saved: Close and Load go on only after Yes with a written file,
    // or after No.
    void askedBeforeTheArmyIsDropped_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<bool>("saveChosen");
        QTest::addColumn<bool>("goesOn");
        QTest::newRow("close, cancel") << Action::Close << QMessageBox::Cancel << false << false;
        QTest::newRow("close, no") << Action::Close << QMessageBox::No << false << true;
        QTest::newRow("close, yes, save cancelled")
            << Action::Close << QMessageBox::Yes << false << false;
        QTest::newRow("close, yes, saved") << Action::Close << QMessageBox::Yes << true << true;
        QTest::newRow("load, cancel") << Action::Load << QMessageBox::Cancel << false << false;
        QTest::newRow("load, no") << Action::Load << QMessageBox::No << false << true;
        QTest::newRow("load, yes, save cancelled")
            << Action::Load << QMessageBox::Yes << false << false;
        QTest::newRow("load, yes, saved") << Action::Load << QMessageBox::Yes << true << true;
    }
    void askedBeforeTheArmyIsDropped()
    {
        QFETCH(Action, action);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(bool, saveChosen);
        QFETCH(bool, goesOn);
        TestWindows app;
        ScriptedUser user;
        MainWindow& main = app.mainWindow;
        MainWindowPage page(main);
        main.showAndActivate();
        QTemporaryDir dir;
        const QString saved = dir.filePath(QStringLiteral("saved.ini"));
        const QString other = testData(QStringLiteral("golden-full-army.ini"));
        typeText(page.armyNameEdit, QStringLiteral("skarrow"));

        user.answer(answer);
        if (answer == QMessageBox::Yes)
            user.chooseFile(saveChosen ? saved : QString());
        if (action == Action::Close)
            QTest::mouseClick(page.closeButton, Qt::LeftButton);
        else {
            if (goesOn)
                user.chooseFile(other);
            QTest::mouseClick(page.loadButton, Qt::LeftButton);
        }

        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QCOMPARE(user.messages(), QStringList{question});
        QCOMPARE(user.shown().first().buttons,
                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(readBytes(saved).contains("Name=SKARROW\r\n"), saveChosen);
        if (action == Action::Close)
            QCOMPARE(main.isVisible(), !goesOn);
        else
            QCOMPARE(page.armyNameEdit->text(),
                     goesOn ? QStringLiteral("HOLLOW CROWN") : QStringLiteral("SKARROW"));
    }

    // An army as saved or loaded, or as the untouched program has it, is dropped without a
    // question.
    void noQuestionWithoutChanges_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<Action>("action");
        for (auto [name, action] : {std::pair{"close", Action::Close}, {"load", Action::Load}}) {
            for (const char* before : {"untouched", "saved", "loaded", "typed back"})
                QTest::addRow("%s, %s", before, name) << QString::fromLatin1(before) << action;
        }
    }
    void noQuestionWithoutChanges()
    {
        QFETCH(QString, before);
        QFETCH(Action, action);
        TestWindows app;
        ScriptedUser user;
        MainWindow& main = app.mainWindow;
        MainWindowPage page(main);
        main.showAndActivate();
        QTemporaryDir dir;
        const QString other = testData(QStringLiteral("golden-full-army.ini"));
        if (before == QLatin1String("saved")) {
            typeText(page.squadWordEdit, QStringLiteral("s"));
            user.chooseFile(dir.filePath(QStringLiteral("saved.ini")));
            QVERIFY(main.saveArmy());
        } else if (before == QLatin1String("loaded")) {
            user.chooseFile(other);
            QTest::mouseClick(page.loadButton, Qt::LeftButton);
        } else if (before == QLatin1String("typed back")) {
            typeText(page.unitWordEdit, QStringLiteral("s"));
            QTest::keyClick(page.unitWordEdit, Qt::Key_Backspace);
        }
        press(main, user, action, other);
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QCOMPARE(user.messages(), QStringList());
        if (action == Action::Close)
            QVERIFY(!main.isVisible());
        else
            QCOMPARE(app.army().troopCount, 3);
    }
};

QTEST_MAIN(UnsavedChangesTest)
#include "tst_UnsavedChanges.moc"
