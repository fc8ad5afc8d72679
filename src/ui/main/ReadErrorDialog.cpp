#include "ui/main/ReadErrorDialog.h"

#include "ui/ControlNames.h"
#include "ui/controls/Button.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

ReadErrorDialog::ReadErrorDialog(QWidget* opener, const QString& fileName,
                                 const QString& unreadableReason)
    : Dialog(opener, QStringLiteral("*** ERROR READING FILE ***"), TitleBar::CaptionOnly)
{
    messageHeading = new QLabel(QStringLiteral("Error Message:"), this);
    messageHeading->setFrameStyle(QFrame::Panel | QFrame::Raised);
    messageHeading->setAlignment(Qt::AlignCenter);
    QFont bold = messageHeading->font();
    bold.setBold(true);
    messageHeading->setFont(bold);

    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    messageFrame = frame;
    raceMissingLabel = new QLabel(QStringLiteral("The [Race] section cannot be found in the "
                                                 "specified ") +
                                      fileName + QStringLiteral(" file."),
                                  frame);
    notDatafileLabel =
        new QLabel(QStringLiteral("It appears that this is not a valid datafile!"), frame);
    if (!unreadableReason.isEmpty()) {
        raceMissingLabel->setText(unreadableReason);
        notDatafileLabel->setText(QStringLiteral("The army stays as it was."));
    }
    auto* labels = new QVBoxLayout(frame);
    labels->addWidget(raceMissingLabel);
    labels->addWidget(notDatafileLabel);

    okButton = new Button(this, QStringLiteral("&OK"), ButtonIcon::Ok);
    connect(okButton, &QPushButton::clicked, this, [this] { done(Accepted); });
    setDefaultButton(okButton);
    setCancelButton(okButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(messageHeading);
    layout->addWidget(messageFrame, 1);
    layout->addWidget(okButton, 0, Qt::AlignHCenter);
    nameControls({{messageHeading, "messageHeading"},
                  {messageFrame, "messageFrame"},
                  {raceMissingLabel, "raceMissingLabel"},
                  {notDatafileLabel, "notDatafileLabel"},
                  {okButton, "okButton"}});
    setFixedClientSize(368, 141);
}
