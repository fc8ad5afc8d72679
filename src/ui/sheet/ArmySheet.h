#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QPair>
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

// A table cell; a name that its catalogue does not hold is marked.
struct SheetCell {
    QString text;
    bool missing = false;
};

// A table: its headings, the width of each column in percent of the page's width, its rows.
// Columns of numbers stand flush right, so that their digits line up.
struct SheetTable {
    QStringList headings;
    QList<int> widths;
    QList<QList<SheetCell>> rows;
    QList<bool> numeric; // per column; a column not listed holds text
    bool centred = false;
};

// One line of a block: a heading (levels 1 to 3), a line of facts ("Role: ..."), an italic
// note, or a table.
struct SheetItem {
    enum class Kind { Heading1, Heading2, Heading3, Facts, Note, Table };
    Kind kind = Kind::Note;
    QString text;
    QList<QPair<QString, QString>> facts; // label and value
    SheetTable table;
};

// A block of the sheet, kept on one page wherever it fits on one.
using SheetBlock = QList<SheetItem>;

// The army sheet: the whole army on paper, made once from the store and then written as HTML
// or painted on pages (PDF, print).
struct ArmySheet {
    QString armyName;
    SheetBlock heading;
    QList<SheetBlock> troops; // one per accepted troop, in the army's order
    SheetBlock weapons;       // the catalogues: a title, a note and a table (or "None.")
    SheetBlock abilities;
};

// The sheet's blocks in order: the heading, the troops, the two catalogues.
QList<const SheetBlock*> sheetBlocks(const ArmySheet& sheet);

// The number of rows in the sheet's tables.
int sheetRowCount(const ArmySheet& sheet);

// Hears how far the work on a sheet has gone, and may stop it.
class SheetProgress
{
public:
    virtual ~SheetProgress() = default;
    // done of total steps are done; false stops the work.
    virtual bool advance(int done, int total) = 0;
};

// The marked name's mark.
QString missingMark();

ArmySheet makeArmySheet(const Store& store, const SheetOptions& options);

// The sheet as one self-contained UTF-8 HTML document: styles inside, no scripts, no other
// files. False when the progress stopped it.
bool armySheetHtml(const ArmySheet& sheet, QByteArray& html, SheetProgress* progress = nullptr);
