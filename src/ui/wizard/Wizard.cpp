#include "ui/wizard/Wizard.h"

#include "ui/wizard/CharacteristicsStep.h"
#include "ui/wizard/ItemListStep.h"
#include "ui/wizard/ReplaceableWeaponsStep.h"
#include "ui/wizard/RestrictionsStep.h"

Wizard::Wizard(Store& armyStore) : store(armyStore) {}

Wizard::~Wizard() = default;

void Wizard::makeSteps()
{
    if (characteristics)
        return;
    characteristics = std::make_unique<CharacteristicsStep>(*this, store);
    itemList = std::make_unique<ItemListStep>(*this, store);
    replaceableWeapons = std::make_unique<ReplaceableWeaponsStep>(*this, store);
    restrictions = std::make_unique<RestrictionsStep>(*this, store);
}

Window* Wizard::windowOf(WizardStep which) const
{
    switch (which) {
    case WizardStep::Characteristics:
        return characteristics.get();
    case WizardStep::ReplaceableWeapons:
        return replaceableWeapons.get();
    case WizardStep::Restrictions:
        return restrictions.get();
    default:
        return itemList.get();
    }
}

void Wizard::start(int slot)
{
    makeSteps();
    troopSlot = qBound(0, slot, Store::slotCount - 1);
    lastRunSlot = troopSlot;
    armyBefore = store;
    running = true;
    step = WizardStep::Characteristics;
    characteristics->showAndActivate();
}

// The list steps share one window, which stays shown from one of them to the next: a window
// hidden and at once shown again may be lost to the desktop's window manager, which is still
// taking the hidden one away.
void Wizard::showStep(WizardStep next)
{
    if (!running)
        return;
    Window* leaving = windowOf(step);
    step = next;
    if (windowOf(step) != leaving)
        leaving->hide();
    windowOf(step)->showAndActivate();
}

void Wizard::acceptTroop()
{
    if (troopSlot == store.troopCount)
        ++store.troopCount;
    troopSlot = qMin(store.troopCount, Store::slotCount - 1);
    end();
}

void Wizard::leave()
{
    end();
}

void Wizard::end()
{
    if (!running)
        return;
    running = false;
    windowOf(step)->hide();
    const bool changed = armyBefore && *armyBefore != store;
    armyBefore.reset();
    emit finished(changed);
}
