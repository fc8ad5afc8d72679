#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

// What the command line asks of the program: to start, with a datafile to open or none, or to
// end at once with an exit status once its answer (help, version or an error) is printed.
struct StartRequest {
    bool start = true;
    int exitStatus = 0;
    QString file; // absolute path, or empty
    // The file does not exist yet: the editor starts with an empty army and the first Save
    // writes it.
    bool newFile = false;
    // --export-sheet: the sheet of `file` is written to this file and the program ends.
    QString sheetFile = QString();
    bool allEntries = false;
};

// Reads the program's arguments (its own path first). Help and the version go to `out`, a
// command line that cannot be followed to `err`, both before any window exists.
StartRequest readCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err);
// The same for the program's own arguments, printing to standard output and standard error.
StartRequest readCommandLine(int& argc, char** argv);
