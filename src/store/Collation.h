#pragma once

#include <QCollator>
#include <QLocale>
#include <QStringList>
#include <QStringView>

// The order of the army's sorted lines: the collation of a locale, without regard to case.
// Two lines compare equal only when they are equal but for letter case; lines the locale's
// collation orders as equal and that differ otherwise are ordered by their case-folded text.
// In the C locale that order is the order of the case-folded UTF-16 code units; text of ASCII
// characters is compared here directly, a character at a time, which gives the same answer as
// the collator far more quickly.
class Collation
{
public:
    explicit Collation(const QLocale& locale);

    // Below zero when a sorts before b, zero when they are equal, above zero otherwise.
    int compare(QStringView a, QStringView b) const;
    // Puts the texts in order; equal texts keep the order given. Texts already in order, as a
    // catalogue's names mostly are, are only checked.
    void sort(QStringList& texts) const;

private:
    QCollator collator;
    bool codeUnitOrder;
};
