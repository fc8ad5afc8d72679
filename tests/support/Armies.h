#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class Store;
class LineList;
struct Troop;

// Builds stores for datafile tests.
void addLines(Store& store, std::unique_ptr<LineList>& list, const QStringList& lines,
              bool sorted = true);

// The army of the golden file golden-full-army.ini: three troops using every list kind and
// every armour case, and catalogues with short and long entries.
void fillFullArmy(Store& store);

// A store's whole content as text lines, for comparing two stores in a test failure message.
QStringList describe(const Store& store);

// A datafile with the given [Race] entries and troops [Troop1] to [Troop<count>] named T1, T2, ...
QByteArray armyWithTroops(const QByteArray& raceEntries, int count);

// The file's bytes, or an empty array when it cannot be read.
QByteArray readBytes(const QString& path);
