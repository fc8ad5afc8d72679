#include "ui/catalogue/Specials.h"

#include "store/ComVars.h"
#include "store/LineOps.h"
#include "ui/Forms.h"
#include "ui/controls/Buttons.h"
#include "ui/controls/Edit.h"
#include "ui/help/Help8.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace
{

// Puts the text back with every comma turned into a semicolon.
void ReplaceCommas(Edit* edit)
{
    QString text = edit->Text();
    CommaToSemicolon(text);
    if (text != edit->Text())
        edit->SetText(text);
}

} // namespace

TForm9::TForm9(Forms& forms, Store& store)
    : FormBase(forms, QStringLiteral("Add Special Ability"), Border::NoButtons), store(store)
{
    Panel1 = new QLabel(QStringLiteral("New Special Ability"), this);
    Edit1 = new Edit(this);
    Panel2 = new QLabel(QStringLiteral("Small Description of this Special Ability"), this);
    Edit2 = new Edit(this);
    Panel1->setBuddy(Edit1);
    Panel2->setBuddy(Edit2);

    BitBtn1 = new BitBtn(this, QStringLiteral("OK"), Glyph::Ok);
    BitBtn1->setEnabled(false);
    BitBtn6 = MakeHelpButton(this);
    BitBtn2 = new BitBtn(this, QStringLiteral("Cancel"), Glyph::Cancel);
    SetDefaultButton(BitBtn1);
    SetCancelButton(BitBtn2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Panel1);
    layout->addWidget(Edit1);
    layout->addSpacing(4);
    layout->addWidget(Panel2);
    layout->addWidget(Edit2);
    layout->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BitBtn1);
    buttons->addStretch(1);
    buttons->addWidget(BitBtn6);
    buttons->addStretch(1);
    buttons->addWidget(BitBtn2);
    layout->addLayout(buttons);

    SetTabOrder({Edit1, Edit2, BitBtn1, BitBtn6, BitBtn2});

    connect(Edit1, &Edit::Change, this, &TForm9::Edit1Change);
    connect(Edit1, &Edit::Exit, this, &TForm9::Edit1Exit);
    connect(Edit2, &Edit::Exit, this, &TForm9::Edit2Exit);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm9::BitBtn1Click);
    connect(BitBtn6, &QPushButton::clicked, this, &TForm9::BitBtn6Click);
    connect(BitBtn2, &QPushButton::clicked, this, [this] { SetModalResult(mrCancel); });

    SetClientSize(401, 153);
}

// An ability being changed opens on its description, since its name stays as it is.
void TForm9::FormActivate()
{
    if (store.EditingItem)
        Edit2->setFocus(Qt::OtherFocusReason);
    else
        Edit1->setFocus(Qt::OtherFocusReason);
}

// An ability needs a name.
void TForm9::Edit1Change()
{
    BitBtn1->setEnabled(!Edit1->Text().isEmpty());
}

void TForm9::Edit1Exit()
{
    ReplaceCommas(Edit1);
}

void TForm9::Edit2Exit()
{
    ReplaceCommas(Edit2);
}

QString TForm9::Entry() const
{
    return Edit1->Text() + u',' + Edit2->Text();
}

// OK: a new ability may not take the name of one in the catalogue (a different letter case
// is another name). The commas go first, so the entry never holds more than two fields, even
// when Enter is pressed before the field was left.
void TForm9::BitBtn6Click()
{
    forms.Form21->ShowModal();
}

void TForm9::BitBtn1Click()
{
    ReplaceCommas(Edit1);
    ReplaceCommas(Edit2);
    if (!store.EditingItem && FindEntry(Edit1->Text(), store.SpecialCatalogue.get()) >= 0) {
        MessageBox(this, QStringLiteral("*** DUPLICATE SPECIAL ABILITY ***"),
                   QStringLiteral("Special Ability already exists! Please choose another name "
                                  "for it."),
                   MessageButtons::Ok);
        return;
    }
    SetModalResult(mrOk);
}
