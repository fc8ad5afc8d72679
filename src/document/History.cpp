#include "document/History.h"

namespace
{

qint64 stepBytes(const HistoryStep& step)
{
    qint64 bytes = qint64(sizeof(HistoryStep)) + step.delta.bytes() + step.name.size() * 2;
    if (step.file) {
        const auto& [before, after] = *step.file;
        bytes += before.path.size() * 2 + after.path.size() * 2;
        // The bytes before are those of the step before; bytes read again from an unchanged
        // file are the ones held already.
        if (after.bytes.constData() != before.bytes.constData())
            bytes += after.bytes.size();
    }
    return bytes;
}

} // namespace

void History::record(HistoryStep step)
{
    closeOpenStep();
    forgetPositionsAfter(position);
    for (size_t i = size_t(position); i < steps.size(); ++i)
        bytes -= steps[i].bytes;
    steps.erase(steps.begin() + position, steps.end());
    step.bytes = stepBytes(step);
    bytes += step.bytes;
    steps.push_back(std::move(step));
    position = int(steps.size());
    while (stepCount() > maxSteps || (stepCount() > 1 && bytes > maxBytes))
        dropOldest();
}

// The first step goes: the position before it can no longer be reached.
void History::dropOldest()
{
    bytes -= steps.front().bytes;
    steps.erase(steps.begin());
    --position;
    for (int& at : savedAt)
        at = at > 0 ? at - 1 : -1;
}

void History::forgetPositionsAfter(int last)
{
    for (int& at : savedAt) {
        if (at > last)
            at = -1;
    }
}

const HistoryStep& History::undo()
{
    closeOpenStep();
    return steps[size_t(--position)];
}

const HistoryStep& History::redo()
{
    return steps[size_t(position++)];
}

HistoryStep* History::openStep(const QString& key)
{
    if (key.isEmpty() || steps.empty() || position != int(steps.size()) ||
        steps.back().openFor != key)
        return nullptr;
    return &steps.back();
}

void History::closeOpenStep()
{
    if (!steps.empty())
        steps.back().openFor.clear();
}

void History::dropLastStep()
{
    forgetPositionsAfter(position - 1);
    bytes -= steps.back().bytes;
    steps.pop_back();
    position = int(steps.size());
}

void History::recount()
{
    bytes -= steps.back().bytes;
    steps.back().bytes = stepBytes(steps.back());
    bytes += steps.back().bytes;
}
