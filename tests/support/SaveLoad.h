#pragma once

#include <QByteArray>
#include <QString>

// The bytes that loading the file's bytes into a fresh store and saving it give; false when
// the store holds a character the datafile cannot hold.
bool saveAfterLoad(const QByteArray& file, QByteArray& saved);

// Saving what was loaded and loading it again must not change the army: the first save of a
// file and the save of that save's load are the same bytes. Empty when they are; otherwise the
// first line where they differ.
QString saveLoadDifference(const QByteArray& file);
