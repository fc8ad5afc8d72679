#include "ui/controls/GridHeadings.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

GridHeadings::GridHeadings(QWidget* parent, Grid* headedGrid, const QList<QLabel*>& headingLabels)
    : QWidget(parent), grid(headedGrid), labels(headingLabels)
{
    for (int col = 0; col < labels.size(); ++col) {
        QLabel* label = labels[col];
        if (!label)
            continue;
        label->setParent(this);
        if (col < grid->columnCount() && grid->columnWidth(col) < label->sizeHint().width())
            grid->resizeColumn(col, label->sizeHint().width());
    }
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    applyToGrid();
    connect(grid->horizontalHeader(), &QHeaderView::sectionResized, this, &GridHeadings::place);
    connect(grid->horizontalScrollBar(), &QScrollBar::valueChanged, this, &GridHeadings::place);
    grid->installEventFilter(this);
}

void GridHeadings::setHeading(int col, const QString& text)
{
    if (QLabel* label = labels.value(col)) {
        label->setText(text);
        applyToGrid();
    }
}

void GridHeadings::applyToGrid()
{
    QStringList texts;
    for (const QLabel* label : labels)
        texts << (label ? label->text() : QString());
    grid->setColumnHeadings(texts);
}

QSize GridHeadings::sizeHint() const
{
    int height = 0;
    for (const QLabel* label : labels) {
        if (label)
            height = qMax(height, label->sizeHint().height());
    }
    return QSize(grid->sizeHint().width(), height);
}

bool GridHeadings::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == grid && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        place();
    return QWidget::eventFilter(watched, event);
}

void GridHeadings::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    place();
}

void GridHeadings::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    place();
}

// Each heading spans its column exactly, measured where the grid shows its cells.
void GridHeadings::place()
{
    const int offset =
        grid->viewport()->mapToGlobal(QPoint(0, 0)).x() - mapToGlobal(QPoint(0, 0)).x();
    for (int col = 0; col < labels.size() && col < grid->columnCount(); ++col) {
        if (QLabel* label = labels[col])
            label->setGeometry(offset + grid->columnViewportPosition(col), 0,
                               grid->columnWidth(col), height());
    }
}

QHBoxLayout* headedGrid(GridHeadings* headings, Grid* grid, bool centred)
{
    auto* column = new QVBoxLayout;
    column->setSpacing(0);
    column->addWidget(headings);
    column->addWidget(grid);
    auto* row = new QHBoxLayout;
    if (centred)
        row->addStretch(1);
    row->addLayout(column);
    row->addStretch(1);
    return row;
}
