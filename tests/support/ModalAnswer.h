#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>

// Plays the user in one real modal window: it waits for a modal window of the expected class to
// come up on top, however long the machine takes (up to a bound), then acts in it. When none comes
// up in time, or the window is still open that long after the act, the modal windows are closed,
// so the test goes on and fails with a clear message instead of hanging.
class ModalAnswer : public QObject
{
public:
    static constexpr int defaultTimeoutMs = 60000;

    ModalAnswer();

    template <typename W, typename Act>
    void expect(Act actInWindow, int timeoutMs = defaultTimeoutMs)
    {
        start([](QWidget* shown) { return qobject_cast<W*>(shown) != nullptr; },
              [actInWindow](QWidget& shown) { actInWindow(static_cast<W&>(shown)); },
              QString::fromLatin1(W::staticMetaObject.className()), timeoutMs);
    }

    bool answered() const { return done && !leftOpen; }
    // Why the window was not answered; empty once it was.
    QString failure() const;

private:
    void start(std::function<bool(QWidget*)> matches, std::function<void(QWidget&)> act,
               const QString& expected, int timeoutMs);
    void look();

    QTimer poll;
    QElapsedTimer clock;
    int timeout = defaultTimeoutMs;
    std::function<bool(QWidget*)> matches;
    std::function<void(QWidget&)> act;
    QString expected;
    QString seenInstead;
    QPointer<QWidget> answeredWindow;
    bool done = false;
    bool leftOpen = false;
};
