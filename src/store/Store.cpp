#include "store/Store.h"

Store::Store(const QLocale& locale) : collator(locale) {}

std::unique_ptr<LineList> Store::newSortedList() const
{
    return std::make_unique<LineList>(LineList::Order::Sorted, collator);
}

std::unique_ptr<LineList> Store::newPlainList() const
{
    return std::make_unique<LineList>(LineList::Order::Plain, collator);
}

void resetSlot(Store& store, int slot)
{
    if (slot < 0 || slot >= Store::slotCount)
        return;
    Troop& troop = store.troops[slot];
    troop.name.clear();
    troop.points.clear();
    troop.role.clear();
    troop.minModels = QStringLiteral("1");
    troop.maxModels = QStringLiteral("1");
    troop.frontArmour.clear();
    troop.sideArmour.clear();
    troop.rearArmour.clear();
    troop.characteristics.clear();
    troop.weaponLimit = QStringLiteral("0");
    troop.abilityLimits = QStringLiteral("0");
    troop.standardWeapons.reset();
    troop.replaceableWeapons.reset();
    troop.additionalWeapons.reset();
    troop.abilities.reset();
    troop.reservedList.reset();
}

void setUpStore(Store& store)
{
    store.currentSlot = 0;
    store.troopCount = 0;
    store.weaponCatalogue = store.newSortedList();
    store.abilityCatalogue = store.newSortedList();
    store.editingEntry = false;
}

void resetAllSlots(Store& store)
{
    for (int i = 0; i < Store::slotCount; ++i)
        resetSlot(store, i);
}

void releaseStore(Store& store)
{
    store.weaponCatalogue.reset();
    store.abilityCatalogue.reset();
    for (int i = 0; i < Store::slotCount && !store.troops[i].name.isEmpty(); ++i)
        resetSlot(store, i);
}

namespace
{

std::unique_ptr<LineList> plainCopyOf(const std::unique_ptr<LineList>& list)
{
    return list ? list->plainCopy() : nullptr;
}

} // namespace

void removeTroop(Store& store, int slot)
{
    if (slot < 0 || slot >= store.troopCount)
        return;
    const int last = store.troopCount - 1;
    resetSlot(store, slot);
    if (slot < last) {
        Troop& target = store.troops[slot];
        const Troop& source = store.troops[last];
        target.name = source.name;
        target.points = source.points;
        target.role = source.role;
        target.minModels = source.minModels;
        target.maxModels = source.maxModels;
        target.frontArmour = source.frontArmour;
        target.sideArmour = source.sideArmour;
        target.rearArmour = source.rearArmour;
        target.characteristics = source.characteristics;
        target.weaponLimit = source.weaponLimit;
        target.abilityLimits = source.abilityLimits;
        target.standardWeapons = plainCopyOf(source.standardWeapons);
        target.replaceableWeapons = plainCopyOf(source.replaceableWeapons);
        target.additionalWeapons = plainCopyOf(source.additionalWeapons);
        target.abilities = plainCopyOf(source.abilities);
    }
    resetSlot(store, last);
    --store.troopCount;
}
