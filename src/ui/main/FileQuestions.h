#pragma once

#include <QString>
#include <functional>

class ArmyDocument;
class QWidget;

// What the main window asks and tells around the army's file.

// Before the army is dropped, changes not yet saved are saved (through `save`) or given up as
// the user answers; false when the user stays with the army.
bool unsavedChangesSettled(QWidget* window, const ArmyDocument& army,
                           const std::function<bool()>& save);

// Writes the army to the file, which becomes its file; the file on disk is replaced only by a
// complete new one. An army with characters the datafile cannot hold is not saved, and the
// user is told where they are; a file that cannot be written is told with its reason.
bool saveArmyTo(QWidget* window, ArmyDocument& army, const QString& path);

// Whether a recent file is still there; one that is gone is said so.
bool recentFileFound(QWidget* window, const QString& path);
