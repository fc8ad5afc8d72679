#include "store/ArmyHistory.h"

namespace
{

qint64 listBytes(const LineList* list, const LineList* before)
{
    if (!list)
        return 0;
    if (before && list->lines().constData() == before->lines().constData())
        return 0;
    qint64 bytes = qint64(list->count()) * qint64(sizeof(QString));
    for (const QString& line : list->lines())
        bytes += qint64(line.size()) * 2 + 16;
    return bytes;
}

qint64 troopBytes(const Troop& troop, const Troop& before)
{
    return listBytes(troop.standardWeapons.get(), before.standardWeapons.get()) +
           listBytes(troop.replaceableWeapons.get(), before.replaceableWeapons.get()) +
           listBytes(troop.additionalWeapons.get(), before.additionalWeapons.get()) +
           listBytes(troop.abilities.get(), before.abilities.get()) +
           listBytes(troop.reservedList.get(), before.reservedList.get()) +
           qint64(troop.name.size() + troop.characteristics.size()) * 2;
}

} // namespace

qint64 bytesChanged(const Store& state, const Store& before)
{
    qint64 bytes = listBytes(state.weaponCatalogue.get(), before.weaponCatalogue.get()) +
                   listBytes(state.abilityCatalogue.get(), before.abilityCatalogue.get());
    for (int slot = 0; slot < Store::slotCount; ++slot)
        bytes += troopBytes(state.troops[slot], before.troops[slot]);
    return bytes + qint64(sizeof(Store));
}

ArmyHistory::ArmyHistory(ArmyState start)
{
    states.push_back({QString(), std::move(start), 0});
}

void ArmyHistory::record(const QString& name, ArmyState state)
{
    states.erase(states.begin() + position + 1, states.end());
    const qint64 bytes = bytesChanged(state.army, current().army);
    states.push_back({name, std::move(state), bytes});
    position = int(states.size()) - 1;
    while (stepCount() > maxSteps || (stepCount() > 1 && bytesHeld() > maxBytes))
        dropOldest();
}

// The first state goes, and the state after it becomes the first, holding all it has.
void ArmyHistory::dropOldest()
{
    states.erase(states.begin());
    states.front().name.clear();
    states.front().bytes = bytesChanged(states.front().state.army, Store());
    --position;
}

qint64 ArmyHistory::bytesHeld() const
{
    qint64 bytes = 0;
    for (const Step& step : states)
        bytes += step.bytes;
    return bytes;
}

QString ArmyHistory::undoName() const
{
    return canUndo() ? states[position].name : QString();
}

QString ArmyHistory::redoName() const
{
    return canRedo() ? states[position + 1].name : QString();
}

const ArmyState& ArmyHistory::undo()
{
    if (canUndo())
        --position;
    return current();
}

const ArmyState& ArmyHistory::redo()
{
    if (canRedo())
        ++position;
    return current();
}

void ArmyHistory::savedAs(const QString& file, const QByteArray& bytes)
{
    states[position].state.file = file;
    fileWritten(file, bytes);
}

void ArmyHistory::fileWritten(const QString& file, const QByteArray& bytes)
{
    for (Step& step : states) {
        if (step.state.file == file)
            step.state.saved = bytes;
    }
}
