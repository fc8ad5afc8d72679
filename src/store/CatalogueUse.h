#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class Store;
struct Troop;
class LineList;

enum class CatalogueKind { Weapons, Abilities };

// The catalogue of that kind in the store (never null in a store).
LineList& catalogueOf(Store& store, CatalogueKind kind);
const LineList& catalogueOf(const Store& store, CatalogueKind kind);

// Calls take(name) for every catalogue name that a line of the troop's lists names, in list
// order, once for each time it is named: for weapons the standard, replaceable and replacement
// and additional weapons, for abilities the special abilities.
void forEachNameUsed(const Troop& troop, CatalogueKind kind,
                     const std::function<void(const QString& name)>& take);

// Whether the troop names the entry (exact names) in any of its lists.
bool troopUses(const Troop& troop, CatalogueKind kind, const QString& name);

// The slots of the accepted troops that name the entry, in slot order.
QList<int> troopsUsing(const Store& store, CatalogueKind kind, const QString& name);

// How many accepted troops name each catalogue name (a troop counts once per name).
QHash<QString, int> useCounts(const Store& store, CatalogueKind kind);

// "HQ Captain": a troop's role code and name as the windows show them; "(no name)" stands for
// a name that is empty or blanks alone.
QString troopLabel(const Troop& troop);

// Another entry of the catalogue with the entry's exact name (its twin, which a datafile written
// by hand can hold), or -1.
int twinOf(const LineList& catalogue, int entry);

// Renames the catalogue entry at that position and every troop line that names it, all at once;
// an entry with a twin is renamed alone, and the troop lines go on naming the twin. The new name
// has no comma. Yields false, changing nothing, when the catalogue has no such entry, another
// entry already has the new name (exact names) or the catalogue refuses the renamed line.
bool renameEntry(Store& store, CatalogueKind kind, int entry, const QString& newName);
