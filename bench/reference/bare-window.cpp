// The reference for start-up: a bare Qt Widgets window, shown, and the process ends as soon as
// the window system shows it.
#include <QApplication>
#include <QWidget>
#include <QWindow>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(331, 235);
    window.show();
    while (!(window.windowHandle() && window.windowHandle()->isExposed()))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
    return 0;
}
