#include "ui/controls/Button.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QResource>
#include <array>
#include <cstring>

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

// The pictures are compiled into the program as pixels (made from icons/ by the build), so no
// theme is searched and no picture decoded for them. Each is made once for the run, however
// many buttons carry it; the application owns them.
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
            picture = fromPixels(QStringLiteral(":/icons/%1.argb").arg(QLatin1String(name)));
        return picture;
    }

private:
    // The width and the height (32 bits each), then the rows of premultiplied ARGB pixels.
    static QIcon fromPixels(const QString& path)
    {
        const QByteArray bytes = QResource(path).uncompressedData();
        quint32 size[2] = {0, 0};
        if (bytes.size() < qsizetype(sizeof size))
            return QIcon();
        std::memcpy(size, bytes.constData(), sizeof size);
        if (size[0] == 0 || size[0] > 256 || size[1] == 0 || size[1] > 256 ||
            bytes.size() != qsizetype(sizeof size + size[0] * size[1] * 4))
            return QIcon();
        const QImage image(reinterpret_cast<const uchar*>(bytes.constData()) + sizeof size,
                           int(size[0]), int(size[1]), int(size[0]) * 4,
                           QImage::Format_ARGB32_Premultiplied);
        return QIcon(QPixmap::fromImage(image));
    }

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
    if (help)
        row->addWidget(help);
    return row;
}

#include "Button.moc"
