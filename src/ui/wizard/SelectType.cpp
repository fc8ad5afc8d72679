#include "ui/wizard/SelectType.h"

#include "store/ComVars.h"
#include "store/LineOps.h"
#include "store/Number.h"
#include "ui/Forms.h"
#include "ui/controls/Buttons.h"
#include "ui/controls/Grid.h"
#include "ui/controls/GridHeadings.h"
#include "ui/controls/Labels.h"
#include "ui/controls/StatusBar.h"
#include "ui/controls/TrackBar.h"
#include "ui/help/Help2.h"
#include "ui/main/Main.h"
#include "ui/wizard/St_Weapons.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace
{

// Grid columns: name, points, the nine characteristics, then the three armour values.
constexpr int NameCol = 0;
constexpr int PointsCol = 1;
constexpr int FirstCharCol = 2;
constexpr int LastCharCol = 10;
constexpr int FrontArmourCol = 11;
constexpr int ColCount = 14;

constexpr int FewestModels = 1;
constexpr int MostModels = 32;

// The value beside a track bar: bold, red and larger than the window's text.
QLabel* MakeValueLabel(QWidget* parent)
{
    QLabel* label = MakeLabel(parent, QStringLiteral("1"));
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.5);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    label->setPalette(palette);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("000")));
    return label;
}

// A track bar with its heading, its value and the ends of its range under it.
QLayout* TrackBarGroup(QLabel* heading, TrackBar* bar, QLabel* value, QLabel* low, QLabel* high)
{
    auto* ends = new QHBoxLayout;
    ends->addWidget(low);
    ends->addStretch(1);
    ends->addWidget(high);
    auto* barAndEnds = new QVBoxLayout;
    barAndEnds->setSpacing(0);
    barAndEnds->addWidget(bar);
    barAndEnds->addLayout(ends);
    auto* row = new QHBoxLayout;
    row->addLayout(barAndEnds, 1);
    row->addWidget(value, 0, Qt::AlignTop);
    auto* group = new QVBoxLayout;
    group->addWidget(heading);
    group->addLayout(row);
    group->addStretch(1);
    return group;
}

} // namespace

TForm3::TForm3(Forms& forms, Store& store) : FormBase(forms, QString()), store(store)
{
    StringGrid1 = new StringGrid(this, ColCount, 1);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    StringGrid1->SetColWidth(NameCol, 140);
    StringGrid1->SetColWidth(PointsCol, 44);
    for (int col = FirstCharCol; col < ColCount; ++col)
        StringGrid1->SetColWidth(col, 32);

    Panel1 = MakeHeading(this, QStringLiteral("Name"));
    Panel2 = MakeHeading(this, QStringLiteral("Points"));
    Panel3 = MakeHeading(this, QStringLiteral("WS"));
    Panel4 = MakeHeading(this, QStringLiteral("BS"));
    Panel5 = MakeHeading(this, QStringLiteral("S"));
    Panel10 = MakeHeading(this, QStringLiteral("T"));
    Panel6 = MakeHeading(this, QStringLiteral("W"));
    Panel11 = MakeHeading(this, QStringLiteral("I"));
    Panel7 = MakeHeading(this, QStringLiteral("A"));
    Panel12 = MakeHeading(this, QStringLiteral("Ld"));
    Panel8 = MakeHeading(this, QStringLiteral("Sv"));
    Panel13 = MakeHeading(this, QStringLiteral("FA"));
    Panel9 = MakeHeading(this, QStringLiteral("SA"));
    Panel14 = MakeHeading(this, QStringLiteral("RA"));
    auto* headings = new GridHeadings(this, StringGrid1,
                                      {Panel1, Panel2, Panel3, Panel4, Panel5, Panel10, Panel6,
                                       Panel11, Panel7, Panel12, Panel8, Panel13, Panel9, Panel14});

    Panel15 = MakeHeading(this, QStringLiteral("Type"));
    ComboBox1 = new QComboBox(this);
    ComboBox1->addItems({QStringLiteral("HeadQuarters"), QStringLiteral("Elites"),
                         QStringLiteral("Troops"), QStringLiteral("Fast Attack"),
                         QStringLiteral("Heavy Support")});
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->installEventFilter(this);

    Panel16 = MakeHeading(this, QStringLiteral("Minimum number of models "));
    TrackBar1 = new TrackBar(this, FewestModels, MostModels);
    Label1 = MakeValueLabel(this);
    Label3 = MakeLabel(this, QStringLiteral("1"));
    Label4 = MakeLabel(this, QStringLiteral("32"));
    Panel17 = MakeHeading(this, QStringLiteral("Maximum number of models"));
    TrackBar2 = new TrackBar(this, FewestModels, MostModels);
    Label2 = MakeValueLabel(this);
    Label5 = MakeLabel(this, QStringLiteral("1"));
    Label6 = MakeLabel(this, QStringLiteral("32"));

    BitBtn2 = new BitBtn(this, QStringLiteral("Previous"), Glyph::Previous);
    BitBtn1 = new BitBtn(this, QStringLiteral("Next "), Glyph::Next);
    BitBtn1->setLayoutDirection(Qt::RightToLeft);
    BitBtn1->setEnabled(false);
    BitBtn6 = MakeHelpButton(this);

    StatusBar1 = new StatusBar(
        this, {160, 300, 50},
        {QStringLiteral("Army:"), QStringLiteral("Name:"), QStringLiteral("Total Units:")});

    BuildLayout(headings);

    SetTabOrder({StringGrid1, ComboBox1, TrackBar1, TrackBar2, BitBtn1, BitBtn2, BitBtn6});

    connect(StringGrid1, &StringGrid::KeyPress, this, &TForm3::StringGrid1KeyPress);
    connect(StringGrid1, &StringGrid::KeyDown, this, &TForm3::StringGrid1KeyDown);
    connect(StringGrid1, &StringGrid::KeyUp, this, &TForm3::StringGrid1KeyUp);
    connect(StringGrid1, &StringGrid::Exit, this, &TForm3::StringGrid1Exit);
    connect(ComboBox1, &QComboBox::activated, this, &TForm3::ComboBox1Change);
    connect(TrackBar1, &TrackBar::Change, this, &TForm3::TrackBar1Change);
    connect(TrackBar2, &TrackBar::Change, this, &TForm3::TrackBar2Change);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm3::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm3::BitBtn2Click);
    connect(BitBtn6, &QPushButton::clicked, this, &TForm3::BitBtn6Click);

    SetClientSize(560, 215);
}

