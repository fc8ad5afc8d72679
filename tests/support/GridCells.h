#pragma once

#include <QStringList>

class StringGrid;

// The texts of one column of a grid, row by row.
QStringList Column(const StringGrid& grid, int col);

// Clicks a cell as the user does, which makes it the grid's current cell.
void ClickCell(StringGrid& grid, int col, int row);
