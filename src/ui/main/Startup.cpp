#include "ui/main/Startup.h"

#include "ui/main/MainWindow.h"

#include <QCoreApplication>
#include <QGuiApplication>

void describeApplication()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Quarrimak"));
    QCoreApplication::setApplicationName(QStringLiteral("Quarrimak"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUARRIMAK_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(QUARRIMAK_APPLICATION_ID));
}

void startEditor(MainWindow& mainWindow, const StartRequest& request, const QString& recoveryFolder)
{
    mainWindow.showAndActivate();
    if (!recoveryFolder.isEmpty())
        mainWindow.offerRecovery(recoveryFolder);
    if (request.newFile)
        mainWindow.startNewFile(request.file);
    else if (!request.file.isEmpty())
        mainWindow.loadFile(request.file);
}
