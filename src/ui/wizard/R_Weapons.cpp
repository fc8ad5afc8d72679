#include "ui/wizard/R_Weapons.h"

#include "store/ComVars.h"
#include "store/LineOps.h"
#include "store/Number.h"
#include "ui/Forms.h"
#include "ui/catalogue/Availables.h"
#include "ui/catalogue/CatalogueLines.h"
#include "ui/catalogue/New_item.h"
#include "ui/controls/Buttons.h"
#include "ui/controls/Edit.h"
#include "ui/controls/Labels.h"
#include "ui/controls/ListBox.h"
#include "ui/controls/StatusBar.h"
#include "ui/help/Help4.h"
#include "ui/main/Main.h"
#include "ui/wizard/RWeaponCosts.h"
#include "ui/wizard/St_Weapons.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QShowEvent>
#include <QVBoxLayout>

namespace
{

// A sunken frame with a list over its three buttons.
QFrame* MakeListPanel(QWidget* parent)
{
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return panel;
}

void LayOutListPanel(QFrame* panel, ListBox* list, QWidget* add, QWidget* del, QWidget* edit)
{
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(list, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(del);
    buttons->addWidget(edit);
    layout->addLayout(buttons);
}

QLayout* Column(QLabel* heading, QFrame* panel)
{
    auto* column = new QVBoxLayout;
    column->setSpacing(2);
    column->addWidget(heading);
    column->addWidget(panel, 1);
    return column;
}

} // namespace

TForm7::TForm7(Forms& forms, Store& store)
    : FormBase(forms, QStringLiteral("Replaceable Weapons"), Border::CloseBox), store(store)
{
    Panel3 = MakeHeading(this, QStringLiteral("Weapons that can be replaced"));
    Panel1 = MakeListPanel(this);
    ListBox1 = new ListBox(Panel1, store.Collation());
    BitBtn1 = new BitBtn(Panel1, QStringLiteral("Add "), Glyph::Add);
    BitBtn1->setLayoutDirection(Qt::RightToLeft);
    BitBtn2 = new BitBtn(Panel1, QStringLiteral(" Del"), Glyph::Delete);
    BitBtn3 = new BitBtn(Panel1, QStringLiteral("Edit "), Glyph::Edit);
    LayOutListPanel(Panel1, ListBox1, BitBtn1, BitBtn2, BitBtn3);

    Panel4 = MakeHeading(this, QStringLiteral("Replace weapons"));
    Panel2 = MakeListPanel(this);
    ListBox2 = new ListBox(Panel2, store.Collation());
    BitBtn4 = new BitBtn(Panel2, QStringLiteral("Add  "), Glyph::Add);
    BitBtn4->setLayoutDirection(Qt::RightToLeft);
    BitBtn5 = new BitBtn(Panel2, QStringLiteral("  Del"), Glyph::Delete);
    BitBtn8 = new BitBtn(Panel2, QStringLiteral(" Edit"), Glyph::Edit);
    LayOutListPanel(Panel2, ListBox2, BitBtn4, BitBtn5, BitBtn8);
    for (BitBtn* button : {BitBtn2, BitBtn3, BitBtn4, BitBtn5, BitBtn8})
        button->setEnabled(false);

    BitBtn6 = new BitBtn(this, QStringLiteral(" Previous"), Glyph::Previous);
    BitBtn7 = new BitBtn(this, QStringLiteral("Next  "), Glyph::Next);
    BitBtn7->setLayoutDirection(Qt::RightToLeft);
    BitBtn9 = MakeHelpButton(this);
    SetDefaultButton(BitBtn7);
    SetCancelButton(BitBtn7);

    StatusBar1 = new StatusBar(this, {160, 50}, {QStringLiteral("Army:"), QStringLiteral("Name:")});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 2);
    auto* lists = new QHBoxLayout;
    lists->addLayout(Column(Panel3, Panel1), 1);
    lists->addLayout(Column(Panel4, Panel2), 1);
    layout->addLayout(lists, 1);
    QHBoxLayout* buttons = ButtonRow({BitBtn6, BitBtn7}, BitBtn9);
    layout->addLayout(buttons);
    layout->addWidget(StatusBar1);

    SetTabOrder({BitBtn1, BitBtn2, BitBtn3, ListBox1, BitBtn4, BitBtn5, ListBox2, BitBtn8, BitBtn6,
                 BitBtn7, BitBtn9});

    connect(ListBox1, &ListBox::Click, this, &TForm7::ListBox1Click);
    connect(ListBox2, &ListBox::Click, this, &TForm7::ListBox2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm7::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm7::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm7::BitBtn3Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TForm7::BitBtn4Click);
    connect(BitBtn5, &QPushButton::clicked, this, &TForm7::BitBtn5Click);
    connect(BitBtn8, &QPushButton::clicked, this, &TForm7::BitBtn8Click);
    connect(BitBtn6, &QPushButton::clicked, this, &TForm7::BitBtn6Click);
    connect(BitBtn7, &QPushButton::clicked, this, &TForm7::BitBtn7Click);
    connect(BitBtn9, &QPushButton::clicked, this, &TForm7::BitBtn9Click);