void TForm3::BuildLayout(GridHeadings* headings)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 2);
    layout->setSpacing(0);
    layout->addWidget(headings);
    layout->addWidget(StringGrid1);
    layout->addSpacing(12);

    auto* type = new QVBoxLayout;
    type->addWidget(Panel15);
    type->addWidget(ComboBox1);
    type->addStretch(1);
    auto* choices = new QHBoxLayout;
    choices->setSpacing(12);
    choices->addLayout(type, 0);
    choices->addLayout(TrackBarGroup(Panel16, TrackBar1, Label1, Label3, Label4), 1);
    choices->addLayout(TrackBarGroup(Panel17, TrackBar2, Label2, Label5, Label6), 1);
    layout->addLayout(choices);
    layout->addSpacing(12);

    QHBoxLayout* buttons = ButtonRow({BitBtn2, BitBtn1}, BitBtn6);
    layout->addLayout(buttons);
    layout->addStretch(1);
    layout->addSpacing(6);
    layout->addWidget(StatusBar1);
}

// Every activation shows the troop the wizard works on as the store holds it.
void TForm3::FormActivate()
{
    const QString& squad = store.TheArmy.SquadName;
    SetCaption(squad + QStringLiteral(" Types"));
    ShowTroop();
    UpdateButtons();
    StringGrid1->SetCol(NameCol);
    StringGrid1->setFocus(Qt::OtherFocusReason);
    StatusBar1->SetPanelText(0, QStringLiteral("Army: ") + store.TheArmy.Name);
    ShowNamePanel();
    StatusBar1->SetPanelText(2, QStringLiteral("Total ") + squad + QStringLiteral("s: ") +
                                    QString::number(store.TroopCount));
}

void TForm3::ShowNamePanel()
{
    StatusBar1->SetPanelText(1, store.TheArmy.SquadName + QStringLiteral(" Name: ") +
                                    StringGrid1->Cell(NameCol, 0));
}

// Next needs a name, a role and a minimum not above the maximum. While it is unavailable an
// accepted troop cannot be left either; a new troop can always be left unfinished.
void TForm3::UpdateButtons()
{
    const int min = ReadNumber(Label1->text());
    const int max = ReadNumber(Label2->text());
    if (min <= max && ComboBox1->currentIndex() >= 0 && !StringGrid1->Cell(NameCol, 0).isEmpty()) {
        BitBtn1->setEnabled(true);
        BitBtn2->setEnabled(true);
        return;
    }
    BitBtn1->setEnabled(false);
    if (store.CurrentTroop != store.TroopCount)
        BitBtn2->setEnabled(false);
}

