#pragma once

#include "ui/Dialog.h"

#include <QStringList>

class Button;
class LineEdit;
class GridHeadings;
class QLabel;
class LineList;
class Grid;

// What the weapon editor opens on.
struct WeaponEditorRequest {
    QString caption;
    QString nameLabel;
    QString name;
    QStringList cells; // range, strength, armour piercing, weapon type, description
    // An entry of the catalogue is edited: its name cannot change and is not tested against
    // the catalogue, and the focus starts on the cells. Otherwise a new weapon is made.
    bool editing = false;
    // The catalogue a new weapon's name must not be in yet.
    const LineList* catalogue = nullptr;
};

// The weapon editor: a weapon's name and its five cells (range, strength, armour piercing,
// weapon type, description). Its opener writes the catalogue entry when OK closes it.
class WeaponEditor : public Dialog
{
    Q_OBJECT
public:
    static constexpr int cellCount = 5;

    WeaponEditor(QWidget* opener, const WeaponEditorRequest& request);

    void activate() override;
    void updateOkButton();
    void replaceCommasInName();
    void replaceCommasInCells();
    void accept();
    void showHelp();

    // The catalogue entry the controls make: the name, then "," and each cell in column order.
    QString entry() const;
    // The weapon's name as it stands.
    QString name() const;
    // The five cells as they stand.
    QStringList cells() const;

private:
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

    const LineList* catalogue;
    bool editing;
};
