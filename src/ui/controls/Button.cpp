#include "ui/controls/Button.h"

#include <QHBoxLayout>
#include <QIcon>

namespace
{

const char* pictureName(ButtonIcon icon)
{
    switch (icon) {
    case ButtonIcon::None:
        return nullptr;
    case ButtonIcon::Ok:
        return "ok";
    case ButtonIcon::Cancel:
        return "cancel";
    case ButtonIcon::Close:
        return "close";
    case ButtonIcon::New:
        return "new";
    case ButtonIcon::Save:
        return "save";
    case ButtonIcon::Load:
        return "load";
    case ButtonIcon::Edit:
        return "edit";
    case ButtonIcon::Add:
        return "add";
    case ButtonIcon::Delete:
        return "delete";
    case ButtonIcon::Previous:
        return "previous";
    case ButtonIcon::Next:
        return "next";
    case ButtonIcon::Help:
        return "help";
    }
    return nullptr;
}

// The pictures are compiled into the program (icons/), so no theme is searched for them.
QIcon picture(ButtonIcon icon)
{
    const char* name = pictureName(icon);
    return name ? QIcon(QStringLiteral(":/icons/%1.png").arg(QLatin1String(name))) : QIcon();
}

} // namespace

Button::Button(QWidget* parent, const QString& caption, ButtonIcon icon)
    : QPushButton(caption, parent)
{
    setIcon(picture(icon));
    setAutoDefault(false);
}

Button* makeHelpButton(QWidget* parent)
{
    auto* button = new Button(parent, QString(), ButtonIcon::Help);
    button->setAccessibleName(QStringLiteral("Help"));
    button->setToolTip(QStringLiteral("Help"));
    return button;
}

QHBoxLayout* buttonRow(std::initializer_list<QWidget*> buttons, QWidget* help)
{
    auto* row = new QHBoxLayout;
    for (QWidget* button : buttons)
        row->addWidget(button);
    row->addStretch(1);
    row->addWidget(help);
    return row;
}
