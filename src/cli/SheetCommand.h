#pragma once

#include <QString>

class QTextStream;
struct StartRequest;

// The command line's export: the sheet of the datafile at `file` written to `out`. Exit status
// 0 when written, 2 when the file cannot be read as a datafile or `out` cannot be written, 1
// when `out` names neither format; the reason goes to `err`.
int exportSheetCommand(const QString& out, const QString& file, bool allEntries, QTextStream& err);

// Writes the army sheet that the request asks for, without a window and without a display
// (the offscreen platform stands in when there is none); the exit status.
int exportSheetFromCommandLine(int& argc, char** argv, const StartRequest& request);
