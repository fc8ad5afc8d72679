#include "datafile/ReadErrorDialog.h"
#include "store/StoreHost.h"
#include "support/TestWindows.h"
#include "ui/Window.h"
#include "ui/catalogue/AbilityCostsDialog.h"
#include "ui/catalogue/AbilityEditor.h"
#include "ui/catalogue/Picker.h"
#include "ui/catalogue/WeaponEditor.h"
#include "ui/controls/Button.h"
#include "ui/controls/Grid.h"
#include "ui/controls/StatusBar.h"
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
#include "ui/main/TroopSelectionDialog.h"
#include "ui/wizard/CharacteristicsStep.h"
#include "ui/wizard/ItemListStep.h"
#include "ui/wizard/ReplaceableWeaponsStep.h"
#include "ui/wizard/RestrictionsStep.h"
#include "ui/wizard/WeaponCostsDialog.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QTest>

namespace
{

// Every window of the program, each reached through the registry, which makes it.
QList<Window*> everyWindow(const WindowRegistry& w)
{
    return {w.mainWindow,
            w.storeHost,
            w.characteristicsStep,
            w.itemListStep,
            w.picker,
            w.weaponEditor,
            w.replaceableWeaponsStep,
            w.weaponCostsDialog,
            w.abilityEditor,
            w.abilityCostsDialog,
            w.restrictionsStep,
            w.troopSelectionDialog,
            w.readErrorDialog,
            w.mainWindowHelp,
            w.characteristicsHelp,
            w.standardWeaponsHelp,
            w.replaceableWeaponsHelp,
            w.additionalWeaponsHelp,
            w.abilitiesHelp,
            w.restrictionsHelp,
            w.abilityEditorHelp,
            w.abilityCostsHelp};
}

// The windows that exist: each is a top-level window of its own.
QList<Window*> madeWindows()
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
        const QList<Window*> windows = everyWindow(app.windows);
        QCOMPARE(madeWindows().size(), 22);
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
