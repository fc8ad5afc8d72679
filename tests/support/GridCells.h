#pragma once

#include <QStringList>

class Grid;

// The texts of one column of a grid, row by row.
QStringList column(const Grid& grid, int col);

// Clicks a cell as the user does, which makes it the grid's current cell.
void clickCell(Grid& grid, int col, int row);
