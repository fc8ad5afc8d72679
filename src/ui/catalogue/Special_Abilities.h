#pragma once

#include "ui/FormBase.h"

class BitBtn;
class GridHeadings;
class QLabel;
class RadioGroup;
class Store;
class StringGrid;

// The costing dialog of one special ability of the current troop: its cost, its group and
// whether it applies to each model or to the whole squad. OK is the only way out.
class TForm10 : public FormBase
{
    Q_OBJECT
public:
    TForm10(Forms& forms, Store& store);

    void FormActivate() override;
    void StringGrid1Exit();
    void BitBtn6Click();

    QLabel* Panel1;
    QLabel* Panel3;
    QLabel* Panel4;
    GridHeadings* Headings;
    StringGrid* StringGrid1;
    RadioGroup* RadioGroup1;
    BitBtn* BitBtn1;
    BitBtn* BitBtn6;

private:
    Store& store;
};

// Costs the line at index of the current troop's special abilities in the costing dialog and
// puts the rebuilt line (group, name, cost, and ",1" for the whole squad) in its place. An
// index that names no line changes nothing.
void EditAbilityCosts(Store& store, Forms& forms, int index);
