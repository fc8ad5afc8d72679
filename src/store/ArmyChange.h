#pragma once

#include <QString>
#include <functional>

class Store;

// One change to the army, named as the Edit menu shows it ("Rename Weapon \"Axe\"",
// "Delete Troop \"Scouts\""): the army document applies it as one step that can be undone.
// Windows hand such changes to their owner instead of writing into the army themselves.
struct ArmyChange {
    QString name;
    std::function<void(Store&)> apply;
};

// How a window hands its owner a change: the owner applies it to the army at once, so the
// window, which shows the army read-only, sees the army as the change left it.
using ArmyChanger = std::function<void(const ArmyChange& change)>;
