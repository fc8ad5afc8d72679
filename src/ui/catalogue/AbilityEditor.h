#pragma once

#include "ui/Dialog.h"

class Button;
class LineEdit;
class QLabel;
class LineList;

// What the ability editor opens on.
struct AbilityEditorRequest {
    QString caption;
    QString nameLabel;
    QString name;
    QString description;
    // An entry of the catalogue is edited: its name cannot change and is not tested against
    // the catalogue, and the focus starts on the description.
    bool editing = false;
    // The catalogue a new ability's name must not be in yet.
    const LineList* catalogue = nullptr;
};

// The special ability editor: the name and short description of a catalogue ability, for
// adding a new ability or changing the description of an existing one. Its opener writes the
// catalogue entry when OK closes it.
class AbilityEditor : public Dialog
{
    Q_OBJECT
public:
    AbilityEditor(QWidget* opener, const AbilityEditorRequest& request);

    void activate() override;
    void updateOkButton();
    void replaceCommasInName();
    void replaceCommasInDescription();
    void accept();
    void showHelp();

    // The catalogue entry the fields make: name, ",", description.
    QString entry() const;
    // The ability's name as it stands.
    QString name() const;

private:
    QLabel* nameLabel;
    LineEdit* nameEdit;
    QLabel* descriptionLabel;
    LineEdit* descriptionEdit;
    Button* okButton;
    Button* helpButton;
    Button* cancelButton;

    const LineList* catalogue;
    bool editing;
};
