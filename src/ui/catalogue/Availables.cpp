#include "ui/catalogue/Availables.h"

#include "store/ComVars.h"
#include "store/LineOps.h"
#include "ui/Forms.h"
#include "ui/catalogue/CatalogueLines.h"
#include "ui/catalogue/New_item.h"
#include "ui/catalogue/Specials.h"
#include "ui/controls/Buttons.h"
#include "ui/controls/Edit.h"
#include "ui/controls/ListBox.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

TForm5::TForm5(Forms& forms, Store& store)
    : FormBase(forms, QStringLiteral("Available")), store(store)
{
    Panel1 = new QFrame(this);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ListBox1 = new ListBox(Panel1, store.Collation(), ListBox::Selection::Toggle);
    BitBtn3 = new BitBtn(Panel1, QStringLiteral("New "), Glyph::New);
    BitBtn4 = new BitBtn(Panel1, QStringLiteral("Edit"), Glyph::Edit);
    BitBtn4->setEnabled(false);
    auto* panelLayout = new QVBoxLayout(Panel1);
    panelLayout->addWidget(ListBox1, 1);
    auto* panelButtons = new QHBoxLayout;
    panelButtons->addWidget(BitBtn3);
    panelButtons->addWidget(BitBtn4);
    panelLayout->addLayout(panelButtons);

    BitBtn1 = new BitBtn(this, QStringLiteral("OK"), Glyph::Ok);
    BitBtn2 = new BitBtn(this, QStringLiteral("Cancel"), Glyph::Cancel);
    BitBtn6 = MakeHelpButton(this);
    SetDefaultButton(BitBtn1);
    SetCancelButton(BitBtn2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Panel1, 1);
    QHBoxLayout* buttons = ButtonRow({BitBtn1, BitBtn2}, BitBtn6);
    layout->addLayout(buttons);

    SetTabOrder({ListBox1, BitBtn3, BitBtn4, BitBtn1, BitBtn2, BitBtn6});

    connect(ListBox1, &ListBox::Click, this, &TForm5::ListBox1Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm5::BitBtn3Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TForm5::BitBtn4Click);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { SetModalResult(mrOk); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { SetModalResult(mrCancel); });
    connect(BitBtn6, &QPushButton::clicked, this, &TForm5::BitBtn6Click);

    SetClientSize(251, 274);
}

void TForm5::FormActivate()
{
    SetCaption(store.ListMode == 2 ? QStringLiteral("Available Special Abilities")
                                   : QStringLiteral("Available Weapons"));
    BitBtn4->setEnabled(false);
}

// Edit works on a selected item.
void TForm5::ListBox1Click()
{
    BitBtn4->setEnabled(ListBox1->SelCount() > 0);
}

// New: a weapon or an ability goes into its catalogue at once and takes its sorted place in
// the list, unselected. A name shows in the list only when its catalogue took the entry.
void TForm5::BitBtn3Click()
{
    store.KeepItemFields = false;
    TForm6& weaponEditor = *forms.Form6;
    weaponEditor.SetCaption(QStringLiteral("New Standard Weapon"));
    weaponEditor.Panel1->setText(QStringLiteral("Standard Weapon name"));

    if (store.ListMode == 2) {
        TForm9& abilityEditor = *forms.Form9;
        abilityEditor.SetCaption(QStringLiteral("Add Special Ability"));
        abilityEditor.Panel1->setText(QStringLiteral("New Special Ability"));
        abilityEditor.Edit1->SetText(QString());
        abilityEditor.Edit2->SetText(QString());
        abilityEditor.BitBtn1->setEnabled(false);
        if (abilityEditor.ShowModal() == mrOk &&
            AddLine(*store.SpecialCatalogue, abilityEditor.Entry()) >= 0)
            ListBox1->Add(abilityEditor.Edit1->Text());
        return;
    }
    if (weaponEditor.ShowModal() == mrOk &&
        AddLine(*store.WeaponCatalogue, weaponEditor.Entry()) >= 0)
        ListBox1->Add(weaponEditor.Edit1->Text());
}

void TForm5::BitBtn4Click()
{
    EditSelectedItem(store, forms, *ListBox1);
}

void TForm5::BitBtn6Click()
{
    MessageBox(this, QStringLiteral("Help on Available Weapons and Special Abilities"),
               QStringLiteral("The list displays the available weapons/abilities. Choose one or "
                              "more from the list and click the OK button.\n"
                              "\n"
                              "If the list does not show the desired weapon/ability then click on "
                              "the New button to create a new item.\n"
                              "\n"
                              "Select one item and click on the Edit button to edit the item.\n"
                              "Note: Only the first selected item can be edited.\n"),
               MessageButtons::Ok);
}

namespace
{

// The weapon editor on the named weapon. A name that no catalogue weapon carries opens with the
// cells as they were last shown, and OK then adds it as a new weapon.
void EditWeapon(Store& store, TForm6& editor, const QString& item)
{
    editor.SetCaption(QStringLiteral("Edit Standard Weapon"));
    editor.Panel1->setText(QStringLiteral("Standard Weapon name"));
    editor.Edit1->SetText(GetField(item, 1));
    const int a = FindEntry(editor.Edit1->Text(), store.WeaponCatalogue.get());
    if (a >= 0)
        editor.FillCells((*store.WeaponCatalogue)[a]);
    editor.Edit1->setReadOnly(true);
    if (editor.ShowModal() == mrOk) {
        if (a >= 0)
            ReplaceLine(*store.WeaponCatalogue, a, editor.Entry());
        else
            AddLine(*store.WeaponCatalogue, editor.Entry());
    }
    editor.Edit1->setReadOnly(false);
}

// The ability editor on the named ability's description; a name without an entry opens nothing.
void EditAbility(Store& store, TForm9& editor, const QString& name)
{
    editor.SetCaption(QStringLiteral("Edit Special Ability"));
    editor.Panel1->setText(QStringLiteral("Special Ability"));
    const int found = FindEntry(name, store.SpecialCatalogue.get());
    if (found < 0)
        return;
    const QString& entry = (*store.SpecialCatalogue)[found];
    editor.Edit1->SetText(GetField(entry, 1));
    editor.Edit2->SetText(GetField(entry, 2));
    editor.Edit1->setReadOnly(true);
    editor.BitBtn1->setEnabled(true);
    if (editor.ShowModal() == mrOk)
        ReplaceLine(*store.SpecialCatalogue, found, editor.Entry());
    editor.Edit1->setReadOnly(false);
    editor.BitBtn1->setEnabled(false);
}

} // namespace

// Only the first selected item is edited. The list itself does not change: a catalogue name
// cannot change, so every troop line that names it stays valid.
void EditSelectedItem(Store& store, Forms& forms, const ListBox& listBox)
{
    const int first = listBox.ItemIndex();
    if (first < 0)
        return;
    store.KeepItemFields = true;
    store.EditingItem = true;
    if (store.ListMode == 2)
        EditAbility(store, *forms.Form9, listBox.Item(first));
    else
        EditWeapon(store, *forms.Form6, listBox.Item(first));
    store.EditingItem = false;
}
