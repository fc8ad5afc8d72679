#include "ui/controls/LineEdit.h"

#include "platform/CodePage.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <limits>

// A text of any length is held whole: a datafile may hold longer texts than Qt's edits take
// by default.
LineEdit::LineEdit(QWidget* parent, const QString& text) : QLineEdit(parent)
{
    setMaxLength(std::numeric_limits<int>::max());
    setText(text);
    connect(this, &QLineEdit::textChanged, this, &LineEdit::applyUpperCase);
}

// Undo and Redo belong to the edit while it has typing to take back or make again; then they
// are the window's.
bool LineEdit::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->matches(QKeySequence::Undo) && !isUndoAvailable()) ||
            (key->matches(QKeySequence::Redo) && !isRedoAvailable())) {
            event->ignore();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void LineEdit::focusForCorrection()
{
    setFocus(Qt::OtherFocusReason);
    selectAll();
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
        const QString upper = upperWindows1252(value);
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
