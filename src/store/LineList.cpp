#include "store/LineList.h"

#include <algorithm>

LineList::LineList(Order listOrder, const Collation& listCollation)
    : order(listOrder), collation(listCollation)
{
}

int LineList::lowerBound(const QString& line) const
{
    int low = 0;
    int high = items.size();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (collation.compare(items[middle], line) < 0)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

int LineList::add(const QString& line)
{
    if (order == Order::Plain) {
        items.append(line);
        return items.size() - 1;
    }
    const int position = lowerBound(line);
    if (position < items.size() && collation.compare(items[position], line) == 0)
        return position;
    items.insert(position, line);
    return position;
}

void LineList::addAll(QStringList lines)
{
    if (order == Order::Plain) {
        if (items.isEmpty())
            items = std::move(lines);
        else
            items += lines;
        return;
    }
    QStringList merged = items.isEmpty() ? std::move(lines) : items + lines;
    items.clear();
    // Lines that already come in order, as a saved catalogue's do, need no sort.
    if (!keepFirstOfEqual(merged)) {
        std::stable_sort(merged.begin(), merged.end(), [this](const QString& a, const QString& b) {
            return collation.compare(a, b) < 0;
        });
        keepFirstOfEqual(merged);
    }
    items = std::move(merged);
}

void LineList::takeAscending(QStringList lines)
{
    Q_ASSERT(order == Order::Sorted);
    items = std::move(lines);
}

bool LineList::keepFirstOfEqual(QStringList& lines) const
{
    qsizetype kept = 0;
    bool inOrder = true;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int comparison = kept == 0 ? -1 : collation.compare(lines[kept - 1], lines[i]);
        if (comparison == 0)
            continue;
        if (comparison > 0)
            inOrder = false;
        if (kept != i)
            lines[kept] = std::move(lines[i]);
        ++kept;
    }
    lines.resize(kept);
    return inOrder;
}

void LineList::splice(int at, int count, const QStringList& lines)
{
    if (count <= 1 && lines.size() <= 1) {
        if (count == 1 && lines.size() == 1) {
            items[at] = lines[0];
            return;
        }
        items.remove(at, count);
        if (!lines.isEmpty())
            items.insert(at, lines[0]);
        return;
    }
    QStringList spliced;
    spliced.reserve(items.size() - count + lines.size());
    spliced << items.mid(0, at) << lines << items.mid(at + count);
    items = std::move(spliced);
}

bool LineList::removeAt(int index)
{
    if (index < 0 || index >= items.size())
        return false;
    items.removeAt(index);
    return true;
}

int LineList::indexOf(const QString& line) const
{
    if (order == Order::Sorted) {
        const int position = lowerBound(line);
        if (position < items.size() && collation.compare(items[position], line) == 0)
            return position;
        return -1;
    }
    for (int i = 0; i < items.size(); ++i) {
        if (collation.compare(items[i], line) == 0)
            return i;
    }
    return -1;
}

std::unique_ptr<LineList> LineList::plainCopy() const
{
    auto copy = std::make_unique<LineList>(Order::Plain, collation);
    copy->items = items;
    return copy;
}
