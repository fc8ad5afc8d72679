#include "store/Store.h"
#include "ui/main/Startup.h"
#include "ui/main/WindowSet.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    describeApplication();
    const StartRequest request = readCommandLine(argc, argv);
    if (!request.start)
        return request.exitStatus;

    QApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);
    Store store;
    WindowSet windows(store);
    startEditor(windows.registry, request.file);
    return application.exec();
}
