#include "ui/controls/StatusBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

namespace
{

// A sunken panel whose text, when wider than the panel, loses its middle to "…" instead of
// being cut off or widening the window.
class ElidingPanel : public QLabel
{
public:
    explicit ElidingPanel(QWidget* parent) : QLabel(parent)
    {
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        setMinimumWidth(1);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        drawFrame(&painter);
        const QRect area = contentsRect();
        painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter,
                         fontMetrics().elidedText(text(), Qt::ElideMiddle, area.width()));
    }
};

void makeSunken(QLabel* panel)
{
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setTextFormat(Qt::PlainText);
    panel->setContentsMargins(2, 0, 2, 0);
}

} // namespace

StatusBar::StatusBar(QWidget* parent, const QList<int>& widths, const QStringList& texts)
    : QWidget(parent)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    for (int i = 0; i < widths.size(); ++i) {
        auto* panel = new QLabel(texts.value(i), this);
        makeSunken(panel);
        const bool last = i == widths.size() - 1;
        if (last)
            panel->setMinimumWidth(widths[i]);
        else
            panel->setFixedWidth(widths[i]);
        panel->setSizePolicy(last ? QSizePolicy::Expanding : QSizePolicy::Fixed,
                             QSizePolicy::Fixed);
        panel->setMinimumHeight(panel->sizeHint().height());
        panel->setObjectName(QStringLiteral("Panel%1").arg(i));
        row->addWidget(panel, last ? 1 : 0);
        panels.append(panel);
    }
    messagePanel = new ElidingPanel(this);
    makeSunken(messagePanel);
    messagePanel->setMinimumHeight(panels.isEmpty() ? 0 : panels[0]->minimumHeight());
    messagePanel->setObjectName(QStringLiteral("messagePanel"));
    messagePanel->hide();
    row->addWidget(messagePanel, 1);
    messageTimer.setSingleShot(true);
    connect(&messageTimer, &QTimer::timeout, this, &StatusBar::clearMessage);
}

QString StatusBar::panelText(int index) const
{
    return panels.value(index) ? panels[index]->text() : QString();
}

void StatusBar::setPanelText(int index, const QString& text)
{
    if (QLabel* panel = panels.value(index))
        panel->setText(text);
}

void StatusBar::showMessage(const QString& text, int timeout)
{
    messagePanel->setText(text);
    messagePanel->setToolTip(text);
    for (QLabel* panel : std::as_const(panels))
        panel->hide();
    messagePanel->show();
    if (timeout > 0)
        messageTimer.start(timeout);
    else
        messageTimer.stop();
}

QString StatusBar::currentMessage() const
{
    return messagePanel->isHidden() ? QString() : messagePanel->text();
}

void StatusBar::clearMessage()
{
    messagePanel->hide();
    messagePanel->clear();
    messagePanel->setToolTip(QString());
    for (QLabel* panel : std::as_const(panels))
        panel->show();
}
