#include "store/Store.h"
#include "ui/main/MainWindow.h"
#include "ui/main/WindowSet.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Quarrimak"));
    application.setQuitOnLastWindowClosed(false);

    Store store;
    WindowSet windows(store);
    windows.registry.mainWindow->showAndActivate();
    return application.exec();
}
