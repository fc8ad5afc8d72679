#pragma once

#include <QString>

class QAbstractItemView;
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
// button, in one row; the label and the edit are given back through label and edit. Down in the
// edit goes on into the list, onto its current item or else its first.
QHBoxLayout* makeFilterRow(QWidget* parent, QLabel*& label, QLineEdit*& edit,
                           QAbstractItemView* list);