    SetClientSize(444, 297);
}

void TForm7::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        entering = true;
    FormBase::showEvent(event);
}

// Entering the step shows the troop's replaceable weapons with none selected. When a modal
// window opened from here closes, both lists and the selection stay as the user left them.
void TForm7::FormActivate()
{
    if (entering) {
        entering = false;
        FillReplaceableList();
        FillReplaceList();
        UpdateReplaceableButtons();
        UpdateReplaceButtons();
    }
    ShowStatus();
}

void TForm7::ShowStatus()
{
    StatusBar1->SetPanelText(0, store.TheArmy.Name);
    StatusBar1->SetPanelText(1, store.Current().Name);
}

bool TForm7::ListBoxHasName(const ListBox& listBox, const QString& name)
{
    for (int i = 0; i < listBox.Count(); ++i) {
        if (GetField(listBox.Item(i), 1) == name)
            return true;
    }
    return false;
}

QString TForm7::SelectedWeapon() const
{
    return ListBox1->Item(ListBox1->ItemIndex());
}

void TForm7::FillReplaceableList()
{
    ListBox1->Clear();
    std::unique_ptr<StringList>& list = store.Current().R_WeaponList;
    if (!list)
        list = store.NewSortedList();
    for (const QString& line : list->Lines())
        ListBox1->Add(GetField(line, 1));
}

// The replace weapons of the selected weapon, each as its name and cost. The listing ends at
// the first empty name; every pair before it is shown, however long the line.
void TForm7::FillReplaceList()
{
    ListBox2->Clear();
    if (ListBox1->ItemIndex() < 0)
        return;
    const int a = FindEntry(SelectedWeapon(), store.Current().R_WeaponList.get());
    BitBtn8->setEnabled(true);
    if (a < 0)
        return;
    const QStringList fields = (*store.Current().R_WeaponList)[a].split(u',');
    for (int j = 1; j < fields.size() && !fields[j].isEmpty(); j += 2)
        ListBox2->Add(fields[j] + u',' + fields.value(j + 1));
}

void TForm7::UpdateReplaceableButtons()
{
    if (ListBox1->ItemIndex() >= 0) {
        BitBtn2->setEnabled(true);
        BitBtn3->setEnabled(true);
        BitBtn4->setEnabled(true);
        BitBtn8->setEnabled(ListBox2->Count() > 0);
        return;
    }
    BitBtn2->setEnabled(false);
    BitBtn3->setEnabled(false);
    BitBtn4->setEnabled(false);
    BitBtn5->setEnabled(false);
    ListBox2->Clear();
}

void TForm7::UpdateReplaceButtons()
{
    BitBtn5->setEnabled(ListBox2->ItemIndex() >= 0);
    BitBtn8->setEnabled(ListBox2->Count() > 0);
}

void TForm7::ListBox1Click()
{
    FillReplaceList();
    UpdateReplaceableButtons();
}

void TForm7::ListBox2Click()
{
    UpdateReplaceButtons();
}

int TForm7::PickWeapons(ListBox& target)
{
    store.ListMode = 0;
    TForm5& picker = *forms.Form5;
    picker.ListBox1->Clear();
    if (const StringList* catalogue = store.WeaponCatalogue.get()) {
        for (const QString& entry : catalogue->Lines())
            picker.ListBox1->Add(GetField(entry, 1));
    }
    const int result = picker.ShowModal();
    if (result != mrOk)
        return result;
    for (int i = 0; i < picker.ListBox1->Count(); ++i) {
        const QString name = picker.ListBox1->Item(i);
        if (picker.ListBox1->Selected(i) && !ListBoxHasName(target, name))
            target.Add(name);
    }
    return result;
}

// Left Add: each newly listed weapon gets a line of its own; the lines of weapons listed before
// keep their replace weapons.
void TForm7::BitBtn1Click()
{
    if (PickWeapons(*ListBox1) != mrOk)
        return;
    std::unique_ptr<StringList>& list = store.Current().R_WeaponList;
    if (!list)
        list = store.NewSortedList();
    for (int i = 0; i < ListBox1->Count(); ++i) {
        if (FindEntry(ListBox1->Item(i), list.get()) < 0)
            list->Add(ListBox1->Item(i));
    }
}

