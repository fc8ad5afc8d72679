#pragma once

#include <QString>

// The system's own words for a Windows error code (GetLastError()), in the user's language,
// without the line break the system ends them with.
QString systemErrorText(unsigned long error);

// A refusal: *reason (when asked for) becomes the text, and the result is false.
bool fail(QString* reason, const QString& text);
// A refusal for a Windows error code, in the system's own words.
bool failWithError(QString* reason, unsigned long error);

// The path as the wide-character calls take it: backslashes, ended by a null character.
QString nativePath(const QString& path);

// Whether the path names a device (NUL, CON, COM1, \\.\...) rather than a file: opening one
// may wait or have effects of its own, so a device is refused before it is opened.
bool namesDevice(const QString& path);
