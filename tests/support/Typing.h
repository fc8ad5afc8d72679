#pragma once

#include <QString>

class QWidget;

// Types the text into the widget key by key, as a user does; unlike QTest::keyClicks it takes
// any character, not only ASCII.
void typeText(QWidget* widget, const QString& text);
