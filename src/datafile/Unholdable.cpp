#include "datafile/Unholdable.h"

#include "platform/CodePage.h"
#include "store/Store.h"

namespace
{

// The characters of the text that the code page lacks, each once, added to those found, each
// as the user sees it or, where it cannot be seen, by its number. Most texts fit whole.
void addUnholdable(QStringList& found, const QString& text)
{
    if (fitsWindows1252(text))
        return;
    for (const char32_t codePoint : text.toUcs4()) {
        const QString character = QString::fromUcs4(&codePoint, 1);
        if (fitsWindows1252(character))
            continue;
        const QString seen = isVisibleCharacter(codePoint) ? character : codePointName(codePoint);
        if (!found.contains(seen))
            found << seen;
    }
}

QStringList unholdableIn(std::initializer_list<QString> texts)
{
    QStringList found;
    for (const QString& text : texts)
        addUnholdable(found, text);
    return found;
}

QStringList unholdableIn(std::initializer_list<const LineList*> lists)
{
    QStringList found;
    for (const LineList* list : lists) {
        for (const QString& line : list ? list->lines() : QStringList())
            addUnholdable(found, line);
    }
    return found;
}

// A letter the code page can hold for the character, when one is plain: the letter without its
// marks ("ő" gives "o"), or the letter a stroke was drawn through ("Ł" gives "L").
QString plainLetterFor(const QString& character)
{
    static const QString stroked = QStringLiteral("ŁłĐđĦħıĿŀŦŧ");
    static const QString plain = QStringLiteral("LlDdHhiLlTt");
    const qsizetype at = stroked.indexOf(character);
    if (character.size() == 1 && at >= 0)
        return plain.mid(at, 1);
    const QString base = character.normalized(QString::NormalizationForm_KD).left(1);
    return base != character && base.front().isLetter() && fitsWindows1252(base) ? base : QString();
}

} // namespace

std::vector<UnholdableText> unholdableTexts(const Store& army)
{
    std::vector<UnholdableText> found;
    const auto add = [&found](const QString& place, const QStringList& characters) {
        if (!characters.isEmpty())
            found.push_back({place, characters});
    };
    add(QStringLiteral("the army name"), unholdableIn({army.army.name}));
    add(QStringLiteral("the unit word"), unholdableIn({army.army.unitWord}));
    add(QStringLiteral("the squad word"), unholdableIn({army.army.squadWord}));
    for (int slot = 0; slot < army.troopCount; ++slot) {
        const Troop& troop = army.troops[size_t(slot)];
        const QString name =
            troop.name.isEmpty() ? QString::number(slot + 1) : u'"' + troop.name + u'"';
        const QString at = QStringLiteral("troop ") + name + QStringLiteral(", step ");
        add(at + u'2', unholdableIn({troop.name, troop.points, troop.role, troop.minModels,
                                     troop.maxModels, troop.characteristics, troop.frontArmour,
                                     troop.sideArmour, troop.rearArmour}));
        add(at + u'3', unholdableIn({troop.standardWeapons.get()}));
        add(at + u'4', unholdableIn({troop.replaceableWeapons.get()}));
        add(at + u'5', unholdableIn({troop.additionalWeapons.get()}));
        add(at + u'6', unholdableIn({troop.abilities.get(), troop.reservedList.get()}));
        add(at + u'7', unholdableIn({troop.weaponLimit, troop.abilityLimits}));
    }
    for (const auto& [catalogue, list] :
         {std::pair{QStringLiteral("the weapon catalogue"), army.weaponCatalogue.get()},
          std::pair{QStringLiteral("the ability catalogue"), army.abilityCatalogue.get()}}) {
        for (const QString& line : list->lines())
            add(catalogue + QStringLiteral(", \"") + line.section(u',', 0, 0) + u'"',
                unholdableIn({line}));
    }
    return found;
}

QString unholdableReport(const Store& army)
{
    const std::vector<UnholdableText> texts = unholdableTexts(army);
    if (texts.empty())
        return QString();
    QString report = QStringLiteral("The datafile cannot hold these characters, so nothing was "
                                    "saved:\n");
    for (const UnholdableText& text : texts)
        report +=
            text.place + QStringLiteral(": ") + text.characters.join(QStringLiteral(", ")) + u'\n';
    for (const UnholdableText& text : texts) {
        for (const QString& character : text.characters) {
            const QString plain = plainLetterFor(character);
            if (!plain.isEmpty())
                return report + QStringLiteral("Replace them, for example ") + character +
                       QStringLiteral(" with ") + plain + QStringLiteral(", and save again.");
        }
    }
    return report + QStringLiteral("Replace them with characters of Western European text, and "
                                   "save again.");
}
