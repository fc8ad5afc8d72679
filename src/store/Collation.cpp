#include "store/Collation.h"

#include <algorithm>

Collation::Collation(const QLocale& locale)
    : collator(locale), codeUnitOrder(locale.language() == QLocale::C)
{
    collator.setCaseSensitivity(Qt::CaseInsensitive);
}

int Collation::compare(QStringView a, QStringView b) const
{
    if (codeUnitOrder) {
        const qsizetype common = std::min(a.size(), b.size());
        const char16_t* left = a.utf16();
        const char16_t* right = b.utf16();
        qsizetype i = 0;
        for (; i < common; ++i) {
            char16_t x = left[i];
            char16_t y = right[i];
            if (x == y) {
                if (x < 0x80)
                    continue;
                break;
            }
            if ((x | y) >= 0x80)
                break;
            if (x >= u'A' && x <= u'Z')
                x += u'a' - u'A';
            if (y >= u'A' && y <= u'Z')
                y += u'a' - u'A';
            if (x != y)
                return int(x) - int(y);
        }
        // Past the end of one of them, all in ASCII: the shorter first.
        if (i == common)
            return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
        // Beyond ASCII, case folding is the collator's.
    }
    // The collation gives the order, never the identity: lines it orders as equal ("aa" and
    // "å" in Danish) stay two lines unless they are the same but for letter case.
    const int order = collator.compare(a, b);
    if (order != 0)
        return order;
    return a.compare(b, Qt::CaseInsensitive);
}

void Collation::sort(QStringList& texts) const
{
    const auto before = [this](const QString& a, const QString& b) {
        return compare(a, b) < 0;
    };
    if (!std::is_sorted(texts.begin(), texts.end(), before))
        std::stable_sort(texts.begin(), texts.end(), before);
}
