#pragma once

#include "store/Collation.h"

#include <QString>
#include <QStringList>
#include <memory>

// A list of text lines, either plain (lines stay in the order they were added) or sorted
// (ascending without regard to case by the army's collation; a line that compares equal to one
// already held is not added again).
class LineList
{
public:
    enum class Order { Plain, Sorted };

    LineList(Order order, const Collation& collation);

    bool isSorted() const { return order == Order::Sorted; }
    int count() const { return items.size(); }
    bool isEmpty() const { return items.isEmpty(); }
    const QString& operator[](int index) const { return items[index]; }
    const QStringList& lines() const { return items; }

    // Adds a line and yields its position. A sorted list that already holds an equal line keeps
    // the line it had and yields that line's position.
    int add(const QString& line);
    // Adds the lines as add() would one after the other, sorting once: in a sorted list the
    // first of equal lines stays, a line held before the call first of all.
    void addAll(QStringList lines);
    // Makes a sorted list these lines, which the caller has found to rise strictly by the
    // list's collation, without comparing them again.
    void takeAscending(QStringList lines);

    // Replaces `count` lines from `at` with the given ones, as they are, for a change being
    // taken back or made again; the caller keeps a sorted list in order.
    void splice(int at, int count, const QStringList& lines);

    // Removes the line at index; an index outside the list changes nothing and yields false.
    bool removeAt(int index);
    void clear() { items.clear(); }

    // Position of a line equal to the given one without regard to case, or -1.
    int indexOf(const QString& line) const;

    // A plain list holding the same lines in the same order.
    std::unique_ptr<LineList> plainCopy() const;

private:
    // First position whose line does not compare below the given one.
    int lowerBound(const QString& line) const;
    // Drops each line that equals the one kept before it, in place, and tells whether no line
    // sorted below the one kept before it.
    bool keepFirstOfEqual(QStringList& lines) const;

    Order order;
    Collation collation;
    QStringList items;
};
