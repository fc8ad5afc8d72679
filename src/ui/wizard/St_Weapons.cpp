#include "ui/wizard/St_Weapons.h"

#include "store/ComVars.h"
#include "store/LineOps.h"
#include "store/Number.h"
#include "ui/Forms.h"
#include "ui/catalogue/Availables.h"
#include "ui/catalogue/CatalogueLines.h"
#include "ui/catalogue/Special_Abilities.h"
#include "ui/controls/Buttons.h"
#include "ui/controls/ListBox.h"
#include "ui/controls/StatusBar.h"
#include "ui/help/Help3.h"
#include "ui/help/Help6.h"
#include "ui/help/help5.h"
#include "ui/main/Main.h"
#include "ui/wizard/RWeaponCosts.h"
#include "ui/wizard/R_Weapons.h"
#include "ui/wizard/SelectType.h"
#include "ui/wizard/SpecialGroups.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QShowEvent>
#include <QVBoxLayout>

namespace
{

constexpr int StandardWeapons = 0;
constexpr int AdditionalWeapons = 1;
constexpr int SpecialAbilities = 2;

struct ModeTexts {
    const char* caption;
    const char* heading;
    const char* deleteCaption;
};

const ModeTexts Texts[] = {
    {"Standard Weapons", "Standard weapons the unit carries", "*** DELETE STANDARD WEAPON ***"},
    {"Additional Weapons", "Additional weapons the unit may carry",
     "*** DELETE ADDITIONAL WEAPON ***"},
    {"Special Abilities", "Special Abilities the unit may have", "*** DELETE SPECIAL ABILITY ***"},
};

} // namespace

TForm4::TForm4(Forms& forms, Store& store)
    : FormBase(forms, QStringLiteral("Standard Weapons")), store(store)
{
    Panel2 = new QLabel(QString::fromLatin1(Texts[StandardWeapons].heading), this);
    Panel2->setTextFormat(Qt::PlainText);
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel2->setAlignment(Qt::AlignCenter);
    Panel2->setMargin(3);

    Panel1 = new QFrame(this);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ListBox1 = new ListBox(Panel1, store.Collation());
    BitBtn3 = new BitBtn(Panel1, QStringLiteral("Add "), Glyph::Add);
    BitBtn3->setLayoutDirection(Qt::RightToLeft);
    BitBtn4 = new BitBtn(Panel1, QStringLiteral(" Del"), Glyph::Delete);
    BitBtn4->setEnabled(false);
    BitBtn5 = new BitBtn(Panel1, QStringLiteral("Edit "), Glyph::Edit);
    BitBtn5->setEnabled(false);
    auto* itemButtons = new QVBoxLayout;
    itemButtons->addWidget(BitBtn3);
    itemButtons->addWidget(BitBtn4);
    itemButtons->addWidget(BitBtn5);
    itemButtons->addStretch(1);
    auto* panelLayout = new QHBoxLayout(Panel1);
    panelLayout->addWidget(ListBox1, 1);
    panelLayout->addLayout(itemButtons);

    BitBtn1 = new BitBtn(this, QStringLiteral("Previous"), Glyph::Previous);
    BitBtn2 = new BitBtn(this, QStringLiteral("Next"), Glyph::Next);
    BitBtn2->setLayoutDirection(Qt::RightToLeft);
    BitBtn6 = MakeHelpButton(this);

    StatusBar1 = new StatusBar(this, {120, 50}, {QStringLiteral("Army:"), QStringLiteral("Name:")});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 2);
    layout->addWidget(Panel2);
    layout->addWidget(Panel1, 1);
    QHBoxLayout* buttons = ButtonRow({BitBtn1, BitBtn2}, BitBtn6);
    layout->addLayout(buttons);
    layout->addWidget(StatusBar1);

    SetTabOrder({BitBtn1, BitBtn2, ListBox1, BitBtn3, BitBtn4, BitBtn5, BitBtn6});

    connect(ListBox1, &ListBox::Click, this, &TForm4::ListBox1Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm4::BitBtn3Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TForm4::BitBtn4Click);
    connect(BitBtn5, &QPushButton::clicked, this, &TForm4::BitBtn5Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm4::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm4::BitBtn2Click);
    connect(BitBtn6, &QPushButton::clicked, this, &TForm4::BitBtn6Click);

    SetClientSize(306, 282);
}

