#include "ui/controls/LineEdit.h"

#include "platform/CodePage.h"

#include <QApplication>
#include <QFocusEvent>
#include <limits>

QString upperCaseText(const QString& text)
{
    QString upper = text;
    for (QChar& c : upper)
        c = upperWindows1252(c);
    return upper;
}

// A text of any length is held whole: a datafile may hold longer texts than Qt's edits take
// by default.
LineEdit::LineEdit(QWidget* parent, const QString& text) : QLineEdit(parent)
{
    setMaxLength(std::numeric_limits<int>::max());
    setText(text);
    connect(this, &QLineEdit::textChanged, this, &LineEdit::applyUpperCase);
}

void LineEdit::setUpperCase(bool on)
{
    upperCase = on;
    if (on)
        applyUpperCase(text());
}

void LineEdit::applyUpperCase(const QString& value)
{
    if (upperCase) {
        const QString upper = upperCaseText(value);
        if (upper != value) {
            const int cursor = cursorPosition();
            setText(upper);
            setCursorPosition(cursor);
            return;
        }
    }
    emit changed();
}

void LineEdit::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::ReadOnlyChange) {
        QPalette colours = QApplication::palette(this);
        if (isReadOnly())
            colours.setBrush(QPalette::Base, colours.window());
        setPalette(colours);
    }
}

void LineEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        emit exited();
}
