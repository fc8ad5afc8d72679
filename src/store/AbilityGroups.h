#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <vector>

struct Troop;

// A troop's limits ("Specials=") hold the total of special abilities a model may have, then
// in field k+1 the most it may take from group k. Only groups 1 to 99 have a field: a lower
// one would take the total's place, a higher one make the line too long for the roster program.
constexpr int firstAbilityGroup = 1;
constexpr int lastAbilityGroup = 99;

bool hasLimitField(int group);

// One group of a troop's special abilities: every line whose group reads as its number,
// wherever the line stands in the list.
struct AbilityGroup {
    int number = 0;
    // The abilities' names, in list order.
    QStringList names;
    // Whether the limits hold the group's field, and what it holds.
    bool hasMaximum = false;
    QString maximum;
    // The field that limits written one maximum per row shown (one row per run of lines of one
    // group, in list order) gave the group's first run; empty when there is no such field.
    QString rowMaximum;
};

// The groups a troop uses, with their maxima, as step 7, the sheet and the check read them.
struct AbilityGroups {
    QString total;
    // In ascending order of their numbers.
    std::vector<AbilityGroup> groups;
    // The limits hold maxima but look written one per row: a group of 1 to 99 lacks its field,
    // or there are fields past the highest such group.
    bool writtenPerRow = false;
};

AbilityGroups abilityGroups(const Troop& troop);

// The limits for the total and the maxima of the groups in use (1 to 99): "0" for the groups
// between them, no field past the highest.
QString abilityLimitsText(int total, const std::map<int, int>& maxima);