int TForm4::Mode() const
{
    return qBound(StandardWeapons, store.ListMode, SpecialAbilities);
}

std::unique_ptr<StringList>& TForm4::ModeList()
{
    TheRec& troop = store.Current();
    switch (Mode()) {
    case AdditionalWeapons:
        return troop.A_WeaponList;
    case SpecialAbilities:
        return troop.SpecialList;
    default:
        return troop.WeaponList;
    }
}

void TForm4::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        entering = true;
    FormBase::showEvent(event);
}

// Entering a step shows the troop's list of the mode. When a modal window opened from here
// closes, what the list shows stays: in the weapon modes it is the user's working copy.
void TForm4::FormActivate()
{
    if (!entering) {
        ShowStatus();
        return;
    }
    entering = false;

    ListBox1->Clear();
    const ModeTexts& texts = Texts[Mode()];
    SetCaption(QString::fromLatin1(texts.caption));
    Panel2->setText(QString::fromLatin1(texts.heading));
    if (const StringList* list = ModeList().get()) {
        for (const QString& line : list->Lines())
            ListBox1->Add(Mode() == SpecialAbilities ? GetField(line, 2) : line);
    }
    EnableItemButtons();
    ShowStatus();
}

void TForm4::ShowStatus()
{
    StatusBar1->SetPanelText(0, store.TheArmy.Name);
    StatusBar1->SetPanelText(1, store.Current().Name);
}

void TForm4::EnableItemButtons()
{
    const bool selected = ListBox1->ItemIndex() >= 0;
    BitBtn4->setEnabled(selected);
    BitBtn5->setEnabled(selected);
}

void TForm4::ListBox1Click()
{
    EnableItemButtons();
}

bool TForm4::ListBoxHasName(const ListBox& listBox, const QString& name)
{
    for (int i = 0; i < listBox.Count(); ++i) {
        if (GetField(listBox.Item(i), 1) == name)
            return true;
    }
    return false;
}

int TForm4::FindAbility(const QString& name) const
{
    const StringList* list = store.Current().SpecialList.get();
    if (!list)
        return -1;
    for (int i = 0; i < list->Count(); ++i) {
        if (GetField((*list)[i], 2) == name)
            return i;
    }
    return -1;
}

// A picked name joins the list unless it is listed already. A new special ability is stored at
// once, with its group and cost still empty, and costed right away.
void TForm4::AddPicked(const QString& name)
{
    if (ListBoxHasName(*ListBox1, name))
        return;
    std::unique_ptr<StringList>& list = ModeList();
    if (!list)
        list = store.NewSortedList();
    if (Mode() != SpecialAbilities) {
        ListBox1->Add(name);
        if (Mode() == AdditionalWeapons)
            list->Add(name);
        return;
    }
    // An uncosted line of the same name in other letter case already stands for the ability;
    // the costing dialog must not open on that other line.
    const int index = AddLine(*list, QStringLiteral(",") + name);
    if (index < 0)
        return;
    ListBox1->Add(name);
    EditAbilityCosts(store, forms, index);
}

// Add: the picker offers every catalogue item of the mode; the selected ones that are new to the
// list are taken. Additional weapons are then costed, all of them.
void TForm4::BitBtn3Click()
{
    TForm5& picker = *forms.Form5;
    picker.ListBox1->Clear();
    const StringList* catalogue =
        Mode() == SpecialAbilities ? store.SpecialCatalogue.get() : store.WeaponCatalogue.get();
    if (catalogue) {
        for (const QString& entry : catalogue->Lines())
            picker.ListBox1->Add(GetField(entry, 1));
    }
    if (picker.ShowModal() != mrOk)
        return;

    QStringList picked;
    for (int i = 0; i < picker.ListBox1->Count(); ++i) {
        if (picker.ListBox1->Selected(i))
            picked << picker.ListBox1->Item(i);
    }
    for (const QString& name : picked)
        AddPicked(name);
    if (Mode() == AdditionalWeapons)
        EditAdditionalCosts();
}

