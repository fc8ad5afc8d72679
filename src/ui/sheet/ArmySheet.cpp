#include "ui/sheet/ArmySheet.h"

#include "store/AbilityGroups.h"
#include "store/LineOps.h"
#include "store/Number.h"
#include "store/Store.h"

#include <QHash>
#include <QLocale>
#include <QSet>

namespace
{

using Row = QList<SheetCell>;

SheetCell plain(const QString& text)
{
    return {text, false};
}

// The first entry of a catalogue under each name, as findEntry() would find it.
class CatalogueIndex
{
public:
    explicit CatalogueIndex(const LineList* catalogue) : list(catalogue)
    {
        if (!list)
            return;
        index.reserve(list->count());
        // The first entry of a name is the one kept.
        for (int i = 0; i < list->count(); ++i) {
            const QString name = field((*list)[i], 1);
            if (!index.contains(name))
                index.insert(name, i);
        }
    }

    // The entry's line, or the empty text.
    QString entry(const QString& name) const
    {
        const auto it = index.constFind(name);
        return it != index.constEnd() ? (*list)[*it] : QString();
    }

    // The name, marked when the catalogue has no entry of that name.
    SheetCell name(const QString& name) const { return {name, !index.contains(name)}; }

private:
    const LineList* list;
    QHash<QString, int> index;
};

bool hasLines(const std::unique_ptr<LineList>& list)
{
    return list && !list->isEmpty();
}

SheetItem heading(SheetItem::Kind kind, const QString& text)
{
    SheetItem item;
    item.kind = kind;
    item.text = text;
    return item;
}

SheetItem facts(const QList<QPair<QString, QString>>& pairs)
{
    SheetItem item;
    item.kind = SheetItem::Kind::Facts;
    item.facts = pairs;
    return item;
}

SheetItem fact(const QString& label, const QString& value)
{
    return facts({{label, value}});
}

SheetItem table(const QStringList& headings, const QList<int>& widths, QList<Row> rows,
                const QList<bool>& numeric = {})
{
    SheetItem item;
    item.kind = SheetItem::Kind::Table;
    item.table.headings = headings;
    item.table.widths = widths;
    item.table.rows = std::move(rows);
    item.table.numeric = numeric;
    return item;
}

QString modelsText(const Troop& troop)
{
    if (troop.minModels == troop.maxModels)
        return troop.minModels;
    return troop.minModels + QStringLiteral(" to ") + troop.maxModels;
}

// The nine characteristics and, where the troop has armour, the three armour values; every
// column as wide as one of twelve.
SheetItem characteristicsTable(const Troop& troop)
{
    QStringList headings = {QStringLiteral("WS"), QStringLiteral("BS"), QStringLiteral("S"),
                            QStringLiteral("T"),  QStringLiteral("W"),  QStringLiteral("I"),
                            QStringLiteral("A"),  QStringLiteral("Ld"), QStringLiteral("Sv")};
    Row values;
    for (int n = 1; n <= 9; ++n)
        values << plain(field(troop.characteristics, n));
    // Armour is set where its number is not 0, as the datafile writes it.
    const QString armour[] = {troop.frontArmour, troop.sideArmour, troop.rearArmour};
    bool armoured = false;
    for (const QString& value : armour)
        armoured = armoured || readNumber(value) != 0;
    if (armoured) {
        headings << QStringLiteral("FA") << QStringLiteral("SA") << QStringLiteral("RA");
        for (const QString& value : armour)
            values << plain(readNumber(value) != 0 ? value : QStringLiteral("-"));
    }
    SheetItem item = table(headings, QList<int>(headings.size(), 100 / 12), {values});
    item.table.centred = true;
    return item;
}

const QList<int> weaponWidths = {24, 10, 6, 6, 16, 38};
// Range, S and AP are numbers (a range may also be a word, such as "Template").
const QList<bool> weaponNumeric = {false, true, true, true, false, false};
const QStringList weaponHeadings = {QStringLiteral("Name"),       QStringLiteral("Range"),
                                    QStringLiteral("S"),          QStringLiteral("AP"),
                                    QStringLiteral("Weapontype"), QStringLiteral("Description")};

SheetItem standardWeaponsTable(const LineList& list, const CatalogueIndex& weapons)
{
    QList<Row> rows;
    for (const QString& name : list.lines()) {
        const QString entry = weapons.entry(name);
        Row row = {weapons.name(name)};
        for (int n = 2; n <= 6; ++n)
            row << plain(field(entry, n));
        rows << row;
    }
    return table(weaponHeadings, weaponWidths, rows, weaponNumeric);
}

// A replaceable weapon is its name, then a replacement and its cost for each weapon that may
// take its place; each replacement has a row of its own.
SheetItem replaceableWeaponsTable(const LineList& list, const CatalogueIndex& weapons)
{
    QList<Row> rows;
    for (const QString& line : list.lines()) {
        const QStringList fields = line.split(u',');
        if (fields.size() < 2) {
            rows << Row{weapons.name(fields[0]), plain(QStringLiteral("-")), plain(QString())};
            continue;
        }
        for (int i = 1; i < fields.size(); i += 2)
            rows << Row{i == 1 ? weapons.name(fields[0]) : plain(QString()),
                        weapons.name(fields[i]), plain(fields.value(i + 1))};
    }
    return table(
        {QStringLiteral("Weapon"), QStringLiteral("May be replaced by"), QStringLiteral("Cost")},
        {34, 46, 20}, rows, {false, false, true});
}

SheetItem additionalWeaponsTable(const LineList& list, const CatalogueIndex& weapons)
{
    QList<Row> rows;
    for (const QString& line : list.lines())
        rows << Row{weapons.name(field(line, 1)), plain(field(line, 2))};
    return table({QStringLiteral("Weapon"), QStringLiteral("Cost")}, {70, 30}, rows, {false, true});
}

// Scope 1 (or 3, which the costing reads the same) is the whole squad; anything else each
// model.
QString scopeText(const QString& line)
{
    const int scope = readNumber(field(line, 4));
    return scope == 1 || scope == 3 ? QStringLiteral("Entire squad") : QStringLiteral("Each model");
}

SheetItem abilitiesTable(const LineList& list, const CatalogueIndex& abilities)
{
    QList<Row> rows;
    for (const QString& line : list.lines()) {
        const QString name = field(line, 2);
        rows << Row{plain(field(line, 1)), abilities.name(name), plain(field(line, 3)),
                    plain(scopeText(line)), plain(field(abilities.entry(name), 2))};
    }
    return table({QStringLiteral("Group"), QStringLiteral("Name"), QStringLiteral("Cost"),
                  QStringLiteral("Scope"), QStringLiteral("Description")},
                 {8, 26, 8, 16, 42}, rows, {true, false, true, false, false});
}

// The limits as the restrictions step shows them: the weapons a model may take, and for a troop
// with abilities their total and one maximum per group in use, in the order of the groups.
void addLimits(SheetBlock& block, const Troop& troop)
{
    block << heading(SheetItem::Kind::Heading3, QStringLiteral("Limits"));
    block << fact(QStringLiteral("Weapons a model may take"), troop.weaponLimit);
    if (!hasLines(troop.abilities))
        return;
    const AbilityGroups limits = abilityGroups(troop);
    block << fact(QStringLiteral("Special abilities a model may have"), limits.total);
    QList<Row> rows;
    for (const AbilityGroup& group : limits.groups)
        rows << Row{plain(QString::number(group.number)),
                    plain(group.names.join(QStringLiteral(", "))),
                    plain(group.hasMaximum ? group.maximum : QStringLiteral("no maximum"))};
    block << table({QStringLiteral("Group"), QStringLiteral("Special abilities"),
                    QStringLiteral("Maximum per model")},
                   {12, 64, 24}, rows, {true, false, true});
}

SheetBlock troopBlock(const Troop& troop, const CatalogueIndex& weapons,
                      const CatalogueIndex& abilities)
{
    SheetBlock block;
    block << heading(SheetItem::Kind::Heading2,
                     troop.name.isEmpty() ? QStringLiteral("(no name)") : troop.name);
    const QString role = roleName(troop.role);
    block << facts({{QStringLiteral("Role"), role.isEmpty() ? troop.role : role},
                    {QStringLiteral("Points"), troop.points},
                    {QStringLiteral("Models"), modelsText(troop)}});
    block << characteristicsTable(troop);
    const struct {
        const char* title;
        const std::unique_ptr<LineList>& list;
        SheetItem (*table)(const LineList&, const CatalogueIndex&);
        const CatalogueIndex& catalogue;
    } lists[] = {
        {"Standard weapons", troop.standardWeapons, standardWeaponsTable, weapons},
        {"Replaceable weapons", troop.replaceableWeapons, replaceableWeaponsTable, weapons},
        {"Additional weapons", troop.additionalWeapons, additionalWeaponsTable, weapons},
        {"Special abilities", troop.abilities, abilitiesTable, abilities},
    };
    for (const auto& list : lists) {
        if (!hasLines(list.list))
            continue;
        block << heading(SheetItem::Kind::Heading3, QString::fromLatin1(list.title));
        block << list.table(*list.list, list.catalogue);
    }
    addLimits(block, troop);
    return block;
}

SheetBlock headingBlock(const Store& store, const SheetOptions& options)
{
    return {
        heading(SheetItem::Kind::Heading1,
                store.army.name.isEmpty() ? QStringLiteral("(unnamed army)") : store.army.name),
        fact(QStringLiteral("Word for a unit"), store.army.unitWord),
        fact(QStringLiteral("Word for a squad"), store.army.squadWord),
        fact(QStringLiteral("Troops"), QString::number(store.troopCount)),
        fact(QStringLiteral("Source file"),
             options.sourceFile.isEmpty() ? QStringLiteral("(not saved)") : options.sourceFile),
        fact(QStringLiteral("Exported on"), QLocale().toString(options.date, QLocale::LongFormat))};
}

// The names the accepted troops refer to: standard, replaceable and additional weapons and
// the replacements, and the abilities.
void collectUsedNames(const Store& store, QSet<QString>& weapons, QSet<QString>& abilities)
{
    for (int slot = 0; slot < store.troopCount && slot < Store::slotCount; ++slot) {
        const Troop& troop = store.troops[slot];
        if (troop.standardWeapons) {
            for (const QString& name : troop.standardWeapons->lines())
                weapons.insert(name);
        }
        if (troop.replaceableWeapons) {
            for (const QString& line : troop.replaceableWeapons->lines()) {
                const QStringList fields = line.split(u',');
                for (int i = 0; i < fields.size(); i += i == 0 ? 1 : 2)
                    weapons.insert(fields[i]);
            }
        }
        if (troop.additionalWeapons) {
            for (const QString& line : troop.additionalWeapons->lines())
                weapons.insert(field(line, 1));
        }
        if (troop.abilities) {
            for (const QString& line : troop.abilities->lines())
                abilities.insert(field(line, 2));
        }
    }
}

SheetBlock catalogueBlock(const LineList* catalogue, const QSet<QString>& used, bool all,
                          bool isWeapons)
{
    SheetBlock block;
    block << heading(SheetItem::Kind::Heading2,
                     isWeapons ? QStringLiteral("Weapons") : QStringLiteral("Special abilities"));
    block << heading(SheetItem::Kind::Note, all ? QStringLiteral("All entries of the catalogue.")
                                                : QStringLiteral("The entries the troops use."));
    const int fieldCount = isWeapons ? 6 : 2;
    QList<Row> rows;
    if (catalogue) {
        rows.reserve(all ? catalogue->count() : used.size());
        for (const QString& entry : catalogue->lines()) {
            const QString name = field(entry, 1);
            if (!all && !used.contains(name))
                continue;
            Row row = {plain(name)};
            for (int n = 2; n <= fieldCount; ++n)
                row << plain(field(entry, n));
            rows << row;
        }
    }
    if (rows.isEmpty())
        block << heading(SheetItem::Kind::Facts, QStringLiteral("None."));
    else if (isWeapons)
        block << table(weaponHeadings, weaponWidths, rows, weaponNumeric);
    else
        block << table({QStringLiteral("Name"), QStringLiteral("Description")}, {30, 70}, rows);
    return block;
}

QString escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

QString cellHtml(const SheetCell& cell)
{
    if (cell.text.isEmpty())
        return QStringLiteral("&#160;");
    if (!cell.missing)
        return escaped(cell.text);
    return escaped(cell.text) + QStringLiteral(" <span class=\"missing\">") + missingMark() +
           QStringLiteral("</span>");
}

// The rows written so far of all the sheet's rows, told to the progress now and then.
struct HtmlProgress {
    SheetProgress* progress;
    int total;
    int done = 0;
    bool stopped = false;

