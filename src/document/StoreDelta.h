#pragma once

#include "store/Store.h"

#include <QStringList>
#include <memory>
#include <vector>

// What one change did to a list of lines: runs of lines replaced by others, in the order they
// were made, each at its position in the list as it stood when the run was made. A list made
// or dropped as a whole, or turned from sorted to plain, is held whole on both sides.
class ListDelta
{
public:
    // What turns `before` into `after`, found by comparing their lines.
    static ListDelta between(const LineList* before, const LineList* after);

    bool isEmpty() const { return runs.empty() && !whole; }
    void undo(std::unique_ptr<LineList>& list) const;
    void redo(std::unique_ptr<LineList>& list) const;
    // This change followed by the later one, as one.
    void append(const ListDelta& later);
    qint64 bytes() const;

private:
    struct Run {
        int at = 0;
        QStringList removed;
        QStringList inserted;
    };
    struct Whole {
        std::shared_ptr<const LineList> before;
        std::shared_ptr<const LineList> after;
    };

    std::vector<Run> runs;
    std::shared_ptr<Whole> whole;
};

// What one change did to the army: its texts, the number of troops, each troop slot it touched
// (before and after) and the runs of catalogue lines it replaced; nothing of what it left as it
// was. It takes the change back, or makes it again, on the army it was found on.
class StoreDelta
{
public:
    // What turns `before` into `after`.
    static StoreDelta between(const Store& before, const Store& after);
    // A change of the army's texts alone.
    static StoreDelta ofTexts(const Army& before, const Army& after, int troopCount);

    // Which parts of the army the change touched.
    struct Parts {
        bool texts = false;
        bool troops = false;
        bool catalogues = false;
    };
    Parts parts() const;
    bool isEmpty() const;

    void undo(Store& army) const;
    void redo(Store& army) const;
    // This change followed by the later one, as one change.
    void append(const StoreDelta& later);
    // The memory the change holds, counted generously: every line it keeps whole.
    qint64 bytes() const;

private:
    // The army as the change left it (forward) or found it.
    void take(Store& army, bool forward) const;

    struct Texts {
        Army before;
        Army after;
    };
    struct TroopChange {
        int slot = 0;
        Troop before;
        Troop after;
    };

    std::shared_ptr<Texts> texts;
    int troopCountBefore = 0;
    int troopCountAfter = 0;
    std::vector<TroopChange> troops;
    ListDelta weapons;
    ListDelta abilities;
};
