#pragma once

#include "store/Store.h"

#include <QByteArray>
#include <QString>
#include <vector>

// One state of the army as the history keeps it: the army itself, the file it belongs to, and
// what that file holds on disk as far as the program knows (what Save last wrote there or Load
// last read), so that a state can tell whether it is saved.
struct ArmyState {
    Store army;
    QString file;
    QByteArray saved;
};

// The changes made to the army, each one step that can be taken back and made again. The
// states share every list they have in common, so a step costs only what it changed. The
// history keeps the last 100 steps and no more than 64 MiB of changed lists; the oldest go
// first, and the newest step always stays.
class ArmyHistory
{
public:
    static constexpr int maxSteps = 100;
    static constexpr qint64 maxBytes = qint64(64) * 1024 * 1024;

    explicit ArmyHistory(ArmyState start);

    const ArmyState& current() const { return states[position].state; }

    // A change, named for the menu ("Delete Troop \"Scouts\""), that led to the state. The
    // changes that could have been made again are dropped.
    void record(const QString& name, ArmyState state);

    bool canUndo() const { return position > 0; }
    bool canRedo() const { return position + 1 < int(states.size()); }
    // The name of the change that undo takes back, or redo makes again.
    QString undoName() const;
    QString redoName() const;
    const ArmyState& undo();
    const ArmyState& redo();

    // The file's content on disk is now these bytes: every state of that file knows it.
    void fileWritten(const QString& file, const QByteArray& bytes);
    // The army as it stands was saved to the file, which becomes its file.
    void savedAs(const QString& file, const QByteArray& bytes);

    int stepCount() const { return int(states.size()) - 1; }
    // The bytes the kept states hold beyond what they share with the state before them.
    qint64 bytesHeld() const;

private:
    struct Step {
        QString name; // of the change that led here; empty for the first state
        ArmyState state;
        qint64 bytes = 0;
    };

    void dropOldest();

    std::vector<Step> states;
    int position = 0;
};

// The bytes that `state` holds in lists it does not share with `before`.
qint64 bytesChanged(const Store& state, const Store& before);
