#pragma once

// What the benchmark's commands share: loading as Load does, and the one line each prints.
#include "datafile/Loader.h"
#include "platform/IniFile.h"
#include "store/Store.h"

#include <QElapsedTimer>
#include <cstdio>

// Prints the command and its elapsed milliseconds on one line; the command's exit status.
inline int report(const char* command, const QElapsedTimer& clock)
{
    std::printf("%s %.1f ms\n", command, double(clock.nsecsElapsed()) / 1e6);
    return 0;
}

// Loads the file into the store as Load does; progress goes nowhere, the load runs headless.
inline void loadArmy(Store& store, const QString& path)
{
    class SilentProgress : public LoadProgress
    {
    public:
        void armyRead() override {}
        void troopRead(int) override {}
        void raceMissing() override {}
    } progress;
    loadDatafile(store, IniFile::read(path), progress);
}
