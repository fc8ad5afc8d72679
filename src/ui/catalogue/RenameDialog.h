#pragma once

#include "store/CatalogueUse.h"
#include "ui/Dialog.h"

class Button;
class LineEdit;
class QLabel;
class LineList;

// Asks for the new name of a catalogue entry. OK waits for a name that is not blanks alone;
// a name that another entry already has (exact names) is refused with the editors' duplicate
// message. Commas become ";".
class RenameDialog : public Dialog
{
    Q_OBJECT
public:
    RenameDialog(QWidget* opener, CatalogueKind kind, const QString& oldName,
                 const LineList& catalogue);

    void activate() override;
    void updateOkButton();
    void accept();

    // The new name as OK took it.
    QString newName() const;

private:
    QLabel* nameLabel;
    LineEdit* nameEdit;
    Button* okButton;
    Button* cancelButton;

    CatalogueKind kind;
    QString oldName;
    const LineList& catalogue;
};
