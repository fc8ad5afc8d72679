#include "document/StoreDelta.h"

#include <algorithm>
#include <optional>

namespace
{

// Beyond this many lines removed and added, two lists are told apart as one run of all the
// lines between their common start and end, which a load or a rebuilt list gives.
constexpr int maxEdits = 64;

struct Edit {
    bool insert; // else a removal
    int from;    // the line of `before` (removal) or `after` (insertion)
};

// The shortest script of removals and insertions that turns a[0..n) into b[0..m), by Myers'
// greedy algorithm, or none when it takes more than maxEdits.
std::optional<std::vector<Edit>> shortestEdits(const QString* a, int n, const QString* b, int m)
{
    const int offset = maxEdits + 1;
    std::vector<int> reach(2 * offset + 1, 0);
    std::vector<std::vector<int>> trace;
    for (int d = 0; d <= maxEdits; ++d) {
        trace.push_back(reach);
        for (int k = -d; k <= d; k += 2) {
            int x = (k == -d || (k != d && reach[offset + k - 1] < reach[offset + k + 1]))
                        ? reach[offset + k + 1]
                        : reach[offset + k - 1] + 1;
            int y = x - k;
            while (x < n && y < m && a[x] == b[y]) {
                ++x;
                ++y;
            }
            reach[offset + k] = x;
            if (x < n || y < m)
                continue;
            // Walk back from the end through the furthest points of each round.
            std::vector<Edit> edits;
            int cx = n;
            int cy = m;
            for (int e = d; e > 0; --e) {
                const std::vector<int>& previous = trace[size_t(e)];
                const int ck = cx - cy;
                const bool down =
                    ck == -e || (ck != e && previous[offset + ck - 1] < previous[offset + ck + 1]);
                const int pk = down ? ck + 1 : ck - 1;
                const int px = previous[offset + pk];
                const int py = px - pk;
                if (down)
                    edits.push_back({true, py});
                else
                    edits.push_back({false, px});
                cx = px;
                cy = py;
            }
            std::reverse(edits.begin(), edits.end());
            return edits;
        }
    }
    return std::nullopt;
}

std::shared_ptr<const LineList> copied(const LineList* list)
{
    return list ? std::make_shared<const LineList>(*list) : nullptr;
}

std::unique_ptr<LineList> restored(const std::shared_ptr<const LineList>& list)
{
    return list ? std::make_unique<LineList>(*list) : nullptr;
}

qint64 linesBytes(const QStringList& lines)
{
    qint64 bytes = qint64(lines.size()) * qint64(sizeof(QString));
    for (const QString& line : lines)
        bytes += qint64(line.size()) * 2 + 16;
    return bytes;
}

qint64 listBytes(const LineList* list)
{
    return list ? linesBytes(list->lines()) + qint64(sizeof(LineList)) : 0;
}

qint64 troopBytes(const Troop& troop)
{
    qint64 bytes = qint64(sizeof(Troop));
    for (const QString* text :
         {&troop.name, &troop.points, &troop.role, &troop.minModels, &troop.maxModels,
          &troop.frontArmour, &troop.sideArmour, &troop.rearArmour, &troop.characteristics,
          &troop.weaponLimit, &troop.abilityLimits})
        bytes += qint64(text->size()) * 2;
    for (const auto* list : {&troop.standardWeapons, &troop.replaceableWeapons,
                             &troop.additionalWeapons, &troop.abilities, &troop.reservedList})
        bytes += listBytes(list->get());
    return bytes;
}

} // namespace

ListDelta ListDelta::between(const LineList* before, const LineList* after)
{
    ListDelta delta;
    if (!before || !after || before->isSorted() != after->isSorted()) {
        if (before || after)
            delta.whole = std::make_shared<Whole>(Whole{copied(before), copied(after)});
        return delta;
    }
    const QStringList& a = before->lines();
    const QStringList& b = after->lines();
    if (a == b)
        return delta;
    const int n = int(a.size());
    const int m = int(b.size());
    int start = 0;
    while (start < n && start < m && a[start] == b[start])
        ++start;
    int end = 0;
    while (end < n - start && end < m - start && a[n - 1 - end] == b[m - 1 - end])
        ++end;
    const int removed = n - start - end;
    const int inserted = m - start - end;
    const auto edits = removed + inserted <= 2 ? std::nullopt
                                               : shortestEdits(a.constData() + start, removed,
                                                               b.constData() + start, inserted);
    if (!edits) {
        delta.runs.push_back({start, a.mid(start, removed), b.mid(start, inserted)});
        return delta;
    }
    // Neighbouring edits make one run; a run stands where its first line is in `after`.
    int shift = 0; // lines inserted minus lines removed so far
    for (const Edit& edit : *edits) {
        const int at = start + (edit.insert ? edit.from : edit.from + shift);
        Run* run = delta.runs.empty() ? nullptr : &delta.runs.back();
        if (!run || at != run->at + int(run->inserted.size())) {
            delta.runs.push_back({at, {}, {}});
            run = &delta.runs.back();
        }
        if (edit.insert) {
            run->inserted << b[start + edit.from];
            ++shift;
        } else {
            run->removed << a[start + edit.from];
            --shift;
        }
    }
    return delta;
}

