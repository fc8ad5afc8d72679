#pragma once

#include "ui/FormBase.h"

#include <memory>

class BitBtn;
class ListBox;
class QFrame;
class QLabel;
class StatusBar;
class Store;
class StringList;

// The item-list window, which serves three steps of the wizard by the list mode: the standard
// weapons (0), the additional weapons with their costs (1) and the special abilities (2) of the
// troop the wizard works on. In the two weapon modes the list is a working copy that reaches the
// troop when the user goes on or back; special abilities are stored at once.
class TForm4 : public FormBase
{
    Q_OBJECT
public:
    TForm4(Forms& forms, Store& store);

    void FormActivate() override;
    void FormClose() override;

    void ListBox1Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn6Click();

    QLabel* Panel2;
    QFrame* Panel1;
    ListBox* ListBox1;
    BitBtn* BitBtn3;
    BitBtn* BitBtn4;
    BitBtn* BitBtn5;
    BitBtn* BitBtn1;
    BitBtn* BitBtn2;
    BitBtn* BitBtn6;
    StatusBar* StatusBar1;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Whether field 1 of some item of the list box is exactly the name.
    static bool ListBoxHasName(const ListBox& listBox, const QString& name);
    void EditAdditionalCosts();

    // The list mode, held to the three modes the window knows.
    int Mode() const;
    // The troop's list of the current mode; null is none.
    std::unique_ptr<StringList>& ModeList();
    void Commit();
    void EnableItemButtons();
    void ShowStatus();
    // The first line of the troop's special abilities whose name is exactly the text, or -1.
    int FindAbility(const QString& name) const;
    void AddPicked(const QString& name);

    Store& store;
    // Set when the window is shown: the next activation enters a step and rebuilds the list from
    // the troop. An activation on the return from a modal window keeps the working copy.
    bool entering = false;
};
