#pragma once

#include "ui/FormBase.h"

class BitBtn;
class Edit;
class GridHeadings;
class QLabel;
class Store;
class StringGrid;

// The weapon editor: a weapon's name and its five cells (range, strength, armour piercing,
// weapon type, description). Its opener sets the captions and, when it edits a weapon, the
// name and the cells, and writes the catalogue entry when OK closes it.
class TForm6 : public FormBase
{
    Q_OBJECT
public:
    static constexpr int CellCount = 5;

    TForm6(Forms& forms, Store& store);

    void FormActivate() override;
    void Edit1Exit();
    void StringGrid1Exit();
    void BitBtn1Click();
    void BitBtn6Click();

    // The catalogue entry the controls make: the name, then "," and each cell in column order.
    QString Entry() const;
    // Shows fields 2 to 6 of a catalogue entry in the five cells.
    void FillCells(const QString& entry);

    Edit* Edit1;
    StringGrid* StringGrid1;
    BitBtn* BitBtn1;
    BitBtn* BitBtn2;
    QLabel* Panel1;
    QLabel* Panel2;
    QLabel* Panel3;
    QLabel* Panel4;
    QLabel* Panel5;
    QLabel* Panel6;
    GridHeadings* Headings;
    BitBtn* BitBtn6;

private:
    Store& store;
};
