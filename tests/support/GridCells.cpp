#include "support/GridCells.h"

#include "ui/controls/Grid.h"

#include <QTest>

QStringList Column(const StringGrid& grid, int col)
{
    QStringList cells;
    for (int row = 0; row < grid.RowCount(); ++row)
        cells << grid.Cell(col, row);
    return cells;
}

void ClickCell(StringGrid& grid, int col, int row)
{
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                      grid.visualRect(grid.model()->index(row, col)).center());
}
