#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class Store;

// The datafile of the army in the store, line by line, as the roster program reads it:
// the comment header, [Race], one [Troop<k>] per accepted troop, [WeaponSpecs], [Specials].
QStringList datafileLines(const Store& store);

// The bytes of the army's datafile, exactly those writeDatafile writes for datafileLines(store),
// encoded as the lines are made. False, with *reason, when a line holds a character the code
// page cannot hold.
bool encodeDatafile(const Store& store, QByteArray& bytes, QString* reason);

// Saves the army's datafile as writeDatafile(path, datafileLines(store), reason) does, with the
// same safety, without a list of lines between.
bool writeDatafile(const QString& path, const Store& store, QString* reason);
