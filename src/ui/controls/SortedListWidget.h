#pragma once

#include "store/Collation.h"

#include <QElapsedTimer>
#include <QListView>

class QStringListModel;

// A list box kept sorted without regard to case by the army's collation. Unlike a sorted list of
// lines it keeps two items that differ only in case: a new item goes after the items that compare
// equal to it. In toggle mode several items can be selected, each click (or Space) toggling one
// item; there is no range selection. userSelected() fires whenever the user clicks an item or
// changes the selection from the keyboard, never for changes made by code.
//
// The texts live in one list model: replacing every item is a single reset, so that a list of a
// hundred thousand names can be refilled on each keystroke of a filter.
class SortedListWidget : public QListView
{
    Q_OBJECT
public:
    enum class Selection { Single, Toggle };

    SortedListWidget(QWidget* parent, const Collation& collation,
                     Selection selection = Selection::Single);

    int count() const;
    // The text of the item at index; the empty text outside the list.
    QString itemText(int index) const;
    void setItemText(int index, const QString& text);
    // The first item whose text is exactly text, or -1.
    int indexOf(const QString& text) const;
    int currentRow() const;

    // Adds an item at its sorted place, unselected, and yields that position.
    int addSorted(const QString& text);
    // Replaces every item with the texts, unselected, in sorted order; equal texts keep the
    // order given, as one addSorted() after the other would place them.
    void setSortedItems(QStringList texts);
    // Replaces every item with the texts as they come, which the caller keeps in sorted order.
    void showInOrder(const QStringList& texts);
    void clear();
    // Removes the item at index; the other items keep their selected state. An index outside
    // the list does nothing.
    void removeAt(int index);

    // The selected item with the lowest index, or -1 when none is selected.
    int firstSelected() const;
    // Selects only the item at index; -1 (or any index outside the list) selects none.
    void selectOnly(int index);

    bool isSelected(int index) const;
    void setSelected(int index, bool selected);
    int selectedCount() const;
    // The rows selected, in no particular order.
    QList<int> selectedRows() const;
    // Selects the rows, given in rising order, besides those already selected.
    void selectRows(const QList<int>& rows);

    // Takes the focus with the first item current and nothing selected, so that the focus
    // shows where it is.
    void focusFirstItem();

    // Typing moves to the next item that starts with what was typed; in a list of several
    // selections it never selects or unselects anything.
    void keyboardSearch(const QString& search) override;

signals:
    void userSelected();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QModelIndex rowIndex(int row) const;

    QStringListModel* texts;
    Collation collation;
    QString typed;
    QElapsedTimer typing;
};

// Whether field 1 of some item of the list is exactly the name.
bool listHasName(const SortedListWidget& list, const QString& name);