    void rowWritten()
    {
        if (progress && ++done % 4096 == 0 && !progress->advance(done, total))
            stopped = true;
    }
};

QString tableHtml(const SheetTable& table, HtmlProgress& tally)
{
    const int total = table.centred ? table.widths.value(0) * table.headings.size() : 100;
    QString out = QStringLiteral("<table") +
                  (table.centred ? QStringLiteral(" class=\"profile\"") : QString()) +
                  QStringLiteral(" style=\"width: %1%\"><thead><tr>").arg(total);
    const auto numberClass = [&table](int column) {
        return table.numeric.value(column) ? QStringLiteral(" class=\"number\"") : QString();
    };
    for (int i = 0; i < table.headings.size(); ++i)
        out += QStringLiteral("<th%1 style=\"width: %2%\">")
                   .arg(numberClass(i))
                   .arg(table.widths.value(i) * 100 / total) +
               escaped(table.headings[i]) + QStringLiteral("</th>");
    out += QStringLiteral("</tr></thead><tbody>");
    for (const QList<SheetCell>& row : table.rows) {
        tally.rowWritten();
        if (tally.stopped)
            return out;
        out += QStringLiteral("<tr>");
        for (int i = 0; i < row.size(); ++i)
            out += QStringLiteral("<td") + numberClass(i) + u'>' + cellHtml(row[i]) +
                   QStringLiteral("</td>");
        out += QStringLiteral("</tr>\n");
    }
    return out + QStringLiteral("</tbody></table>\n");
}

QString blockHtml(const SheetBlock& block, HtmlProgress& tally)
{
    QString out;
    for (const SheetItem& item : block) {
        switch (item.kind) {
        case SheetItem::Kind::Heading1:
            out += QStringLiteral("<h1>") + escaped(item.text) + QStringLiteral("</h1>\n");
            break;
        case SheetItem::Kind::Heading2:
            out += QStringLiteral("<h2>") + escaped(item.text) + QStringLiteral("</h2>\n");
            break;
        case SheetItem::Kind::Heading3:
            out += QStringLiteral("<h3>") + escaped(item.text) + QStringLiteral("</h3>\n");
            break;
        case SheetItem::Kind::Note:
            out += QStringLiteral("<p class=\"note\">") + escaped(item.text) +
                   QStringLiteral("</p>\n");
            break;
        case SheetItem::Kind::Facts: {
            QStringList parts;
            for (const auto& [label, value] : item.facts)
                parts << QStringLiteral("<b>") + escaped(label) + QStringLiteral(":</b> ") +
                             escaped(value);
            if (item.facts.isEmpty())
                parts << escaped(item.text);
            out += QStringLiteral("<p>") + parts.join(QStringLiteral(" &#160; ")) +
                   QStringLiteral("</p>\n");
            break;
        }
        case SheetItem::Kind::Table:
            out += tableHtml(item.table, tally);
            break;
        }
    }
    return out;
}

} // namespace

