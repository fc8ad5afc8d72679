#pragma once

#include "ui/FormBase.h"

class BitBtn;
class Edit;
class QLabel;
class StatusBar;
class Store;

// The main window, step 1 of the wizard: the army's name, its words for a unit and a squad,
// New and Edit to start the wizard, Save and Load of the datafile.
class TForm1 : public FormBase
{
    Q_OBJECT
public:
    TForm1(Forms& forms, Store& store);

    void FormCreate() override;
    void FormActivate() override;
    void FormClose() override;
    void FormDestroy() override;

    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();
    void BitBtn6Click();
    void Edit1Change();
    void Edit3Change();

    QLabel* Panel1;
    Edit* Edit1;
    QLabel* Panel2;
    Edit* Edit2;
    QLabel* Panel3;
    Edit* Edit3;
    BitBtn* BitBtn1;
    BitBtn* BitBtn2;
    BitBtn* BitBtn3;
    BitBtn* BitBtn4;
    BitBtn* BitBtn5;
    BitBtn* BitBtn6;
    QLabel* Panel4;
    StatusBar* StatusBar1;

    // "Total " + the squad word + "s: " + the number of accepted troops.
    QString CountText(const QString& squadWord) const;

private:
    void CopyArmyTexts();
    void ShowPanel4(bool visible);

    Store& store;
};
