#pragma once

#include <QString>

class LineList;

// Adds a line and yields its position, or -1 when the list did not take it: a sorted list
// refuses a line equal, without regard to case, to one it already holds.
int addLine(LineList& list, const QString& line);

// Replaces the line at index by another, which a sorted list puts at its place and a plain
// list at its end. When the list refuses the new line, the old one is put back, so that no
// line is ever lost; then the result is false.
bool replaceLine(LineList& list, int index, const QString& line);