// Del: weapons leave only the working copy; a special ability's line is found by its name,
// since the list shows names in another order than the troop holds its lines. The troop's list
// goes when its last item does.
void TForm4::BitBtn4Click()
{
    if (MessageBox(this, QString::fromLatin1(Texts[Mode()].deleteCaption),
                   QStringLiteral("Are you sure you want to delete this weapon from the list?"),
                   MessageButtons::YesNo) != mrYes)
        return;
    const int selected = ListBox1->ItemIndex();
    if (selected >= 0) {
        if (Mode() == SpecialAbilities) {
            const int line = FindAbility(ListBox1->Item(selected));
            if (line >= 0)
                store.Current().SpecialList->Delete(line);
        }
        ListBox1->Delete(selected);
    }
    if (ListBox1->Count() == 0)
        ModeList().reset();
    BitBtn4->setEnabled(false);
    BitBtn5->setEnabled(false);
}

// Edit: a standard weapon's catalogue entry, the costs of every additional weapon, or the group,
// cost and scope of the selected special ability.
void TForm4::BitBtn5Click()
{
    switch (Mode()) {
    case StandardWeapons:
        EditSelectedItem(store, forms, *ListBox1);
        break;
    case AdditionalWeapons:
        EditAdditionalCosts();
        break;
    default: {
        const int selected = ListBox1->ItemIndex();
        if (selected < 0)
            return;
        const int line = FindAbility(ListBox1->Item(selected));
        if (line >= 0)
            EditAbilityCosts(store, forms, line);
        break;
    }
    }
}

// The costs window lists every additional weapon with its cost; the list and the troop's lines
// are rebuilt from what the user leaves there, each cost as a whole number.
void TForm4::EditAdditionalCosts()
{
    std::unique_ptr<StringList>& list = store.Current().A_WeaponList;
    if (!list)
        list = store.NewSortedList();
    list->Clear();
    QList<TForm8::CostRow> rows;
    for (int i = 0; i < ListBox1->Count(); ++i) {
        const QString item = ListBox1->Item(i);
        list->Add(item);
        rows.append({GetField(item, 1), ReadNumber(GetField(item, 2))});
    }

    TForm8& costs = *forms.Form8;
    costs.SetCaption(QStringLiteral("Additional Weapon Costs"));
    costs.SetHeading(QStringLiteral("Name of the additional weapon"));
    costs.SetRows(rows);
    costs.ShowModal();

    ListBox1->Clear();
    std::unique_ptr<StringList>& after = store.Current().A_WeaponList;
    if (!after)
        after = store.NewSortedList();
    after->Clear();
    for (const TForm8::CostRow& row : costs.TakeRows()) {
        const QString line = row.name + u',' + QString::number(row.cost);
        ListBox1->Add(line);
        after->Add(line);
    }
}

// The working copy of the weapon modes replaces the troop's lines; a troop without a list of
// the mode keeps none.
void TForm4::Commit()
{
    StringList* list = ModeList().get();
    if (!list)
        return;
    list->Clear();
    for (int i = 0; i < ListBox1->Count(); ++i)
        list->Add(ListBox1->Item(i));
}

// Previous: step 2 before the standard weapons, step 4 before the additional weapons, and the
// additional weapons before the special abilities.
void TForm4::BitBtn1Click()
{
    Hide();
    switch (Mode()) {
    case StandardWeapons:
        Commit();
        forms.Form3->Show();
        break;
    case AdditionalWeapons:
        Commit();
        forms.Form7->Show();
        break;
    default:
        store.ListMode = AdditionalWeapons;
        Show();
        break;
    }
}

// Next: step 4 after the standard weapons, the special abilities after the additional weapons,
// and the restrictions after the special abilities.
void TForm4::BitBtn2Click()
{
    Hide();
    switch (Mode()) {
    case StandardWeapons:
        Commit();
        forms.Form7->Show();
        break;
    case AdditionalWeapons:
        Commit();
        store.ListMode = SpecialAbilities;
        Show();
        break;
    default:
        forms.Form11->Show();
        break;
    }
}

// The close box leaves the wizard without carrying the working copy into the troop.
void TForm4::FormClose()
{
    Hide();
    forms.Form1->Show();
}

void TForm4::BitBtn6Click()
{
    switch (Mode()) {
    case StandardWeapons:
        forms.Form16->ShowModal();
        break;
    case AdditionalWeapons:
        forms.Form18->ShowModal();
        break;
    default:
        forms.Form19->ShowModal();
        break;
    }
}
