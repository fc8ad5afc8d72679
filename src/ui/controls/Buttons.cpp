#include "ui/controls/Buttons.h"

#include <QHBoxLayout>
#include <QStyle>

namespace
{

QIcon GlyphIcon(const QStyle* style, Glyph glyph)
{
    switch (glyph) {
    case Glyph::None:
        return QIcon();
    case Glyph::Ok:
        return style->standardIcon(QStyle::SP_DialogOkButton);
    case Glyph::Cancel:
        return style->standardIcon(QStyle::SP_DialogCancelButton);
    case Glyph::Close:
        return style->standardIcon(QStyle::SP_DialogCloseButton);
    case Glyph::New:
        return style->standardIcon(QStyle::SP_FileIcon);
    case Glyph::Save:
        return style->standardIcon(QStyle::SP_DialogSaveButton);
    case Glyph::Load:
        return style->standardIcon(QStyle::SP_DialogOpenButton);
    case Glyph::Edit:
        return style->standardIcon(QStyle::SP_FileDialogDetailedView);
    case Glyph::Add:
        return style->standardIcon(QStyle::SP_FileDialogNewFolder);
    case Glyph::Delete:
        return style->standardIcon(QStyle::SP_TrashIcon);
    case Glyph::Previous:
        return style->standardIcon(QStyle::SP_ArrowLeft);
    case Glyph::Next:
        return style->standardIcon(QStyle::SP_ArrowRight);
    case Glyph::Help:
        return style->standardIcon(QStyle::SP_MessageBoxQuestion);
    }
    return QIcon();
}

} // namespace

BitBtn::BitBtn(QWidget* parent, const QString& caption, Glyph glyph) : QPushButton(caption, parent)
{
    setIcon(GlyphIcon(style(), glyph));
    setAutoDefault(false);
}

BitBtn* MakeHelpButton(QWidget* parent)
{
    auto* button = new BitBtn(parent, QString(), Glyph::Help);
    button->setAccessibleName(QStringLiteral("Help"));
    button->setToolTip(QStringLiteral("Help"));
    return button;
}

QHBoxLayout* ButtonRow(std::initializer_list<QWidget*> buttons, QWidget* help)
{
    auto* row = new QHBoxLayout;
    for (QWidget* button : buttons)
        row->addWidget(button);
    row->addStretch(1);
    row->addWidget(help);
    return row;
}
