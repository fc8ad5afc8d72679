#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Writes the lines to the file as Windows-1252 text, each ended by CR LF, with no byte-order
// mark. The file on disk is either the old one or the complete new one: nothing is written
// unless every line can be encoded and the whole file reaches the disk. On failure the result
// is false and *reason says why in words for the user.
bool writeDatafile(const QString& path, const QStringList& lines, QString* reason);

// The bytes of the file that writeDatafile writes. False, with *reason, when a line holds a
// character that Windows-1252 cannot hold.
bool encodeDatafile(const QStringList& lines, QByteArray& bytes, QString* reason);

// Replaces the file at path by one holding the bytes, with the safety of writeDatafile.
bool replaceFileWith(const QString& path, const QByteArray& bytes, QString* reason);

// Why a line cannot be written, in words for the user: it holds bad, which the code page lacks.
QString unencodableLineReason(const QString& line, QChar bad);

// What a save refused for a device, a pipe or a socket in the target's place says.
QString notRegularTargetReason();
