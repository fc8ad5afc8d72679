#pragma once

#include <QString>

class Store;
class StringList;

// Field n of a comma-separated line, numbered from 1; 0 and any field past the last give the
// empty text. There is no quoting: every comma separates.
QString GetField(const QString& line, int n);

// Every "," of the text becomes ";", so that typed text never splits a field.
void CommaToSemicolon(QString& text);

// Index of the first line, in the list's own order, whose field 1 equals the name exactly;
// -1 when there is none or there is no list.
int FindEntry(const QString& name, const StringList* list);

// Whether another accepted troop of the role (by its long name) has exactly this name. The
// troop the wizard works on is never compared with itself.
bool TroopNameExists(const Store& store, const QString& name, const QString& roleName);

// The two-letter code of a battlefield role's long name; empty for any other text.
QString RoleCode(const QString& roleName);

// Holds the weapon limit to the number of weapon lines of the current troop.
void ClampToWeaponCount(const Store& store, int& value);
