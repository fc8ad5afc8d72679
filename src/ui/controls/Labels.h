#pragma once

#include <QString>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QWidget;

// A label that shows its text as it is (never as rich text).
QLabel* makeLabel(QWidget* parent, const QString& text);

// A heading: the text centred on a raised panel, as above a grid's columns or a group of
// controls.
QLabel* makeHeading(QWidget* parent, const QString& text);

// The filter field above a list: "&Filter:" and an edit (accessible name "Filter") with a clear
// button, in one row; the label and the edit are given back through label and edit.
QHBoxLayout* makeFilterRow(QWidget* parent, QLabel*& label, QLineEdit*& edit);
