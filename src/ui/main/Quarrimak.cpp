#include "store/ComVars.h"
#include "ui/main/Main.h"
#include "ui/main/Startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Quarrimak"));
    application.setQuitOnLastWindowClosed(false);

    Store store;
    FormSet windows(store);
    windows.forms.Form1->Show();
    return application.exec();
}
