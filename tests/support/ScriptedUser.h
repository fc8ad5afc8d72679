#pragma once

#include "platform/Modal.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <deque>
#include <functional>

// What a modal thing showed the scripted user.
struct ShownModal {
    enum class Kind { Window, Message, FileDialog };
    Kind kind;
    QString caption; // window caption, message caption or dialog title
    QString text;    // message text
    MessageButtons buttons = MessageButtons::Ok;
    FileDialogRequest file;
};

// Plays the user inside modal windows, message boxes and file dialogs for a test: each modal
// thing that opens takes the next step of the queue. A modal thing with no step, or with a
// step of another kind, is answered with Cancel (No for questions) and noted in Problems, so a
// test never hangs.
class ScriptedUser : public ModalUser
{
public:
    ScriptedUser();
    ~ScriptedUser() override;

    // The next modal window: the step acts in it through its widgets and gives it a result.
    void Window(std::function<void(QWidget&)> act);
    template <typename W> void WindowOf(std::function<void(W&)> act)
    {
        Window([act, this](QWidget& shown) {
            if (auto* window = qobject_cast<W*>(&shown))
                act(*window);
            else
                problems << QStringLiteral("unexpected window ") + shown.windowTitle();
        });
    }
    // The next message box is answered with mrOk, mrYes or mrNo.
    void Answer(int button);
    // The next file dialog yields this path; the empty path cancels it.
    void ChooseFile(const QString& path);

    const QList<ShownModal>& Shown() const { return shown; }
    QStringList Messages() const; // "caption|text" of every message shown
    QStringList Problems() const;
    int StepsLeft() const { return int(steps.size()); }

    void PlayWindow(QWidget& window) override;
    int PlayMessage(QWidget* parent, const QString& caption, const QString& text,
                    MessageButtons buttons) override;
    QString PlayFileDialog(QWidget* parent, const FileDialogRequest& request) override;

private:
    struct Step {
        ShownModal::Kind kind;
        std::function<void(QWidget&)> act;
        int answer = mrOk;
        QString path;
    };

    bool TakeStep(ShownModal::Kind kind, const QString& what, Step& step);

    std::deque<Step> steps;
    QList<ShownModal> shown;
    QStringList problems;
};
