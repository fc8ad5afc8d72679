#pragma once

#include <QByteArray>
#include <QLocale>
#include <QPageSize>

#include "ui/sheet/ArmySheet.h"

class QPagedPaintDevice;

// The paper of the locale: Letter where inches are the measure, A4 elsewhere.
QPageSize localPageSize(const QLocale& locale = QLocale());

// Lays the sheet out on the device's pages and paints them: a troop on one page wherever it
// fits on one, a catalogue's headings again on each page it continues on, and at the foot of
// every page the army's name and "Page N of M". False when the progress stopped it.
bool paintArmySheet(const ArmySheet& sheet, QPagedPaintDevice& device, SheetProgress* progress);

// The sheet as a PDF document on paper of the given size; false when the progress stopped it.
bool armySheetPdf(const ArmySheet& sheet, const QPageSize& pageSize, QByteArray& pdf,
                  SheetProgress* progress);
