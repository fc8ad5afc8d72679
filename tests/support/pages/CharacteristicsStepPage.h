#pragma once

#include "support/pages/FoundControl.h"
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
        : window(step), troopGrid(foundControl<Grid>(step, "troopGrid")),
          roleComboBox(foundControl<QComboBox>(step, "roleComboBox")),
          minModelsSlider(foundControl<Slider>(step, "minModelsSlider")),
          minModelsLabel(foundControl<QLabel>(step, "minModelsLabel")),
          maxModelsSlider(foundControl<Slider>(step, "maxModelsSlider")),
          maxModelsLabel(foundControl<QLabel>(step, "maxModelsLabel")),
          previousButton(foundControl<Button>(step, "previousButton")),
          nextButton(foundControl<Button>(step, "nextButton")),
          helpButton(foundControl<Button>(step, "helpButton")),
          statusBar(foundControl<StatusBar>(step, "statusBar"))
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
