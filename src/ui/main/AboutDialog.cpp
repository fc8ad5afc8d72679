#include "ui/main/AboutDialog.h"

#include "ui/ControlNames.h"
#include "ui/controls/Button.h"
#include "ui/controls/Labels.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

AboutDialog::AboutDialog(QWidget* opener)
    : Dialog(opener, QStringLiteral("About Quarrimak"), TitleBar::CloseButton)
{
    iconLabel = new QLabel(this);
    iconLabel->setPixmap(QApplication::windowIcon().pixmap(64, 64));
    iconLabel->setAccessibleName(QStringLiteral("Quarrimak"));
    nameLabel =
        makeLabel(this, QStringLiteral("Quarrimak ") + QCoreApplication::applicationVersion());
    QFont bold = nameLabel->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.4);
    nameLabel->setFont(bold);
    purposeLabel = makeLabel(
        this, QStringLiteral("Builds the army datafile that the roster program Musterant reads."));
    licenceLabel = makeLabel(this, QStringLiteral("Licensed under the GNU General Public License, "
                                                  "version 3 or later."));
    qtLabel = makeLabel(this, QStringLiteral("Built with Qt ") + QString::fromLatin1(qVersion()));
    okButton = new Button(this, QStringLiteral("&OK"), ButtonIcon::Ok);
    setDefaultButton(okButton);
    setCancelButton(okButton);
    connect(okButton, &QPushButton::clicked, this, [this] { done(Accepted); });

    auto* texts = new QVBoxLayout;
    for (QLabel* label : {nameLabel, purposeLabel, licenceLabel, qtLabel})
        texts->addWidget(label);
    auto* top = new QHBoxLayout;
    top->addWidget(iconLabel, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(texts, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addWidget(okButton, 0, Qt::AlignHCenter);
    nameControls({{iconLabel, "iconLabel"},
                  {nameLabel, "nameLabel"},
                  {purposeLabel, "purposeLabel"},
                  {licenceLabel, "licenceLabel"},
                  {qtLabel, "qtLabel"},
                  {okButton, "okButton"}});
    setTabChain({okButton});
    setFixedClientSize(360, 150);
}
