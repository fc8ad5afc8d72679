#pragma once

#include "store/Collation.h"
#include "store/LineList.h"

#include <QLocale>
#include <QString>
#include <array>
#include <memory>

// The army header.
struct Army {
    QString name;
    QString unitWord;
    QString squadWord;

    bool operator==(const Army& other) const;
    bool operator!=(const Army& other) const { return !(*this == other); }
};

// One troop (squad) slot. Numbers are held as decimal text; a list reference that is null is
// "none". A copy holds copies of the lists.
struct Troop {
    Troop() = default;
    Troop(const Troop& other);
    Troop& operator=(const Troop& other);
    Troop(Troop&&) = default;
    Troop& operator=(Troop&&) = default;

    bool operator==(const Troop& other) const;
    bool operator!=(const Troop& other) const { return !(*this == other); }

    QString name;
    QString points;
    QString role;
    QString minModels = QStringLiteral("1");
    QString maxModels = QStringLiteral("1");
    QString frontArmour;
    QString sideArmour;
    QString rearArmour;
    QString characteristics;
    QString weaponLimit = QStringLiteral("0");
    std::unique_ptr<LineList> standardWeapons;
    std::unique_ptr<LineList> replaceableWeapons;
    std::unique_ptr<LineList> additionalWeapons;
    QString abilityLimits = QStringLiteral("0");
    std::unique_ptr<LineList> abilities;
    std::unique_ptr<LineList> reservedList;
};

// The army being edited, and nothing else: its texts, the 100 troop slots, how many of them
// hold accepted troops, and the two catalogues. A value: a copy is a snapshot of the whole army
// (lists share their lines until one side changes them), and two stores compare equal when
// they hold the same army.
class Store
{
    Collation collator;

public:
    static constexpr int slotCount = 100;

    // No troops and empty catalogues. The collation of sorted lists follows the given locale,
    // without regard to case.
    explicit Store(const QLocale& locale = QLocale());

    bool operator==(const Store& other) const;
    bool operator!=(const Store& other) const { return !(*this == other); }

    Army army;
    std::array<Troop, slotCount> troops;
    int troopCount = 0;
    std::unique_ptr<LineList> weaponCatalogue;
    std::unique_ptr<LineList> abilityCatalogue;

    Store(const Store& other);
    Store& operator=(const Store& other);
    Store(Store&&) = default;
    Store& operator=(Store&&) = default;

    const Collation& collation() const { return collator; }
    std::unique_ptr<LineList> newSortedList() const;
    std::unique_ptr<LineList> newPlainList() const;
};

// Empties a slot: texts to their start values, every list of the slot destroyed.
void resetSlot(Store& store, int slot);

// Removes the accepted troop in the slot; the last accepted troop takes its place, its lists copied
// as plain lists in their order. An index outside the accepted troops changes nothing.
void removeTroop(Store& store, int slot);

// The name of a copy of the troop in the slot: its name followed by " (2)", or by the first
// higher number that no accepted troop of its role has taken.
QString duplicateName(const Store& store, int slot);
