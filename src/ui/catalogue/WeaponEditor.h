#pragma once

#include "ui/Window.h"

class Button;
class LineEdit;
class GridHeadings;
class QLabel;
class Store;
class Grid;

// The weapon editor: a weapon's name and its five cells (range, strength, armour piercing,
// weapon type, description). Its opener sets the captions and, when it edits a weapon, the
// name and the cells, and writes the catalogue entry when OK closes it.
class WeaponEditor : public Window
{
    Q_OBJECT
public:
    static constexpr int cellCount = 5;

    WeaponEditor(WindowRegistry& windows, Store& store);

    void activate() override;
    void replaceCommasInName();
    void replaceCommasInCells();
    void accept();
    void showHelp();

    // The catalogue entry the controls make: the name, then "," and each cell in column order.
    QString entry() const;
    // Shows fields 2 to 6 of a catalogue entry in the five cells.
    void fillCells(const QString& entry);

    LineEdit* nameEdit;
    Grid* detailsGrid;
    Button* okButton;
    Button* cancelButton;
    QLabel* nameLabel;
    QLabel* rangeHeading;
    QLabel* strengthHeading;
    QLabel* armourPiercingHeading;
    QLabel* weaponTypeHeading;
    QLabel* descriptionHeading;
    GridHeadings* headings;
    Button* helpButton;

private:
    Store& store;
};
