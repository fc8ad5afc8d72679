#include "ui/sheet/SheetExport.h"

#include "platform/DatafileOutput.h"
#include "store/Store.h"
#include "ui/sheet/SheetPages.h"

#include <QFileInfo>

SheetFormat sheetFormatOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("pdf"))
        return SheetFormat::Pdf;
    if (suffix == QLatin1String("html") || suffix == QLatin1String("htm"))
        return SheetFormat::Html;
    return SheetFormat::Unknown;
}

ExportResult exportArmySheet(const Store& store, const SheetOptions& options, const QString& path,
                             SheetProgress* progress, QString* reason)
{
    const SheetFormat format = sheetFormatOf(path);
    if (format == SheetFormat::Unknown) {
        if (reason)
            *reason = QStringLiteral("The file's name must end in .pdf or .html.");
        return ExportResult::Failed;
    }
    const ArmySheet sheet = makeArmySheet(store, options);
    QByteArray bytes;
    const bool made = format == SheetFormat::Html
                          ? armySheetHtml(sheet, bytes, progress)
                          : armySheetPdf(sheet, localPageSize(), bytes, progress);
    if (!made)
        return ExportResult::Cancelled;
    if (progress && !progress->advance(1, 1))
        return ExportResult::Cancelled;
    return replaceFileWith(path, bytes, reason) ? ExportResult::Written : ExportResult::Failed;
}
