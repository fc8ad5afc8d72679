#include "support/WindowsReached.h"
#include "ui/Dialog.h"
#include "ui/controls/Button.h"
#include "ui/controls/Grid.h"
#include "ui/controls/StatusBar.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QTest>

namespace
{

QString describe(const QWidget* widget)
{
    return widget->window()->windowTitle() + QStringLiteral(": ") +
           QString::fromLatin1(widget->metaObject()->className()) + u' ' + widget->objectName();
}

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT
private slots:
    void everyWindowHasItsRoleAndEveryControlItsName_data()
    {
        QTest::addColumn<Reach>("reach");
        QTest::newRow("main window") << Reach([](TestWindows& app, ScriptedUser&, const Act& act) {
            app.mainWindow.showAndActivate();
            act(app.mainWindow, app.mainWindow);
        });
        const std::pair<const char*, WizardStep> steps[] = {
            {"step 2", WizardStep::Characteristics},    {"step 3", WizardStep::StandardWeapons},
            {"step 4", WizardStep::ReplaceableWeapons}, {"step 5", WizardStep::AdditionalWeapons},
            {"step 6", WizardStep::Abilities},          {"step 7", WizardStep::Restrictions}};
        for (const auto& [name, step] : steps)
            QTest::newRow(name) << frame(step);
        for (const auto& [name, reach] : dialogs())
            QTest::newRow(name) << reach;
    }
    // Every window, reached as the user reaches it, is a window or a modal dialog to assistive
    // technology, and every control that takes the focus has a name.
    void everyWindowHasItsRoleAndEveryControlItsName()
    {
        QFETCH(Reach, reach);
        TestWindows app;
        ScriptedUser user;
        QStringList faults;
        int checked = 0;
        reach(app, user, [&](QWidget& window, QWidget&) {
            ++checked;
            QAccessibleInterface* windowInterface = QAccessible::queryAccessibleInterface(&window);
            const bool dialog = qobject_cast<Dialog*>(&window) != nullptr;
            const QAccessible::Role expected = dialog ? QAccessible::Dialog : QAccessible::Window;
            if (windowInterface->role() != expected)
                faults << describe(&window) +
                              QStringLiteral(" has role %1").arg(windowInterface->role());
            if (dialog && !windowInterface->state().modal)
                faults << describe(&window) + QStringLiteral(" is not modal");
            for (QWidget* control : window.findChildren<QWidget*>()) {
                QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
                if (!face)
                    continue;
                if (face->state().focusable && face->text(QAccessible::Name).trimmed().isEmpty())
                    faults << describe(control) + QStringLiteral(" has no name");
                if (qobject_cast<Button*>(control) && control->focusPolicy() == Qt::NoFocus &&
                    (face->role() != QAccessible::Graphic ||
                     face->text(QAccessible::Name).isEmpty()))
                    faults << describe(control) + QStringLiteral(" is no picture with a caption");
                if (qobject_cast<StatusBar*>(control) && face->role() != QAccessible::StatusBar)
                    faults << describe(control) + QStringLiteral(" is no status bar");
                if (QAccessibleTableInterface* table = face->tableInterface();
                    table && qobject_cast<Grid*>(control)) {
                    for (int col = 0; col < table->columnCount(); ++col) {
                        const QString heading = table->columnDescription(col);
                        if (heading.isEmpty() || heading == QString::number(col + 1))
                            faults << describe(control) + QStringLiteral(" column %1 reads \"%2\"")
                                                              .arg(col)
                                                              .arg(heading);
                    }
                }
            }
        });
        QVERIFY2(user.problems().isEmpty(), qPrintable(user.problems().join(u'\n')));
        QCOMPARE(checked, 1);
        for (const QString& fault : faults)
            qWarning("%s", qPrintable(fault));
        QVERIFY2(faults.isEmpty(), "every fault is listed above");
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_Accessibility.moc"
