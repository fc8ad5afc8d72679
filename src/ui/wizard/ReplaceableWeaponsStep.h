#pragma once

#include "ui/Modal.h"
#include "ui/Window.h"

class Button;
class SortedListWidget;
class QFrame;
class QLabel;
class StatusBar;
class Store;
class Wizard;

// Step 4 of the wizard: the troop's weapons that may be swapped (left), and for the one
// selected the weapons that may take its place with their cost in points (right). Every change
// rebuilds that weapon's line of the troop at once; nothing waits for leaving the step.
class ReplaceableWeaponsStep : public Window
{
    Q_OBJECT
public:
    ReplaceableWeaponsStep(Wizard& wizard, const Store& store);

    void activate() override;
    void closing() override;

    void selectReplaceable();
    void addReplaceable();
    void deleteReplaceable();
    void editReplaceable();
    void addReplacement();
    void deleteReplacement();
    void previous();
    void next();
    void showHelp();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Shows the picker with every catalogue weapon and adds the selected ones that the target
    // does not list yet; yields the picker's result.
    QDialog::DialogCode pickWeapons(SortedListWidget& target);
    void fillReplaceableList();
    void fillReplacementList();
    void updateReplaceableButtons();
    void updateReplacementButtons();
    void editReplacementCosts();

    // The selected replaceable weapon, or the empty text.
    QString selectedReplaceable() const;
    // Puts the line in place of the selected weapon's line, or adds it when the weapon has none.
    void storeReplaceableLine(const QString& line);
    void showStatus();

    QLabel* replaceableHeading;
    QFrame* replaceableFrame;
    SortedListWidget* replaceableList;
    Button* addReplaceableButton;
    Button* deleteReplaceableButton;
    Button* editReplaceableButton;
    QLabel* replacementHeading;
    QFrame* replacementFrame;
    SortedListWidget* replacementList;
    Button* addReplacementButton;
    Button* deleteReplacementButton;
    Button* editCostsButton;
    Button* previousButton;
    Button* nextButton;
    Button* helpButton;
    StatusBar* statusBar;

    Wizard& wizard;
    const Store& store;
    // Set when the window is shown: the next activation enters the step and rebuilds both lists.
    // An activation on the return from a modal window keeps them and their selection.
    bool entering = false;
};
