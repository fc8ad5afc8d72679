#include "ui/wizard/Wizard.h"

#include "ui/wizard/CharacteristicsStep.h"
#include "ui/wizard/ItemListStep.h"
#include "ui/wizard/ReplaceableWeaponsStep.h"
#include "ui/wizard/RestrictionsStep.h"

Wizard::Wizard(const QLocale& locale) : draft(locale) {}

Wizard::~Wizard() = default;

void Wizard::makeSteps()
{
    if (characteristics)
        return;
    characteristics = std::make_unique<CharacteristicsStep>(*this, draft);
    itemList = std::make_unique<ItemListStep>(*this, draft);
    replaceableWeapons = std::make_unique<ReplaceableWeaponsStep>(*this, draft);
    restrictions = std::make_unique<RestrictionsStep>(*this, draft);
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

void Wizard::start(const Store& army, int slot, const Troop& unfinished)
{
    makeSteps();
    draft = army;
    troopSlot = qBound(0, slot, Store::slotCount - 1);
    if (troopSlot == draft.troopCount)
        draft.troops[size_t(troopSlot)] = unfinished;
    lastRunSlot = troopSlot;
    armyBefore = draft;
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
    if (troopSlot == draft.troopCount)
        ++draft.troopCount;
    troopSlot = qMin(draft.troopCount, Store::slotCount - 1);
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
    emit finished();
}

Troop& Wizard::troop()
{
    emit troopInHand();
    return draft.troops[size_t(troopSlot)];
}

void Wizard::applyChange(const ArmyChange& change)
{
    change.apply(draft);
    emit troopInHand();
}

std::optional<ArmyChange> Wizard::runChange() const
{
    if (!armyBefore)
        return std::nullopt;
    const Store& before = *armyBefore;
    const int slot = lastRunSlot;
    const Troop& troop = draft.troops[size_t(slot)];
    const bool sameCatalogues = draft.weaponCatalogue->lines() == before.weaponCatalogue->lines() &&
                                draft.abilityCatalogue->lines() == before.abilityCatalogue->lines();
    QString name;
    const QString quoted = u'"' + troop.name + u'"';
    if (draft.troopCount > before.troopCount)
        name = QStringLiteral("Add Troop ") + quoted;
    else if (slot < draft.troopCount && troop != before.troops[size_t(slot)])
        name = QStringLiteral("Change Troop ") + quoted;
    else if (!sameCatalogues)
        name = QStringLiteral("Change Catalogues");
    else
        return std::nullopt;
    const int count = draft.troopCount;
    const std::shared_ptr<const LineList> weapons =
        std::make_shared<const LineList>(*draft.weaponCatalogue);
    const std::shared_ptr<const LineList> abilities =
        std::make_shared<const LineList>(*draft.abilityCatalogue);
    const bool troopTaken = slot < count;
    return ArmyChange{name, [=](Store& army) {
                          if (troopTaken)
                              army.troops[size_t(slot)] = troop;
                          army.troopCount = count;
                          army.weaponCatalogue = std::make_unique<LineList>(*weapons);
                          army.abilityCatalogue = std::make_unique<LineList>(*abilities);
                      }};
}

std::optional<Troop> Wizard::unfinishedAfterRun() const
{
    if (!armyBefore || lastRunSlot != armyBefore->troopCount)
        return std::nullopt;
    if (lastRunSlot < draft.troopCount)
        return Troop();
    return draft.troops[size_t(lastRunSlot)];
}
