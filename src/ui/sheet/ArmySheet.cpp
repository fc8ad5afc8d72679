#include "ui/sheet/ArmySheet.h"

#include "store/LineOps.h"
#include "store/Number.h"
#include "store/Store.h"

#include <QHash>
#include <QLocale>
#include <QSet>

namespace
{

const QString missingMark = QStringLiteral("(not in catalogue)");

QString escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

// A table cell; an empty one still holds its row's height.
QString cell(const QString& html, int width = 0, bool centred = false)
{
    QString out = QStringLiteral("<td");
    if (width > 0)
        out += QStringLiteral(" width=\"%1%\"").arg(width);
    if (centred)
        out += QStringLiteral(" align=\"center\"");
    out += u'>';
    out += html.isEmpty() ? QStringLiteral("&#160;") : html;
    out += QStringLiteral("</td>");
    return out;
}

QString row(const QStringList& cellsHtml, const QList<int>& widths, bool centred = false)
{
    QString out = QStringLiteral("<tr>");
    for (int i = 0; i < cellsHtml.size(); ++i)
        out += cell(cellsHtml[i], widths.value(i), centred);
    out += QStringLiteral("</tr>");
    return out;
}

QString table(const QStringList& headings, const QList<int>& widths, const QStringList& rows)
{
    return tableStart(headings, widths) + rows.join(QString()) + tableEnd();
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

    // The entry's line, or the empty text; *found says whether there is one.
    QString entry(const QString& name, bool* found) const
    {
        const auto it = index.constFind(name);
        *found = it != index.constEnd();
        return *found ? (*list)[*it] : QString();
    }

    // The name, marked when the catalogue has no entry of that name.
    QString nameHtml(const QString& name) const
    {
        if (index.contains(name))
            return escaped(name);
        return escaped(name) + QStringLiteral(" <span class=\"missing\">") + missingMark +
               QStringLiteral("</span>");
    }

private:
    const LineList* list;
    QHash<QString, int> index;
};

bool hasLines(const std::unique_ptr<LineList>& list)
{
    return list && !list->isEmpty();
}

QString section(const QString& title, const QString& body)
{
    return QStringLiteral("<h3>") + title + QStringLiteral("</h3>") + body;
}

QString paragraph(const QString& label, const QString& valueHtml)
{
    return QStringLiteral("<p class=\"fact\"><b>") + label + QStringLiteral(":</b> ") + valueHtml +
           QStringLiteral("</p>");
}

QString modelsText(const Troop& troop)
{
    if (troop.minModels == troop.maxModels)
        return troop.minModels;
    return troop.minModels + QStringLiteral(" to ") + troop.maxModels;
}

QString characteristicsTable(const Troop& troop)
{
    QStringList headings = {QStringLiteral("WS"), QStringLiteral("BS"), QStringLiteral("S"),
                            QStringLiteral("T"),  QStringLiteral("W"),  QStringLiteral("I"),
                            QStringLiteral("A"),  QStringLiteral("Ld"), QStringLiteral("Sv")};
    QStringList values;
    for (int n = 1; n <= 9; ++n)
        values << escaped(field(troop.characteristics, n));
    // Armour is set where its number is not 0, as the datafile writes it.
    const QString armour[] = {troop.frontArmour, troop.sideArmour, troop.rearArmour};
    bool armoured = false;
    for (const QString& value : armour)
        armoured = armoured || readNumber(value) != 0;
    if (armoured) {
        headings << QStringLiteral("FA") << QStringLiteral("SA") << QStringLiteral("RA");
        for (const QString& value : armour)
            values << (readNumber(value) != 0 ? escaped(value) : QStringLiteral("-"));
    }
    // Every column as wide as one of twelve, armour or not.
    QString out = QStringLiteral("<table class=\"profile\" border=\"1\" cellspacing=\"0\" "
                                 "cellpadding=\"3\" width=\"%1%\"><thead><tr>")
                      .arg(headings.size() * 100 / 12);
    const int width = 100 / headings.size();
    for (const QString& heading : headings)
        out += QStringLiteral("<th width=\"%1%\">").arg(width) + heading + QStringLiteral("</th>");
    out += QStringLiteral("</tr></thead><tbody>");
    return out + row(values, QList<int>(values.size(), width), true) + tableEnd();
}

const QList<int> weaponWidths = {24, 10, 6, 6, 16, 38};
const QStringList weaponHeadings = {QStringLiteral("Name"),       QStringLiteral("Range"),
                                    QStringLiteral("S"),          QStringLiteral("AP"),
                                    QStringLiteral("Weapontype"), QStringLiteral("Description")};

QString standardWeaponsTable(const LineList& list, const CatalogueIndex& weapons)
{
    QStringList rows;
    for (const QString& name : list.lines()) {
        bool found = false;
        const QString entry = weapons.entry(name, &found);
        QStringList cells = {weapons.nameHtml(name)};
        for (int n = 2; n <= 6; ++n)
            cells << escaped(field(entry, n));
        rows << row(cells, weaponWidths);
    }
    return table(weaponHeadings, weaponWidths, rows);
}

// A replaceable weapon is its name, then a replacement and its cost for each weapon that may
// take its place; each replacement has a row of its own.
QString replaceableWeaponsTable(const LineList& list, const CatalogueIndex& weapons)
{
    const QList<int> widths = {34, 46, 20};
    QStringList rows;
    for (const QString& line : list.lines()) {
        const QStringList fields = line.split(u',');
        const QString weapon = weapons.nameHtml(fields[0]);
        if (fields.size() < 2) {
            rows << row({weapon, QStringLiteral("-"), QString()}, widths);
            continue;
        }
        for (int i = 1; i < fields.size(); i += 2)
            rows << row({i == 1 ? weapon : QString(), weapons.nameHtml(fields[i]),
                         escaped(fields.value(i + 1))},
                        widths);
    }
    return table(
        {QStringLiteral("Weapon"), QStringLiteral("May be replaced by"), QStringLiteral("Cost")},
        widths, rows);
}

QString additionalWeaponsTable(const LineList& list, const CatalogueIndex& weapons)
{
    const QList<int> widths = {70, 30};
    QStringList rows;
    for (const QString& line : list.lines())
        rows << row({weapons.nameHtml(field(line, 1)), escaped(field(line, 2))}, widths);
    return table({QStringLiteral("Weapon"), QStringLiteral("Cost")}, widths, rows);
}

// Scope 1 (or 3, which the costing reads the same) is the whole squad; anything else each
// model.
QString scopeText(const QString& line)
{
    const int scope = readNumber(field(line, 4));
    return scope == 1 || scope == 3 ? QStringLiteral("Entire squad") : QStringLiteral("Each model");
}

QString abilitiesTable(const LineList& list, const CatalogueIndex& abilities)
{
    const QList<int> widths = {8, 26, 8, 16, 42};
    QStringList rows;
    for (const QString& line : list.lines()) {
        const QString name = field(line, 2);
        bool found = false;
        const QString entry = abilities.entry(name, &found);
        rows << row({escaped(field(line, 1)), abilities.nameHtml(name), escaped(field(line, 3)),
                     scopeText(line), escaped(field(entry, 2))},
                    widths);
    }
    return table({QStringLiteral("Group"), QStringLiteral("Name"), QStringLiteral("Cost"),
                  QStringLiteral("Scope"), QStringLiteral("Description")},
                 widths, rows);
}

// The limits as the restrictions step shows them: the weapons a model may take, and for a troop
// with abilities their total and one maximum per run of lines of one group, in list order.
QString limits(const Troop& troop)
{
    QString out = paragraph(QStringLiteral("Weapons a model may take"), escaped(troop.weaponLimit));
    if (!hasLines(troop.abilities))
        return out;
    out += paragraph(QStringLiteral("Special abilities a model may have"),
                     escaped(field(troop.abilityLimits, 1)));
    const QList<int> widths = {12, 68, 20};
    QStringList rows;
    const QStringList& lines = troop.abilities->lines();
    for (int i = 0, group = 0; i < lines.size(); ++group) {
        const QString number = field(lines[i], 1);
        QStringList names;
        for (; i < lines.size() && field(lines[i], 1) == number; ++i)
            names << field(lines[i], 2);
        rows << row({escaped(number), escaped(names.join(QStringLiteral(", "))),
                     escaped(field(troop.abilityLimits, group + 2))},
                    widths);
    }
    return out + table({QStringLiteral("Group"), QStringLiteral("Special abilities"),
                        QStringLiteral("Maximum per model")},
                       widths, rows);
}

QString troopHtml(const Troop& troop, const CatalogueIndex& weapons,
                  const CatalogueIndex& abilities)
{
    const QString role = roleName(troop.role);
    QString out = QStringLiteral("<div class=\"troop\"><h2>") +
                  (troop.name.isEmpty() ? QStringLiteral("(no name)") : escaped(troop.name)) +
                  QStringLiteral("</h2>");
    out += QStringLiteral("<p class=\"facts\"><b>Role:</b> ") +
           (role.isEmpty() ? escaped(troop.role) : role) +
           QStringLiteral(" &#160;&#160; <b>Points:</b> ") + escaped(troop.points) +
           QStringLiteral(" &#160;&#160; <b>Models:</b> ") + escaped(modelsText(troop)) +
           QStringLiteral("</p>");
    out += characteristicsTable(troop);
    if (hasLines(troop.standardWeapons))
        out += section(QStringLiteral("Standard weapons"),
                       standardWeaponsTable(*troop.standardWeapons, weapons));
    if (hasLines(troop.replaceableWeapons))
        out += section(QStringLiteral("Replaceable weapons"),
                       replaceableWeaponsTable(*troop.replaceableWeapons, weapons));
    if (hasLines(troop.additionalWeapons))
        out += section(QStringLiteral("Additional weapons"),
                       additionalWeaponsTable(*troop.additionalWeapons, weapons));
    if (hasLines(troop.abilities))
        out += section(QStringLiteral("Special abilities"),
                       abilitiesTable(*troop.abilities, abilities));
    out += section(QStringLiteral("Limits"), limits(troop));
    return out + QStringLiteral("</div>");
}

QString headingHtml(const Store& store, const SheetOptions& options)
{
    const QString name =
        store.army.name.isEmpty() ? QStringLiteral("(unnamed army)") : escaped(store.army.name);
    QString out = QStringLiteral("<h1>") + name + QStringLiteral("</h1>");
    out += paragraph(QStringLiteral("Word for a unit"), escaped(store.army.unitWord));
    out += paragraph(QStringLiteral("Word for a squad"), escaped(store.army.squadWord));
    out += paragraph(QStringLiteral("Troops"), QString::number(store.troopCount));
    out += paragraph(QStringLiteral("Source file"), options.sourceFile.isEmpty()
                                                        ? QStringLiteral("(not saved)")
                                                        : escaped(options.sourceFile));
    out += paragraph(QStringLiteral("Exported on"),
                     escaped(QLocale().toString(options.date, QLocale::LongFormat)));
    return out;
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

SheetTable catalogueTable(const LineList* catalogue, const QSet<QString>& used, bool all,
                          int fieldCount)
{
    SheetTable out;
    out.note = all ? QStringLiteral("All entries of the catalogue.")
                   : QStringLiteral("The entries the troops use.");
    if (fieldCount == 6) {
        out.title = QStringLiteral("Weapons");
        out.headings = weaponHeadings;
        out.widths = weaponWidths;
    } else {
        out.title = QStringLiteral("Special abilities");
        out.headings = {QStringLiteral("Name"), QStringLiteral("Description")};
        out.widths = {30, 70};
    }
    if (!catalogue)
        return out;
    out.rows.reserve(all ? catalogue->count() : used.size());
    for (const QString& entry : catalogue->lines()) {
        const QString name = field(entry, 1);
        if (!all && !used.contains(name))
            continue;
        QStringList cells;
        for (int n = 1; n <= fieldCount; ++n)
            cells << escaped(n == 1 ? name : field(entry, n));
        out.rows << row(cells, out.widths);
    }
    return out;
}

} // namespace

QString tableStart(const QStringList& headings, const QList<int>& widths)
{
    QString out = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" "
                                 "width=\"100%\"><thead><tr>");
    for (int i = 0; i < headings.size(); ++i)
        out += QStringLiteral("<th width=\"%1%\">").arg(widths.value(i)) + headings[i] +
               QStringLiteral("</th>");
    return out + QStringLiteral("</tr></thead><tbody>");
}

