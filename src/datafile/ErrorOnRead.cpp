#include "datafile/ErrorOnRead.h"

#include "ui/controls/Buttons.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

TForm13::TForm13(Forms& forms)
    : FormBase(forms, QStringLiteral("*** ERROR READING FILE ***"), Border::NoButtons)
{
    Panel2 = new QLabel(QStringLiteral("Error Message:"), this);
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel2->setAlignment(Qt::AlignCenter);
    QFont bold = Panel2->font();
    bold.setBold(true);
    Panel2->setFont(bold);

    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1 = frame;
    Label1 = new QLabel(
        QStringLiteral("The [Race] section cannot be found in the specified vhold.ini file."),
        frame);
    Label2 = new QLabel(QStringLiteral("It appears that this is not a valid datafile!"), frame);
    auto* labels = new QVBoxLayout(frame);
    labels->addWidget(Label1);
    labels->addWidget(Label2);

    BitBtn1 = new BitBtn(this, QStringLiteral("OK"), Glyph::Ok);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { SetModalResult(mrOk); });
    SetDefaultButton(BitBtn1);
    SetCancelButton(BitBtn1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Panel2);
    layout->addWidget(Panel1, 1);
    layout->addWidget(BitBtn1, 0, Qt::AlignHCenter);
    SetClientSize(368, 141);
}
