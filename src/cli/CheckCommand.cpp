#include "cli/CheckCommand.h"

#include "cli/ProblemText.h"
#include "datafile/ArmyCheck.h"
#include "datafile/Loader.h"
#include "platform/IniFile.h"
#include "store/Store.h"

#include <QLocale>
#include <QTextStream>
#include <algorithm>

int checkDatafile(const QString& program, const QString& path, QTextStream& out, QTextStream& err)
{
    QString reason;
    const IniFile file = IniFile::read(path, &reason);
    if (reason.isEmpty() && !file.hasSection(QStringLiteral("Race")))
        reason = QStringLiteral("no [Race] section: this is not a datafile");
    if (!reason.isEmpty()) {
        err << program << ": " << path << ": " << reason << '\n';
        err.flush();
        return 2;
    }
    class Silent : public LoadProgress
    {
    public:
        void armyRead() override {}
        void troopRead(int) override {}
        void raceMissing() override {}
    } progress;
    Store store;
    const LoadOutcome outcome = loadDatafile(store, file, progress);
    std::vector<Problem> problems = checkArmy(store);
    for (Problem& dropped : checkDroppedLines(outcome))
        problems.push_back(std::move(dropped));
    const DatafileLines lines(file);
    int errors = 0;
    for (const Problem& problem : problems) {
        const bool error = problem.severity() == Problem::Severity::Error;
        errors += error;
        out << path << ':' << lines.lineOf(store, problem.place)
            << (error ? ": error: " : ": warning: ");
        if (problem.place.part == ProblemPlace::Part::Troop)
            out << troopLabel(store.troops[size_t(problem.place.slot)]) << ": ";
        out << problemText(problem);
        if (problem.otherPlace) {
            const int line = lines.lineOf(store, problem.place);
            const int otherLine = lines.lineOf(store, *problem.otherPlace);
            out << " (lines " << std::min(line, otherLine) << " and " << std::max(line, otherLine)
                << ')';
        }
        out << '\n';
    }
    QLocale plainDigits = QLocale::c();
    plainDigits.setNumberOptions(QLocale::OmitGroupSeparator);
    out << problemCountText(errors, int(problems.size()) - errors, plainDigits) << '\n';
    out.flush();
    return errors > 0 ? 1 : 0;
}
