#pragma once

#include "ui/Modal.h"

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
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    FileDialogRequest file;
};

// Plays the user inside modal windows, message boxes and file dialogs for a test: each modal
// thing that opens takes the next step of the queue. A modal thing with no step, or with a
// step of another kind, is answered as Esc would answer it and noted in problems(), so a test
// never hangs.
class ScriptedUser : public ModalUser
{
public:
    ScriptedUser();
    ~ScriptedUser() override;

    // The next modal window: the step acts in it through its widgets and gives it a result.
    void window(std::function<void(QWidget&)> act);
    template <typename W> void windowOf(std::function<void(W&)> act)
    {
        window([act, this](QWidget& shown) {
            if (auto* window = qobject_cast<W*>(&shown))
                act(*window);
            else
                problemList << QStringLiteral("unexpected window ") + shown.windowTitle();
        });
    }
    // The next message box is answered with QMessageBox::Ok, Yes, No or Cancel.
    void answer(QMessageBox::StandardButton button);
    // The next file dialog yields this path; the empty path cancels it. Its check box is left
    // as optionChecked says, and the filter chosen is the given one or else the first.
    void chooseFile(const QString& path, bool optionChecked = false,
                    const QString& filter = QString());

    const QList<ShownModal>& shown() const { return shownModals; }
    QStringList messages() const; // "caption|text" of every message shown
    QStringList problems() const;
    int stepsLeft() const { return int(steps.size()); }

    void playWindow(QWidget& window) override;
    QMessageBox::StandardButton playMessage(QWidget* parent, const QString& caption,
                                            const QString& text,
                                            QMessageBox::StandardButtons buttons) override;
    QString playFileDialog(QWidget* parent, const FileDialogRequest& request,
                           FileDialogChoice* choice) override;

private:
    struct Step {
        ShownModal::Kind kind;
        std::function<void(QWidget&)> act;
        QMessageBox::StandardButton answer = QMessageBox::Ok;
        QString path;
        bool optionChecked = false;
        QString filter = QString();
    };

    bool takeStep(ShownModal::Kind kind, const QString& what, Step& step);

    std::deque<Step> steps;
    QList<ShownModal> shownModals;
    QStringList problemList;
};
