#include "store/Number.h"

#include <limits>

namespace
{

int digitValue(QChar c, int base)
{
    const char16_t u = c.unicode();
    int value = -1;
    if (u >= '0' && u <= '9')
        value = u - '0';
    else if (u >= 'a' && u <= 'f')
        value = u - 'a' + 10;
    else if (u >= 'A' && u <= 'F')
        value = u - 'A' + 10;
    return value < base ? value : -1;
}

} // namespace

int readNumber(const QString& text)
{
    constexpr qint64 ceiling = qint64(std::numeric_limits<int>::max()) + 1;
    int position = 0;
    const int length = text.size();
    while (position < length && (text[position] == u' ' || text[position] == u'\t'))
        ++position;

    bool negative = false;
    int base = 10;
    if (position < length && text[position] == u'$') {
        base = 16;
        ++position;
    } else if (position < length && (text[position] == u'+' || text[position] == u'-')) {
        negative = text[position] == u'-';
        ++position;
    }

    // The magnitude is held up to one above the largest int, which is where it saturates.
    qint64 magnitude = 0;
    int digit;
    while (position < length && (digit = digitValue(text[position], base)) >= 0) {
        magnitude = qMin(magnitude * base + digit, ceiling);
        ++position;
    }

    const bool signKept = position == length;
    if (negative && signKept)
        return int(-magnitude);
    return int(qMin(magnitude, ceiling - 1));
}

bool isWholeNumber(const QString& text)
{
    const QString number = text.trimmed();
    int position = 0;
    int base = 10;
    if (position < number.size() && number[position] == u'$') {
        base = 16;
        ++position;
    } else if (position < number.size() && (number[position] == u'+' || number[position] == u'-')) {
        ++position;
    }
    const int firstDigit = position;
    while (position < number.size() && digitValue(number[position], base) >= 0)
        ++position;
    return position > firstDigit && position == number.size();
}
