#pragma once

#include "ui/FormBase.h"

class BitBtn;
class GridHeadings;
class QComboBox;
class QLabel;
class StatusBar;
class Store;
class StringGrid;
class TrackBar;

// Step 2 of the wizard: the troop's name, points, profile and armour in one grid row, its
// battlefield role and its smallest and largest number of models. Every change goes straight
// into the troop the wizard works on.
class TForm3 : public FormBase
{
    Q_OBJECT
public:
    TForm3(Forms& forms, Store& store);

    void FormActivate() override;
    void FormCloseQuery(bool& canClose) override;
    void FormClose() override;

    void StringGrid1KeyPress();
    void StringGrid1KeyDown();
    void StringGrid1KeyUp();
    void StringGrid1Exit();
    void ComboBox1Change();
    void ComboBox1Exit();
    void TrackBar1Change();
    void TrackBar2Change();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn6Click();

    StringGrid* StringGrid1;
    QLabel* Panel1;
    QLabel* Panel2;
    QLabel* Panel3;
    QLabel* Panel4;
    QLabel* Panel5;
    QLabel* Panel6;
    QLabel* Panel7;
    QLabel* Panel8;
    QLabel* Panel9;
    QLabel* Panel10;
    QLabel* Panel11;
    QLabel* Panel12;
    QLabel* Panel13;
    QLabel* Panel14;
    QLabel* Panel15;
    QComboBox* ComboBox1;
    QLabel* Panel16;
    TrackBar* TrackBar1;
    QLabel* Label1;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Panel17;
    TrackBar* TrackBar2;
    QLabel* Label2;
    QLabel* Label5;
    QLabel* Label6;
    BitBtn* BitBtn2;
    BitBtn* BitBtn1;
    BitBtn* BitBtn6;
    StatusBar* StatusBar1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLayout(GridHeadings* headings);
    void UpdateButtons();
    void ShowTroop();
    void StoreTroop();
    void StoreType();
    bool NameTaken();
    void ShowNamePanel();

    Store& store;
};
