#pragma once

#include <QString>

// Reads a number the way every cost, group, armour value, model count and limit is read:
// leading blanks are skipped, an optional sign follows, then decimal digits (or hexadecimal
// digits after "$"). The sign counts only when the text ends right after the digits; when
// reading stops earlier, the digits read so far count without the sign, and a text with no
// digit there reads as 0. A number too large for 32 bits saturates at the nearest limit.
int readNumber(const QString& text);

// Whether the whole text, blanks around it aside, is one number by the rule of readNumber(): an
// optional sign or "$", then at least one digit, and nothing else.
bool isWholeNumber(const QString& text);
