#include "cli/ProblemText.h"

#include "datafile/ArmyCheck.h"

#include <QLocale>

namespace
{

QString quoted(const QString& text)
{
    return u'"' + text + u'"';
}

QString catalogueWord(CatalogueKind kind)
{
    return kind == CatalogueKind::Abilities ? QStringLiteral("special ability")
                                            : QStringLiteral("weapon");
}

QString fieldName(TroopField field)
{
    switch (field) {
    case TroopField::Name:
        return QStringLiteral("the name");
    case TroopField::Role:
        return QStringLiteral("the role");
    case TroopField::Points:
        return QStringLiteral("the points value");
    case TroopField::MinModels:
        return QStringLiteral("the minimum of models");
    case TroopField::MaxModels:
        return QStringLiteral("the maximum of models");
    case TroopField::FrontArmour:
        return QStringLiteral("the front armour");
    case TroopField::SideArmour:
        return QStringLiteral("the side armour");
    case TroopField::RearArmour:
        return QStringLiteral("the rear armour");
    case TroopField::Characteristics:
        return QStringLiteral("the characteristics");
    case TroopField::StandardWeapon:
        return QStringLiteral("a standard weapon");
    case TroopField::ReplaceableWeapon:
        return QStringLiteral("a replaceable weapon");
    case TroopField::AdditionalWeapon:
        return QStringLiteral("an additional weapon");
    case TroopField::Ability:
        return QStringLiteral("a special ability");
    case TroopField::WeaponLimit:
        return QStringLiteral("the weapon limit");
    case TroopField::AbilityLimits:
        return QStringLiteral("the special ability limits");
    }
    return {};
}

// The weapon or ability a line of the field's list names: "standard weapon "Rifle"".
QString lineName(TroopField field, const QString& name)
{
    switch (field) {
    case TroopField::StandardWeapon:
        return QStringLiteral("standard weapon ") + quoted(name);
    case TroopField::ReplaceableWeapon:
        return QStringLiteral("replaceable weapon ") + quoted(name);
    case TroopField::AdditionalWeapon:
        return QStringLiteral("additional weapon ") + quoted(name);
    default:
        return QStringLiteral("special ability ") + quoted(name);
    }
}

// The text a code-page problem is in: "the army name", "the characteristics", "weapon "Axe"".
QString textName(const Problem& problem)
{
    const ProblemPlace& place = problem.place;
    switch (place.part) {
    case ProblemPlace::Part::Army: {
        const QString names[] = {QStringLiteral("the army name"), QStringLiteral("the unit word"),
                                 QStringLiteral("the squad word")};
        return names[place.armyText];
    }
    case ProblemPlace::Part::Troop:
        return fieldName(place.field);
    case ProblemPlace::Part::Catalogue:
    case ProblemPlace::Part::Datafile:
        break;
    }
    return catalogueWord(place.catalogue) + u' ' + quoted(problem.name);
}

// The number a number's problem is about: "the points value", "the cost of additional weapon
// "Bolter"", "the maximum of group 2".
QString numberName(const Problem& problem)
{
    switch (problem.place.field) {
    case TroopField::ReplaceableWeapon:
        return QStringLiteral("the cost of %1 for %2")
            .arg(quoted(problem.name), quoted(problem.otherName));
    case TroopField::AdditionalWeapon:
        return QStringLiteral("the cost of additional weapon ") + quoted(problem.name);
    case TroopField::Ability:
        return QStringLiteral("the cost of special ability ") + quoted(problem.name);
    case TroopField::AbilityLimits:
        return problem.number == 0
                   ? QStringLiteral("the special ability limit")
                   : QStringLiteral("the maximum of group ") + QString::number(problem.number);
    default:
        return fieldName(problem.place.field);
    }
}

} // namespace

QString problemText(const Problem& problem)
{
    const QString name = quoted(problem.name);
    const QString number = QString::number(problem.number);
    const QString otherNumber = QString::number(problem.otherNumber);
    switch (problem.kind) {
    case ProblemKind::CharacterOutsideCodePage:
        return QStringLiteral("%1 holds \"%2\" (U+%3), which the datafile's code page cannot hold")
            .arg(textName(problem), problem.value,
                 QString::number(problem.value.front().unicode(), 16)
                     .toUpper()
                     .rightJustified(4, u'0'));
    case ProblemKind::NameTaken:
        return QStringLiteral("another %1 troop is named %2 (troop %3)")
            .arg(problem.value, name, QString::number(problem.number + 1));
    case ProblemKind::NoName:
        return QStringLiteral("the troop has no name");
    case ProblemKind::NoRole:
        return QStringLiteral("the troop has no role");
    case ProblemKind::UnknownRole:
        return QStringLiteral("the role %1 is none of HQ, EL, TR, FA, HS")
            .arg(quoted(problem.value));
    case ProblemKind::MinimumAboveMaximum:
        return QStringLiteral("the minimum of %1 models is above the maximum of %2")
            .arg(number, otherNumber);
    case ProblemKind::NotInCatalogue:
        return lineName(problem.place.field, problem.name) +
               (problem.place.field == TroopField::Ability
                    ? QStringLiteral(" is not in the special ability catalogue")
                    : QStringLiteral(" is not in the weapon catalogue"));
    case ProblemKind::ReplacementNotInCatalogue:
        return QStringLiteral("replacement weapon %1 (for %2) is not in the weapon catalogue")
            .arg(name, quoted(problem.otherName));
    case ProblemKind::EmptyNumber:
        return numberName(problem) + QStringLiteral(" is empty");
    case ProblemKind::NotWholeNumber:
        return numberName(problem) + QStringLiteral(" is ") + quoted(problem.value) +
               QStringLiteral(", not a whole number of 0 or more");
    case ProblemKind::ListedTwice:
        return lineName(problem.place.field, problem.name) + QStringLiteral(" is listed twice");
    case ProblemKind::WeaponLimitAboveWeapons:
        return QStringLiteral("the weapon limit of %1 is more than the troop's %2 weapons")
            .arg(number, otherNumber);
    case ProblemKind::GroupOutsideRange:
        return QStringLiteral("special ability %1 is in group %2; groups run from 1 to 99")
            .arg(name, number);
    case ProblemKind::GroupWithoutMaximum:
        return QStringLiteral(
                   "group %1 of special ability %2 has no maximum in the special ability limits")
            .arg(number, name);
    case ProblemKind::LimitsWrittenPerRow:
        return QStringLiteral("limits look written per row");
    case ProblemKind::UnusedEntry:
        return catalogueWord(problem.place.catalogue) + u' ' + name +
               QStringLiteral(" is used by no troop");
    case ProblemKind::NamesDifferInCase:
        return QStringLiteral("%1 names %2 and %3 differ only in letter case")
            .arg(catalogueWord(problem.place.catalogue), quoted(problem.otherName), name);
    case ProblemKind::DefinedTwice:
        return catalogueWord(problem.place.catalogue) + u' ' + name +
               QStringLiteral(" is defined twice");
    case ProblemKind::RepeatDroppedOnLoad:
        return QStringLiteral("line %1 repeats line %2 in other letter case and is dropped on load")
            .arg(QString::number(problem.place.line), number);
    }
    return {};
}

QString problemCountText(int errors, int warnings, const QLocale& locale)
{
    const auto counted = [&locale](int count, const QString& one, const QString& many) {
        return locale.toString(count) + u' ' + (count == 1 ? one : many);
    };
    return counted(errors, QStringLiteral("error"), QStringLiteral("errors")) +
           QStringLiteral(", ") +
           counted(warnings, QStringLiteral("warning"), QStringLiteral("warnings"));
}
