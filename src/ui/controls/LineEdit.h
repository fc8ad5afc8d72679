#pragma once

#include <QLineEdit>

// A single-line edit with the events the windows rely on: changed() after every change of
// the text (typed, pasted or set), and exited() when the user moves the focus to another control of
// the window. In upper-case mode every letter is held as its Windows-1252 capital. A read-only
// edit shows the window's colour behind its text, so that it does not look open to typing.
class LineEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit LineEdit(QWidget* parent = nullptr, const QString& text = QString());

    void setUpperCase(bool on);
    // Ends the editing as leaving the edit would: exited() fires.
    void finishEditing() { emit exited(); }
    // Takes the focus with the whole text selected, so that what the user types next replaces
    // the text that a message has just refused.
    void focusForCorrection();

signals:
    void changed();
    void exited();

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void applyUpperCase(const QString& value);

    bool upperCase = false;
};
