#include "support/GridCells.h"

#include "ui/controls/Grid.h"

#include <QTest>

QStringList column(const Grid& grid, int col)
{
    QStringList cells;
    for (int row = 0; row < grid.rowCount(); ++row)
        cells << grid.cell(col, row);
    return cells;
}

void clickCell(Grid& grid, int col, int row)
{
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                      grid.visualRect(grid.model()->index(row, col)).center());
}
