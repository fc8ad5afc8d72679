#pragma once

#include <QString>
#include <QStringList>

class ScriptedUser;
class Grid;

// What the costs window showed the scripted user: its caption, its name heading and its names.
struct CostsSeen {
    QString caption;
    QString heading;
    QStringList names;
    QStringList costs;
};

// The next picker: the user clicks the named items in turn, then OK (or Cancel).
void pickNames(ScriptedUser& user, const QStringList& names, bool ok = true);

// The next costs window: the user types each text over the cost of its row, then clicks OK.
// What the window showed on opening is recorded in `seen` when it is given.
void typeCosts(ScriptedUser& user, const QStringList& costs, CostsSeen* seen = nullptr);

// Types over the text of a grid cell, as a user who clicks it, selects all and types; the
// empty text clears the cell.
void typeOverCell(Grid& grid, int col, int row, const QString& text);
