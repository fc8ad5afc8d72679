#pragma once

#include "store/StringList.h"

#include <QCollator>
#include <QLocale>
#include <QString>
#include <array>
#include <memory>

// The army header.
struct TheArmyRec {
    QString Name;
    QString UnitName;
    QString SquadName;
};

// One troop (squad) slot. Numbers are held as decimal text; a list reference that is null is
// "none".
struct TheRec {
    QString Name;
    QString Points;
    QString Type;
    QString Min = QStringLiteral("1");
    QString Max = QStringLiteral("1");
    QString f_arm;
    QString s_arm;
    QString r_arm;
    QString Chars;
    QString Weapons = QStringLiteral("0");
    std::unique_ptr<StringList> WeaponList;
    std::unique_ptr<StringList> R_WeaponList;
    std::unique_ptr<StringList> A_WeaponList;
    QString Specials = QStringLiteral("0");
    std::unique_ptr<StringList> SpecialList;
    std::unique_ptr<StringList> SpareList;
};

// The one in-memory army being edited, handed by reference to every window.
class Store
{
public:
    static constexpr int TroopSlots = 100;

    // The collation of sorted lists follows the given locale, without regard to case.
    explicit Store(const QLocale& locale = QLocale());
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    TheArmyRec TheArmy;
    std::array<TheRec, TroopSlots> TroopTable;
    int TroopCount = 0;
    int CurrentTroop = 0;
    int ListMode = 0;
    std::unique_ptr<StringList> WeaponCatalogue;
    std::unique_ptr<StringList> SpecialCatalogue;
    bool EditingItem = false;
    bool KeepItemFields = false;

    TheRec& Current() { return TroopTable[CurrentTroop]; }
    const TheRec& Current() const { return TroopTable[CurrentTroop]; }

    const QCollator& Collation() const { return collation; }
    std::unique_ptr<StringList> NewSortedList() const;
    std::unique_ptr<StringList> NewPlainList() const;

private:
    QCollator collation;
};

// Empties a slot: texts to their start values, every list of the slot destroyed.
void ResetTroopSlot(Store& store, int index);

// The store as the main window sets it up when it is created: no troops, empty catalogues.
void SetUpStore(Store& store);

// Start-up of the store's host window: every slot reset.
void ResetAllTroopSlots(Store& store);

// The release at the end of the run: the catalogues, then the slots in use from 0 upward.
void ReleaseStore(Store& store);

// Removes accepted troop r; the last accepted troop takes its place, its lists copied as plain
// lists in their order. An index outside the accepted troops changes nothing.
void RemoveTroop(Store& store, int r);
