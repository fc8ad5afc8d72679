#pragma once

#include "ui/Window.h"

#include <memory>

class Button;
class SortedListWidget;
class QFrame;
class QLabel;
class StatusBar;
class Store;
class Wizard;
class LineList;

// Which list the item-list window shows, by the wizard's step: step 3, 5 or 6.
enum class ListMode { StandardWeapons = 0, AdditionalWeapons = 1, Abilities = 2 };

// The item-list window, which serves three steps of the wizard: the standard weapons, the
// additional weapons with their costs and the special abilities of the troop the wizard
// works on. In the two weapon modes the list is a working copy that reaches the
// troop when the user goes on or back; special abilities are stored at once.
class ItemListStep : public Window
{
    Q_OBJECT
public:
    ItemListStep(Wizard& wizard, const Store& store);

    void activate() override;
    void closing() override;

    void addItems();
    void deleteItem();
    void editItem();
    void previous();
    void next();
    void showHelp();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void editAdditionalCosts();

    // The list the wizard's step shows.
    ListMode mode() const;
    // The troop's list of the current mode; null is none.
    std::unique_ptr<LineList>& modeList();
    void commit();
    void updateItemButtons();
    void showStatus();
    // The first line of the troop's special abilities whose name is exactly the text, or -1.
    int findAbility(const QString& name) const;
    void addPicked(const QString& name);

    QLabel* listHeading;
    QFrame* listFrame;
    SortedListWidget* itemList;
    Button* addButton;
    Button* deleteButton;
    Button* editButton;
    Button* previousButton;
    Button* nextButton;
    Button* helpButton;
    StatusBar* statusBar;

    Wizard& wizard;
    const Store& store;
    // Set when the window is shown: the next activation enters a step and rebuilds the list from
    // the troop, as it does when the wizard has moved on to another of the steps it serves. An
    // activation on the return from a modal window keeps the working copy.
    bool entering = false;
    ListMode listedMode = ListMode::StandardWeapons;
};
