#include "cli/CommandLine.h"

#include "cli/CheckCommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

namespace
{

StartRequest refuse(QTextStream& err, const QString& program, const QString& message,
                    int status = 1)
{
    err << program << ": " << message << '\n';
    err << "Try '" << program << " --help' for more information.\n";
    err.flush();
    return {false, status, {}};
}

// A check asked for on a command line that cannot be followed ends with the status of a file
// that cannot be checked, so that a script never takes it for a file with errors.
int refusalStatus(const QStringList& arguments)
{
    return arguments.contains(QStringLiteral("--check")) ? 2 : 1;
}

// Why `file` cannot be opened as a datafile, or the empty text when it can be read.
QString unreadableReason(const QFileInfo& file)
{
    const QString quoted = u'"' + file.filePath() + u'"';
    if (file.isDir())
        return quoted + QStringLiteral(" is a folder, not a datafile.");
    if (!file.isReadable())
        return quoted + QStringLiteral(" cannot be read: permission denied.");
    return {};
}

} // namespace

StartRequest readCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const QString program =
        arguments.isEmpty() ? QStringLiteral("quarrimak") : QFileInfo(arguments[0]).fileName();
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Builds the army datafile (vhold.ini) that the roster program Musterant "
                       "reads.\nWith FILE, the editor starts with that datafile loaded."));
    // Not the parser's own help option: it also offers help on Qt's options, which this
    // command line does not take.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption exportSheet(
        QStringLiteral("export-sheet"),
        QStringLiteral("Writes the army sheet of FILE to OUT, a .pdf or .html file, and ends "
                       "without opening a window."),
        QStringLiteral("OUT"));
    parser.addOption(exportSheet);
    const QCommandLineOption allEntries(
        QStringLiteral("all-entries"),
        QStringLiteral("With --export-sheet: every catalogue entry, not only those the troops "
                       "use."));
    parser.addOption(allEntries);
    const QCommandLineOption check(
        QStringLiteral("check"),
        QStringLiteral("Checks the datafile FILE without a window and prints one line per "
                       "problem, FILE:LINE: error: or warning:, then the count. Exit status 0 "
                       "without errors, 1 with errors, 2 when FILE cannot be read as a "
                       "datafile."),
        QStringLiteral("FILE"));
    parser.addOption(check);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A datafile to load."),
                                 QStringLiteral("[FILE]"));

    if (!parser.parse(arguments))
        return refuse(err, program, parser.errorText(), refusalStatus(arguments));
    if (parser.isSet(help)) {
        out << parser.helpText();
        out.flush();
        return {false, 0, {}};
    }
    if (parser.isSet(version)) {
        out << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion()
            << '\n';
        out.flush();
        return {false, 0, {}};
    }
    const QStringList files = parser.positionalArguments();
    if (parser.isSet(check)) {
        if (!files.isEmpty())
            return refuse(err, program, QStringLiteral("--check takes one FILE and no other."), 2);
        return {false, checkDatafile(program, parser.value(check), out, err), {}};
    }
    if (files.size() > 1)
        return refuse(err, program, QStringLiteral("only one FILE can be loaded at a time."));
    if (parser.isSet(allEntries) && !parser.isSet(exportSheet))
        return refuse(err, program, QStringLiteral("--all-entries goes with --export-sheet."));
    if (parser.isSet(exportSheet)) {
        if (files.isEmpty())
            return refuse(err, program, QStringLiteral("--export-sheet needs the FILE to export."));
        StartRequest request{false, 0, files[0], false};
        request.sheetFile = parser.value(exportSheet);
        request.allEntries = parser.isSet(allEntries);
        return request;
    }
    if (files.isEmpty())
        return {};
    const QFileInfo file(files[0]);
    if (!file.exists())
        return {true, 0, file.absoluteFilePath(), true};
    // A file that cannot be read is said so here and, once the main window shows, in a window.
    const QString reason = unreadableReason(file);
    if (!reason.isEmpty()) {
        err << program << ": " << reason << '\n';
        err.flush();
    }
    return {true, 0, file.absoluteFilePath(), false};
}

StartRequest readCommandLine(int& argc, char** argv)
{
    // The parser names the program after the application's first argument, so a windowless
    // application stands in until the command line is read.
    QCoreApplication commandLine(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return readCommandLine(QCoreApplication::arguments(), out, err);
}
