#pragma once

#include "ui/FormBase.h"

class BitBtn;
class Edit;
class QLabel;
class Store;

// The special ability editor: the name and short description of a catalogue ability. Its
// opener sets the captions and the fields for adding a new ability or changing the
// description of an existing one, and writes the catalogue entry when OK closes it.
class TForm9 : public FormBase
{
    Q_OBJECT
public:
    TForm9(Forms& forms, Store& store);

    void FormActivate() override;
    void Edit1Change();
    void Edit1Exit();
    void Edit2Exit();
    void BitBtn1Click();
    void BitBtn6Click();

    // The catalogue entry the fields make: name, ",", description.
    QString Entry() const;

    QLabel* Panel1;
    Edit* Edit1;
    QLabel* Panel2;
    Edit* Edit2;
    BitBtn* BitBtn1;
    BitBtn* BitBtn6;
    BitBtn* BitBtn2;

private:
    Store& store;
};
