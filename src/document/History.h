#pragma once

#include "document/StoreDelta.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <memory>
#include <vector>

// The file an army belongs to: its path (empty before the first Save) and what it holds on
// disk as far as the program knows (what Save last wrote there or Load last read).
struct ArmyFile {
    QString path;
    QByteArray bytes;
};

// One step of the history: a change, named as the Edit menu shows it, with what it did to the
// army and, for a Load or a restore, to the file.
struct HistoryStep {
    QString name;
    StoreDelta delta;
    // The file before and after the step; null when the step left the file alone.
    std::shared_ptr<const std::pair<ArmyFile, ArmyFile>> file;
    // A step still open for more of the same change (keys typed into one field), or empty.
    QString openFor;
    qint64 bytes = 0;
};

// The steps that can be taken back and made again, and which position of them each file was
// last saved or loaded at. It keeps at most 100 steps and 64 MiB, counting everything the steps
// hold; the oldest go first and the newest always stays.
class History
{
public:
    static constexpr int maxSteps = 100;
    static constexpr qint64 maxBytes = qint64(64) * 1024 * 1024;

    // A new step after the current position; the steps that could have been made again go.
    void record(HistoryStep step);
    // The step that undo takes back (moving the position before it), or redo makes again.
    const HistoryStep& undo();
    const HistoryStep& redo();
    bool canUndo() const { return position > 0; }
    bool canRedo() const { return position < int(steps.size()); }
    QString undoName() const { return canUndo() ? steps[size_t(position - 1)].name : QString(); }
    QString redoName() const { return canRedo() ? steps[size_t(position)].name : QString(); }

    // The last step, while it is open for more of the change named by `key`.
    HistoryStep* openStep(const QString& key);
    void closeOpenStep();
    // The last step, open and merged into nothing at all, goes.
    void dropLastStep();
    // The last step's size after a merge.
    void recount();

    // The army as it stands is what the file holds on disk.
    void markSaved(const QString& path) { savedAt[path] = position; }
    bool isSaved(const QString& path) const { return savedAt.value(path, -1) == position; }

    int stepCount() const { return int(steps.size()); }
    qint64 bytesHeld() const { return bytes; }

private:
    void dropOldest();
    void forgetPositionsAfter(int last);

    std::vector<HistoryStep> steps;
    int position = 0; // the number of steps made and not taken back
    qint64 bytes = 0;
    // For each file, the position its content on disk was saved or loaded at; -1 for none
    // that the history still holds.
    QHash<QString, int> savedAt{{QString(), 0}};
};
