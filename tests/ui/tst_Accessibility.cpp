#include "support/TestWindows.h"
#include "ui/Window.h"
#include "ui/controls/Button.h"
#include "ui/controls/Grid.h"
#include "ui/controls/StatusBar.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QTest>

namespace
{

// Every window of the program: each is a top-level window of its own.
QList<Window*> everyWindow()
{
    QList<Window*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<Window*>(widget))
            windows << window;
    }
    return windows;
}

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
    void everyWindowHasItsRoleAndEveryControlItsName()
    {
        TestWindows app;
        QStringList faults;
        const QList<Window*> windows = everyWindow();
        QCOMPARE(windows.size(), 22);
        for (Window* window : windows) {
            QAccessibleInterface* windowInterface = QAccessible::queryAccessibleInterface(window);
            const QAccessible::Role expected =
                window->isDialog() ? QAccessible::Dialog : QAccessible::Window;
            if (windowInterface->role() != expected)
                faults << describe(window) +
                              QStringLiteral(" has role %1").arg(windowInterface->role());
            if (window->isDialog() && !windowInterface->state().modal)
                faults << describe(window) + QStringLiteral(" is not modal");
            for (QWidget* control : window->findChildren<QWidget*>()) {
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
        }
        for (const QString& fault : faults)
            qWarning("%s", qPrintable(fault));
        QVERIFY2(faults.isEmpty(), "every fault is listed above");
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_Accessibility.moc"
