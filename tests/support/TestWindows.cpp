#include "support/TestWindows.h"

#include "ui/wizard/CharacteristicsStep.h"
#include "ui/wizard/ItemListStep.h"
#include "ui/wizard/ReplaceableWeaponsStep.h"
#include "ui/wizard/RestrictionsStep.h"

const Store& TestWindows::army() const
{
    return wizard.isRunning() ? wizard.army() : document.army();
}

void TestWindows::setUp(const std::function<void(Store&)>& change)
{
    if (wizard.isRunning()) {
        wizard.applyChange({QString(), change});
        return;
    }
    Store army = document.army();
    change(army);
    // A troop set up in the slot after the accepted ones is the new troop that New begins with.
    const Troop next =
        army.troopCount < Store::slotCount ? army.troops[size_t(army.troopCount)] : Troop();
    document.startFrom(army);
    document.setUnfinishedTroop(next);
}

ArmyChanger TestWindows::storeChanger()
{
    return [this](const ArmyChange& change) {
        if (wizard.isRunning())
            wizard.applyChange(change);
        else
            document.apply(change);
    };
}

void TestWindows::start(int slot)
{
    wizard.start(document.army(), slot, document.unfinishedTroop());
}

Window& TestWindows::openStep(WizardStep step, int slot)
{
    start(slot);
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
