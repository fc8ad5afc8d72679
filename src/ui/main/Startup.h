#pragma once

#include "cli/CommandLine.h"

#include <QString>

class MainWindow;

// The program's name, version and application id, as the desktop and --version know them.
void describeApplication();

// Shows the main window, offers back the unsaved work that ended runs left in the recovery
// folder (when one is given), and then loads the request's file, if one is named, as Load does
// (a file that cannot be read is refused in a window); a new file becomes the current file.
void startEditor(MainWindow& mainWindow, const StartRequest& request,
                 const QString& recoveryFolder = QString());
