// The window commands of quarrimak-bench: "start", "picker FILE", "filter FILE", "type FILE" and
// "sheet FILE OUT".
#include "WindowCommands.h"

#include "BenchWork.h"

#include "document/ArmyDocument.h"
#include "store/Store.h"
#include "ui/catalogue/CatalogueDialog.h"
#include "ui/catalogue/Picker.h"
#include "ui/main/MainWindow.h"
#include "ui/main/RecoveryKeeper.h"
#include "ui/sheet/SheetExport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QThread>
#include <QWindow>
#include <cstdio>

namespace
{

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

int startCommand(int argc, char* argv[], const QElapsedTimer& processClock)
{
    QApplication application(argc, argv);
    ArmyDocument document;
    MainWindow mainWindow(document);
    mainWindow.showAndActivate();
    if (!waitUntilShown(mainWindow))
        return 1;
    return report("start", processClock);
}

int pickerCommand(int argc, char* argv[], const QString& path)
{
    QApplication application(argc, argv);
    Store store;
    loadArmy(store, path);
    EditorMemory memory;
    QElapsedTimer clock;
    clock.start();
    Picker picker(nullptr, store, CatalogueKind::Weapons, memory,
                  [&store](const ArmyChange& change) { change.apply(store); });
    picker.show();
    if (!waitUntilShown(picker))
        return 1;
    return report("picker", clock);
}

// The army sheet of the file written to OUT as Export Army Sheet writes it, timed from the loaded
// army to the file on disk.
int sheetCommand(int argc, char* argv[], const char* command, const QString& path,
                 const QString& out, bool allEntries)
{
    QApplication application(argc, argv);
    Store store;
    loadArmy(store, path);
    SheetOptions options;
    options.allEntries = allEntries;
    options.sourceFile = path;
    QElapsedTimer clock;
    clock.start();
    QString reason;
    if (exportArmySheet(store, options, out, nullptr, &reason) != ExportResult::Written) {
        std::fprintf(stderr, "sheet failed: %s\n", qPrintable(reason));
        return 1;
    }
    return report(command, clock);
}

// One key pressed and released in the filter field, until the window has painted what it
// shows then; milliseconds.
double keystroke(QWidget& window, QLineEdit& filter, int key, const QString& text)
{
    QElapsedTimer clock;
    clock.start();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(&filter, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(&filter, &release);
    window.repaint();
    QCoreApplication::processEvents();
    return double(clock.nsecsElapsed()) / 1e6;
}

// The slower of two keystrokes in the window's filter: the first letter, which narrows the
// whole list, and the Backspace that shows it all again.
double slowerKeystroke(QWidget& window, QLineEdit& filter)
{
    filter.setFocus();
    const double narrowing = keystroke(window, filter, Qt::Key_E, QStringLiteral("e"));
    const double widening = keystroke(window, filter, Qt::Key_Backspace, QString());
    return qMax(narrowing, widening);
}

// The filter field of the picker or the catalogue window, found by its name; null without one.
QLineEdit* filterEdit(const QWidget& window)
{
    return window.findChild<QLineEdit*>(QStringLiteral("filterEdit"));
}

// One filter keystroke in the picker and in the weapons window, on the army's weapons.
int filterCommand(int argc, char* argv[], const QString& path)
{
    QApplication application(argc, argv);
    Store store;
    loadArmy(store, path);
    EditorMemory memory;
    Picker picker(nullptr, store, CatalogueKind::Weapons, memory,
                  [&store](const ArmyChange& change) { change.apply(store); });
    picker.show();
    if (!waitUntilShown(picker))
        return 1;
    QLineEdit* pickerFilter = filterEdit(picker);
    if (!pickerFilter)
        return 1;
    std::printf("filter-picker %.1f ms\n", slowerKeystroke(picker, *pickerFilter));
    picker.hide();
    CatalogueDialog catalogue(nullptr, store, memory, CatalogueKind::Weapons,
                              [&store](const ArmyChange& change) { change.apply(store); });
    catalogue.show();
    if (!waitUntilShown(catalogue))
        return 1;
    QLineEdit* catalogueFilter = filterEdit(catalogue);
    if (!catalogueFilter)
        return 1;
    std::printf("filter-catalogue %.1f ms\n", slowerKeystroke(catalogue, *catalogueFilter));
    return 0;
}

// Keys typed into the army's name in the main window with the army of the file loaded, while
// the recovery copy of that army is being written: the program's own work per key, from the
// key's events to the window at rest again, pauses between keys not counted; milliseconds.
int typeCommand(int argc, char* argv[], const QString& path)
{
    QApplication application(argc, argv);
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
    ArmyDocument document;
    MainWindow mainWindow(document);
    mainWindow.showAndActivate();
    if (!waitUntilShown(mainWindow) || !mainWindow.loadFile(path))
        return 1;
    auto* nameEdit = mainWindow.findChild<QLineEdit*>(QStringLiteral("armyNameEdit"));
    if (!nameEdit)
        return 1;
    QLineEdit& edit = *nameEdit;
    edit.setFocus();
    edit.end(false);
    constexpr int keys = 100;
    double work = 0;
    double worst = 0;
    for (int i = 0; i < keys; ++i) {
        if (i == 0)
            mainWindow.recovery().keepCopy();
        const QString text(QChar(u'a' + i % 26));
        QElapsedTimer clock;
        clock.start();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A + i % 26, Qt::NoModifier, text);
        QCoreApplication::sendEvent(&edit, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_A + i % 26, Qt::NoModifier, text);
        QCoreApplication::sendEvent(&edit, &release);
        QCoreApplication::processEvents();
        double key = double(clock.nsecsElapsed()) / 1e6;
        // A user types about ten keys a second; what the program does meanwhile is the key's.
        QThread::msleep(20);
        clock.restart();
        QCoreApplication::processEvents();
        key += double(clock.nsecsElapsed()) / 1e6;
        work += key;
        worst = qMax(worst, key);
    }
    mainWindow.recovery().removeCopy();
    std::printf("type, worst key %.2f ms, per key %.3f ms\n", worst, work / keys);
    return 0;
}

} // namespace

extern "C" Q_DECL_EXPORT int quarrimakBenchWindowCommand(int argc, char* argv[],
                                                         const QElapsedTimer* processClock)
{
    const QString command = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (command == QLatin1String("start") && argc == 2)
        return startCommand(argc, argv, *processClock);
    if (command == QLatin1String("picker") && argc == 3)
        return pickerCommand(argc, argv, QString::fromLocal8Bit(argv[2]));
    const bool allEntries = argc == 5 && QLatin1String(argv[4]) == QLatin1String("--all-entries");
    if (command == QLatin1String("sheet") && (argc == 4 || allEntries))
        return sheetCommand(argc, argv, allEntries ? "sheet, all entries" : "sheet",
                            QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                            allEntries);
    if (command == QLatin1String("type") && argc == 3)
        return typeCommand(argc, argv, QString::fromLocal8Bit(argv[2]));
    if (command == QLatin1String("filter") && argc == 3)
        return filterCommand(argc, argv, QString::fromLocal8Bit(argv[2]));
    return 2;
}
