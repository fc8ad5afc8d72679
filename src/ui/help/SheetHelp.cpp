#include "ui/help/SheetHelp.h"

#include "ui/Modal.h"

void showSheetHelp(QWidget* parent)
{
    messageBox(parent, QStringLiteral("Help on Army Sheet"),
               QStringLiteral("The army sheet shows the whole army on paper, to proofread it "
                              "against the rulebook: the army's heading, one block per troop in "
                              "the army's order, and the catalogue entries the troops use. A name "
                              "that its catalogue does not hold is marked \"(not in catalogue)\". "
                              "Print sends these pages to the printer; File > Export Army "
                              "Sheet... writes the same sheet as PDF or HTML, and its box "
                              "\"Include unused catalogue entries\" lists every entry of both "
                              "catalogues."),
               QMessageBox::Ok);
}
