#pragma once

#include <QStringList>

class Store;

// The datafile of the army in the store, line by line, as the roster program reads it:
// the comment header, [Race], one [Troop<k>] per accepted troop, [WeaponSpecs], [Specials].
QStringList DatafileLines(const Store& store);

void WriteHeader(QStringList& out);
void WriteArmy(const Store& store, QStringList& out);
void WriteTroops(const Store& store, QStringList& out);
void WriteWeaponSpecs(const Store& store, QStringList& out);
void WriteSpecials(const Store& store, QStringList& out);
