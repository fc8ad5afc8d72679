#include "ui/sheet/SheetExport.h"

#include "datafile/Loader.h"
#include "platform/DatafileOutput.h"
#include "platform/IniFile.h"
#include "store/Store.h"
#include "ui/sheet/SheetPages.h"

#include <QFileInfo>
#include <QTextStream>

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

namespace
{

class NoProgress : public LoadProgress
{
public:
    void armyRead() override {}
    void troopRead(int) override {}
    void raceMissing() override {}
};

} // namespace

int exportSheetCommand(const QString& out, const QString& file, bool allEntries, QTextStream& err)
{
    const QString program = QStringLiteral("quarrimak: ");
    if (sheetFormatOf(out) == SheetFormat::Unknown) {
        err << program << "the sheet's file \"" << out << "\" must end in .pdf or .html.\n";
        return 1;
    }
    QString reason;
    const IniFile ini = IniFile::read(file, &reason);
    if (!reason.isEmpty()) {
        err << program << '"' << file << "\" cannot be read: " << reason << '\n';
        return 2;
    }
    Store store;
    NoProgress progress;
    if (!loadDatafile(store, ini, progress).raceFound) {
        err << program << '"' << file << "\" is not a datafile: it has no [Race] section.\n";
        return 2;
    }
    SheetOptions options;
    options.allEntries = allEntries;
    options.sourceFile = QFileInfo(file).fileName();
    if (exportArmySheet(store, options, out, nullptr, &reason) != ExportResult::Written) {
        err << program << '"' << out << "\" cannot be written: " << reason << '\n';
        return 2;
    }
    return 0;
}