QList<const SheetBlock*> sheetBlocks(const ArmySheet& sheet)
{
    QList<const SheetBlock*> blocks = {&sheet.heading};
    for (const SheetBlock& troop : sheet.troops)
        blocks << &troop;
    return blocks << &sheet.weapons << &sheet.abilities;
}

int sheetRowCount(const ArmySheet& sheet)
{
    int rows = 0;
    for (const SheetBlock* block : sheetBlocks(sheet)) {
        for (const SheetItem& item : *block)
            rows += int(item.table.rows.size());
    }
    return rows;
}

QString missingMark()
{
    return QStringLiteral("(not in catalogue)");
}

ArmySheet makeArmySheet(const Store& store, const SheetOptions& options)
{
    ArmySheet sheet;
    sheet.armyName = store.army.name;
    sheet.heading = headingBlock(store, options);
    const CatalogueIndex weapons(store.weaponCatalogue.get());
    const CatalogueIndex abilities(store.abilityCatalogue.get());
    for (int slot = 0; slot < store.troopCount && slot < Store::slotCount; ++slot)
        sheet.troops << troopBlock(store.troops[slot], weapons, abilities);
    QSet<QString> usedWeapons;
    QSet<QString> usedAbilities;
    if (!options.allEntries)
        collectUsedNames(store, usedWeapons, usedAbilities);
    sheet.weapons =
        catalogueBlock(store.weaponCatalogue.get(), usedWeapons, options.allEntries, true);
    sheet.abilities =
        catalogueBlock(store.abilityCatalogue.get(), usedAbilities, options.allEntries, false);
    return sheet;
}

