#include "ui/help/HelpWindow.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

namespace
{

// A help window stays on a small laptop screen whole: its client area is at most this high,
// which with a title bar comes to about 700 pixels.
constexpr int maxClientHeight = 660;
// Room left on the screen for the window's frame and the desktop's panels.
constexpr int screenAllowance = 48;
// The space between the rows of button pictures, so that the buttons do not touch.
constexpr int rowGap = 4;
// How far an indented line, such as an example, is set in.
constexpr int indent = 24;

} // namespace

HelpPanel::HelpPanel(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    grid = new QGridLayout(this);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(1);
    grid->setColumnStretch(1, 1);
    grid->setAlignment(Qt::AlignVCenter);
}

QLabel* HelpPanel::addText(const QString& text, bool bold, int indent)
{
    QLabel* label = HelpWindow::makeText(this, text, bold);
    label->setContentsMargins(indent, 0, 0, 0);
    grid->addWidget(label, rows++, 0, 1, 2);
    return label;
}

QLabel* HelpPanel::addLine(const QString& text)
{
    return addText(text, false, 0);
}

QLabel* HelpPanel::addBoldLine(const QString& text)
{
    return addText(text, true, 0);
}

QLabel* HelpPanel::addIndentedLine(const QString& text)
{
    return addText(text, false, indent);
}

ButtonPicture* HelpPanel::addButton(const QString& caption, ButtonIcon icon,
                                    const QStringList& explanation)
{
    auto* button = new ButtonPicture(this, caption, icon);
    button->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    addRow(button, explanation);
    return button;
}

QLabel* HelpPanel::addQuestionLine(const QString& question)
{
    if (rows > 0)
        grid->setRowMinimumHeight(rows++, rowGap);
    return addText(question, false, 0);
}

QLabel* HelpPanel::addQuestionRow(const QString& question, const QStringList& explanation)
{
    QLabel* label = HelpWindow::makeText(this, question);
    addRow(label, explanation);
    return label;
}

void HelpPanel::addRow(QWidget* left, const QStringList& explanation)
{
    if (rows > 0)
        grid->setRowMinimumHeight(rows++, rowGap);
    auto* lines = new QVBoxLayout;
    lines->setSpacing(0);
    for (const QString& text : explanation)
        lines->addWidget(HelpWindow::makeText(this, text));
    grid->addWidget(left, rows, 0, Qt::AlignVCenter);
    grid->addLayout(lines, rows++, 1, Qt::AlignVCenter);
}

void HelpPanel::addDrawing(QWidget* drawing)
{
    drawing->setParent(this);
    grid->addWidget(drawing, rows++, 0, 1, 2, Qt::AlignLeft);
}

HelpWindow::HelpWindow(QWidget* opener, const QString& caption)
    : Dialog(opener, caption, TitleBar::CloseButton)
{
    body = new QWidget;
    bodyLayout = new QVBoxLayout(body);
    bodyLayout->setContentsMargins(0, 0, 0, 0);
    bodyLayout->setSpacing(6);

    page = new QScrollArea(this);
    page->setFrameShape(QFrame::NoFrame);
    page->setFocusPolicy(Qt::NoFocus);
    page->setWidgetResizable(true);
    page->setWidget(body);

    okButton = new Button(this, QStringLiteral("&OK"), ButtonIcon::Ok);
    okButton->setObjectName(QStringLiteral("okButton"));
    connect(okButton, &QPushButton::clicked, this, [this] { done(Accepted); });
    setDefaultButton(okButton);
    setCancelButton(okButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(page, 1);
    layout->addWidget(okButton, 0, Qt::AlignHCenter);
}

QLabel* HelpWindow::makeText(QWidget* parent, const QString& text, bool bold)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(false);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

QLabel* HelpWindow::addBanner(const QString& text)
{
    QLabel* label = makeText(body, text, true);
    label->setFrameStyle(QFrame::Panel | QFrame::Raised);
    label->setAlignment(Qt::AlignCenter);
    label->setMargin(4);
    bodyLayout->addWidget(label);
    pageLines = nullptr;
    return label;
}

HelpPanel* HelpWindow::addPanel()
{
    auto* panel = new HelpPanel(body);
    bodyLayout->addWidget(panel);
    pageLines = nullptr;
    return panel;
}

QLabel* HelpWindow::addLine(const QString& text)
{
    if (!pageLines) {
        pageLines = new QVBoxLayout;
        pageLines->setSpacing(1);
        bodyLayout->addLayout(pageLines);
    }
    QLabel* label = makeText(body, text);
    label->setContentsMargins(9, 0, 0, 0);
    pageLines->addWidget(label);
    return label;
}

void HelpWindow::addDeleteAndEditButtons(HelpPanel& buttons)
{
    buttons.addButton(QStringLiteral("  Del"), ButtonIcon::Delete,
                      {QStringLiteral("Pressing this button will delete the selected item from the "
                                      "list. This button is only available if you've selected an "
                                      "item.")});
    buttons.addButton(QStringLiteral("  Edit"), ButtonIcon::Edit,
                      {QStringLiteral("Pressing this button will edit the selected item from the "
                                      "list. This button is only available if you've selected an "
                                      "item.")});
}

void HelpWindow::fixSize(QSize clientSize)
{
    // Room to spare on the page makes each panel taller in proportion to its height, its lines
    // kept in the middle.
    for (int item = 0; item < bodyLayout->count(); ++item) {
        if (auto* panel = qobject_cast<HelpPanel*>(bodyLayout->itemAt(item)->widget()))
            bodyLayout->setStretch(item, panel->sizeHint().height());
    }
    layout()->activate();

    const QMargins margins = layout()->contentsMargins();
    const QSize content = body->sizeHint();
    int naturalWidth = content.width() + margins.left() + margins.right();
    const int naturalHeight = content.height() + margins.top() + margins.bottom() +
                              layout()->spacing() + okButton->sizeHint().height();

    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect room = screen ? screen->availableGeometry() : QRect(0, 0, 1366, 768);
    const int maxHeight = qMin(maxClientHeight, room.height() - screenAllowance);
    const int maxWidth = room.width() - screenAllowance;
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, page);

    const int clientHeight = qMin(qMax(clientSize.height(), naturalHeight), maxHeight);
    if (naturalHeight > clientHeight)
        naturalWidth += bar;
    const int clientWidth = qMin(qMax(clientSize.width(), naturalWidth), maxWidth);
    setFixedSize(clientWidth, clientHeight);
}

// A page taller than the window scrolls with the keys of a text viewer; OK keeps the focus.
void HelpWindow::keyPressEvent(QKeyEvent* event)
{
    QScrollBar* bar = page->verticalScrollBar();
    switch (event->key()) {
    case Qt::Key_PageDown:
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        return;
    case Qt::Key_PageUp:
        bar->triggerAction(QAbstractSlider::SliderPageStepSub);
        return;
    case Qt::Key_Home:
        bar->triggerAction(QAbstractSlider::SliderToMinimum);
        return;
    case Qt::Key_End:
        bar->triggerAction(QAbstractSlider::SliderToMaximum);
        return;
    default:
        Dialog::keyPressEvent(event);
    }
}
