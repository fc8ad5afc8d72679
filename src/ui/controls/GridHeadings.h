#pragma once

#include "ui/controls/Grid.h"

#include <QList>
#include <QWidget>

class QHBoxLayout;
class QLabel;

// Headings that stand over a grid's columns: one label per column, in column order (null for
// a column without heading), each as wide as its column and kept over it when columns change
// width or the grid scrolls. A column narrower than its heading is widened to it.
class GridHeadings : public QWidget
{
    Q_OBJECT
public:
    GridHeadings(QWidget* parent, Grid* grid, const QList<QLabel*>& labels);

    // Changes the text of a column's heading, on screen and for assistive technology.
    void setHeading(int col, const QString& text);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void place();
    void applyToGrid();

    Grid* grid;
    QList<QLabel*> labels;
};

// The row that holds a grid with its headings right above it, centred in the window or at its
// left edge.
QHBoxLayout* headedGrid(GridHeadings* headings, Grid* grid, bool centred);
