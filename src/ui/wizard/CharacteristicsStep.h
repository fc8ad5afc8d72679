#pragma once

#include "ui/Window.h"

#include <QList>

class Button;
class GridHeadings;
class QComboBox;
class QLabel;
class StatusBar;
class Store;
class Wizard;
class Grid;
class Slider;

// Step 2 of the wizard: the troop's name, points, profile and armour in one grid row, its
// battlefield role and its smallest and largest number of models. Every change goes straight
// into the troop the wizard works on.
class CharacteristicsStep : public Window
{
    Q_OBJECT
public:
    CharacteristicsStep(Wizard& wizard, const Store& store);

    void activate() override;
    bool canClose() override;
    void closing() override;

    void updateButtonsAndName();
    void storeCells();
    void chooseRole();
    void storeMinModels();
    void storeMaxModels();
    void next();
    void previous();
    void showHelp();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout(GridHeadings* headings);
    void updateButtons();
    void showTroop();
    void storeTroop();
    void storeRole();
    bool nameTaken();
    void focusName();
    void focusFieldAtFault();
    static QString incompleteText();
    void showTroopName();

    Grid* troopGrid;
    QLabel* nameHeading;
    QLabel* pointsHeading;
    // WS, BS, S, T, W, I, A, Ld and Sv, in column order.
    QList<QLabel*> characteristicHeadings;
    QLabel* frontArmourHeading;
    QLabel* sideArmourHeading;
    QLabel* rearArmourHeading;
    QLabel* roleHeading;
    QComboBox* roleComboBox;
    QLabel* minModelsHeading;
    Slider* minModelsSlider;
    QLabel* minModelsLabel;
    QLabel* minModelsFromLabel;
    QLabel* minModelsToLabel;
    QLabel* maxModelsHeading;
    Slider* maxModelsSlider;
    QLabel* maxModelsLabel;
    QLabel* maxModelsFromLabel;
    QLabel* maxModelsToLabel;
    Button* previousButton;
    Button* nextButton;
    Button* helpButton;
    StatusBar* statusBar;

    Wizard& wizard;
    const Store& store;
};
