#pragma once

#include "ui/FormBase.h"

class BitBtn;
class ListBox;
class QFrame;
class QLabel;
class StatusBar;
class Store;

// Step 4 of the wizard: the troop's weapons that may be swapped (left), and for the one
// selected the weapons that may take its place with their cost in points (right). Every change
// rebuilds that weapon's line of the troop at once; nothing waits for leaving the step.
class TForm7 : public FormBase
{
    Q_OBJECT
public:
    TForm7(Forms& forms, Store& store);

    void FormActivate() override;
    void FormClose() override;

    void ListBox1Click();
    void ListBox2Click();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();
    void BitBtn8Click();
    void BitBtn6Click();
    void BitBtn7Click();
    void BitBtn9Click();

    QLabel* Panel3;
    QFrame* Panel1;
    ListBox* ListBox1;
    BitBtn* BitBtn1;
    BitBtn* BitBtn2;
    BitBtn* BitBtn3;
    QLabel* Panel4;
    QFrame* Panel2;
    ListBox* ListBox2;
    BitBtn* BitBtn4;
    BitBtn* BitBtn5;
    BitBtn* BitBtn8;
    BitBtn* BitBtn6;
    BitBtn* BitBtn7;
    BitBtn* BitBtn9;
    StatusBar* StatusBar1;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Shows the picker with every catalogue weapon and adds the selected ones that the target
    // does not list yet; yields the picker's result.
    int PickWeapons(ListBox& target);
    void FillReplaceableList();
    void FillReplaceList();
    void UpdateReplaceableButtons();
    void UpdateReplaceButtons();
    void EditReplaceCosts();
    // Whether field 1 of some item of the list box is exactly the name.
    static bool ListBoxHasName(const ListBox& listBox, const QString& name);

    // The selected replaceable weapon, or the empty text.
    QString SelectedWeapon() const;
    // Puts the line in place of the selected weapon's line, or adds it when the weapon has none.
    void StoreWeaponLine(const QString& line);
    void ShowStatus();

    Store& store;
    // Set when the window is shown: the next activation enters the step and rebuilds both lists.
    // An activation on the return from a modal window keeps them and their selection.
    bool entering = false;
};
