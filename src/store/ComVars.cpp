#include "store/ComVars.h"

Store::Store(const QLocale& locale) : collation(locale)
{
    collation.setCaseSensitivity(Qt::CaseInsensitive);
}

std::unique_ptr<StringList> Store::NewSortedList() const
{
    return std::make_unique<StringList>(StringList::Order::Sorted, collation);
}

std::unique_ptr<StringList> Store::NewPlainList() const
{
    return std::make_unique<StringList>(StringList::Order::Plain, collation);
}

void ResetTroopSlot(Store& store, int index)
{
    if (index < 0 || index >= Store::TroopSlots)
        return;
    TheRec& slot = store.TroopTable[index];
    slot.Name.clear();
    slot.Points.clear();
    slot.Type.clear();
    slot.Min = QStringLiteral("1");
    slot.Max = QStringLiteral("1");
    slot.f_arm.clear();
    slot.s_arm.clear();
    slot.r_arm.clear();
    slot.Chars.clear();
    slot.Weapons = QStringLiteral("0");
    slot.Specials = QStringLiteral("0");
    slot.WeaponList.reset();
    slot.R_WeaponList.reset();
    slot.A_WeaponList.reset();
    slot.SpecialList.reset();
    slot.SpareList.reset();
}

void SetUpStore(Store& store)
{
    store.CurrentTroop = 0;
    store.TroopCount = 0;
    store.WeaponCatalogue = store.NewSortedList();
    store.SpecialCatalogue = store.NewSortedList();
    store.EditingItem = false;
}

void ResetAllTroopSlots(Store& store)
{
    for (int i = 0; i < Store::TroopSlots; ++i)
        ResetTroopSlot(store, i);
}

void ReleaseStore(Store& store)
{
    store.WeaponCatalogue.reset();
    store.SpecialCatalogue.reset();
    for (int i = 0; i < Store::TroopSlots && !store.TroopTable[i].Name.isEmpty(); ++i)
        ResetTroopSlot(store, i);
}

namespace
{

std::unique_ptr<StringList> PlainCopyOf(const std::unique_ptr<StringList>& list)
{
    return list ? list->PlainCopy() : nullptr;
}

} // namespace

void RemoveTroop(Store& store, int r)
{
    if (r < 0 || r >= store.TroopCount)
        return;
    const int last = store.TroopCount - 1;
    ResetTroopSlot(store, r);
    if (r < last) {
        TheRec& target = store.TroopTable[r];
        const TheRec& source = store.TroopTable[last];
        target.Name = source.Name;
        target.Points = source.Points;
        target.Type = source.Type;
        target.Min = source.Min;
        target.Max = source.Max;
        target.f_arm = source.f_arm;
        target.s_arm = source.s_arm;
        target.r_arm = source.r_arm;
        target.Chars = source.Chars;
        target.Weapons = source.Weapons;
        target.Specials = source.Specials;
        target.WeaponList = PlainCopyOf(source.WeaponList);
        target.R_WeaponList = PlainCopyOf(source.R_WeaponList);
        target.A_WeaponList = PlainCopyOf(source.A_WeaponList);
        target.SpecialList = PlainCopyOf(source.SpecialList);
    }
    ResetTroopSlot(store, last);
    --store.TroopCount;
}
