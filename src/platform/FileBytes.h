#pragma once

#include <QString>
#include <functional>

// A real datafile is well under 10 MB; anything larger is not one, and reading it would only
// hold the user up and fill the memory.
constexpr qint64 maxDatafileSize = qint64(256) * 1024 * 1024;

// The most readFileChunks() hands on at once: a regular file comes in pieces of this size.
constexpr qsizetype fileChunkSize = 64 * 1024;

// Hands the content of a regular file to consume one piece after the other, never blocking on a
// read and never reading more than limit bytes, so that a reader need not hold the whole file.
// On failure (a missing or unreadable file, anything but a regular file, a read that would
// block, more than limit bytes) the result is false, *reason says why in words for the user,
// and consume may have had some of the pieces.
bool readFileChunks(const QString& path, QString* reason,
                    const std::function<void(const char* data, qsizetype size)>& consume,
                    qint64 limit = maxDatafileSize);

// What a read refused for its size says, as readFileChunks() gives it.
QString tooLargeReason(qint64 limit = maxDatafileSize);

// What a read refused for reading anything but a regular file (a folder, a device, a pipe) says.
QString notRegularFileReason();
