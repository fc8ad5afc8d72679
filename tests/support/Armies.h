#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class Store;
class StringList;
struct TheRec;

// Builds stores for datafile tests.
void AddLines(Store& store, std::unique_ptr<StringList>& list, const QStringList& lines,
              bool sorted = true);

// The army of the golden file golden-full-army.ini: three troops using every list kind and
// every armour case, and catalogues with short and long entries.
void FillFullArmy(Store& store);

// A store's whole content as text lines, for comparing two stores in a test failure message.
QStringList Describe(const Store& store);

// A datafile with the given [Race] entries and troops [Troop1] to [Troop<count>] named T1, T2, ...
QByteArray ArmyWithTroops(const QByteArray& raceEntries, int count);

// The file's bytes, or an empty array when it cannot be read.
QByteArray ReadBytes(const QString& path);
