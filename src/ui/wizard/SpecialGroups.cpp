#include "ui/wizard/SpecialGroups.h"

#include "store/ComVars.h"
#include "store/LineOps.h"
#include "store/Number.h"
#include "ui/Forms.h"
#include "ui/controls/Buttons.h"
#include "ui/controls/Edit.h"
#include "ui/controls/Grid.h"
#include "ui/controls/GridHeadings.h"
#include "ui/controls/Labels.h"
#include "ui/controls/StatusBar.h"
#include "ui/help/Help7.h"
#include "ui/main/Main.h"
#include "ui/wizard/St_Weapons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace
{

constexpr int GroupCol = 0;
constexpr int NamesCol = 1;
constexpr int MaxCol = 2;
constexpr int NamesWidth = 294;
constexpr int WidestNames = 760;
constexpr int ClientWidth = 480;
constexpr int ClientHeight = 300;

// A narrow edit for a small number.
Edit* MakeNumberEdit(QWidget* parent)
{
    auto* edit = new Edit(parent, QStringLiteral("0"));
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    return edit;
}

bool HasSpecialAbilities(const TheRec& troop)
{
    return troop.SpecialList && !troop.SpecialList->IsEmpty();
}

// How many ability names a cell of the group table holds: names up to the first empty one.
int NameCount(const QString& names)
{
    int count = 0;
    while (!GetField(names, count + 1).isEmpty())
        ++count;
    return count;
}

} // namespace

TForm11::TForm11(Forms& forms, Store& store)
    : FormBase(forms, QStringLiteral("Restrictions")), store(store)
{
    Panel1 = MakeLabel(this, QStringLiteral("How many weapons can 1 model carry in total "
                                            "(standard+replaceable+additional)?"));
    Edit1 = MakeNumberEdit(this);
    Panel5 = MakeLabel(this, QStringLiteral("How many Special Abilities can 1 model have in "
                                            "total?"));
    Edit2 = MakeNumberEdit(this);
    Panel1->setBuddy(Edit1);
    Panel5->setBuddy(Edit2);

    StringGrid1 = new StringGrid(this, 3, 5);
    StringGrid1->SetFixedCols(2);
    StringGrid1->SetColWidth(GroupCol, 41);
    StringGrid1->SetColWidth(NamesCol, NamesWidth);
    StringGrid1->SetColWidth(MaxCol, 39);
    StringGrid1->SetVisibleRows(5);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    StringGrid1->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    Panel2 = MakeHeading(this, QStringLiteral("Groupnr"));
    Panel3 = MakeHeading(this, QStringLiteral("Specials in the group"));
    Panel4 = MakeHeading(this, QStringLiteral("Max"));
    Headings = new GridHeadings(this, StringGrid1, {Panel2, Panel3, Panel4});

    BitBtn1 = new BitBtn(this, QStringLiteral(" Previous"), Glyph::Previous);
    BitBtn6 = MakeHelpButton(this);
    BitBtn2 = new BitBtn(this, QStringLiteral("OK"), Glyph::Ok);
    SetDefaultButton(BitBtn2);

    StatusBar1 = new StatusBar(this, {160, 50}, {QStringLiteral("Army:"), QStringLiteral("Name:")});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 2);
    auto* weapons = new QHBoxLayout;
    weapons->addWidget(Edit1);
    weapons->addStretch(1);
    auto* specials = new QHBoxLayout;
    specials->addWidget(Edit2);
    specials->addStretch(1);
    QHBoxLayout* gridRow = HeadedGrid(Headings, StringGrid1, false);
    QHBoxLayout* buttons = ButtonRow({BitBtn1, BitBtn2}, BitBtn6);

    layout->addWidget(Panel1);
    layout->addLayout(weapons);
    layout->addSpacing(6);
    layout->addWidget(Panel5);
    layout->addLayout(specials);
    layout->addSpacing(6);
    layout->addLayout(gridRow);
    layout->addStretch(1);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->addSpacing(4);
    layout->addWidget(StatusBar1);

    SetTabOrder({Edit1, Edit2, StringGrid1, BitBtn1, BitBtn2, BitBtn6});

    connect(StringGrid1, &StringGrid::Exit, this, &TForm11::StringGrid1Exit);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm11::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm11::BitBtn2Click);
    connect(BitBtn6, &QPushButton::clicked, this, &TForm11::BitBtn6Click);

    // Room for the ability limit and the group table, which only a troop with special
    // abilities shows.
    SetClientSize(ClientWidth, ClientHeight);
}

void TForm11::ShowGroupTable(bool visible)
{
    for (QWidget* control : {static_cast<QWidget*>(Panel5), static_cast<QWidget*>(Edit2),
                             static_cast<QWidget*>(Headings), static_cast<QWidget*>(StringGrid1)})
        control->setVisible(visible);
}

