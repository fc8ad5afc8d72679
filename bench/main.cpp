// quarrimak-bench: each command does one piece of the editor's work once, as the editor does it,
// prints its own elapsed milliseconds on one line and exits, so that it can be timed from
// outside as a whole process. The headless commands link Qt Core alone; "start" and "picker"
// load the window commands' module beside this program first.
#include "ArmyGenerator.h"
#include "BenchWork.h"
#include "WindowCommands.h"
#include "datafile/ArmyCheck.h"
#include "datafile/Recovery.h"
#include "datafile/Writer.h"
#include "document/ArmyDocument.h"
#include "platform/DatafileOutput.h"
#include "store/CatalogueUse.h"
#include "store/Store.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <dlfcn.h>
#include <malloc.h>
#include <unistd.h>

namespace
{

QElapsedTimer processClock;

int usage()
{
    std::fprintf(stderr, "usage: quarrimak-bench load FILE\n"
                         "       quarrimak-bench save FILE OUT\n"
                         "       quarrimak-bench start\n"
                         "       quarrimak-bench picker FILE\n"
                         "       quarrimak-bench record|undo|redo FILE\n"
                         "       quarrimak-bench history-memory renames|loads FILE\n"
                         "       quarrimak-bench type FILE\n"
                         "       quarrimak-bench recovery FILE FOLDER\n"
                         "       quarrimak-bench sheet FILE OUT.pdf|OUT.html [--all-entries]\n"
                         "       quarrimak-bench check FILE\n"
                         "       quarrimak-bench filter FILE\n"
                         "       quarrimak-bench generate max|big|sized MB OUT\n");
    return 2;
}

int loadCommand(const QString& path)
{
    QElapsedTimer clock;
    clock.start();
    Store store;
    loadArmy(store, path);
    return report("load", clock);
}

int saveCommand(const QString& path, const QString& out)
{
    Store store;
    loadArmy(store, path);
    QElapsedTimer clock;
    clock.start();
    QString reason;
    if (!writeDatafile(out, store, &reason)) {
        std::fprintf(stderr, "save failed: %s\n", qPrintable(reason));
        return 1;
    }
    return report("save", clock);
}

class Unwatched : public LoadWatcher
{
public:
    void armyRead(const Army&) override {}
    void troopRead(int) override {}
    void raceMissing() override {}
};

double msSince(const QElapsedTimer& clock)
{
    return double(clock.nsecsElapsed()) / 1e6;
}

// The catalogue window's Rename of the weapon at the index, far across the catalogue, as one
// step of the document.
void renameWeapon(ArmyDocument& document, int index)
{
    const QString line = (*document.army().weaponCatalogue)[index];
    const QString name = line.section(u',', 0, 0);
    document.apply(QStringLiteral("Rename Weapon \"%1\"").arg(name), [name, index](Store& army) {
        renameEntry(army, CatalogueKind::Weapons, index, QStringLiteral("~") + name);
    });
}

// A step of the document's history on the army of the file: recording it, taking it back or
// making it again. The figure is the worst of two steps: a weapon renamed (the entry and every
// troop line naming it) in the army of the file, and a Load of the file over a new army (named
// first, since a Load into the untouched new army is no step).
int historyCommand(const QString& step, const QString& path)
{
    Unwatched quiet;
    Store loaded;
    QByteArray bytes;
    ArmyDocument::read(path, quiet, loaded, bytes);
    ArmyDocument renamed;
    renamed.startFrom(loaded);
    ArmyDocument emptied;
    emptied.apply(QStringLiteral("Army Name"), [](Store& army) { army.army.name = "NEW"; });
    double record = 0, undo = 0, redo = 0;
    const auto time = [](double& worst, const std::function<void()>& work) {
        QElapsedTimer clock;
        clock.start();
        work();
        worst = qMax(worst, msSince(clock));
    };
    time(record, [&] { renameWeapon(renamed, renamed.army().weaponCatalogue->count() / 2); });
    time(undo, [&] { renamed.undo(); });
    time(redo, [&] { renamed.redo(); });
    time(record, [&] { emptied.takeLoaded(path, loaded, bytes); });
    time(undo, [&] { emptied.undo(); });
    time(redo, [&] { emptied.redo(); });
    const double figure = step == QLatin1String("record") ? record
                          : step == QLatin1String("undo") ? undo
                                                          : redo;
    std::printf("%s %.1f ms\n", qPrintable(step), figure);
    return 0;
}

// The program's resident memory, after what was freed went back to the system.
double residentMiB()
{
    malloc_trim(0);
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1
               ? double(fields[1].toLongLong()) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0)
               : 0;
}

