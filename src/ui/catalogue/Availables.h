#pragma once

#include "ui/FormBase.h"

class BitBtn;
class ListBox;
class QFrame;
class Store;

// The picker: the names of every catalogue weapon (list modes 0 and 1) or special ability
// (list mode 2), from which the opener takes the selected ones. New and Edit change the
// catalogue at once, whatever the picker's result.
class TForm5 : public FormBase
{
    Q_OBJECT
public:
    TForm5(Forms& forms, Store& store);

    void FormActivate() override;
    void ListBox1Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn6Click();

    QFrame* Panel1;
    ListBox* ListBox1;
    BitBtn* BitBtn3;
    BitBtn* BitBtn4;
    BitBtn* BitBtn1;
    BitBtn* BitBtn2;
    BitBtn* BitBtn6;

private:
    Store& store;
};

// Opens the weapon editor (list modes 0 and 1) or the ability editor (list mode 2) on the
// catalogue entry named by the first selected item of the list box, and replaces the entry
// when the editor closes with OK. With no item selected nothing happens.
void EditSelectedItem(Store& store, Forms& forms, const ListBox& listBox);
