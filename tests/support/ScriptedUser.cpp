#include "support/ScriptedUser.h"

#include <QWidget>

ScriptedUser::ScriptedUser()
{
    installModalUser(this);
}

ScriptedUser::~ScriptedUser()
{
    installModalUser(nullptr);
}

void ScriptedUser::window(std::function<void(QWidget&)> act)
{
    steps.push_back({ShownModal::Kind::Window, std::move(act), QMessageBox::Ok, QString()});
}

void ScriptedUser::answer(QMessageBox::StandardButton button)
{
    steps.push_back({ShownModal::Kind::Message, nullptr, button, QString()});
}

void ScriptedUser::chooseFile(const QString& path, bool optionChecked, const QString& filter)
{
    steps.push_back(
        {ShownModal::Kind::FileDialog, nullptr, QMessageBox::Ok, path, optionChecked, filter});
}

QStringList ScriptedUser::messages() const
{
    QStringList messages;
    for (const ShownModal& modal : shownModals) {
        if (modal.kind == ShownModal::Kind::Message)
            messages << modal.caption + u'|' + modal.text;
    }
    return messages;
}

QStringList ScriptedUser::problems() const
{
    QStringList all = problemList;
    if (!steps.empty())
        all << QStringLiteral("%1 scripted steps were never used").arg(steps.size());
    return all;
}

bool ScriptedUser::takeStep(ShownModal::Kind kind, const QString& what, Step& step)
{
    if (steps.empty()) {
        problemList << QStringLiteral("no step for ") + what;
        return false;
    }
    if (steps.front().kind != kind) {
        problemList << QStringLiteral("the next step is of another kind than ") + what;
        return false;
    }
    step = std::move(steps.front());
    steps.pop_front();
    return true;
}

void ScriptedUser::playWindow(QWidget& window)
{
    shownModals.append({ShownModal::Kind::Window, window.windowTitle(), QString(), QMessageBox::Ok,
                        FileDialogRequest()});
    Step step;
    if (takeStep(ShownModal::Kind::Window, QStringLiteral("window ") + window.windowTitle(),
                 step) &&
        step.act)
        step.act(window);
}

QMessageBox::StandardButton ScriptedUser::playMessage(QWidget*, const QString& caption,
                                                      const QString& text,
                                                      QMessageBox::StandardButtons buttons)
{
    shownModals.append({ShownModal::Kind::Message, caption, text, buttons, FileDialogRequest()});
    Step step;
    if (!takeStep(ShownModal::Kind::Message, QStringLiteral("message ") + caption, step))
        return messageBoxEscapeButton(buttons);
    return step.answer;
}

QString ScriptedUser::playFileDialog(QWidget*, const FileDialogRequest& request,
                                     FileDialogChoice* choice)
{
    shownModals.append(
        {ShownModal::Kind::FileDialog, request.title, QString(), QMessageBox::Ok, request});
    Step step;
    if (!takeStep(ShownModal::Kind::FileDialog, QStringLiteral("dialog ") + request.title, step))
        return QString();
    if (choice) {
        choice->filter = step.filter.isEmpty() ? request.filters.value(0) : step.filter;
        choice->optionChecked = step.optionChecked;
    }
    return step.path;
}
