#pragma once

#include "ui/Dialog.h"

#include <QList>
#include <QString>

class Button;
class GridHeadings;
class QLabel;
class Grid;

// The costs window: a grid of weapon names and their costs in points, which steps 4 and 5 show
// for the replace weapons of one weapon and for all additional weapons. OK is its only way out.
//
//   WeaponCostsDialog costs(this, QStringLiteral("Replace Weapon Costs"),
//                           QStringLiteral("Name of the replace weapon"),
//                           {{QStringLiteral("Flame thrower"), 6}, {QStringLiteral("Rocket"), 0}});
//   costs.showModal();
//   for (const WeaponCostsDialog::CostRow& row : costs.rows()) ...
class WeaponCostsDialog : public Dialog
{
    Q_OBJECT
public:
    struct CostRow {
        QString name;
        int cost = 0;
    };

    // One row per weapon, in the given order, each cost shown in decimal; no rows for none.
    WeaponCostsDialog(QWidget* opener, const QString& caption, const QString& nameHeading,
                      const QList<CostRow>& rows);

    void activate() override;
    void replaceCommasInCosts();
    void showHelp();

    // Every row as the user left it, in row order, each cost cell read as a whole number (text
    // that is no number reads as 0).
    QList<CostRow> rows() const;

private:
    QLabel* nameHeading;
    QLabel* costHeading;
    GridHeadings* headings;
    Grid* costGrid;
    Button* okButton;
    Button* helpButton;
};