void ListDelta::redo(std::unique_ptr<LineList>& list) const
{
    if (whole) {
        list = restored(whole->after);
        return;
    }
    for (const Run& run : runs)
        list->splice(run.at, int(run.removed.size()), run.inserted);
}

void ListDelta::undo(std::unique_ptr<LineList>& list) const
{
    if (whole) {
        list = restored(whole->before);
        return;
    }
    for (auto run = runs.rbegin(); run != runs.rend(); ++run)
        list->splice(run->at, int(run->inserted.size()), run->removed);
}

void ListDelta::append(const ListDelta& later)
{
    if (later.isEmpty())
        return;
    if (!whole && !later.whole) {
        runs.insert(runs.end(), later.runs.begin(), later.runs.end());
        return;
    }
    // A whole list on either side: the list as it was before this change, and as the later one
    // left it, both whole.
    std::shared_ptr<const LineList> before;
    if (whole) {
        before = whole->before;
    } else {
        std::unique_ptr<LineList> list = restored(later.whole->before);
        undo(list);
        before = copied(list.get());
    }
    std::shared_ptr<const LineList> after;
    if (later.whole) {
        after = later.whole->after;
    } else {
        std::unique_ptr<LineList> list = restored(whole->after);
        later.redo(list);
        after = copied(list.get());
    }
    runs.clear();
    whole = std::make_shared<Whole>(Whole{before, after});
}

qint64 ListDelta::bytes() const
{
    if (whole)
        return listBytes(whole->before.get()) + listBytes(whole->after.get());
    qint64 bytes = 0;
    for (const Run& run : runs)
        bytes += qint64(sizeof(Run)) + linesBytes(run.removed) + linesBytes(run.inserted);
    return bytes;
}

StoreDelta StoreDelta::between(const Store& before, const Store& after)
{
    StoreDelta delta;
    if (before.army != after.army)
        delta.texts = std::make_shared<Texts>(Texts{before.army, after.army});
    delta.troopCountBefore = before.troopCount;
    delta.troopCountAfter = after.troopCount;
    for (int slot = 0; slot < Store::slotCount; ++slot) {
        if (before.troops[slot] != after.troops[slot])
            delta.troops.push_back({slot, before.troops[slot], after.troops[slot]});
    }
    delta.weapons = ListDelta::between(before.weaponCatalogue.get(), after.weaponCatalogue.get());
    delta.abilities =
        ListDelta::between(before.abilityCatalogue.get(), after.abilityCatalogue.get());
    return delta;
}

StoreDelta StoreDelta::ofTexts(const Army& before, const Army& after, int troopCount)
{
    StoreDelta delta;
    if (before != after)
        delta.texts = std::make_shared<Texts>(Texts{before, after});
    delta.troopCountBefore = delta.troopCountAfter = troopCount;
    return delta;
}

StoreDelta::Parts StoreDelta::parts() const
{
    return {texts != nullptr, troopCountBefore != troopCountAfter || !troops.empty(),
            !weapons.isEmpty() || !abilities.isEmpty()};
}

bool StoreDelta::isEmpty() const
{
    const Parts touched = parts();
    return !touched.texts && !touched.troops && !touched.catalogues;
}

void StoreDelta::redo(Store& army) const
{
    take(army, true);
}

void StoreDelta::undo(Store& army) const
{
    take(army, false);
}

void StoreDelta::take(Store& army, bool forward) const
{
    if (texts)
        army.army = forward ? texts->after : texts->before;
    army.troopCount = forward ? troopCountAfter : troopCountBefore;
    for (const TroopChange& change : troops)
        army.troops[size_t(change.slot)] = forward ? change.after : change.before;
    if (forward) {
        weapons.redo(army.weaponCatalogue);
        abilities.redo(army.abilityCatalogue);
    } else {
        weapons.undo(army.weaponCatalogue);
        abilities.undo(army.abilityCatalogue);
    }
}

void StoreDelta::append(const StoreDelta& later)
{
    if (later.texts) {
        const Army before = texts ? texts->before : later.texts->before;
        texts = before == later.texts->after
                    ? nullptr
                    : std::make_shared<Texts>(Texts{before, later.texts->after});
    }
    troopCountAfter = later.troopCountAfter;
    for (const TroopChange& change : later.troops) {
        auto same = std::find_if(troops.begin(), troops.end(),
                                 [&](const TroopChange& held) { return held.slot == change.slot; });
        if (same == troops.end())
            troops.push_back(change);
        else
            same->after = change.after;
    }
    troops.erase(std::remove_if(troops.begin(), troops.end(),
                                [](const TroopChange& held) { return held.before == held.after; }),
                 troops.end());
    weapons.append(later.weapons);
    abilities.append(later.abilities);
}

qint64 StoreDelta::bytes() const
{
    qint64 bytes = qint64(sizeof(StoreDelta)) + weapons.bytes() + abilities.bytes();
    if (texts) {
        for (const Army* army : {&texts->before, &texts->after})
            bytes += qint64(army->name.size() + army->unitWord.size() + army->squadWord.size()) * 2;
    }
    for (const TroopChange& change : troops)
        bytes += troopBytes(change.before) + troopBytes(change.after);
    return bytes;
}