QString tableEnd()
{
    return QStringLiteral("</tbody></table>");
}

ArmySheet makeArmySheet(const Store& store, const SheetOptions& options)
{
    ArmySheet sheet;
    sheet.armyName = store.army.name;
    sheet.headingHtml = headingHtml(store, options);
    const CatalogueIndex weapons(store.weaponCatalogue.get());
    const CatalogueIndex abilities(store.abilityCatalogue.get());
    for (int slot = 0; slot < store.troopCount && slot < Store::slotCount; ++slot)
        sheet.troopHtml << troopHtml(store.troops[slot], weapons, abilities);
    QSet<QString> usedWeapons;
    QSet<QString> usedAbilities;
    if (!options.allEntries)
        collectUsedNames(store, usedWeapons, usedAbilities);
    sheet.weapons = catalogueTable(store.weaponCatalogue.get(), usedWeapons, options.allEntries, 6);
    sheet.abilities =
        catalogueTable(store.abilityCatalogue.get(), usedAbilities, options.allEntries, 2);
    return sheet;
}

QString sheetStyles()
{
    return QStringLiteral(
        "h1 { font-size: 16pt; margin-top: 0px; margin-bottom: 6px; }\n"
        "h2 { font-size: 12pt; margin-top: 0px; margin-bottom: 3px; }\n"
        "h3 { font-size: 9pt; margin-top: 6px; margin-bottom: 2px; }\n"
        "p { margin-top: 0px; margin-bottom: 2px; }\n"
        "table { border-collapse: collapse; border-color: #808080; margin-bottom: 2px; }\n"
        "th { background-color: #e4e4e4; font-weight: bold; text-align: left; }\n"
        "table.profile th { text-align: center; }\n"
        "span.missing { color: #b00000; font-style: italic; }\n"
        "p.note { font-style: italic; margin-bottom: 4px; }\n");
}

