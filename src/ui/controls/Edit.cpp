#include "ui/controls/Edit.h"

#include "platform/CodePage.h"

#include <QFocusEvent>

QString UpperCaseText(const QString& text)
{
    QString upper = text;
    for (QChar& c : upper)
        c = UpperWindows1252(c);
    return upper;
}

Edit::Edit(QWidget* parent, const QString& text) : QLineEdit(text, parent)
{
    connect(this, &QLineEdit::textChanged, this, &Edit::TextChanged);
}

void Edit::SetUpperCase(bool on)
{
    upperCase = on;
    if (on)
        TextChanged(text());
}

void Edit::TextChanged(const QString& value)
{
    if (upperCase) {
        const QString upper = UpperCaseText(value);
        if (upper != value) {
            const int cursor = cursorPosition();
            setText(upper);
            setCursorPosition(cursor);
            return;
        }
    }
    emit Change();
}

void Edit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        emit Exit();
}
