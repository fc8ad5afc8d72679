#include "ui/controls/StatusBar.h"

#include <QHBoxLayout>
#include <QLabel>

StatusBar::StatusBar(QWidget* parent, const QList<int>& widths, const QStringList& texts)
    : QWidget(parent)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    for (int i = 0; i < widths.size(); ++i) {
        auto* panel = new QLabel(texts.value(i), this);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setTextFormat(Qt::PlainText);
        panel->setContentsMargins(2, 0, 2, 0);
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
