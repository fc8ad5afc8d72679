#pragma once

#include "ui/FormBase.h"

#include <QList>
#include <QString>

class BitBtn;
class GridHeadings;
class QLabel;
class StringGrid;

// The costs window: a grid of weapon names and their costs in points, which steps 4 and 5 show
// for the replace weapons of one weapon and for all additional weapons. OK is its only way out.
//
// A caller, before every showing:
//   costs.SetCaption(QStringLiteral("Replace Weapon Costs"));
//   costs.SetHeading(QStringLiteral("Name of the replace weapon"));
//   costs.SetRows({{QStringLiteral("Flame thrower"), 6}, {QStringLiteral("Rocket launcher"), 0}});
//   costs.ShowModal();
//   for (const TForm8::CostRow& row : costs.TakeRows()) ...
// The window keeps the caption and heading last set. TakeRows empties the cost cells it reads,
// so nothing of one use reaches the next.
class TForm8 : public FormBase
{
    Q_OBJECT
public:
    struct CostRow {
        QString name;
        int cost = 0;
    };

    explicit TForm8(Forms& forms);

    void FormActivate() override;
    void StringGrid1Exit();
    void BitBtn6Click();

    // The heading of the name column.
    void SetHeading(const QString& heading);
    // One row per weapon, in the given order, each cost shown in decimal; no rows for none.
    void SetRows(const QList<CostRow>& rows);
    // Every row as the user left it, in row order, each cost cell read as a whole number (text
    // that is no number reads as 0); the cost cells are emptied.
    QList<CostRow> TakeRows();

    QLabel* Panel1;
    QLabel* Panel2;
    GridHeadings* Headings;
    StringGrid* StringGrid1;
    BitBtn* BitBtn1;
    BitBtn* BitBtn6;
};
