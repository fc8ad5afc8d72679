#include "support/ModalAnswer.h"

#include <QApplication>

ModalAnswer::ModalAnswer()
{
    poll.setInterval(10);
    connect(&poll, &QTimer::timeout, this, &ModalAnswer::look);
}

void ModalAnswer::start(std::function<bool(QWidget*)> matchesShown,
                        std::function<void(QWidget&)> actInShown, const QString& expectedClass,
                        int timeoutMs)
{
    matches = std::move(matchesShown);
    act = std::move(actInShown);
    expected = expectedClass;
    timeout = timeoutMs;
    done = false;
    leftOpen = false;
    answeredWindow = nullptr;
    seenInstead.clear();
    clock.start();
    poll.start();
}

QString ModalAnswer::failure() const
{
    if (leftOpen)
        return QStringLiteral("the %1 was still open %2 s after it was answered")
            .arg(expected)
            .arg(timeout / 1000);
    if (done)
        return QString();
    QString text = QStringLiteral("no %1 came up within %2 s").arg(expected).arg(timeout / 1000);
    if (!seenInstead.isEmpty())
        text += QStringLiteral("; on top instead: ") + seenInstead;
    return text;
}

void ModalAnswer::look()
{
    if (done) {
        if (!answeredWindow || !answeredWindow->isVisible()) {
            poll.stop();
        } else if (clock.elapsed() >= timeout) {
            poll.stop();
            leftOpen = true;
            answeredWindow->close();
        }
        return;
    }
    QWidget* top = QApplication::activeModalWidget();
    if (top && top->isVisible() && matches(top)) {
        done = true;
        answeredWindow = top;
        act(*top);
        clock.restart();
        return;
    }
    if (top)
        seenInstead = top->windowTitle();
    if (clock.elapsed() < timeout)
        return;
    poll.stop();
    for (int i = 0; i < 10 && QApplication::activeModalWidget(); ++i)
        QApplication::activeModalWidget()->close();
}