// Every activation shows the troop's limits as stored; the ability questions only for a troop
// with special abilities.
void TForm11::FormActivate()
{
    const TheRec& troop = store.Current();
    ShowGroupTable(false);
    Edit1->SetText(troop.Weapons);
    Edit1->setFocus(Qt::OtherFocusReason);
    Edit1->selectAll();
    if (HasSpecialAbilities(troop)) {
        ShowGroupTable(true);
        FillGroupTable();
    }
    StatusBar1->SetPanelText(0, store.TheArmy.Name);
    StatusBar1->SetPanelText(1, troop.Name);
}

// One row per run of consecutive abilities of the same group, in list order: the group, its
// ability names joined by ",", and the maximum held for that row's position.
void TForm11::FillGroupTable()
{
    const TheRec& troop = store.Current();
    const StringList& abilities = *troop.SpecialList;
    Edit2->SetText(GetField(troop.Specials, 1));

    QStringList groups;
    QStringList names;
    for (int i = 0; i < abilities.Count(); ++i) {
        const QString group = GetField(abilities[i], 1);
        if (groups.isEmpty() || group != groups.last()) {
            groups << group;
            names << QString();
        }
        names.last() += GetField(abilities[i], 2);
        if (i + 1 < abilities.Count() && GetField(abilities[i + 1], 1) == group)
            names.last() += u',';
    }

    StringGrid1->SetRowCount(groups.size());
    int namesWidth = NamesWidth;
    for (int row = 0; row < groups.size(); ++row) {
        StringGrid1->SetCell(GroupCol, row, groups[row]);
        StringGrid1->SetCell(NamesCol, row, names[row]);
        StringGrid1->item(row, NamesCol)->setToolTip(names[row]);
        StringGrid1->SetCell(MaxCol, row, GetField(troop.Specials, row + 2));
        namesWidth =
            qMax(namesWidth, StringGrid1->fontMetrics().horizontalAdvance(names[row]) + 12);
    }
    StringGrid1->SetRow(0);
    StringGrid1->scrollToTop();

    // The window widens so that the names of each group show whole, as far as the screen
    // allows; the cell's tool tip shows names that are longer still.
    StringGrid1->SetColWidth(NamesCol, qMin(namesWidth, WidestNames));
    SetClientSize(ClientWidth, ClientHeight);
}

// Each group's maximum lies between 1 and the number of abilities in the group.
void TForm11::StringGrid1Exit()
{
    for (int row = 0; row < StringGrid1->RowCount(); ++row) {
        const int count = NameCount(StringGrid1->Cell(NamesCol, row));
        int max = ReadNumber(StringGrid1->Cell(MaxCol, row));
        if (count < max)
            max = count;
        if (max <= 0)
            max = 1;
        StringGrid1->SetCell(MaxCol, row, QString::number(max));
    }
}

// The weapon limit is held between 0 and the troop's number of weapon lines. A troop without
// special abilities holds no ability limits, so nothing of another troop's table is kept.
void TForm11::StoreRestrictions()
{
    TheRec& troop = store.Current();
    if (HasSpecialAbilities(troop)) {
        QStringList fields{QString::number(ReadNumber(Edit2->Text()))};
        for (int row = 0; row < StringGrid1->RowCount(); ++row)
            fields << QString::number(ReadNumber(StringGrid1->Cell(MaxCol, row)));
        troop.Specials = fields.join(u',');
    } else {
        troop.Specials = QStringLiteral("0");
    }
    int weapons = qMax(0, ReadNumber(Edit1->Text()));
    ClampToWeaponCount(store, weapons);
    troop.Weapons = QString::number(weapons);
}

// Previous: back to step 6, the special abilities, in the item-list window.
void TForm11::BitBtn1Click()
{
    StoreRestrictions();
    store.ListMode = 2;
    Hide();
    forms.Form4->Show();
}

// OK accepts the troop: a new troop is counted, and the wizard's next troop is the first free
// slot (the last slot once the army is full).
void TForm11::BitBtn2Click()
{
    StoreRestrictions();
    if (store.CurrentTroop == store.TroopCount)
        ++store.TroopCount;
    store.CurrentTroop = qMin(store.TroopCount, Store::TroopSlots - 1);
    Hide();
    forms.Form1->Show();
}

// The close box leaves the troop as entered but does not accept it.
void TForm11::FormClose()
{
    StoreRestrictions();
    Hide();
    forms.Form1->Show();
}

// What was typed is stored first, so that it is shown again when the help window closes.
void TForm11::BitBtn6Click()
{
    StoreRestrictions();
    forms.Form20->ShowModal();
}