QByteArray armySheetHtml(const ArmySheet& sheet)
{
    QString out = QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\"><head><meta "
                                 "charset=\"utf-8\"/><title>Army sheet: ") +
                  escaped(sheet.armyName) + QStringLiteral("</title>\n<style>\n") + sheetStyles() +
                  // A browser prints a troop on one page where it fits, and repeats the
                  // headings of a catalogue on every page.
                  QStringLiteral("@page { margin: 15mm; }\n"
                                 "body { font-family: 'DejaVu Sans', Arial, Helvetica, "
                                 "sans-serif; font-size: 9pt; color: #000000; margin: 0 auto; "
                                 "max-width: 60em; }\n"
                                 "td, th { border: 1px solid #808080; padding: 2px 4px; "
                                 "vertical-align: top; }\n"
                                 "div.troop { border-top: 1px solid #000000; padding-top: 6px; "
                                 "margin-top: 12px; break-inside: avoid; "
                                 "page-break-inside: avoid; }\n"
                                 "thead { display: table-header-group; }\n"
                                 "tr { break-inside: avoid; page-break-inside: avoid; }\n"
                                 "h2.catalogue { margin-top: 16px; }\n") +
                  QStringLiteral("</style></head>\n<body>\n") + sheet.headingHtml + u'\n';
    for (const QString& troop : sheet.troopHtml)
        out += troop + u'\n';
    for (const SheetTable* catalogue : {&sheet.weapons, &sheet.abilities}) {
        out += QStringLiteral("<h2 class=\"catalogue\">") + catalogue->title +
               QStringLiteral("</h2><p class=\"note\">") + catalogue->note + QStringLiteral("</p>");
        out += catalogue->rows.isEmpty()
                   ? QStringLiteral("<p>None.</p>")
                   : table(catalogue->headings, catalogue->widths, catalogue->rows);
        out += u'\n';
    }
    out += QStringLiteral("</body></html>\n");
    return out.toUtf8();
}
