#pragma once

#include <QCollator>
#include <QString>
#include <QStringList>
#include <memory>

// A list of text lines, either plain (lines stay in the order they were added) or sorted
// (ascending without regard to case by the army's collation; a line that compares equal to one
// already held is not added again).
class StringList
{
public:
    enum class Order { Plain, Sorted };

    StringList(Order order, const QCollator& collation);

    bool Sorted() const { return order == Order::Sorted; }
    int Count() const { return lines.size(); }
    bool IsEmpty() const { return lines.isEmpty(); }
    const QString& operator[](int index) const { return lines[index]; }
    const QStringList& Lines() const { return lines; }

    // Adds a line and yields its position. A sorted list that already holds an equal line keeps
    // the line it had and yields that line's position.
    int Add(const QString& line);

    // Removes the line at index; an index outside the list changes nothing and yields false.
    bool Delete(int index);
    void Clear() { lines.clear(); }

    // Position of a line equal to the given one without regard to case, or -1.
    int IndexOf(const QString& line) const;

    // A plain list holding the same lines in the same order.
    std::unique_ptr<StringList> PlainCopy() const;

private:
    // First position whose line does not compare below the given one.
    int LowerBound(const QString& line) const;

    Order order;
    QCollator collation;
    QStringList lines;
};
