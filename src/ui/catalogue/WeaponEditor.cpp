#include "ui/catalogue/WeaponEditor.h"

#include "store/LineOps.h"
#include "ui/ControlNames.h"
#include "ui/controls/Button.h"
#include "ui/controls/Grid.h"
#include "ui/controls/GridHeadings.h"
#include "ui/controls/Labels.h"
#include "ui/controls/LineEdit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

WeaponEditor::WeaponEditor(QWidget* opener, const WeaponEditorRequest& request)
    : Dialog(opener, request.caption, TitleBar::CaptionOnly), catalogue(request.catalogue),
      editing(request.editing)
{
    nameLabel = new QLabel(request.nameLabel, this);
    nameEdit = new LineEdit(this);
    nameEdit->setText(request.name);
    nameEdit->setReadOnly(editing);
    nameLabel->setBuddy(nameEdit);

    detailsGrid = new Grid(this, cellCount, 1);
    const int widths[cellCount] = {37, 39, 39, 88, 264};
    for (int col = 0; col < cellCount; ++col)
        detailsGrid->resizeColumn(col, widths[col]);
    detailsGrid->setDefaultRowHeight(16);
    detailsGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    detailsGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    detailsGrid->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    for (int col = 0; col < cellCount; ++col)
        detailsGrid->setCell(col, 0, request.cells.value(col));
    rangeHeading = makeHeading(this, QStringLiteral("Range"));
    strengthHeading = makeHeading(this, QStringLiteral("S"));
    armourPiercingHeading = makeHeading(this, QStringLiteral("AP"));
    weaponTypeHeading = makeHeading(this, QStringLiteral("Weapontype"));
    descriptionHeading = makeHeading(this, QStringLiteral("Description"));
    headings = new GridHeadings(this, detailsGrid,
                                {rangeHeading, strengthHeading, armourPiercingHeading,
                                 weaponTypeHeading, descriptionHeading});

    okButton = new Button(this, QStringLiteral("&OK"), ButtonIcon::Ok);
    cancelButton = new Button(this, QStringLiteral("&Cancel"), ButtonIcon::Cancel);
    helpButton = makeHelpButton(this);
    setHelpButton(helpButton);
    setDefaultButton(okButton);
    setCancelButton(cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(nameLabel);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(nameEdit, 2);
    nameRow->addStretch(3);
    layout->addLayout(nameRow);
    layout->addSpacing(6);
    QHBoxLayout* gridRow = headedGrid(headings, detailsGrid, false);
    layout->addLayout(gridRow);
    layout->addStretch(1);
    QHBoxLayout* buttons = buttonRow({okButton, cancelButton}, helpButton);
    layout->addLayout(buttons);

    nameControls({{nameLabel, "nameLabel"},
                  {nameEdit, "nameEdit"},
                  {rangeHeading, "rangeHeading"},
                  {strengthHeading, "strengthHeading"},
                  {armourPiercingHeading, "armourPiercingHeading"},
                  {weaponTypeHeading, "weaponTypeHeading"},
                  {descriptionHeading, "descriptionHeading"},
                  {headings, "headings"},
                  {detailsGrid, "detailsGrid"},
                  {okButton, "okButton"},
                  {cancelButton, "cancelButton"},
                  {helpButton, "helpButton"}});
    setTabChain({nameEdit, detailsGrid, okButton, cancelButton, helpButton});

    updateOkButton();
    connect(nameEdit, &QLineEdit::textChanged, this, &WeaponEditor::updateOkButton);
    connect(nameEdit, &LineEdit::exited, this, &WeaponEditor::replaceCommasInName);
    connect(detailsGrid, &Grid::exited, this, &WeaponEditor::replaceCommasInCells);
    connect(okButton, &QPushButton::clicked, this, &WeaponEditor::accept);
    connect(cancelButton, &QPushButton::clicked, this, [this] { done(Rejected); });
    connect(helpButton, &QPushButton::clicked, this, &WeaponEditor::showHelp);

    setFixedClientSize(511, 158);
}

// A new weapon starts with the focus on its name; a weapon being edited on its cells.
void WeaponEditor::activate()
{
    if (editing)
        detailsGrid->setFocus(Qt::OtherFocusReason);
    else
        nameEdit->setFocus(Qt::OtherFocusReason);
    detailsGrid->setCurrentColumn(0);
}

// A weapon needs a name: one of blanks alone would be an invisible line in every list.
void WeaponEditor::updateOkButton()
{
    okButton->setEnabled(!nameEdit->text().trimmed().isEmpty());
}

void WeaponEditor::replaceCommasInName()
{
    QString name = nameEdit->text();
    commaToSemicolon(name);
    if (name != nameEdit->text())
        nameEdit->setText(name);
}

void WeaponEditor::replaceCommasInCells()
{
    for (int col = 0; col < cellCount; ++col) {
        QString cell = detailsGrid->cell(col, 0);
        commaToSemicolon(cell);
        detailsGrid->setCell(col, 0, cell);
    }
}

// OK: a new weapon may not take the exact name of a catalogue weapon (another letter case is
// another name); a refused name is left selected, to be typed over. The commas go first, so the
// entry always has six fields, even when Enter is pressed before the field was left.
void WeaponEditor::accept()
{
    replaceCommasInName();
    replaceCommasInCells();
    if (!okButton->isEnabled())
        return;
    if (!editing && findEntry(nameEdit->text(), catalogue) >= 0) {
        messageBox(this, QStringLiteral("*** DUPLICATE NAME ***"),
                   QStringLiteral("Duplicate weapon/special name! Please choose another name"),
                   QMessageBox::Ok);
        nameEdit->focusForCorrection();
        return;
    }
    done(Accepted);
}

void WeaponEditor::showHelp()
{
    messageBox(this, QStringLiteral("Help on Add/Edit a Weapon"),
               QStringLiteral("Fill in the name and the characteristics of the weapon. If you "
                              "edit an existing weapon, you cannot change its name. This is done "
                              "for safety reasons so you don't loose track of the weapon in other "
                              "squads"),
               QMessageBox::Ok);
}

QString WeaponEditor::entry() const
{
    QString entry = nameEdit->text();
    for (int col = 0; col < cellCount; ++col)
        entry += u',' + detailsGrid->cell(col, 0);
    return entry;
}

QString WeaponEditor::name() const
{
    return nameEdit->text();
}

QStringList WeaponEditor::cells() const
{
    QStringList cells;
    for (int col = 0; col < cellCount; ++col)
        cells << detailsGrid->cell(col, 0);
    return cells;
}
