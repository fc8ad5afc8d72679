#include "ui/main/Main.h"

#include "datafile/ErrorOnRead.h"
#include "datafile/Loader.h"
#include "datafile/Writer.h"
#include "platform/DatafileOutput.h"
#include "platform/IniFile.h"
#include "platform/WaitCursor.h"
#include "store/ComVars.h"
#include "ui/Forms.h"
#include "ui/controls/Buttons.h"
#include "ui/controls/Edit.h"
#include "ui/controls/Labels.h"
#include "ui/controls/StatusBar.h"
#include "ui/help/Help1.h"
#include "ui/main/EditIndex.h"
#include "ui/wizard/SelectType.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace
{

const QString DatafileName = QStringLiteral("vhold.ini");
const QString DatafileFilter = QStringLiteral("*.ini");

} // namespace

TForm1::TForm1(Forms& forms, Store& store)
    : FormBase(forms, QStringLiteral("Varnhold Datafile Creator (v1.0)")), store(store)
{
    Panel1 = MakeLabel(this, QStringLiteral("What is the name of your army?"));
    Edit1 = new Edit(this);
    Edit1->SetUpperCase(true);
    Panel2 = MakeLabel(this, QStringLiteral("What is a unit called in your army?"));
    Edit2 = new Edit(this, QStringLiteral("Unit"));
    Panel3 = MakeLabel(this, QStringLiteral("What is a squad called in your army?"));
    Edit3 = new Edit(this, QStringLiteral("Squad"));
    Panel1->setBuddy(Edit1);
    Panel2->setBuddy(Edit2);
    Panel3->setBuddy(Edit3);

    BitBtn1 = new BitBtn(this, QStringLiteral("New "), Glyph::New);
    BitBtn2 = new BitBtn(this, QStringLiteral("Close"), Glyph::Close);
    BitBtn3 = new BitBtn(this, QStringLiteral("Save"), Glyph::Save);
    BitBtn4 = new BitBtn(this, QStringLiteral("Load"), Glyph::Load);
    BitBtn5 = new BitBtn(this, QStringLiteral("Edit "), Glyph::Edit);
    BitBtn6 = MakeHelpButton(this);
    BitBtn3->setEnabled(false);
    BitBtn5->setEnabled(false);

    StatusBar1 = new StatusBar(this, {160, 50},
                               {QStringLiteral("Army: "), QStringLiteral("Total Squads: 0")});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 0);
    for (auto [question, edit] : {std::pair{Panel1, Edit1}, {Panel2, Edit2}, {Panel3, Edit3}}) {
        layout->addWidget(question);
        layout->addWidget(edit);
    }
    layout->addSpacing(6);
    auto* buttons = new QGridLayout;
    buttons->addWidget(BitBtn1, 0, 0);
    buttons->addWidget(BitBtn5, 0, 1);
    buttons->addWidget(BitBtn3, 0, 2);
    buttons->addWidget(BitBtn4, 1, 0);
    buttons->addWidget(BitBtn2, 1, 1);
    buttons->addWidget(BitBtn6, 1, 2, Qt::AlignRight);
    layout->addLayout(buttons);
    layout->addStretch(1);
    layout->addWidget(StatusBar1);

    Panel4 = new QLabel(QStringLiteral("Loading datafile. Please wait..."), this);
    Panel4->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel4->setAlignment(Qt::AlignCenter);
    Panel4->setAutoFillBackground(true);
    Panel4->hide();

    SetTabOrder({Edit1, Edit2, Edit3, BitBtn1, BitBtn2, BitBtn3, BitBtn4, BitBtn5, BitBtn6});

    connect(Edit1, &Edit::Change, this, &TForm1::Edit1Change);
    connect(Edit3, &Edit::Change, this, &TForm1::Edit3Change);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm1::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm1::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm1::BitBtn3Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TForm1::BitBtn4Click);
    connect(BitBtn5, &QPushButton::clicked, this, &TForm1::BitBtn5Click);
    connect(BitBtn6, &QPushButton::clicked, this, &TForm1::BitBtn6Click);

    SetClientSize(331, 235);
    const QSize panelSize = Panel4->sizeHint().expandedTo(QSize(width() * 3 / 4, 48));
    Panel4->setGeometry(QRect(
        QPoint((width() - panelSize.width()) / 2, (height() - panelSize.height()) / 2), panelSize));
}

QString TForm1::CountText(const QString& squadWord) const
{
    return QStringLiteral("Total ") + squadWord + QStringLiteral("s: ") +
           QString::number(store.TroopCount);
}

void TForm1::FormCreate()
{
    SetUpStore(store);
}

// Edit and Save open up once a troop has been accepted; New is held back while every slot of
// the army is taken.
void TForm1::FormActivate()
{
    if (store.CurrentTroop > 0) {
        BitBtn5->setEnabled(true);
        BitBtn3->setEnabled(true);
    }
    BitBtn1->setEnabled(store.TroopCount < Store::TroopSlots);
}

