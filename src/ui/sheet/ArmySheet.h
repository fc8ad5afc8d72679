#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

class Store;

// What the sheet is made of besides the army itself.
struct SheetOptions {
    // Every catalogue entry, not only those the troops use.
    bool allEntries = false;
    // The datafile's name as the heading shows it; empty for an army not yet saved.
    QString sourceFile;
    QDate date = QDate::currentDate();
};

// One catalogue as a table: its title, the headings and relative widths of its columns, and one
// "<tr>" element per entry.
struct SheetTable {
    QString title;
    QString note;
    QStringList headings;
    QList<int> widths; // percent of the page's width
    QStringList rows;
};

// The army sheet: the whole army on paper, made once from the store as pieces of HTML that the
// HTML file joins into one document and the pages (PDF, print) lay out a block at a time.
struct ArmySheet {
    QString armyName;
    QString headingHtml;
    QStringList troopHtml; // one block per accepted troop, in the army's order
    SheetTable weapons;
    SheetTable abilities;
};

ArmySheet makeArmySheet(const Store& store, const SheetOptions& options);

// The style sheet of every block, shared by the HTML file and the pages.
QString sheetStyles();

// The opening tag and heading row of a table of the sheet, and its closing tag.
QString tableStart(const QStringList& headings, const QList<int>& widths);
QString tableEnd();

// The sheet as one self-contained UTF-8 HTML document: styles inside, no scripts, no other
// files.
QByteArray armySheetHtml(const ArmySheet& sheet);
