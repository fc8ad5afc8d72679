#pragma once

#include <QString>
#include <functional>

// How a window changes the army: it hands its owner the change and the change's name
// ("Rename Weapon \"Axe\""); the owner runs the change and learns of it in one place.
using ArmyChanger = std::function<void(const QString& name, const std::function<void()>& change)>;