// Left Del: the weapon goes with all its replace weapons; the troop's list goes with its last
// line.
void TForm7::BitBtn2Click()
{
    if (MessageBox(this, QStringLiteral("*** DELETE WEAPON ***"),
                   QStringLiteral("Are you sure you want to delete the replaceable weapon?"),
                   MessageButtons::YesNo) != mrYes)
        return;
    std::unique_ptr<StringList>& list = store.Current().R_WeaponList;
    const int selected = ListBox1->ItemIndex();
    if (selected >= 0) {
        const int a = FindEntry(ListBox1->Item(selected), list.get());
        if (a >= 0)
            list->Delete(a);
        ListBox1->Delete(selected);
    }
    if (list && list->IsEmpty())
        list.reset();
    ListBox2->Clear();
    UpdateReplaceableButtons();
    UpdateReplaceButtons();
}

// Left Edit: the catalogue entry of the selected weapon, whose name cannot change here, so every
// troop line that names it stays valid. A weapon missing from the catalogue is added to it.
void TForm7::BitBtn3Click()
{
    if (ListBox1->ItemIndex() < 0)
        return;
    const QString name = SelectedWeapon();
    store.KeepItemFields = true;
    TForm6& editor = *forms.Form6;
    editor.SetCaption(QStringLiteral("Edit Replace Weapon"));
    editor.Panel1->setText(QStringLiteral("Replace Weapon name"));
    editor.Edit1->SetText(name);
    StringList& catalogue = *store.WeaponCatalogue;
    const int a = FindEntry(name, &catalogue);
    if (a >= 0)
        editor.FillCells(catalogue[a]);
    editor.Edit1->setReadOnly(true);
    store.EditingItem = true;
    if (editor.ShowModal() == mrOk) {
        if (a >= 0)
            ReplaceLine(catalogue, a, editor.Entry());
        else
            AddLine(catalogue, editor.Entry());
    }
    editor.Edit1->setReadOnly(false);
    store.EditingItem = false;
}

void TForm7::BitBtn4Click()
{
    if (PickWeapons(*ListBox2) == mrOk)
        EditReplaceCosts();
}

// A weapon whose line is missing (another weapon's line differs from its name only in letter
// case) gets its line now. A line the list refuses leaves the old line in place.
void TForm7::StoreWeaponLine(const QString& line)
{
    std::unique_ptr<StringList>& list = store.Current().R_WeaponList;
    if (!list)
        list = store.NewSortedList();
    const int a = FindEntry(SelectedWeapon(), list.get());
    if (a >= 0)
        ReplaceLine(*list, a, line);
    else
        AddLine(*list, line);
}

// The costs of every replace weapon of the selected weapon; its line is rebuilt from the right
// list: the weapon's name, then each replace weapon's name and cost in list order.
void TForm7::EditReplaceCosts()
{
    if (ListBox1->ItemIndex() < 0)
        return;
    QList<TForm8::CostRow> rows;
    for (int i = 0; i < ListBox2->Count(); ++i) {
        const QString item = ListBox2->Item(i);
        rows.append({GetField(item, 1), ReadNumber(GetField(item, 2))});
    }
    TForm8& costs = *forms.Form8;
    costs.SetCaption(QStringLiteral("Replace Weapon Costs"));
    costs.SetHeading(QStringLiteral("Name of the replace weapon"));
    costs.SetRows(rows);
    costs.ShowModal();

    const QList<TForm8::CostRow> taken = costs.TakeRows();
    QString line = SelectedWeapon();
    for (int i = 0; i < ListBox2->Count(); ++i) {
        const QString item =
            GetField(ListBox2->Item(i), 1) + u',' + QString::number(taken.value(i).cost);
        ListBox2->item(i)->setText(item);
        line += u',' + item;
    }
    StoreWeaponLine(line);
    BitBtn8->setEnabled(true);
}

// Right Del: the selected weapon's line is rebuilt from the replace weapons that remain.
void TForm7::BitBtn5Click()
{
    if (MessageBox(this, QStringLiteral("*** DELETE WEAPON ***"),
                   QStringLiteral("Are you sure you want to remove the replace weapon?"),
                   MessageButtons::YesNo) != mrYes)
        return;
    ListBox2->Delete(ListBox2->ItemIndex());
    if (ListBox1->ItemIndex() >= 0) {
        QString line = SelectedWeapon();
        for (int i = 0; i < ListBox2->Count(); ++i)
            line += u',' + ListBox2->Item(i);
        StoreWeaponLine(line);
    }
    UpdateReplaceButtons();
}

void TForm7::BitBtn8Click()
{
    EditReplaceCosts();
}

void TForm7::BitBtn6Click()
{
    Hide();
    store.ListMode = 0;
    forms.Form4->Show();
}

void TForm7::BitBtn7Click()
{
    Hide();
    store.ListMode = 1;
    forms.Form4->Show();
}

// Every change is stored already, so leaving by the close box loses nothing.
void TForm7::FormClose()
{
    Hide();
    forms.Form1->Show();
}

void TForm7::BitBtn9Click()
{
    forms.Form17->ShowModal();
}
