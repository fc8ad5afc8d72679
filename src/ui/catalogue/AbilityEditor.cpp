#include "ui/catalogue/AbilityEditor.h"

#include "store/LineOps.h"
#include "ui/ControlNames.h"
#include "ui/controls/Button.h"
#include "ui/controls/LineEdit.h"
#include "ui/help/AbilityEditorHelp.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace
{

// Puts the text back with every comma turned into a semicolon.
void replaceCommas(LineEdit* edit)
{
    QString text = edit->text();
    commaToSemicolon(text);
    if (text != edit->text())
        edit->setText(text);
}

} // namespace

AbilityEditor::AbilityEditor(QWidget* opener, const AbilityEditorRequest& request)
    : Dialog(opener, request.caption, TitleBar::CaptionOnly), catalogue(request.catalogue),
      editing(request.editing)
{
    nameLabel = new QLabel(request.nameLabel, this);
    nameEdit = new LineEdit(this);
    nameEdit->setText(request.name);
    nameEdit->setReadOnly(editing);
    descriptionLabel =
        new QLabel(QStringLiteral("Small Description of this Special Ability"), this);
    descriptionEdit = new LineEdit(this);
    descriptionEdit->setText(request.description);
    nameLabel->setBuddy(nameEdit);
    descriptionLabel->setBuddy(descriptionEdit);

    okButton = new Button(this, QStringLiteral("&OK"), ButtonIcon::Ok);
    okButton->setEnabled(!request.name.isEmpty());
    helpButton = makeHelpButton(this);
    setHelpButton(helpButton);
    cancelButton = new Button(this, QStringLiteral("&Cancel"), ButtonIcon::Cancel);
    setDefaultButton(okButton);
    setCancelButton(cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(nameLabel);
    layout->addWidget(nameEdit);
    layout->addSpacing(4);
    layout->addWidget(descriptionLabel);
    layout->addWidget(descriptionEdit);
    layout->addStretch(1);
    layout->addLayout(buttonRow({okButton, cancelButton}, helpButton));

    nameControls({{nameLabel, "nameLabel"},
                  {nameEdit, "nameEdit"},
                  {descriptionLabel, "descriptionLabel"},
                  {descriptionEdit, "descriptionEdit"},
                  {okButton, "okButton"},
                  {helpButton, "helpButton"},
                  {cancelButton, "cancelButton"}});
    setTabChain({nameEdit, descriptionEdit, okButton, cancelButton, helpButton});

    connect(nameEdit, &LineEdit::changed, this, &AbilityEditor::updateOkButton);
    connect(nameEdit, &LineEdit::exited, this, &AbilityEditor::replaceCommasInName);
    connect(descriptionEdit, &LineEdit::exited, this, &AbilityEditor::replaceCommasInDescription);
    connect(okButton, &QPushButton::clicked, this, &AbilityEditor::accept);
    connect(helpButton, &QPushButton::clicked, this, &AbilityEditor::showHelp);
    connect(cancelButton, &QPushButton::clicked, this, [this] { done(Rejected); });

    setFixedClientSize(401, 153);
}

// An ability being changed opens on its description, since its name stays as it is.
void AbilityEditor::activate()
{
    if (editing)
        descriptionEdit->setFocus(Qt::OtherFocusReason);
    else
        nameEdit->setFocus(Qt::OtherFocusReason);
}

// An ability needs a name.
void AbilityEditor::updateOkButton()
{
    okButton->setEnabled(!nameEdit->text().isEmpty());
}

void AbilityEditor::replaceCommasInName()
{
    replaceCommas(nameEdit);
}

void AbilityEditor::replaceCommasInDescription()
{
    replaceCommas(descriptionEdit);
}

QString AbilityEditor::entry() const
{
    return nameEdit->text() + u',' + descriptionEdit->text();
}

QString AbilityEditor::name() const
{
    return nameEdit->text();
}

void AbilityEditor::showHelp()
{
    AbilityEditorHelp help(this);
    help.showModal();
}

// OK: a new ability may not take the name of one in the catalogue (a different letter case
// is another name); a refused name is left selected, to be typed over. The commas go first, so
// the entry never holds more than two fields, even when Enter is pressed before the field was
// left.
void AbilityEditor::accept()
{
    replaceCommas(nameEdit);
    replaceCommas(descriptionEdit);
    if (!editing && findEntry(nameEdit->text(), catalogue) >= 0) {
        messageBox(this, QStringLiteral("*** DUPLICATE SPECIAL ABILITY ***"),
                   QStringLiteral("Special Ability already exists! Please choose another name "
                                  "for it."),
                   QMessageBox::Ok);
        nameEdit->focusForCorrection();
        return;
    }
    done(Accepted);
}
