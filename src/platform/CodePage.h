#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Windows-1252, the code page of the datafile. Decoding maps all 256 byte values, the five
// unassigned ones (81, 8D, 8F, 90, 9D) to the control characters of the same number, so that
// encoding gives back the same bytes.
QString decodeWindows1252(const QByteArray& bytes);
// Whether the bytes hold none of 80 to 9F, so that they decode as Latin-1, which Qt decodes
// many bytes at a time.
bool decodesAsLatin1(QByteArrayView bytes);
// The same, appended to out.
void appendWindows1252(QByteArrayView bytes, QString& out);

// Encodes the text; a character the code page cannot hold makes it fail, and *bad (when
// given) receives that character.
bool encodeWindows1252(const QString& text, QByteArray& out, QChar* bad = nullptr);
// The same into out, which has room for text.size() bytes; on failure out holds no meaning.
bool encodeWindows1252(QStringView text, char* out, QChar* bad = nullptr);

// Whether every character of the text has a byte in the code page.
bool fitsWindows1252(const QString& text);

// Whether the character shows on its own: printable, and no blank.
bool isVisibleCharacter(char32_t codePoint);
// The name of a character that cannot be seen: "U+" and its number ("U+200B").
QString codePointName(char32_t codePoint);

// The Windows-1252 capital of a letter when that capital is itself one character of the code
// page ("é" gives "É", "ÿ" gives "Ÿ"); any other character comes back unchanged ("ß", "µ").
QChar upperWindows1252(QChar c);
// The text with each letter so replaced by its capital, as the army's name is held.
QString upperWindows1252(QString text);
