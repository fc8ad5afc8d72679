#include "ui/controls/Button.h"

#include <QHBoxLayout>
#include <QStyle>

namespace
{

QIcon standardIcon(const QStyle* style, ButtonIcon icon)
{
    switch (icon) {
    case ButtonIcon::None:
        return QIcon();
    case ButtonIcon::Ok:
        return style->standardIcon(QStyle::SP_DialogOkButton);
    case ButtonIcon::Cancel:
        return style->standardIcon(QStyle::SP_DialogCancelButton);
    case ButtonIcon::Close:
        return style->standardIcon(QStyle::SP_DialogCloseButton);
    case ButtonIcon::New:
        return style->standardIcon(QStyle::SP_FileIcon);
    case ButtonIcon::Save:
        return style->standardIcon(QStyle::SP_DialogSaveButton);
    case ButtonIcon::Load:
        return style->standardIcon(QStyle::SP_DialogOpenButton);
    case ButtonIcon::Edit:
        return style->standardIcon(QStyle::SP_FileDialogDetailedView);
    case ButtonIcon::Add:
        return style->standardIcon(QStyle::SP_FileDialogNewFolder);
    case ButtonIcon::Delete:
        return style->standardIcon(QStyle::SP_TrashIcon);
    case ButtonIcon::Previous:
        return style->standardIcon(QStyle::SP_ArrowLeft);
    case ButtonIcon::Next:
        return style->standardIcon(QStyle::SP_ArrowRight);
    case ButtonIcon::Help:
        return style->standardIcon(QStyle::SP_MessageBoxQuestion);
    }
    return QIcon();
}

} // namespace

Button::Button(QWidget* parent, const QString& caption, ButtonIcon icon)
    : QPushButton(caption, parent)
{
    setIcon(standardIcon(style(), icon));
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