void TForm1::CopyArmyTexts()
{
    store.TheArmy.Name = Edit1->Text();
    store.TheArmy.UnitName = Edit2->Text();
    store.TheArmy.SquadName = Edit3->Text();
}

// New: the troop is built in the first slot after the accepted ones, as that slot stands; an
// army whose slots are all taken starts no troop.
void TForm1::BitBtn1Click()
{
    if (store.TroopCount >= Store::TroopSlots)
        return;
    store.CurrentTroop = store.TroopCount;
    CopyArmyTexts();
    Hide();
    forms.Form3->Show();
}

void TForm1::BitBtn2Click()
{
    close();
}

// Closing the main window ends the program; troops not saved are lost without a question.
void TForm1::FormClose()
{
    QCoreApplication::quit();
}

void TForm1::FormDestroy()
{
    ReleaseStore(store);
}

void TForm1::Edit1Change()
{
    StatusBar1->SetPanelText(0, QStringLiteral("Army: ") + Edit1->Text());
}

void TForm1::Edit3Change()
{
    StatusBar1->SetPanelText(1, CountText(Edit3->Text()));
}

// Save: the army texts are taken from the edits even when the dialog is then cancelled. The
// file on disk is replaced only by a complete new one.
void TForm1::BitBtn3Click()
{
    CopyArmyTexts();
    const QString path =
        RunFileDialog(this, {FileDialogRequest::Kind::Save, QStringLiteral("Save the datafile"),
                             DatafileName, DatafileFilter});
    if (path.isEmpty())
        return;
    QString reason;
    if (!WriteDatafile(path, DatafileLines(store), &reason)) {
        MessageBox(this, QStringLiteral("*** FILE ERROR ***"),
                   QStringLiteral("An error occurred while writing to the file!\n") + reason,
                   MessageButtons::Ok);
    }
}

namespace
{

// What the main window shows while a datafile loads.
class MainWindowProgress : public LoadProgress
{
public:
    MainWindowProgress(TForm1& window, Store& store, TForm13& errorWindow)
        : window(window), store(store), errorWindow(errorWindow)
    {
    }

    void ArmyRead() override
    {
        window.Edit1->SetText(store.TheArmy.Name);
        window.Edit2->SetText(store.TheArmy.UnitName);
        window.Edit3->SetText(store.TheArmy.SquadName);
    }

    void TroopRead(int n) override
    {
        window.StatusBar1->SetPanelText(1, QStringLiteral("Total ") + store.TheArmy.SquadName +
                                               QStringLiteral("s: ") + QString::number(n));
        window.StatusBar1->repaint();
    }

    void RaceMissing() override { errorWindow.ShowModal(); }

private:
    TForm1& window;
    Store& store;
    TForm13& errorWindow;
};

} // namespace

// Load: the army in the store is replaced by the file's, without a question.
void TForm1::BitBtn4Click()
{
    const QString path =
        RunFileDialog(this, {FileDialogRequest::Kind::Open, QStringLiteral("Load the datafile"),
                             DatafileName, DatafileFilter});
    if (path.isEmpty())
        return;

    LoadOutcome outcome;
    {
        ShowPanel4(true);
        WaitCursor wait;
        MainWindowProgress progress(*this, store, *forms.Form13);
        outcome = LoadDatafile(store, IniFile::Read(path), progress);
        if (outcome.raceFound)
            BitBtn5->setEnabled(store.TroopCount >= 1);
    }
    ShowPanel4(false);
    StatusBar1->SetPanelText(1, CountText(Edit3->Text()));
    BitBtn3->setEnabled(true);
    if (store.TroopCount >= Store::TroopSlots)
        BitBtn1->setEnabled(false);
    if (outcome.troopsLeftOut) {
        MessageBox(this, QStringLiteral("*** TOO MANY TROOPS ***"),
                   QStringLiteral("The datafile holds more than 100 troops. Only the first 100 "
                                  "were loaded."),
                   MessageButtons::Ok);
    }
}

// Edit: the troop chosen in the selection dialog opens in step 2. The count text is brought up
// to date whatever the dialog did, since it may have deleted troops.
void TForm1::BitBtn5Click()
{
    if (forms.Form12->ShowModal() == mrOk) {
        store.CurrentTroop = forms.Form12->SelectedTroop();
        Hide();
        forms.Form3->Show();
    }
    StatusBar1->SetPanelText(1, CountText(store.TheArmy.SquadName));
}

void TForm1::BitBtn6Click()
{
    forms.Form14->ShowModal();
}

void TForm1::ShowPanel4(bool visible)
{
    Panel4->setVisible(visible);
    if (visible) {
        Panel4->raise();
        Panel4->repaint();
    }
}
