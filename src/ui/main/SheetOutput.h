#pragma once

#include <QString>

class ArmyDocument;
class QWidget;

// The army sheet of the document: exported as PDF or HTML to a file the user chooses, or printed
// through Qt's print preview. The choice "Include unused catalogue entries" stays as last left.
class SheetOutput
{
public:
    SheetOutput(QWidget* window, const ArmyDocument& document);

    // Export Army Sheet: the file's format follows its name, or else the filter chosen. The
    // sheet is written with the safety of Save; a failure says why, a cancelled export leaves
    // no file. The path of the file written, or the empty text when none was.
    QString exportSheet();
    // Print Army Sheet: Qt's print preview, on the paper of the locale until the user picks
    // another; F1 there shows the sheet's help.
    void printSheet();

private:
    QWidget* window;
    const ArmyDocument& document;
    bool allEntries = false;
};
