#pragma once

#include "ui/sheet/ArmySheet.h"

#include <QString>

class SheetProgress;
class Store;

enum class SheetFormat { Unknown, Pdf, Html };

// The format a file's name asks for: ".pdf" or ".html" (".htm"), in any letter case.
SheetFormat sheetFormatOf(const QString& path);

enum class ExportResult { Written, Cancelled, Failed };

// Writes the army sheet to the file, as PDF or HTML by the file's name, with the safety of Save:
// the file is replaced only by the complete sheet, and a cancelled export leaves no file. On
// failure *reason says why in words for the user.
ExportResult exportArmySheet(const Store& store, const SheetOptions& options, const QString& path,
                             SheetProgress* progress, QString* reason);
