#include "store/AbilityGroups.h"

#include "store/LineList.h"
#include "store/LineOps.h"
#include "store/Number.h"
#include "store/Store.h"

#include <algorithm>

bool hasLimitField(int group)
{
    return group >= firstAbilityGroup && group <= lastAbilityGroup;
}

AbilityGroups abilityGroups(const Troop& troop)
{
    const QStringList fields = troop.abilityLimits.split(u',');
    AbilityGroups result;
    result.total = fields.front();
    if (!troop.abilities)
        return result;

    std::map<int, AbilityGroup> groups;
    int row = -1;
    QString rowGroup;
    for (const QString& line : troop.abilities->lines()) {
        const QString group = field(line, 1);
        if (row < 0 || group != rowGroup) {
            ++row;
            rowGroup = group;
        }
        const int number = readNumber(group);
        auto [found, added] = groups.try_emplace(number);
        AbilityGroup& entry = found->second;
        if (added) {
            entry.number = number;
            entry.rowMaximum = fields.value(row + 1);
            entry.hasMaximum = hasLimitField(number) && number < fields.size();
            if (entry.hasMaximum)
                entry.maximum = fields[number];
        }
        entry.names << field(line, 2);
    }

    int highest = 0;
    bool fieldMissing = false;
    result.groups.reserve(groups.size());
    for (auto& [number, group] : groups) {
        if (hasLimitField(number)) {
            highest = std::max(highest, number);
            fieldMissing = fieldMissing || !group.hasMaximum;
        }
        result.groups.push_back(std::move(group));
    }
    // Limits that hold the total alone were never written per row: their groups simply have
    // no maximum yet.
    result.writtenPerRow =
        highest > 0 && fields.size() > 1 && (fieldMissing || fields.size() > highest + 1);
    return result;
}

QString abilityLimitsText(int total, const std::map<int, int>& maxima)
{
    QString text = QString::number(total);
    int next = firstAbilityGroup;
    for (const auto& [group, maximum] : maxima) {
        if (!hasLimitField(group))
            continue;
        for (; next < group; ++next)
            text += QStringLiteral(",0");
        text += u',' + QString::number(maximum);
        next = group + 1;
    }
    return text;
}
