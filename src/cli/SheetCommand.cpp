#include "cli/SheetCommand.h"

#include "cli/CommandLine.h"
#include "document/ArmyDocument.h"
#include "ui/sheet/SheetExport.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

namespace
{

class NoProgress : public LoadWatcher
{
public:
    void armyRead(const Army&) override {}
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
    // The army as the main window would show it loaded, its name in capitals.
    Store store;
    QByteArray bytes;
    NoProgress progress;
    const ArmyDocument::LoadResult loaded = ArmyDocument::read(file, progress, store, bytes);
    if (loaded.status == ArmyDocument::LoadStatus::NotADatafile) {
        err << program << '"' << file << "\" is not a datafile: it has no [Race] section.\n";
        return 2;
    }
    if (loaded.status != ArmyDocument::LoadStatus::Loaded) {
        err << program << '"' << file << "\" cannot be read: " << loaded.reason << '\n';
        return 2;
    }
    QString reason;
    SheetOptions options;
    options.allEntries = allEntries;
    options.sourceFile = QFileInfo(file).fileName();
    if (exportArmySheet(store, options, out, nullptr, &reason) != ExportResult::Written) {
        err << program << '"' << out << "\" cannot be written: " << reason << '\n';
        return 2;
    }
    return 0;
}

int exportSheetFromCommandLine(int& argc, char** argv, const StartRequest& request)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // No display: the sheet is laid out and written all the same.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    QGuiApplication application(argc, argv);
    QTextStream err(stderr);
    const int status = exportSheetCommand(request.sheetFile, request.file, request.allEntries, err);
    err.flush();
    return status;
}
