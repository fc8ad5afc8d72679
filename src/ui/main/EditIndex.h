#pragma once

#include "ui/FormBase.h"

class BitBtn;
class QLabel;
class Store;
class StringGrid;

// The troop selection dialog: every accepted troop with its role and name, row i showing slot
// i. Edit closes it with OK for the main window to reopen the selected troop; Delete removes
// the selected troop at once, after a question, and the dialog stays open.
class TForm12 : public FormBase
{
    Q_OBJECT
public:
    TForm12(Forms& forms, Store& store);

    void FormActivate() override;
    void BitBtn3Click();
    void BitBtn6Click();

    // The slot of the selected row; the first slot when no row is selected.
    int SelectedTroop() const;

    StringGrid* StringGrid1;
    QLabel* Panel1;
    QLabel* Panel2;
    BitBtn* BitBtn1;
    BitBtn* BitBtn2;
    BitBtn* BitBtn6;
    BitBtn* BitBtn3;

private:
    void FillTroopGrid();

    Store& store;
};
