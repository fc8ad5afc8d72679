#include "ui/wizard/WeaponCostsDialog.h"

#include "store/LineOps.h"
#include "store/Number.h"
#include "ui/controls/Button.h"
#include "ui/controls/Grid.h"
#include "ui/controls/GridHeadings.h"
#include "ui/controls/Labels.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace
{

constexpr int nameCol = 0;
constexpr int costCol = 1;

} // namespace

WeaponCostsDialog::WeaponCostsDialog(QWidget* opener, const QString& caption,
                                     const QString& nameColumnHeading, const QList<CostRow>& rows)
    : Dialog(opener, caption, TitleBar::CaptionOnly)
{
    costGrid = new Grid(this, 2, rows.size());
    costGrid->setObjectName(QStringLiteral("costGrid"));
    costGrid->setFixedColumns(1);
    QFont bold = costGrid->font();
    bold.setBold(true);
    costGrid->setFont(bold);
    costGrid->resizeColumn(nameCol, 257);
    costGrid->resizeColumn(costCol, 45);
    costGrid->setDefaultRowHeight(16);
    costGrid->setVisibleRows(6);
    costGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    costGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    costGrid->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    nameHeading = makeHeading(this, nameColumnHeading);
    nameHeading->setObjectName(QStringLiteral("nameHeading"));
    costHeading = makeHeading(this, QStringLiteral("Costs"));
    costHeading->setObjectName(QStringLiteral("costHeading"));
    headings = new GridHeadings(this, costGrid, {nameHeading, costHeading});
    headings->setObjectName(QStringLiteral("headings"));

    okButton = new Button(this, QStringLiteral("&OK"), ButtonIcon::Ok);
    okButton->setObjectName(QStringLiteral("okButton"));
    helpButton = makeHelpButton(this);
    helpButton->setObjectName(QStringLiteral("helpButton"));
    setHelpButton(helpButton);
    setDefaultButton(okButton);

    auto* layout = new QVBoxLayout(this);
    QHBoxLayout* gridRow = headedGrid(headings, costGrid, true);
    layout->addLayout(gridRow);
    layout->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    buttons->addStretch(1);
    buttons->addWidget(helpButton);
    layout->addLayout(buttons);

    setTabChain({costGrid, okButton, helpButton});

    connect(costGrid, &Grid::exited, this, &WeaponCostsDialog::replaceCommasInCosts);
    connect(okButton, &QPushButton::clicked, this, [this] { done(Accepted); });
    connect(helpButton, &QPushButton::clicked, this, &WeaponCostsDialog::showHelp);

    setFixedClientSize(356, 182);

    for (int row = 0; row < rows.size(); ++row) {
        costGrid->setCell(nameCol, row, rows[row].name);
        costGrid->setCell(costCol, row, QString::number(rows[row].cost));
    }
}

// The user starts typing in the first weapon's cost; with no weapon there is only OK.
void WeaponCostsDialog::activate()
{
    if (costGrid->rowCount() == 0) {
        okButton->setFocus(Qt::OtherFocusReason);
        return;
    }
    costGrid->setCurrentRow(0);
    costGrid->setCurrentColumn(costCol);
    costGrid->scrollToTop();
    costGrid->setFocus(Qt::OtherFocusReason);
}

QList<WeaponCostsDialog::CostRow> WeaponCostsDialog::rows() const
{
    QList<CostRow> rows;
    for (int row = 0; row < costGrid->rowCount(); ++row)
        rows.append({costGrid->cell(nameCol, row), readNumber(costGrid->cell(costCol, row))});
    return rows;
}

// Costs become fields of the troop's lines, so a typed comma turns into ";".
void WeaponCostsDialog::replaceCommasInCosts()
{
    for (int row = 0; row < costGrid->rowCount(); ++row) {
        QString cost = costGrid->cell(costCol, row);
        commaToSemicolon(cost);
        costGrid->setCell(costCol, row, cost);
    }
}

void WeaponCostsDialog::showHelp()
{
    messageBox(this, QStringLiteral("Help on Weapon Costs"),
               QStringLiteral("Fill in the point costs of all given weapons and click on the Ok "
                              "button"),
               QMessageBox::Ok);
}
