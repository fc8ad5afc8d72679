#include "store/Store.h"

namespace
{

std::unique_ptr<LineList> copyOf(const std::unique_ptr<LineList>& list)
{
    return list ? std::make_unique<LineList>(*list) : nullptr;
}

std::unique_ptr<LineList> plainCopyOf(const std::unique_ptr<LineList>& list)
{
    return list ? list->plainCopy() : nullptr;
}

// Two list references are equal when both are none, or both hold the same lines in the same
// order and keep them the same way.
bool sameList(const std::unique_ptr<LineList>& a, const std::unique_ptr<LineList>& b)
{
    if (!a || !b)
        return !a && !b;
    return a->isSorted() == b->isSorted() && a->lines() == b->lines();
}

} // namespace

bool Army::operator==(const Army& other) const
{
    return name == other.name && unitWord == other.unitWord && squadWord == other.squadWord;
}

Troop::Troop(const Troop& other)
    : name(other.name), points(other.points), role(other.role), minModels(other.minModels),
      maxModels(other.maxModels), frontArmour(other.frontArmour), sideArmour(other.sideArmour),
      rearArmour(other.rearArmour), characteristics(other.characteristics),
      weaponLimit(other.weaponLimit), standardWeapons(copyOf(other.standardWeapons)),
      replaceableWeapons(copyOf(other.replaceableWeapons)),
      additionalWeapons(copyOf(other.additionalWeapons)), abilityLimits(other.abilityLimits),
      abilities(copyOf(other.abilities)), reservedList(copyOf(other.reservedList))
{
}

Troop& Troop::operator=(const Troop& other)
{
    if (this != &other)
        *this = Troop(other);
    return *this;
}

bool Troop::operator==(const Troop& other) const
{
    return name == other.name && points == other.points && role == other.role &&
           minModels == other.minModels && maxModels == other.maxModels &&
           frontArmour == other.frontArmour && sideArmour == other.sideArmour &&
           rearArmour == other.rearArmour && characteristics == other.characteristics &&
           weaponLimit == other.weaponLimit && abilityLimits == other.abilityLimits &&
           sameList(standardWeapons, other.standardWeapons) &&
           sameList(replaceableWeapons, other.replaceableWeapons) &&
           sameList(additionalWeapons, other.additionalWeapons) &&
           sameList(abilities, other.abilities) && sameList(reservedList, other.reservedList);
}

Store::Store(const QLocale& locale)
    : collator(locale), weaponCatalogue(newSortedList()), abilityCatalogue(newSortedList())
{
}

Store::Store(const Store& other)
    : collator(other.collator), army(other.army), troops(other.troops),
      troopCount(other.troopCount), weaponCatalogue(copyOf(other.weaponCatalogue)),
      abilityCatalogue(copyOf(other.abilityCatalogue))
{
}

Store& Store::operator=(const Store& other)
{
    if (this != &other)
        *this = Store(other);
    return *this;
}

bool Store::operator==(const Store& other) const
{
    return troopCount == other.troopCount && army == other.army &&
           sameList(weaponCatalogue, other.weaponCatalogue) &&
           sameList(abilityCatalogue, other.abilityCatalogue) && troops == other.troops;
}

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
    if (slot >= 0 && slot < Store::slotCount)
        store.troops[slot] = Troop();
}

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

QString duplicateName(const Store& store, int slot)
{
    const Troop& original = store.troops[size_t(slot)];
    for (int n = 2;; ++n) {
        const QString name = original.name + QStringLiteral(" (%1)").arg(n);
        bool taken = false;
        for (int other = 0; other < store.troopCount && !taken; ++other)
            taken = store.troops[size_t(other)].role == original.role &&
                    store.troops[size_t(other)].name == name;
        if (!taken)
            return name;
    }
}