// The memory the history takes: after 100 weapons of the army of the file are renamed, or after
// the file is loaded 100 times, the history's own count and then the resident memory above the
// loaded army, both in MiB.
int historyMemoryCommand(const QString& kind, const QString& path)
{
    Unwatched quiet;
    ArmyDocument document;
    if (document.load(path, quiet).status != ArmyDocument::LoadStatus::Loaded) {
        std::fprintf(stderr, "cannot load %s\n", qPrintable(path));
        return 1;
    }
    const double before = residentMiB();
    const int weapons = document.army().weaponCatalogue->count();
    for (int i = 0; i < 100; ++i) {
        if (kind == QLatin1String("loads"))
            document.load(path, quiet);
        else
            renameWeapon(document, (i * 997) % qMax(1, weapons - 100));
    }
    std::printf("history %d steps, %.1f MiB\n", document.stepCount(),
                double(document.historyBytes()) / (1024.0 * 1024.0));
    std::printf("resident above the loaded army %.1f MiB\n", residentMiB() - before);
    return 0;
}

// The recovery copy of the army of the file, written as the editor writes it.
int recoveryCommand(const QString& path, const QString& folder)
{
    Store store;
    loadArmy(store, path);
    RecoveryFile copy(folder);
    QElapsedTimer clock;
    clock.start();
    QString reason;
    if (!copy.write({store, false, path, QDateTime::currentDateTime()}, &reason)) {
        std::fprintf(stderr, "recovery copy failed: %s\n", qPrintable(reason));
        return 1;
    }
    const int status = report("recovery", clock);
    copy.remove();
    return status;
}

// The army check of a loaded army, as Army > Check runs it.
int checkCommand(const QString& path)
{
    Store store;
    loadArmy(store, path);
    QElapsedTimer clock;
    clock.start();
    const std::vector<Problem> problems = checkArmy(store);
    if (problems.empty())
        std::fprintf(stderr, "the check found nothing\n");
    return report("check", clock);
}

// Runs a window command from the module beside this program.
int windowCommand(int argc, char* argv[])
{
    const QString folder = QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).path();
    const QByteArray module =
        QFile::encodeName(folder + QStringLiteral("/quarrimak-bench-windows.so"));
    void* handle = dlopen(module.constData(), RTLD_LAZY | RTLD_LOCAL);
    const auto command =
        handle ? reinterpret_cast<WindowCommand>(dlsym(handle, QUARRIMAK_WINDOW_COMMAND_SYMBOL))
               : nullptr;
    if (!command) {
        std::fprintf(stderr, "cannot load %s: %s\n", module.constData(), dlerror());
        return 1;
    }
    const int status = command(argc, argv, &processClock);
    return status == 2 ? usage() : status;
}

int generateCommand(const QStringList& arguments)
{
    ArmyShape shape;
    const QString kind = arguments.value(0);
    if (kind == QLatin1String("max") && arguments.size() == 2) {
        shape = maximalArmy();
    } else if (kind == QLatin1String("big") && arguments.size() == 2) {
        shape = bigArmy();
    } else if (kind == QLatin1String("sized") && arguments.size() == 3) {
        bool ok = false;
        const double megabytes = arguments[1].toDouble(&ok);
        if (!ok || megabytes <= 0 || megabytes > 4096)
            return usage();
        shape = sizedArmy(megabytes);
    } else {
        return usage();
    }
    QElapsedTimer clock;
    clock.start();
    QFile file(arguments.last());
    const QByteArray bytes = generateArmy(shape);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(arguments.last()));
        return 1;
    }
    return report("generate", clock);
}

} // namespace

int main(int argc, char* argv[])
{
    processClock.start();
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (arguments.isEmpty())
        return usage();
    const QString command = arguments.takeFirst();
    if (command == QLatin1String("load") && arguments.size() == 1)
        return loadCommand(arguments[0]);
    if (command == QLatin1String("save") && arguments.size() == 2)
        return saveCommand(arguments[0], arguments[1]);
    if ((command == QLatin1String("record") || command == QLatin1String("undo") ||
         command == QLatin1String("redo")) &&
        arguments.size() == 1)
        return historyCommand(command, arguments[0]);
    if (command == QLatin1String("history-memory") && arguments.size() == 2 &&
        (arguments[0] == QLatin1String("renames") || arguments[0] == QLatin1String("loads")))
        return historyMemoryCommand(arguments[0], arguments[1]);
    if (command == QLatin1String("recovery") && arguments.size() == 2)
        return recoveryCommand(arguments[0], arguments[1]);
    if (command == QLatin1String("check") && arguments.size() == 1)
        return checkCommand(arguments[0]);
    if ((command == QLatin1String("start") && arguments.isEmpty()) ||
        ((command == QLatin1String("picker") || command == QLatin1String("filter") ||
          command == QLatin1String("type")) &&
         arguments.size() == 1) ||
        (command == QLatin1String("sheet") && (arguments.size() == 2 || arguments.size() == 3)))
        return windowCommand(argc, argv);
    if (command == QLatin1String("generate"))
        return generateCommand(arguments);
    return usage();
}
