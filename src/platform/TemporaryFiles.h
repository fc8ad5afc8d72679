#pragma once

#include <QString>

// The temporary files that a safe replace writes beside its target. Each is named after the
// target and the process that writes it (".vhold.ini.<process>-<random>.tmp"), so that one
// left behind by a process that was killed can be told from one being written now.

// A name for a new temporary file beside the target, of this process.
QString temporaryPathFor(const QString& target);

// Removes the temporary files beside the target that no running process is writing.
void removeLeftoverTemporaries(const QString& target);

// Whether a process of that number runs on this machine.
bool processRuns(qint64 process);
