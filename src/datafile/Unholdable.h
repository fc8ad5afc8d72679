#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class Store;

// A text of the army that holds characters the datafile cannot hold: where the user finds it
// ("the army name", "troop "Scouts", step 3", "the weapon catalogue, "Axe"") and each such
// character once, in the order they first come, as the user sees it.
struct UnholdableText {
    QString place;
    QStringList characters;

    bool operator==(const UnholdableText& other) const
    {
        return place == other.place && characters == other.characters;
    }
};

// Every text that Save would write and cannot, in the order of the datafile.
std::vector<UnholdableText> unholdableTexts(const Store& army);

// What Save tells the user when the army holds such texts: each place with its characters, then
// what to do. Empty when the datafile can hold the whole army.
QString unholdableReport(const Store& army);
