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
#include "platform/DatafileOutput.h"
#include "store/ArmyHistory.h"
#include "store/Store.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <dlfcn.h>

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

// One step of the history on the army of the file, as the editor takes it: a troop changed in
// the wizard and recorded; then undone, or undone and made again, each with the datafile made
// that tells whether the army is saved.
int historyCommand(const QString& step, const QString& path)
{
    Store store;
    loadArmy(store, path);
    ArmyHistory history({store, path, QByteArray()});
    QElapsedTimer clock;
    const auto change = [&store] {
        Troop& troop = store.troops[0];
        if (!troop.standardWeapons)
            troop.standardWeapons = store.newSortedList();
        troop.standardWeapons->add(QStringLiteral("Bench blade"));
    };
    const auto restore = [&store](const ArmyState& state) {
        store = state.army;
        QByteArray bytes;
        encodeDatafile(store, bytes, nullptr);
        return bytes.size();
    };
    change();
    if (step == QLatin1String("record"))
        clock.start();
    history.record(QStringLiteral("Change Troop"), {store, path, QByteArray()});
    if (step == QLatin1String("record"))
        return report("record", clock);
    if (step == QLatin1String("undo"))
        clock.start();
    restore(history.undo());
    if (step == QLatin1String("undo"))
        return report("undo", clock);
    clock.start();
    restore(history.redo());
    return report("redo", clock);
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
    if (command == QLatin1String("recovery") && arguments.size() == 2)
        return recoveryCommand(arguments[0], arguments[1]);
    if (command == QLatin1String("check") && arguments.size() == 1)
        return checkCommand(arguments[0]);
    if ((command == QLatin1String("start") && arguments.isEmpty()) ||
        ((command == QLatin1String("picker") || command == QLatin1String("filter")) &&
         arguments.size() == 1) ||
        (command == QLatin1String("sheet") && (arguments.size() == 2 || arguments.size() == 3)))
        return windowCommand(argc, argv);
    if (command == QLatin1String("generate"))
        return generateCommand(arguments);
    return usage();
}
