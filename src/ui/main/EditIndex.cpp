#include "ui/main/EditIndex.h"

#include "store/ComVars.h"
#include "store/LineOps.h"
#include "ui/controls/Buttons.h"
#include "ui/controls/Grid.h"
#include "ui/controls/Labels.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace
{

constexpr int TypeCol = 0;
constexpr int NameCol = 1;
constexpr int TypeWidth = 78;
constexpr int NameWidth = 192;

const char* const RoleNames[] = {"HeadQuarters", "Elites", "Troops", "Fast Attack",
                                 "Heavy Support"};

// The role's long name for a troop's two-letter code; empty for any other text.
QString RoleName(const QString& code)
{
    for (const char* role : RoleNames) {
        const QString name = QString::fromLatin1(role);
        if (!code.isEmpty() && RoleCode(name) == code)
            return name;
    }
    return QString();
}

// The type column shows every role name whole in the grid's font.
int TypeColumnWidth(const QFontMetrics& metrics)
{
    int width = TypeWidth;
    for (const char* role : RoleNames)
        width = qMax(width, metrics.horizontalAdvance(QString::fromLatin1(role)) + 12);
    return width;
}

QLabel* MakeHeading(QWidget* parent, const QString& text, int width)
{
    QLabel* heading = MakeHeading(parent, text);
    heading->setFixedWidth(qMax(width, heading->sizeHint().width()));
    return heading;
}

} // namespace

TForm12::TForm12(Forms& forms, Store& store)
    : FormBase(forms, QStringLiteral("Select the desired unit to edit"), Border::NoButtons),
      store(store)
{
    StringGrid1 = new StringGrid(this, 2, 1);
    StringGrid1->SetReadOnly(true);
    StringGrid1->SetRowSelect(true);
    StringGrid1->SetRowHeight(16);
    StringGrid1->SetVisibleRows(9);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    // The headings stand over the two columns even while the grid shows a single empty cell.
    Panel1 = MakeHeading(this, QStringLiteral("Type"), TypeColumnWidth(StringGrid1->fontMetrics()));
    Panel2 = MakeHeading(this, QStringLiteral("Name of the unit"), NameWidth);
    StringGrid1->SetColWidth(TypeCol, Panel1->width());
    StringGrid1->SetColWidth(NameCol, Panel2->width());
    StringGrid1->setFixedSize(StringGrid1->sizeHint());

    BitBtn1 = new BitBtn(this, QStringLiteral("Edit"), Glyph::Edit);
    BitBtn2 = new BitBtn(this, QStringLiteral("Cancel"), Glyph::Cancel);
    BitBtn6 = MakeHelpButton(this);
    BitBtn3 = new BitBtn(this, QStringLiteral("Delete"), Glyph::Delete);
    SetDefaultButton(BitBtn1);
    SetCancelButton(BitBtn2);

    auto* headings = new QHBoxLayout;
    headings->setSpacing(0);
    headings->addSpacing(StringGrid1->frameWidth());
    headings->addWidget(Panel1);
    headings->addWidget(Panel2);
    headings->addStretch(1);
    auto* gridColumn = new QVBoxLayout;
    gridColumn->setSpacing(0);
    gridColumn->addLayout(headings);
    gridColumn->addWidget(StringGrid1);
    auto* gridRow = new QHBoxLayout;
    gridRow->addStretch(1);
    gridRow->addLayout(gridColumn);
    gridRow->addStretch(1);

    QHBoxLayout* buttons = ButtonRow({BitBtn1, BitBtn2, BitBtn3}, BitBtn6);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(gridRow);
    layout->addStretch(1);
    layout->addLayout(buttons);

    SetTabOrder({StringGrid1, BitBtn1, BitBtn2, BitBtn6, BitBtn3});

    connect(BitBtn1, &QPushButton::clicked, this, [this] { SetModalResult(mrOk); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { SetModalResult(mrCancel); });
    connect(BitBtn3, &QPushButton::clicked, this, &TForm12::BitBtn3Click);
    connect(BitBtn6, &QPushButton::clicked, this, &TForm12::BitBtn6Click);
    // A double click on a troop chooses it, as Edit does.
    connect(StringGrid1, &StringGrid::cellDoubleClicked, this, [this] { PressButton(BitBtn1); });

    SetClientSize(324, 231);
}

void TForm12::FormActivate()
{
    FillTroopGrid();
    StringGrid1->setFocus(Qt::OtherFocusReason);
}

// Row i shows the role and name of slot i. Without troops the grid is one empty cell, and
// there is nothing to delete.
void TForm12::FillTroopGrid()
{
    const int troops = qBound(0, store.TroopCount, int(Store::TroopSlots));
    if (troops == 0) {
        StringGrid1->SetColCount(1);
        StringGrid1->SetRowCount(1);
        StringGrid1->SetCell(TypeCol, 0, QString());
        BitBtn3->setEnabled(false);
        return;
    }
    StringGrid1->SetColCount(2);
    StringGrid1->SetColWidth(TypeCol, Panel1->width());
    StringGrid1->SetColWidth(NameCol, Panel2->width());
    StringGrid1->SetRowCount(troops);
    for (int slot = 0; slot < troops; ++slot) {
        const TheRec& troop = store.TroopTable[slot];
        StringGrid1->SetCell(TypeCol, slot, RoleName(troop.Type));
        StringGrid1->SetCell(NameCol, slot, troop.Name);
    }
    BitBtn3->setEnabled(true);
}

int TForm12::SelectedTroop() const
{
    return qBound(0, StringGrid1->Row(), Store::TroopSlots - 1);
}

// Delete: the last troop takes the place of the one deleted. Nothing is deleted without a
// troop on the selected row.
void TForm12::BitBtn3Click()
{
    const int row = StringGrid1->Row();
    if (row < 0 || row >= store.TroopCount)
        return;
    const QString question =
        QStringLiteral("Are you sure you want to delete this ") + store.TheArmy.SquadName + u'?';
    if (MessageBox(this, QStringLiteral("*** DELETE ***"), question, MessageButtons::YesNo) !=
        mrYes)
        return;
    RemoveTroop(store, row);
    FillTroopGrid();
}

void TForm12::BitBtn6Click()
{
    MessageBox(this, QStringLiteral("Help on Edit Squads"),
               QStringLiteral("Just choose the squad you want to edit from the given list and "
                              "click the Ok button"),
               MessageButtons::Ok);
}
