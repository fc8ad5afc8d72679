// quarrimak-bench: each command does one piece of the editor's work once, as the editor does it,
// prints its own elapsed milliseconds on one line and exits, so that it can be timed from
// outside as a whole process.
#include "ArmyGenerator.h"
#include "datafile/Loader.h"
#include "datafile/Writer.h"
#include "platform/DatafileOutput.h"
#include "platform/IniFile.h"
#include "store/Store.h"
#include "ui/catalogue/Picker.h"
#include "ui/main/MainWindow.h"
#include "ui/main/WindowSet.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QWindow>
#include <cstdio>

namespace
{

QElapsedTimer processClock;

int usage()
{
    std::fprintf(stderr, "usage: quarrimak-bench load FILE\n"
                         "       quarrimak-bench save FILE OUT\n"
                         "       quarrimak-bench start\n"
                         "       quarrimak-bench picker FILE\n"
                         "       quarrimak-bench generate max|big|sized MB OUT\n");
    return 2;
}

int report(const char* command, const QElapsedTimer& clock)
{
    std::printf("%s %.1f ms\n", command, double(clock.nsecsElapsed()) / 1e6);
    return 0;
}

// Progress goes nowhere: the load runs headless.
class SilentProgress : public LoadProgress
{
public:
    void armyRead() override {}
    void troopRead(int) override {}
    void raceMissing() override {}
};

void load(Store& store, const QString& path)
{
    SilentProgress progress;
    loadDatafile(store, IniFile::read(path), progress);
}

// Waits (bounded) until the window system shows the window, then lets it paint once.
bool waitUntilShown(QWidget& window)
{
    QElapsedTimer bound;
    bound.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed())) {
        if (bound.elapsed() > 10000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    QCoreApplication::processEvents();
    return true;
}

int loadCommand(const QString& path)
{
    QElapsedTimer clock;
    clock.start();
    Store store;
    setUpStore(store);
    load(store, path);
    return report("load", clock);
}

int saveCommand(const QString& path, const QString& out)
{
    Store store;
    setUpStore(store);
    load(store, path);
    QElapsedTimer clock;
    clock.start();
    QString reason;
    if (!writeDatafile(out, store, &reason)) {
        std::fprintf(stderr, "save failed: %s\n", qPrintable(reason));
        return 1;
    }
    return report("save", clock);
}

int startCommand(int argc, char* argv[])
{
    QApplication application(argc, argv);
    Store store;
    WindowSet windows(store);
    windows.registry.mainWindow->showAndActivate();
    if (!waitUntilShown(*windows.registry.mainWindow))
        return 1;
    return report("start", processClock);
}

int pickerCommand(int argc, char* argv[], const QString& path)
{
    QApplication application(argc, argv);
    Store store;
    WindowSet windows(store);
    load(store, path);
    QElapsedTimer clock;
    clock.start();
    store.listMode = ListMode::StandardWeapons;
    Picker& picker = *windows.registry.picker;
    picker.offer(store.weaponCatalogue.get());
    picker.show();
    if (!waitUntilShown(picker))
        return 1;
    return report("picker", clock);
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
    if (command == QLatin1String("start") && arguments.isEmpty())
        return startCommand(argc, argv);
    if (command == QLatin1String("picker") && arguments.size() == 1)
        return pickerCommand(argc, argv, arguments[0]);
    if (command == QLatin1String("generate"))
        return generateCommand(arguments);
    return usage();
}
