#pragma once

#include <QString>
#include <QStringList>

class QTextStream;
class MainWindow;

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

// The program's name, version and application id, as the desktop and --version know them.
void describeApplication();

// Reads the program's arguments (its own path first). Help and the version go to `out`, a
// command line that cannot be followed to `err`, both before any window exists.
StartRequest readCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err);
// The same for the program's own arguments, printing to standard output and standard error.
StartRequest readCommandLine(int& argc, char** argv);

// Writes the army sheet that the request asks for, without a window and without a display
// (the offscreen platform stands in when there is none); the exit status.
int exportSheetFromCommandLine(int& argc, char** argv, const StartRequest& request);

// Shows the main window, offers back the unsaved work that ended runs left in the recovery
// folder (when one is given), and then loads the request's file, if one is named, as Load does
// (a file that cannot be read is refused in a window); a new file becomes the current file.
void startEditor(MainWindow& mainWindow, const StartRequest& request,
                 const QString& recoveryFolder = QString());