bool armySheetHtml(const ArmySheet& sheet, QByteArray& html, SheetProgress* progress)
{
    const QList<const SheetBlock*> blocks = sheetBlocks(sheet);
    HtmlProgress tally{progress, sheetRowCount(sheet)};

    QString out =
        QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\"><head><meta "
                       "charset=\"utf-8\"/><title>Army sheet: ") +
        escaped(sheet.armyName) +
        // A browser prints a troop on one page where it fits, and repeats the
        // headings of a table on every page it continues on.
        QStringLiteral("</title>\n<style>\n"
                       "@page { margin: 15mm; }\n"
                       "body { font-family: 'DejaVu Sans', Arial, Helvetica, sans-serif; "
                       "font-size: 9pt; color: #000000; margin: 0 auto; max-width: 60em; }\n"
                       "h1 { font-size: 16pt; margin: 0 0 6px 0; }\n"
                       "h2 { font-size: 12pt; margin: 0 0 3px 0; }\n"
                       "h3 { font-size: 9pt; margin: 6px 0 2px 0; }\n"
                       "p { margin: 0 0 2px 0; }\n"
                       "p.note { font-style: italic; margin-bottom: 4px; }\n"
                       "table { border-collapse: collapse; margin-bottom: 2px; }\n"
                       "td, th { border: 1px solid #808080; padding: 2px 4px; text-align: left; "
                       "vertical-align: top; }\n"
                       "th { background-color: #e4e4e4; }\n"
                       "table.profile td, table.profile th { text-align: center; }\n"
                       "td.number, th.number { text-align: right; }\n"
                       "span.missing { color: #b00000; font-style: italic; }\n"
                       "div.block { margin-top: 14px; break-inside: avoid; "
                       "page-break-inside: avoid; }\n"
                       "div.catalogue { margin-top: 18px; }\n"
                       "thead { display: table-header-group; }\n"
                       "tr { break-inside: avoid; page-break-inside: avoid; }\n"
                       "</style></head>\n<body>\n");
    // A troop, like the heading, is one block a browser keeps on one page; a catalogue goes on
    // over as many pages as it needs.
    for (const SheetBlock* block : blocks) {
        const bool catalogue = block == &sheet.weapons || block == &sheet.abilities;
        out += catalogue ? QStringLiteral("<div class=\"catalogue\">\n")
                         : QStringLiteral("<div class=\"block\">\n");
        out += blockHtml(*block, tally) + QStringLiteral("</div>\n");
        if (tally.stopped)
            return false;
    }
    out += QStringLiteral("</body></html>\n");
    html = out.toUtf8();
    return true;
}
