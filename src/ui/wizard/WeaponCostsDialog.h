#pragma once

#include "ui/Window.h"

#include <QList>
#include <QString>

class Button;
class GridHeadings;
class QLabel;
class Grid;

// The costs window: a grid of weapon names and their costs in points, which steps 4 and 5 show
// for the replace weapons of one weapon and for all additional weapons. OK is its only way out.
//
// A caller, before every showing:
//   costs.setWindowTitle(QStringLiteral("Replace Weapon Costs"));
//   costs.setNameHeading(QStringLiteral("Name of the replace weapon"));
//   costs.setRows({{QStringLiteral("Flame thrower"), 6}, {QStringLiteral("Rocket launcher"), 0}});
//   costs.exec();
//   for (const WeaponCostsDialog::CostRow& row : costs.takeRows()) ...
// The window keeps the caption and heading last set. takeRows() empties the cost cells it reads,
// so nothing of one use reaches the next.
class WeaponCostsDialog : public Window
{
    Q_OBJECT
public:
    struct CostRow {
        QString name;
        int cost = 0;
    };

    explicit WeaponCostsDialog(WindowRegistry& windows);

    void activate() override;
    void replaceCommasInCosts();
    void showHelp();

    // The heading of the name column.
    void setNameHeading(const QString& heading);
    // One row per weapon, in the given order, each cost shown in decimal; no rows for none.
    void setRows(const QList<CostRow>& rows);
    // Every row as the user left it, in row order, each cost cell read as a whole number (text
    // that is no number reads as 0); the cost cells are emptied.
    QList<CostRow> takeRows();

    QLabel* nameHeading;
    QLabel* costHeading;
    GridHeadings* headings;
    Grid* costGrid;
    Button* okButton;
    Button* helpButton;
};
