#pragma once

#include "ui/FormBase.h"

class BitBtn;
class Edit;
class GridHeadings;
class QLabel;
class StatusBar;
class Store;
class StringGrid;

// Step 7 of the wizard, the restrictions: how many weapons one model may carry, how many
// special abilities it may have, and how many it may take from each group of the troop's
// abilities. OK accepts the troop into the army; every way out stores what was entered.
class TForm11 : public FormBase
{
    Q_OBJECT
public:
    TForm11(Forms& forms, Store& store);

    void FormActivate() override;
    void FormClose() override;
    void StringGrid1Exit();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn6Click();

    QLabel* Panel1;
    Edit* Edit1;
    QLabel* Panel5;
    Edit* Edit2;
    QLabel* Panel2;
    QLabel* Panel3;
    QLabel* Panel4;
    GridHeadings* Headings;
    StringGrid* StringGrid1;
    BitBtn* BitBtn1;
    BitBtn* BitBtn6;
    BitBtn* BitBtn2;
    StatusBar* StatusBar1;

private:
    void ShowGroupTable(bool visible);
    void FillGroupTable();
    void StoreRestrictions();

    Store& store;
};
