#include "store/StringList.h"

StringList::StringList(Order order, const QCollator& collation) : order(order), collation(collation)
{
}

int StringList::LowerBound(const QString& line) const
{
    int low = 0;
    int high = lines.size();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (collation.compare(lines[middle], line) < 0)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

int StringList::Add(const QString& line)
{
    if (order == Order::Plain) {
        lines.append(line);
        return lines.size() - 1;
    }
    const int position = LowerBound(line);
    if (position < lines.size() && collation.compare(lines[position], line) == 0)
        return position;
    lines.insert(position, line);
    return position;
}

bool StringList::Delete(int index)
{
    if (index < 0 || index >= lines.size())
        return false;
    lines.removeAt(index);
    return true;
}

int StringList::IndexOf(const QString& line) const
{
    if (order == Order::Sorted) {
        const int position = LowerBound(line);
        if (position < lines.size() && collation.compare(lines[position], line) == 0)
            return position;
        return -1;
    }
    for (int i = 0; i < lines.size(); ++i) {
        if (collation.compare(lines[i], line) == 0)
            return i;
    }
    return -1;
}

std::unique_ptr<StringList> StringList::PlainCopy() const
{
    auto copy = std::make_unique<StringList>(Order::Plain, collation);
    copy->lines = lines;
    return copy;
}
