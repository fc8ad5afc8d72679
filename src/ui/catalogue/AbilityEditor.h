#pragma once

#include "ui/Window.h"

class Button;
class LineEdit;
class QLabel;
class Store;

// The special ability editor: the name and short description of a catalogue ability. Its
// opener sets the captions and the fields for adding a new ability or changing the
// description of an existing one, and writes the catalogue entry when OK closes it.
class AbilityEditor : public Window
{
    Q_OBJECT
public:
    AbilityEditor(WindowRegistry& windows, Store& store);

    void activate() override;
    void updateOkButton();
    void replaceCommasInName();
    void replaceCommasInDescription();
    void accept();
    void showHelp();

    // The catalogue entry the fields make: name, ",", description.
    QString entry() const;

    QLabel* nameLabel;
    LineEdit* nameEdit;
    QLabel* descriptionLabel;
    LineEdit* descriptionEdit;
    Button* okButton;
    Button* helpButton;
    Button* cancelButton;

private:
    Store& store;
};
