#include "support/TestWindows.h"

#include "ui/wizard/CharacteristicsStep.h"
#include "ui/wizard/ItemListStep.h"
#include "ui/wizard/ReplaceableWeaponsStep.h"
#include "ui/wizard/RestrictionsStep.h"

ArmyChanger TestWindows::storeChanger()
{
    return [this](const ArmyChange& change) {
        change.apply(store);
    };
}

Window& TestWindows::openStep(WizardStep step, int slot)
{
    wizard.start(slot);
    if (step != WizardStep::Characteristics)
        wizard.showStep(step);
    switch (step) {
    case WizardStep::Characteristics:
        return *wizard.characteristicsStep();
    case WizardStep::ReplaceableWeapons:
        return *wizard.replaceableWeaponsStep();
    case WizardStep::Restrictions:
        return *wizard.restrictionsStep();
    default:
        return *wizard.itemListStep();
    }
}
