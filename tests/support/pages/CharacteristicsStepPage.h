#pragma once

#include "support/pages/ControlNamed.h"
#include "ui/controls/Button.h"
#include "ui/controls/Grid.h"
#include "ui/controls/Slider.h"
#include "ui/controls/StatusBar.h"
#include "ui/wizard/CharacteristicsStep.h"

#include <QComboBox>
#include <QLabel>

// Step 2's controls, found by name.
struct CharacteristicsStepPage {
    explicit CharacteristicsStepPage(CharacteristicsStep& step)
        : window(step), troopGrid(controlNamed<Grid>(step, "troopGrid")),
          roleComboBox(controlNamed<QComboBox>(step, "roleComboBox")),
          minModelsSlider(controlNamed<Slider>(step, "minModelsSlider")),
          minModelsLabel(controlNamed<QLabel>(step, "minModelsLabel")),
          maxModelsSlider(controlNamed<Slider>(step, "maxModelsSlider")),
          maxModelsLabel(controlNamed<QLabel>(step, "maxModelsLabel")),
          previousButton(controlNamed<Button>(step, "previousButton")),
          nextButton(controlNamed<Button>(step, "nextButton")),
          helpButton(controlNamed<Button>(step, "helpButton")),
          statusBar(controlNamed<StatusBar>(step, "statusBar"))
    {
    }

    CharacteristicsStep& window;
    Grid* troopGrid;
    QComboBox* roleComboBox;
    Slider* minModelsSlider;
    QLabel* minModelsLabel;
    Slider* maxModelsSlider;
    QLabel* maxModelsLabel;
    Button* previousButton;
    Button* nextButton;
    Button* helpButton;
    StatusBar* statusBar;
};
