#include "ui/catalogue/RenameDialog.h"

#include "store/LineOps.h"
#include "ui/ControlNames.h"
#include "ui/controls/Button.h"
#include "ui/controls/LineEdit.h"

#include <QLabel>
#include <QVBoxLayout>

RenameDialog::RenameDialog(QWidget* opener, CatalogueKind catalogueKind, const QString& name,
                           const LineList& entries)
    : Dialog(opener,
             catalogueKind == CatalogueKind::Abilities ? QStringLiteral("Rename Special Ability")
                                                       : QStringLiteral("Rename Weapon"),
             TitleBar::CaptionOnly),
      kind(catalogueKind), oldName(name), catalogue(entries)
{
    nameLabel = new QLabel(QStringLiteral("&New name of \"%1\"").arg(name), this);
    nameEdit = new LineEdit(this);
    nameEdit->setText(name);
    nameEdit->setAccessibleName(QStringLiteral("New name"));
    nameLabel->setBuddy(nameEdit);
    okButton = new Button(this, QStringLiteral("&OK"), ButtonIcon::Ok);
    cancelButton = new Button(this, QStringLiteral("&Cancel"), ButtonIcon::Cancel);
    setDefaultButton(okButton);
    setCancelButton(cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(nameLabel);
    layout->addWidget(nameEdit);
    layout->addStretch(1);
    layout->addLayout(buttonRow({okButton, cancelButton}));

    nameControls({{nameLabel, "nameLabel"},
                  {nameEdit, "nameEdit"},
                  {okButton, "okButton"},
                  {cancelButton, "cancelButton"}});
    setTabChain({nameEdit, okButton, cancelButton});

    connect(nameEdit, &QLineEdit::textChanged, this, &RenameDialog::updateOkButton);
    connect(okButton, &QPushButton::clicked, this, &RenameDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, [this] { done(Rejected); });
    updateOkButton();
    setFixedClientSize(360, 100);
}

void RenameDialog::activate()
{
    nameEdit->setFocus(Qt::OtherFocusReason);
    nameEdit->selectAll();
}

void RenameDialog::updateOkButton()
{
    okButton->setEnabled(!nameEdit->text().trimmed().isEmpty());
}

// The same name again changes nothing and is taken; any other name must be free, and one that
// is not is left selected, to be typed over.
void RenameDialog::accept()
{
    const QString name = newName();
    if (name.trimmed().isEmpty())
        return;
    nameEdit->setText(name);
    if (name != oldName && findEntry(name, &catalogue) >= 0) {
        if (kind == CatalogueKind::Abilities)
            messageBox(this, QStringLiteral("*** DUPLICATE SPECIAL ABILITY ***"),
                       QStringLiteral(
                           "Special Ability already exists! Please choose another name for it."),
                       QMessageBox::Ok);
        else
            messageBox(this, QStringLiteral("*** DUPLICATE NAME ***"),
                       QStringLiteral("Duplicate weapon/special name! Please choose another name"),
                       QMessageBox::Ok);
        nameEdit->focusForCorrection();
        return;
    }
    done(Accepted);
}

QString RenameDialog::newName() const
{
    QString name = nameEdit->text();
    commaToSemicolon(name);
    return name;
}
