#include "ui/WindowAccessibility.h"

#include "ui/Window.h"
#include "ui/controls/Button.h"
#include "ui/controls/StatusBar.h"

#include <QAccessibleWidget>

namespace
{

class WindowInterface : public QAccessibleWidget
{
public:
    explicit WindowInterface(Window* window)
        : QAccessibleWidget(window, window->isDialog() ? QAccessible::Dialog : QAccessible::Window)
    {
    }

    // Dialogs are only ever shown modally.
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.modal = static_cast<const Window*>(widget())->isDialog();
        return state;
    }
};

QAccessibleInterface* interfaceFor(const QString&, QObject* object)
{
    if (auto* window = qobject_cast<Window*>(object))
        return new WindowInterface(window);
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
