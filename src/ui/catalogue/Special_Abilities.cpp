#include "ui/catalogue/Special_Abilities.h"

#include "store/ComVars.h"
#include "store/LineOps.h"
#include "store/Number.h"
#include "ui/Forms.h"
#include "ui/catalogue/CatalogueLines.h"
#include "ui/controls/Buttons.h"
#include "ui/controls/Grid.h"
#include "ui/controls/GridHeadings.h"
#include "ui/controls/Labels.h"
#include "ui/controls/RadioGroup.h"
#include "ui/help/Help9.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace
{

enum Column { NameColumn, CostColumn, GroupColumn };
enum Scope { EachModel, WholeSquad };

} // namespace

TForm10::TForm10(Forms& forms, Store& store)
    : FormBase(forms, QStringLiteral("Edit Special Ability"), Border::NoButtons), store(store)
{
    StringGrid1 = new StringGrid(this, 3, 1);
    StringGrid1->SetFixedCols(1);
    StringGrid1->SetColWidth(NameColumn, 174);
    StringGrid1->SetColWidth(CostColumn, 32);
    StringGrid1->SetColWidth(GroupColumn, 40);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    Panel1 = MakeHeading(this, QStringLiteral("Special Ability"));
    Panel3 = MakeHeading(this, QStringLiteral("Costs"));
    Panel4 = MakeHeading(this, QStringLiteral("Groupnr"));
    Headings = new GridHeadings(this, StringGrid1, {Panel1, Panel3, Panel4});

    RadioGroup1 = new RadioGroup(
        this, QStringLiteral("RadioGroup1"),
        {QStringLiteral("This ability (and costs) applies to all models in the squad individually"),
         QStringLiteral("This ability (and costs) applies to the entire squad")});
    RadioGroup1->SetItemIndex(EachModel);

    BitBtn1 = new BitBtn(this, QStringLiteral("OK"), Glyph::Ok);
    BitBtn6 = MakeHelpButton(this);
    SetDefaultButton(BitBtn1);

    auto* layout = new QVBoxLayout(this);
    QHBoxLayout* gridRow = HeadedGrid(Headings, StringGrid1, true);
    layout->addLayout(gridRow);
    layout->addSpacing(6);
    layout->addWidget(RadioGroup1);
    layout->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);
    buttons->addStretch(1);
    buttons->addWidget(BitBtn6);
    layout->addLayout(buttons);

    setTabOrder(StringGrid1, RadioGroup1->Button(EachModel));
    SetTabOrder({RadioGroup1->Button(WholeSquad), BitBtn1, BitBtn6});

    connect(StringGrid1, &StringGrid::Exit, this, &TForm10::StringGrid1Exit);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { SetModalResult(mrOk); });
    connect(BitBtn6, &QPushButton::clicked, this, &TForm10::BitBtn6Click);

    SetClientSize(433, 187);
}

void TForm10::FormActivate()
{
    StringGrid1->setFocus(Qt::OtherFocusReason);
}

void TForm10::StringGrid1Exit()
{
    for (int col : {CostColumn, GroupColumn}) {
        QString cell = StringGrid1->Cell(col, 0);
        CommaToSemicolon(cell);
        StringGrid1->SetCell(col, 0, cell);
    }
}

// The dialog opens on the line's cost and group (a group below 1 shows as 1) and its scope;
// a scope other than 0 to 3 leaves the choice as the dialog last had it. The line is rebuilt
// from what the dialog holds when it closes. Should a sorted list refuse the rebuilt line (it
// equals another line without regard to case), the old line stays.
void EditAbilityCosts(Store& store, Forms& forms, int index)
{
    StringList* list = store.Current().SpecialList.get();
    if (!list || index < 0 || index >= list->Count())
        return;
    TForm10& dialog = *forms.Form10;
    const QString line = (*list)[index];
    StringGrid& grid = *dialog.StringGrid1;
    grid.SetCell(NameColumn, 0, GetField(line, 2));
    grid.SetCell(CostColumn, 0, QString::number(ReadNumber(GetField(line, 3))));
    grid.SetCell(GroupColumn, 0, QString::number(qMax(1, ReadNumber(GetField(line, 1)))));
    switch (ReadNumber(GetField(line, 4))) {
    case 0:
    case 2:
        dialog.RadioGroup1->SetItemIndex(EachModel);
        break;
    case 1:
    case 3:
        dialog.RadioGroup1->SetItemIndex(WholeSquad);
        break;
    default:
        break;
    }

    dialog.ShowModal();

    QString costed = QString::number(ReadNumber(grid.Cell(GroupColumn, 0))) + u',' +
                     GetField(line, 2) + u',' +
                     QString::number(ReadNumber(grid.Cell(CostColumn, 0)));
    if (dialog.RadioGroup1->ItemIndex() == WholeSquad)
        costed += QStringLiteral(",1");
    ReplaceLine(*list, index, costed);
}

void TForm10::BitBtn6Click()
{
    forms.Form22->ShowModal();
}
