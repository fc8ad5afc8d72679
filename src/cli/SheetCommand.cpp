#include "cli/SheetCommand.h"

#include "cli/CommandLine.h"
#include "datafile/Loader.h"
#include "platform/IniFile.h"
#include "store/Store.h"
#include "ui/sheet/SheetExport.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

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
