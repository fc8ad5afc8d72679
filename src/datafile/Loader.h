#pragma once

#include "store/CatalogueUse.h"

#include <QString>
#include <vector>

class IniFile;
class Store;

// What the window that runs a load shows while it goes on.
class LoadProgress
{
public:
    virtual ~LoadProgress() = default;
    // The army header has been read into the store.
    virtual void armyRead() = 0;
    // Troop n (from 1) has been read into slot n-1.
    virtual void troopRead(int n) = 0;
    // The file has no [Race] section: it is no datafile, and nothing of it is taken.
    virtual void raceMissing() = 0;
};

// A catalogue line that the load dropped because it repeats, in other letter case, a line it
// took: the datafile's lines of both.
struct DroppedLine {
    CatalogueKind catalogue = CatalogueKind::Weapons;
    int line = 0;
    int keptLine = 0;
};

struct LoadOutcome {
    bool raceFound = false;
    // The file holds more consecutive troop sections than the store has slots.
    bool troopsLeftOut = false;
    // The catalogue lines merged into others, weapons first, each catalogue in its order.
    std::vector<DroppedLine> droppedLines;
};

// Replaces the army in the store with the army of the file: the store is cleared, then the
// header and the troops [Troop1], [Troop2], ... up to the first missing number are read, then
// the weapon and ability catalogues. A file without [Race] leaves the store as it was.
LoadOutcome loadDatafile(Store& store, const IniFile& file, LoadProgress& progress);
