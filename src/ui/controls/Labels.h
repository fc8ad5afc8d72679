#pragma once

#include <QString>

class QLabel;
class QWidget;

// A label that shows its text as it is (never as rich text).
QLabel* makeLabel(QWidget* parent, const QString& text);

// A heading: the text centred on a raised panel, as above a grid's columns or a group of
// controls.
QLabel* makeHeading(QWidget* parent, const QString& text);