// The track bars stand within their range whatever the troop holds; the labels show the
// counts as held.
void TForm3::ShowTroop()
{
    const TheRec& troop = store.Current();
    StringGrid1->SetCell(NameCol, 0, troop.Name);
    StringGrid1->SetCell(PointsCol, 0, troop.Points);
    for (int col = FirstCharCol; col <= LastCharCol; ++col)
        StringGrid1->SetCell(col, 0, GetField(troop.Chars, col - FirstCharCol + 1));
    StringGrid1->SetCell(FrontArmourCol, 0, troop.f_arm);
    StringGrid1->SetCell(FrontArmourCol + 1, 0, troop.s_arm);
    StringGrid1->SetCell(FrontArmourCol + 2, 0, troop.r_arm);

    Label1->setText(troop.Min);
    Label2->setText(troop.Max);
    TrackBar1->SetPosition(ReadNumber(Label1->text()));
    TrackBar2->SetPosition(ReadNumber(Label2->text()));

    ComboBox1->setCurrentIndex(-1);
    for (int i = 0; i < ComboBox1->count(); ++i) {
        if (RoleCode(ComboBox1->itemText(i)) == troop.Type) {
            ComboBox1->setCurrentIndex(i);
            break;
        }
    }
}

// Armour is stored only as a positive number; anything else keeps the value held before.
void TForm3::StoreTroop()
{
    TheRec& troop = store.Current();
    troop.Name = StringGrid1->Cell(NameCol, 0);
    troop.Points = StringGrid1->Cell(PointsCol, 0);
    QStringList chars;
    for (int col = FirstCharCol; col <= LastCharCol; ++col)
        chars << StringGrid1->Cell(col, 0);
    troop.Chars = chars.join(u',');
    QString* armour[] = {&troop.f_arm, &troop.s_arm, &troop.r_arm};
    for (int i = 0; i < 3; ++i) {
        const int value = ReadNumber(StringGrid1->Cell(FrontArmourCol + i, 0));
        if (value > 0)
            *armour[i] = QString::number(value);
    }
    troop.Min = Label1->text();
    troop.Max = Label2->text();
}

void TForm3::StringGrid1Exit()
{
    for (int col = 0; col < ColCount; ++col) {
        QString text = StringGrid1->Cell(col, 0);
        CommaToSemicolon(text);
        StringGrid1->SetCell(col, 0, text);
    }
    StoreTroop();
    ShowNamePanel();
}

void TForm3::StringGrid1KeyPress()
{
    UpdateButtons();
    ShowNamePanel();
}

void TForm3::StringGrid1KeyDown()
{
    UpdateButtons();
    ShowNamePanel();
}

void TForm3::StringGrid1KeyUp()
{
    UpdateButtons();
    ShowNamePanel();
}

void TForm3::StoreType()
{
    if (ComboBox1->currentIndex() >= 0)
        store.Current().Type = RoleCode(ComboBox1->currentText());
}

void TForm3::ComboBox1Change()
{
    StoreType();
    UpdateButtons();
}

void TForm3::ComboBox1Exit()
{
    StoreType();
}

bool TForm3::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ComboBox1 && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            ComboBox1Exit();
    }
    return FormBase::eventFilter(watched, event);
}

void TForm3::TrackBar1Change()
{
    Label1->setText(QString::number(TrackBar1->Position()));
    store.Current().Min = Label1->text();
    UpdateButtons();
}

void TForm3::TrackBar2Change()
{
    Label2->setText(QString::number(TrackBar2->Position()));
    store.Current().Max = Label2->text();
    UpdateButtons();
}

// Another accepted troop of the chosen role with exactly this name: the user is told and
// stays in this step.
bool TForm3::NameTaken()
{
    if (!TroopNameExists(store, StringGrid1->Cell(NameCol, 0), ComboBox1->currentText()))
        return false;
    MessageBox(this, QStringLiteral("*** UNITNAME ALREADY EXISTS ***"),
               QStringLiteral("Unitname already exists in this trooptype! Please choose another "
                              "name."),
               MessageButtons::Ok);
    return true;
}

// Next: a name that another troop of the same role already has is refused; otherwise the
// standard weapons follow.
void TForm3::BitBtn1Click()
{
    if (NameTaken())
        return;
    Hide();
    store.ListMode = 0;
    forms.Form4->Show();
}

void TForm3::BitBtn6Click()
{
    forms.Form15->ShowModal();
}

// Previous: back to the main window. The troop keeps what was entered; a new troop stays
// uncounted.
void TForm3::BitBtn2Click()
{
    if (BitBtn1->isEnabled() && NameTaken())
        return;
    Hide();
    forms.Form1->Show();
}

// The close box is refused while Next is unavailable, and, like Previous, while the name is
// another troop's of the same role.
void TForm3::FormCloseQuery(bool& canClose)
{
    canClose = BitBtn1->isEnabled() && !NameTaken();
}

void TForm3::FormClose()
{
    Hide();
    forms.Form1->Show();
}
