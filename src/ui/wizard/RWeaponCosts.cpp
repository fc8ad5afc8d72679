#include "ui/wizard/RWeaponCosts.h"

#include "store/LineOps.h"
#include "store/Number.h"
#include "ui/controls/Buttons.h"
#include "ui/controls/Grid.h"
#include "ui/controls/GridHeadings.h"
#include "ui/controls/Labels.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace
{

constexpr int NameCol = 0;
constexpr int CostCol = 1;
constexpr int RowsBeforeFirstUse = 50;

} // namespace

TForm8::TForm8(Forms& forms)
    : FormBase(forms, QStringLiteral("Replaceable weapon costs"), Border::NoButtons)
{
    StringGrid1 = new StringGrid(this, 2, RowsBeforeFirstUse);
    StringGrid1->SetFixedCols(1);
    QFont bold = StringGrid1->font();
    bold.setBold(true);
    StringGrid1->setFont(bold);
    StringGrid1->SetColWidth(NameCol, 257);
    StringGrid1->SetColWidth(CostCol, 45);
    StringGrid1->SetRowHeight(16);
    StringGrid1->SetVisibleRows(6);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    StringGrid1->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    Panel1 = MakeHeading(this, QStringLiteral("Name of the replace weapon"));
    Panel2 = MakeHeading(this, QStringLiteral("Costs"));
    Headings = new GridHeadings(this, StringGrid1, {Panel1, Panel2});

    BitBtn1 = new BitBtn(this, QStringLiteral("OK"), Glyph::Ok);
    BitBtn6 = MakeHelpButton(this);
    SetDefaultButton(BitBtn1);

    auto* layout = new QVBoxLayout(this);
    QHBoxLayout* gridRow = HeadedGrid(Headings, StringGrid1, true);
    layout->addLayout(gridRow);
    layout->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);
    buttons->addStretch(1);
    buttons->addWidget(BitBtn6);
    layout->addLayout(buttons);

    SetTabOrder({StringGrid1, BitBtn1, BitBtn6});

    connect(StringGrid1, &StringGrid::Exit, this, &TForm8::StringGrid1Exit);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { SetModalResult(mrOk); });
    connect(BitBtn6, &QPushButton::clicked, this, &TForm8::BitBtn6Click);

    SetClientSize(356, 182);
}

// The user starts typing in the first weapon's cost; with no weapon there is only OK.
void TForm8::FormActivate()
{
    if (StringGrid1->RowCount() == 0) {
        BitBtn1->setFocus(Qt::OtherFocusReason);
        return;
    }
    StringGrid1->SetRow(0);
    StringGrid1->SetCol(CostCol);
    StringGrid1->scrollToTop();
    StringGrid1->setFocus(Qt::OtherFocusReason);
}

void TForm8::SetHeading(const QString& heading)
{
    Panel1->setText(heading);
}

void TForm8::SetRows(const QList<CostRow>& rows)
{
    StringGrid1->SetRowCount(rows.size());
    for (int row = 0; row < rows.size(); ++row) {
        StringGrid1->SetCell(NameCol, row, rows[row].name);
        StringGrid1->SetCell(CostCol, row, QString::number(rows[row].cost));
    }
}

QList<TForm8::CostRow> TForm8::TakeRows()
{
    QList<CostRow> rows;
    for (int row = 0; row < StringGrid1->RowCount(); ++row) {
        rows.append({StringGrid1->Cell(NameCol, row), ReadNumber(StringGrid1->Cell(CostCol, row))});
        StringGrid1->SetCell(CostCol, row, QString());
    }
    return rows;
}

// Costs become fields of the troop's lines, so a typed comma turns into ";".
void TForm8::StringGrid1Exit()
{
    for (int row = 0; row < StringGrid1->RowCount(); ++row) {
        QString cost = StringGrid1->Cell(CostCol, row);
        CommaToSemicolon(cost);
        StringGrid1->SetCell(CostCol, row, cost);
    }
}

void TForm8::BitBtn6Click()
{
    MessageBox(this, QStringLiteral("Help on Weapon Costs"),
               QStringLiteral("Fill in the point costs of all given weapons and click on the Ok "
                              "button"),
               MessageButtons::Ok);
}
