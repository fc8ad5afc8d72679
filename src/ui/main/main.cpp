#include "store/Store.h"
#include "ui/main/MainWindow.h"
#include "ui/main/Startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    describeApplication();
    const StartRequest request = readCommandLine(argc, argv);
    if (!request.sheetFile.isEmpty())
        return exportSheetFromCommandLine(argc, argv, request);
    if (!request.start)
        return request.exitStatus;

    QApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);
    Store store;
    MainWindow mainWindow(store);
    startEditor(mainWindow, request);
    return application.exec();
}
