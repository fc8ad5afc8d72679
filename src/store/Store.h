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
};

// One troop (squad) slot. Numbers are held as decimal text; a list reference that is null is
// "none".
struct Troop {
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

// Which list the list step shows: step 3, 5 or 6 of the wizard.
enum class ListMode { StandardWeapons = 0, AdditionalWeapons = 1, Abilities = 2 };

// The one in-memory army being edited, handed by reference to every window.
class Store
{
public:
    static constexpr int slotCount = 100;

    // The collation of sorted lists follows the given locale, without regard to case.
    explicit Store(const QLocale& locale = QLocale());
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    Army army;
    std::array<Troop, slotCount> troops;
    int troopCount = 0;
    int currentSlot = 0;
    ListMode listMode = ListMode::StandardWeapons;
    std::unique_ptr<LineList> weaponCatalogue;
    std::unique_ptr<LineList> abilityCatalogue;
    bool editingEntry = false;
    bool keepEntryFields = false;

    Troop& currentTroop() { return troops[currentSlot]; }
    const Troop& currentTroop() const { return troops[currentSlot]; }

    const Collation& collation() const { return collator; }
    std::unique_ptr<LineList> newSortedList() const;
    std::unique_ptr<LineList> newPlainList() const;

private:
    Collation collator;
};

// Empties a slot: texts to their start values, every list of the slot destroyed.
void resetSlot(Store& store, int slot);

// The store as the main window sets it up when it is created: no troops, empty catalogues.
void setUpStore(Store& store);

// Start-up of the store's host window: every slot reset.
void resetAllSlots(Store& store);

// The release at the end of the run: the catalogues, then the slots in use from 0 upward.
void releaseStore(Store& store);

// Removes the accepted troop in the slot; the last accepted troop takes its place, its lists copied
// as plain lists in their order. An index outside the accepted troops changes nothing.
void removeTroop(Store& store, int slot);
