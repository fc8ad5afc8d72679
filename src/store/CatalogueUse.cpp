#include "store/CatalogueUse.h"

#include "store/LineOps.h"
#include "store/Store.h"

#include <QHash>
#include <QSet>

LineList& catalogueOf(Store& store, CatalogueKind kind)
{
    return kind == CatalogueKind::Abilities ? *store.abilityCatalogue : *store.weaponCatalogue;
}

const LineList& catalogueOf(const Store& store, CatalogueKind kind)
{
    return kind == CatalogueKind::Abilities ? *store.abilityCatalogue : *store.weaponCatalogue;
}

namespace
{

// The fields of a line that hold catalogue names: for a replaceable weapon's line field 1 and
// every second field from 2 (the replacements; the others are their costs).
QList<int> nameFields(const QString& line, bool replaceable)
{
    if (!replaceable)
        return {1};
    QList<int> fields{1};
    const int count = int(line.count(u',')) + 1;
    for (int n = 2; n <= count; n += 2)
        fields << n;
    return fields;
}

// Calls change(line, n) for each name field of each line of the troop's lists of the kind; a
// change that yields another line replaces it. nameField tells which field holds a name.
template <typename Visit> void visitLists(const Troop& troop, CatalogueKind kind, Visit visit)
{
    if (kind == CatalogueKind::Abilities) {
        visit(troop.abilities.get(), false, 2);
        return;
    }
    visit(troop.standardWeapons.get(), false, 1);
    visit(troop.replaceableWeapons.get(), true, 1);
    visit(troop.additionalWeapons.get(), false, 1);
}

} // namespace

void forEachNameUsed(const Troop& troop, CatalogueKind kind,
                     const std::function<void(const QString& name)>& take)
{
    visitLists(troop, kind, [&take](const LineList* list, bool replaceable, int nameField) {
        if (!list)
            return;
        for (const QString& line : list->lines()) {
            if (!replaceable) {
                take(field(line, nameField));
                continue;
            }
            for (const int n : nameFields(line, true))
                take(field(line, n));
        }
    });
}

bool troopUses(const Troop& troop, CatalogueKind kind, const QString& name)
{
    bool used = false;
    forEachNameUsed(troop, kind, [&](const QString& named) { used = used || named == name; });
    return used;
}

QList<int> troopsUsing(const Store& store, CatalogueKind kind, const QString& name)
{
    QList<int> users;
    for (int slot = 0; slot < store.troopCount; ++slot) {
        if (troopUses(store.troops[size_t(slot)], kind, name))
            users << slot;
    }
    return users;
}

QHash<QString, int> useCounts(const Store& store, CatalogueKind kind)
{
    QHash<QString, int> counts;
    for (int slot = 0; slot < store.troopCount; ++slot) {
        QSet<QString> named;
        forEachNameUsed(store.troops[size_t(slot)], kind,
                        [&named](const QString& name) { named.insert(name); });
        for (const QString& name : std::as_const(named))
            ++counts[name];
    }
    return counts;
}

QString troopLabel(const Troop& troop)
{
    const QString name = troop.name.trimmed().isEmpty() ? QStringLiteral("(no name)") : troop.name;
    return troop.role.isEmpty() ? name : troop.role + u' ' + name;
}

namespace
{

// The line with every name field that holds oldName holding newName.
QString renamedLine(const QString& line, const QList<int>& fields, const QString& oldName,
                    const QString& newName)
{
    QStringList parts = line.split(u',');
    for (const int n : fields) {
        if (n - 1 < parts.size() && parts[n - 1] == oldName)
            parts[n - 1] = newName;
    }
    return parts.join(u',');
}

void renameInList(std::unique_ptr<LineList>& list, bool replaceable, int nameField,
                  const QString& oldName, const QString& newName)
{
    if (!list)
        return;
    QStringList lines = list->lines();
    bool changed = false;
    for (QString& line : lines) {
        const QList<int> fields = replaceable ? nameFields(line, true) : QList<int>{nameField};
        const QString renamed = renamedLine(line, fields, oldName, newName);
        if (renamed != line) {
            line = renamed;
            changed = true;
        }
    }
    if (!changed)
        return;
    // A sorted list places the renamed lines again; a plain list keeps their order. A renamed
    // line that a sorted list would take as one it holds makes the list plain, so that no line
    // is lost.
    list->clear();
    list->addAll(lines);
    if (list->count() != lines.size()) {
        list = list->plainCopy();
        list->clear();
        list->addAll(lines);
    }
}

} // namespace

int twinOf(const LineList& catalogue, int entry)
{
    const QString name = field(catalogue[entry], 1);
    for (int i = 0; i < catalogue.count(); ++i) {
        if (i != entry && field(catalogue[i], 1) == name)
            return i;
    }
    return -1;
}

bool renameEntry(Store& store, CatalogueKind kind, int entry, const QString& newName)
{
    LineList& catalogue = catalogueOf(store, kind);
    if (entry < 0 || entry >= catalogue.count())
        return false;
    const QString line = catalogue[entry];
    const QString oldName = field(line, 1);
    if (oldName != newName && findEntry(newName, &catalogue) >= 0)
        return false;
    const bool twin = twinOf(catalogue, entry) >= 0;
    const qsizetype comma = line.indexOf(u',');
    const QString renamed = newName + (comma >= 0 ? line.mid(comma) : QString());
    catalogue.removeAt(entry);
    if (catalogue.indexOf(renamed) >= 0) {
        catalogue.add(line);
        return false;
    }
    catalogue.add(renamed);
    if (twin)
        return true;
    for (int slot = 0; slot < store.troopCount; ++slot) {
        Troop& troop = store.troops[size_t(slot)];
        if (kind == CatalogueKind::Abilities) {
            renameInList(troop.abilities, false, 2, oldName, newName);
        } else {
            renameInList(troop.standardWeapons, false, 1, oldName, newName);
            renameInList(troop.replaceableWeapons, true, 1, oldName, newName);
            renameInList(troop.additionalWeapons, false, 1, oldName, newName);
        }
    }
    return true;
}
