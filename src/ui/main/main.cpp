#include "cli/CommandLine.h"
#include "cli/SheetCommand.h"
#include "document/ArmyDocument.h"
#include "platform/Console.h"
#include "ui/main/MainWindow.h"
#include "ui/main/Startup.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    attachParentConsole();
    describeApplication();
    const StartRequest request = readCommandLine(argc, argv);
    if (!request.sheetFile.isEmpty())
        return exportSheetFromCommandLine(argc, argv, request);
    if (!request.start)
        return request.exitStatus;

    QApplication application(argc, argv);
    QIcon icon;
    for (const int size : {16, 32, 48, 256})
        icon.addFile(QStringLiteral(":/icons/program/quarrimak-%1.png").arg(size));
    QApplication::setWindowIcon(icon);
    application.setQuitOnLastWindowClosed(false);
    ArmyDocument document;
    MainWindow mainWindow(document);
    startEditor(mainWindow, request, RecoveryFile::defaultFolder());
    return application.exec();
}
