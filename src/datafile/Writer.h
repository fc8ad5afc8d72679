#pragma once

#include <QStringList>

class Store;

// The datafile of the army in the store, line by line, as the roster program reads it:
// the comment header, [Race], one [Troop<k>] per accepted troop, [WeaponSpecs], [Specials].
QStringList datafileLines(const Store& store);

void writeHeader(QStringList& out);
void writeArmy(const Store& store, QStringList& out);
void writeTroops(const Store& store, QStringList& out);
void writeWeaponCatalogue(const Store& store, QStringList& out);
void writeAbilityCatalogue(const Store& store, QStringList& out);
