#include "ui/WindowAccessibility.h"

#include "ui/Dialog.h"
#include "ui/Window.h"
#include "ui/controls/Button.h"
#include "ui/controls/StatusBar.h"

#include <QAccessibleWidget>

namespace
{

// Dialogs are only ever shown modally.
class DialogInterface : public QAccessibleWidget
{
public:
    explicit DialogInterface(Dialog* dialog) : QAccessibleWidget(dialog, QAccessible::Dialog) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.modal = true;
        return state;
    }
};

QAccessibleInterface* interfaceFor(const QString&, QObject* object)
{
    if (auto* window = qobject_cast<Window*>(object))
        return new QAccessibleWidget(window, QAccessible::Window);
    if (auto* dialog = qobject_cast<Dialog*>(object))
        return new DialogInterface(dialog);
    if (auto* picture = qobject_cast<ButtonPicture*>(object))
        return new QAccessibleWidget(picture, QAccessible::Graphic);
    if (auto* statusBar = qobject_cast<StatusBar*>(object))
        return new QAccessibleWidget(statusBar, QAccessible::StatusBar);
    return nullptr;
}

} // namespace

void installWindowAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(interfaceFor);
        return true;
    }();
    Q_UNUSED(installed);
}
