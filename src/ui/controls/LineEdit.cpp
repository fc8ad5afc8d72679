#include "ui/controls/LineEdit.h"

#include "platform/CodePage.h"

#include <QApplication>
#include <QFocusEvent>

QString upperCaseText(const QString& text)
{
    QString upper = text;
    for (QChar& c : upper)
        c = upperWindows1252(c);
    return upper;
}

LineEdit::LineEdit(QWidget* parent, const QString& text) : QLineEdit(text, parent)
{
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
