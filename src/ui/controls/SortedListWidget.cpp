#include "ui/controls/SortedListWidget.h"

#include "store/LineOps.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

SortedListWidget::SortedListWidget(QWidget* parent, const Collation& order, Selection selection)
    : QListWidget(parent), collation(order)
{
    setSelectionMode(selection == Selection::Toggle ? QAbstractItemView::MultiSelection
                                                    : QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    setDragEnabled(false);
    setUniformItemSizes(true);
}

QString SortedListWidget::itemText(int index) const
{
    const QListWidgetItem* found = item(index);
    return found ? found->text() : QString();
}

int SortedListWidget::addSorted(const QString& text)
{
    int low = 0;
    int high = count();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (collation.compare(item(middle)->text(), text) <= 0)
            low = middle + 1;
        else
            high = middle;
    }
    insertItem(low, text);
    return low;
}

void SortedListWidget::setSortedItems(QStringList texts)
{
    const auto before = [this](const QString& a, const QString& b) {
        return collation.compare(a, b) < 0;
    };
    // Texts that already come in order, as a catalogue's names mostly do, need no sort.
    if (!std::is_sorted(texts.begin(), texts.end(), before))
        std::stable_sort(texts.begin(), texts.end(), before);
    clear();
    addItems(texts);
}

// The other items keep their selected state: the view would otherwise select the neighbour of
// a selected item that is removed.
void SortedListWidget::removeAt(int index)
{
    if (index < 0 || index >= count())
        return;
    QList<bool> selected;
    for (int i = 0; i < count(); ++i) {
        if (i != index)
            selected << item(i)->isSelected();
    }
    delete takeItem(index);
    for (int i = 0; i < count(); ++i)
        item(i)->setSelected(selected.value(i));
}

int SortedListWidget::firstSelected() const
{
    for (int i = 0; i < count(); ++i) {
        if (item(i)->isSelected())
            return i;
    }
    return -1;
}

void SortedListWidget::selectOnly(int index)
{
    clearSelection();
    if (QListWidgetItem* chosen = item(index)) {
        chosen->setSelected(true);
        setCurrentItem(chosen, QItemSelectionModel::NoUpdate);
    }
}

bool SortedListWidget::isSelected(int index) const
{
    const QListWidgetItem* found = item(index);
    return found && found->isSelected();
}

void SortedListWidget::setSelected(int index, bool selected)
{
    if (QListWidgetItem* found = item(index))
        found->setSelected(selected);
}

// Counted from the selection itself, so that a long list with few selections costs little.
int SortedListWidget::selectedCount() const
{
    return int(selectionModel()->selectedIndexes().size());
}

void SortedListWidget::mousePressEvent(QMouseEvent* event)
{
    QListWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && itemAt(event->position().toPoint()))
        emit userSelected();
}

// Dragging with a button held would select every item passed over; a click selects one.
void SortedListWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() != Qt::NoButton)
        return;
    QListWidget::mouseMoveEvent(event);
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
    QList<bool> before;
    for (int i = 0; i < count(); ++i)
        before << item(i)->isSelected();
    QListWidget::keyPressEvent(event);
    for (int i = 0; i < count(); ++i) {
        if (before.value(i) != item(i)->isSelected()) {
            emit userSelected();
            return;
        }
    }
}

void SortedListWidget::focusFirstItem()
{
    setFocus(Qt::OtherFocusReason);
    if (count() > 0 && currentRow() < 0)
        selectionModel()->setCurrentIndex(model()->index(0, 0), QItemSelectionModel::NoUpdate);
}

void SortedListWidget::keyboardSearch(const QString& search)
{
    if (selectionMode() != QAbstractItemView::MultiSelection) {
        QListWidget::keyboardSearch(search);
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
        if (item(row)->text().startsWith(typed, Qt::CaseInsensitive)) {
            selectionModel()->setCurrentIndex(model()->index(row, 0),
                                              QItemSelectionModel::NoUpdate);
            scrollToItem(item(row));
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
