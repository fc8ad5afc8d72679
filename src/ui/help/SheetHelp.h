#pragma once

class QWidget;

// The help of the army sheet, shown over its print preview: what the sheet holds and how it
// reaches paper or a file.
void showSheetHelp(QWidget* parent);
