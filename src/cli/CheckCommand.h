#pragma once

#include <QString>

class QTextStream;

// Checks the datafile at path as --check does: one line per problem on out,
// "FILE:LINE: error: ..." or "FILE:LINE: warning: ...", then "N errors, M warnings". Yields 0
// without errors, 1 with errors, 2 when the file cannot be read as a datafile (the reason then
// goes to err, after the program's name).
int checkDatafile(const QString& program, const QString& path, QTextStream& out, QTextStream& err);
