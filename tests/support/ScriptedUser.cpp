#include "support/ScriptedUser.h"

#include <QWidget>

ScriptedUser::ScriptedUser()
{
    InstallModalUser(this);
}

ScriptedUser::~ScriptedUser()
{
    InstallModalUser(nullptr);
}

void ScriptedUser::Window(std::function<void(QWidget&)> act)
{
    steps.push_back({ShownModal::Kind::Window, std::move(act), mrOk, QString()});
}

void ScriptedUser::Answer(int button)
{
    steps.push_back({ShownModal::Kind::Message, nullptr, button, QString()});
}

void ScriptedUser::ChooseFile(const QString& path)
{
    steps.push_back({ShownModal::Kind::FileDialog, nullptr, mrOk, path});
}

QStringList ScriptedUser::Messages() const
{
    QStringList messages;
    for (const ShownModal& modal : shown) {
        if (modal.kind == ShownModal::Kind::Message)
            messages << modal.caption + u'|' + modal.text;
    }
    return messages;
}

QStringList ScriptedUser::Problems() const
{
    QStringList all = problems;
    if (!steps.empty())
        all << QStringLiteral("%1 scripted steps were never used").arg(steps.size());
    return all;
}

bool ScriptedUser::TakeStep(ShownModal::Kind kind, const QString& what, Step& step)
{
    if (steps.empty()) {
        problems << QStringLiteral("no step for ") + what;
        return false;
    }
    if (steps.front().kind != kind) {
        problems << QStringLiteral("the next step is of another kind than ") + what;
        return false;
    }
    step = std::move(steps.front());
    steps.pop_front();
    return true;
}

void ScriptedUser::PlayWindow(QWidget& window)
{
    shown.append({ShownModal::Kind::Window, window.windowTitle(), QString(), MessageButtons::Ok,
                  FileDialogRequest()});
    Step step;
    if (TakeStep(ShownModal::Kind::Window, QStringLiteral("window ") + window.windowTitle(),
                 step) &&
        step.act)
        step.act(window);
}

int ScriptedUser::PlayMessage(QWidget*, const QString& caption, const QString& text,
                              MessageButtons buttons)
{
    shown.append({ShownModal::Kind::Message, caption, text, buttons, FileDialogRequest()});
    Step step;
    if (!TakeStep(ShownModal::Kind::Message, QStringLiteral("message ") + caption, step))
        return buttons == MessageButtons::YesNo ? mrNo : mrOk;
    return step.answer;
}

QString ScriptedUser::PlayFileDialog(QWidget*, const FileDialogRequest& request)
{
    shown.append(
        {ShownModal::Kind::FileDialog, request.title, QString(), MessageButtons::Ok, request});
    Step step;
    if (!TakeStep(ShownModal::Kind::FileDialog, QStringLiteral("dialog ") + request.title, step))
        return QString();
    return step.path;
}
