#include "ui/controls/SortedListWidget.h"

#include "store/LineOps.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStringListModel>

#include <algorithm>

namespace
{

// The texts of the list, shown as they are and never edited in place.
class TextModel : public QStringListModel
{
public:
    using QStringListModel::QStringListModel;

    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren
                               : Qt::NoItemFlags;
    }
};

} // namespace

SortedListWidget::SortedListWidget(QWidget* parent, const Collation& order, Selection selection)
    : QListView(parent), texts(new TextModel(this)), collation(order)
{
    setModel(texts);
    setSelectionMode(selection == Selection::Toggle ? QAbstractItemView::MultiSelection
                                                    : QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    setUniformItemSizes(true);
}

QModelIndex SortedListWidget::rowIndex(int row) const
{
    return texts->index(row, 0);
}

int SortedListWidget::count() const
{
    return texts->rowCount();
}

QString SortedListWidget::itemText(int index) const
{
    return rowIndex(index).data().toString();
}

void SortedListWidget::setItemText(int index, const QString& text)
{
    if (index >= 0 && index < count())
        texts->setData(rowIndex(index), text);
}

int SortedListWidget::indexOf(const QString& text) const
{
    for (int i = 0; i < count(); ++i) {
        if (itemText(i) == text)
            return i;
    }
    return -1;
}

int SortedListWidget::currentRow() const
{
    return currentIndex().row();
}

int SortedListWidget::addSorted(const QString& text)
{
    int low = 0;
    int high = count();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (collation.compare(itemText(middle), text) <= 0)
            low = middle + 1;
        else
            high = middle;
    }
    texts->insertRows(low, 1);
    texts->setData(rowIndex(low), text);
    return low;
}

void SortedListWidget::setSortedItems(QStringList sorted)
{
    collation.sort(sorted);
    showInOrder(sorted);
}

void SortedListWidget::showInOrder(const QStringList& inOrder)
{
    texts->setStringList(inOrder);
}

void SortedListWidget::clear()
{
    texts->setStringList({});
}

// The other items keep their selected state: the view would otherwise select the neighbour of
// a selected item that is removed.
void SortedListWidget::removeAt(int index)
{
    if (index < 0 || index >= count())
        return;
    QList<int> kept;
    for (const int row : selectedRows()) {
        if (row != index)
            kept << (row > index ? row - 1 : row);
    }
    texts->removeRows(index, 1);
    clearSelection();
    for (const int row : std::as_const(kept))
        setSelected(row, true);
}

int SortedListWidget::firstSelected() const
{
    const QList<int> rows = selectedRows();
    return rows.isEmpty() ? -1 : *std::min_element(rows.begin(), rows.end());
}

void SortedListWidget::selectOnly(int index)
{
    clearSelection();
    if (index >= 0 && index < count()) {
        selectionModel()->select(rowIndex(index), QItemSelectionModel::Select);
        selectionModel()->setCurrentIndex(rowIndex(index), QItemSelectionModel::NoUpdate);
    }
}

bool SortedListWidget::isSelected(int index) const
{
    return index >= 0 && index < count() && selectionModel()->isSelected(rowIndex(index));
}

void SortedListWidget::setSelected(int index, bool selected)
{
    if (index >= 0 && index < count())
        selectionModel()->select(rowIndex(index), selected ? QItemSelectionModel::Select
                                                           : QItemSelectionModel::Deselect);
}

// Counted from the selection itself, so that a long list with few selections costs little.
int SortedListWidget::selectedCount() const
{
    return int(selectionModel()->selectedIndexes().size());
}

QList<int> SortedListWidget::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& selected : selectionModel()->selectedIndexes())
        rows << selected.row();
    return rows;
}

// Each run of neighbouring rows is one range, so that the selection model stays small.
void SortedListWidget::selectRows(const QList<int>& rows)
{
    QItemSelection selection;
    for (int i = 0; i < rows.size();) {
        int last = i;
        while (last + 1 < rows.size() && rows[last + 1] == rows[last] + 1)
            ++last;
        if (rows[i] >= 0 && rows[last] < count())
            selection.select(rowIndex(rows[i]), rowIndex(rows[last]));
        i = last + 1;
    }
    if (!selection.isEmpty())
        selectionModel()->select(selection, QItemSelectionModel::Select);
}

void SortedListWidget::mousePressEvent(QMouseEvent* event)
{
    QListView::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid())
        emit userSelected();
}

// Dragging with a button held would select every item passed over; a click selects one.
void SortedListWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() != Qt::NoButton)
        return;
    QListView::mouseMoveEvent(event);
}

void SortedListWidget::keyPressEvent(QKeyEvent* event)
{
    // A blank typed within a word goes on with the search rather than selecting.
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier &&
        selectionMode() == QAbstractItemView::MultiSelection && typing.isValid() &&
        typing.elapsed() < QApplication::keyboardInputInterval()) {
        keyboardSearch(event->text());
        event->accept();
        return;
    }
    const QItemSelection before = selectionModel()->selection();
    QListView::keyPressEvent(event);
    if (selectionModel()->selection() != before)
        emit userSelected();
}

void SortedListWidget::focusFirstItem()
{
    setFocus(Qt::OtherFocusReason);
    if (count() > 0 && currentRow() < 0)
        selectionModel()->setCurrentIndex(rowIndex(0), QItemSelectionModel::NoUpdate);
}

void SortedListWidget::keyboardSearch(const QString& search)
{
    if (selectionMode() != QAbstractItemView::MultiSelection) {
        QListView::keyboardSearch(search);
        return;
    }
    if (search.isEmpty() || count() == 0)
        return;
    const bool goingOn =
        typing.isValid() && typing.elapsed() < QApplication::keyboardInputInterval();
    typed = goingOn ? typed + search : search;
    typing.restart();
    // A new search starts after the current item, so that typing one letter again walks the
    // items that start with it; a search that goes on stays on the current item if it matches.
    const int current = qMax(0, currentRow());
    const int first = typed.size() == 1 ? current + 1 : current;
    for (int n = 0; n < count(); ++n) {
        const int row = (first + n) % count();
        if (itemText(row).startsWith(typed, Qt::CaseInsensitive)) {
            selectionModel()->setCurrentIndex(rowIndex(row), QItemSelectionModel::NoUpdate);
            scrollTo(rowIndex(row));
            return;
        }
    }
}

bool listHasName(const SortedListWidget& list, const QString& name)
{
    for (int i = 0; i < list.count(); ++i) {
        if (field(list.itemText(i), 1) == name)
            return true;
    }
    return false;
}
