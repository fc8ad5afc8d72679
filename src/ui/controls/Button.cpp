#include "ui/controls/Button.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <array>

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

// The pictures are compiled into the program (icons/), so no theme is searched for them. Each
// is decoded once for the run, however many buttons carry it; the application owns them.
class Pictures : public QObject
{
    Q_OBJECT
public:
    explicit Pictures(QObject* application) : QObject(application) {}

    static QIcon of(ButtonIcon icon)
    {
        auto* pictures = QCoreApplication::instance()->findChild<Pictures*>(
            QString(), Qt::FindDirectChildrenOnly);
        if (!pictures)
            pictures = new Pictures(QCoreApplication::instance());
        QIcon& picture = pictures->icons[size_t(icon)];
        const char* name = pictureName(icon);
        if (picture.isNull() && name)
            picture = QIcon(QStringLiteral(":/icons/%1.png").arg(QLatin1String(name)));
        return picture;
    }

private:
    std::array<QIcon, size_t(ButtonIcon::Help) + 1> icons;
};

} // namespace

Button::Button(QWidget* parent, const QString& caption, ButtonIcon icon)
    : QPushButton(caption, parent)
{
    setIcon(Pictures::of(icon));
    setAutoDefault(false);
    if (icon == ButtonIcon::Add || icon == ButtonIcon::Next)
        setLayoutDirection(Qt::RightToLeft);
}

ButtonPicture::ButtonPicture(QWidget* parent, const QString& caption, ButtonIcon icon)
    : Button(parent, caption, icon)
{
    setFocusPolicy(Qt::NoFocus);
    // A click on the picture falls through to the page, as on any printed picture.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleName(caption.trimmed());
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

#include "Button.moc"
