#pragma once

#include <QLineEdit>

// A single-line edit with the events the windows rely on: Change after every change of the
// text (typed, pasted or set), and Exit when the user moves the focus to another control of
// the window. In upper-case mode every letter is held as its Windows-1252 capital.
class Edit : public QLineEdit
{
    Q_OBJECT
public:
    explicit Edit(QWidget* parent = nullptr, const QString& text = QString());

    QString Text() const { return text(); }
    void SetText(const QString& value) { setText(value); }

    void SetUpperCase(bool on);

signals:
    void Change();
    void Exit();

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    void TextChanged(const QString& value);

    bool upperCase = false;
};

// The text as the upper-case edit holds it: each letter replaced by its capital where that
// capital is one character of Windows-1252.
QString UpperCaseText(const QString& text);
