#include "ui/catalogue/New_item.h"

#include "store/ComVars.h"
#include "store/LineOps.h"
#include "ui/controls/Buttons.h"
#include "ui/controls/Edit.h"
#include "ui/controls/Grid.h"
#include "ui/controls/GridHeadings.h"
#include "ui/controls/Labels.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

TForm6::TForm6(Forms& forms, Store& store)
    : FormBase(forms, QStringLiteral("Add Weapon"), Border::NoButtons), store(store)
{
    Panel1 = new QLabel(QStringLiteral("New weapon name"), this);
    Edit1 = new Edit(this);
    Panel1->setBuddy(Edit1);

    StringGrid1 = new StringGrid(this, CellCount, 1);
    const int widths[CellCount] = {37, 39, 39, 88, 264};
    for (int col = 0; col < CellCount; ++col)
        StringGrid1->SetColWidth(col, widths[col]);
    StringGrid1->SetRowHeight(16);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    Panel2 = MakeHeading(this, QStringLiteral("Range"));
    Panel3 = MakeHeading(this, QStringLiteral("S"));
    Panel4 = MakeHeading(this, QStringLiteral("AP"));
    Panel5 = MakeHeading(this, QStringLiteral("Weapontype"));
    Panel6 = MakeHeading(this, QStringLiteral("Description"));
    Headings = new GridHeadings(this, StringGrid1, {Panel2, Panel3, Panel4, Panel5, Panel6});

    BitBtn1 = new BitBtn(this, QStringLiteral("OK"), Glyph::Ok);
    BitBtn2 = new BitBtn(this, QStringLiteral("Cancel"), Glyph::Cancel);
    BitBtn6 = MakeHelpButton(this);
    SetDefaultButton(BitBtn1);
    SetCancelButton(BitBtn2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Panel1);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(Edit1, 2);
    nameRow->addStretch(3);
    layout->addLayout(nameRow);
    layout->addSpacing(6);
    QHBoxLayout* gridRow = HeadedGrid(Headings, StringGrid1, false);
    layout->addLayout(gridRow);
    layout->addStretch(1);
    QHBoxLayout* buttons = ButtonRow({BitBtn1, BitBtn2}, BitBtn6);
    layout->addLayout(buttons);

    SetTabOrder({Edit1, StringGrid1, BitBtn1, BitBtn2, BitBtn6});

    connect(Edit1, &Edit::Exit, this, &TForm6::Edit1Exit);
    connect(StringGrid1, &StringGrid::Exit, this, &TForm6::StringGrid1Exit);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm6::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, [this] { SetModalResult(mrCancel); });
    connect(BitBtn6, &QPushButton::clicked, this, &TForm6::BitBtn6Click);

    SetClientSize(511, 158);
}

// A new weapon starts empty with the focus on its name; a weapon placed here by the opener
// keeps its name and cells, and the focus goes to the cells.
void TForm6::FormActivate()
{
    if (!store.KeepItemFields) {
        Edit1->SetText(QString());
        Edit1->setFocus(Qt::OtherFocusReason);
        for (int col = 0; col < CellCount; ++col)
            StringGrid1->SetCell(col, 0, QString());
    } else {
        StringGrid1->setFocus(Qt::OtherFocusReason);
    }
    StringGrid1->SetCol(0);
}

void TForm6::Edit1Exit()
{
    QString name = Edit1->Text();
    CommaToSemicolon(name);
    if (name != Edit1->Text())
        Edit1->SetText(name);
}

void TForm6::StringGrid1Exit()
{
    for (int col = 0; col < CellCount; ++col) {
        QString cell = StringGrid1->Cell(col, 0);
        CommaToSemicolon(cell);
        StringGrid1->SetCell(col, 0, cell);
    }
}

// OK: a new weapon may not take the exact name of a catalogue weapon (another letter case is
// another name). The commas go first, so the entry always has six fields, even when Enter is
// pressed before the field was left.
void TForm6::BitBtn1Click()
{
    Edit1Exit();
    StringGrid1Exit();
    if (!store.EditingItem && FindEntry(Edit1->Text(), store.WeaponCatalogue.get()) >= 0) {
        MessageBox(this, QStringLiteral("*** DUPLICATE NAME ***"),
                   QStringLiteral("Duplicate weapon/special name! Please choose another name"),
                   MessageButtons::Ok);
        return;
    }
    SetModalResult(mrOk);
}

void TForm6::BitBtn6Click()
{
    MessageBox(this, QStringLiteral("Help on Add/Edit a Weapon"),
               QStringLiteral("Fill in the name and the characteristics of the weapon. If you "
                              "edit an existing weapon, you cannot change its name. This is done "
                              "for safety reasons so you don't loose track of the weapon in other "
                              "squads"),
               MessageButtons::Ok);
}

QString TForm6::Entry() const
{
    QString entry = Edit1->Text();
    for (int col = 0; col < CellCount; ++col)
        entry += u',' + StringGrid1->Cell(col, 0);
    return entry;
}

void TForm6::FillCells(const QString& entry)
{
    for (int col = 0; col < CellCount; ++col)
        StringGrid1->SetCell(col, 0, GetField(entry, col + 2));
}
