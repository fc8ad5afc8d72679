#include "ui/controls/ListBox.h"

#include <QKeyEvent>
#include <QMouseEvent>

ListBox::ListBox(QWidget* parent, const QCollator& collation, Selection selection)
    : QListWidget(parent), collation(collation)
{
    setSelectionMode(selection == Selection::Toggle ? QAbstractItemView::MultiSelection
                                                    : QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    setDragEnabled(false);
    setUniformItemSizes(true);
}

QString ListBox::Item(int index) const
{
    const QListWidgetItem* found = item(index);
    return found ? found->text() : QString();
}

int ListBox::Add(const QString& text)
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

// The other items keep their selected state: the view would otherwise select the neighbour of
// a selected item that is removed.
void ListBox::Delete(int index)
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

void ListBox::Clear()
{
    clear();
}

int ListBox::ItemIndex() const
{
    for (int i = 0; i < count(); ++i) {
        if (item(i)->isSelected())
            return i;
    }
    return -1;
}

void ListBox::SetItemIndex(int index)
{
    clearSelection();
    if (QListWidgetItem* chosen = item(index)) {
        chosen->setSelected(true);
        setCurrentItem(chosen, QItemSelectionModel::NoUpdate);
    }
}

bool ListBox::Selected(int index) const
{
    const QListWidgetItem* found = item(index);
    return found && found->isSelected();
}

void ListBox::SetSelected(int index, bool selected)
{
    if (QListWidgetItem* found = item(index))
        found->setSelected(selected);
}

int ListBox::SelCount() const
{
    int selected = 0;
    for (int i = 0; i < count(); ++i) {
        if (item(i)->isSelected())
            ++selected;
    }
    return selected;
}

void ListBox::mousePressEvent(QMouseEvent* event)
{
    QListWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && itemAt(event->position().toPoint()))
        emit Click();
}

// Dragging with a button held would select every item passed over; a click selects one.
void ListBox::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() != Qt::NoButton)
        return;
    QListWidget::mouseMoveEvent(event);
}

void ListBox::keyPressEvent(QKeyEvent* event)
{
    QList<bool> before;
    for (int i = 0; i < count(); ++i)
        before << item(i)->isSelected();
    QListWidget::keyPressEvent(event);
    for (int i = 0; i < count(); ++i) {
        if (before.value(i) != item(i)->isSelected()) {
            emit Click();
            return;
        }
    }
}
