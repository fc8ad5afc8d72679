#pragma once

#include <QString>

class Store;
struct Troop;
class LineList;

// Field n of a comma-separated line, numbered from 1; 0 and any field past the last give the
// empty text. There is no quoting: every comma separates.
QString field(const QString& line, int n);

// Every "," of the text becomes ";", so that typed text never splits a field.
void commaToSemicolon(QString& text);

// Index of the first line, in the list's own order, whose field 1 equals the name exactly;
// -1 when there is none or there is no list.
int findEntry(const QString& name, const LineList* list);

// Whether an accepted troop other than the one in ownSlot has the role (by its long name) and
// exactly this name.
bool troopNameExists(const Store& store, int ownSlot, const QString& name, const QString& roleName);

// The two-letter code of a battlefield role's long name; empty for any other text.
QString roleCode(const QString& roleName);
// The long name of a battlefield role's two-letter code; empty for any other text.
QString roleName(const QString& code);

// Holds the weapon limit to the troop's number of weapon lines.
void clampWeaponLimit(const Troop& troop, int& value);
