#include "ui/wizard/CharacteristicsStep.h"

#include "store/LineOps.h"
#include "store/Number.h"
#include "store/Store.h"
#include "ui/controls/Button.h"
#include "ui/controls/Grid.h"
#include "ui/controls/GridHeadings.h"
#include "ui/controls/Labels.h"
#include "ui/controls/Slider.h"
#include "ui/controls/StatusBar.h"
#include "ui/help/CharacteristicsHelp.h"
#include "ui/wizard/Wizard.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace
{

// Grid columns: name, points, the nine characteristics, then the three armour values.
constexpr int nameCol = 0;
constexpr int pointsCol = 1;
constexpr int firstCharCol = 2;
constexpr int lastCharCol = 10;
constexpr int frontArmourCol = 11;
constexpr int colCount = 14;

constexpr int fewestModels = 1;
constexpr int mostModels = 32;

// The value beside a track bar: bold, red and larger than the window's text.
QLabel* makeValueLabel(QWidget* parent)
{
    QLabel* label = makeLabel(parent, QStringLiteral("1"));
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.5);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    label->setPalette(palette);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("000")));
    return label;
}

// A track bar with its heading, its value and the ends of its range under it.
QLayout* trackBarGroup(QLabel* heading, Slider* bar, QLabel* value, QLabel* low, QLabel* high)
{
    auto* ends = new QHBoxLayout;
    ends->addWidget(low);
    ends->addStretch(1);
    ends->addWidget(high);
    auto* barAndEnds = new QVBoxLayout;
    barAndEnds->setSpacing(0);
    barAndEnds->addWidget(bar);
    barAndEnds->addLayout(ends);
    auto* row = new QHBoxLayout;
    row->addLayout(barAndEnds, 1);
    row->addWidget(value, 0, Qt::AlignTop);
    auto* group = new QVBoxLayout;
    group->addWidget(heading);
    group->addLayout(row);
    group->addStretch(1);
    return group;
}

} // namespace

CharacteristicsStep::CharacteristicsStep(Wizard& owner, const Store& armyStore)
    : Window(QString()), wizard(owner), store(armyStore)
{
    troopGrid = new Grid(this, colCount, 1);
    troopGrid->setObjectName(QStringLiteral("troopGrid"));
    troopGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    troopGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    troopGrid->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    troopGrid->resizeColumn(nameCol, 140);
    troopGrid->resizeColumn(pointsCol, 44);
    for (int col = firstCharCol; col < colCount; ++col)
        troopGrid->resizeColumn(col, 32);

    nameHeading = makeHeading(this, QStringLiteral("Name"));
    nameHeading->setObjectName(QStringLiteral("nameHeading"));
    pointsHeading = makeHeading(this, QStringLiteral("Points"));
    pointsHeading->setObjectName(QStringLiteral("pointsHeading"));
    for (const char* text : {"WS", "BS", "S", "T", "W", "I", "A", "Ld", "Sv"}) {
        QLabel* heading = makeHeading(this, QString::fromLatin1(text));
        heading->setObjectName(QStringLiteral("characteristicHeadings"));
        characteristicHeadings.append(heading);
    }
    frontArmourHeading = makeHeading(this, QStringLiteral("FA"));
    frontArmourHeading->setObjectName(QStringLiteral("frontArmourHeading"));
    sideArmourHeading = makeHeading(this, QStringLiteral("SA"));
    sideArmourHeading->setObjectName(QStringLiteral("sideArmourHeading"));
    rearArmourHeading = makeHeading(this, QStringLiteral("RA"));
    rearArmourHeading->setObjectName(QStringLiteral("rearArmourHeading"));
    auto* headings = new GridHeadings(
        this, troopGrid,
        QList<QLabel*>{nameHeading, pointsHeading} + characteristicHeadings +
            QList<QLabel*>{frontArmourHeading, sideArmourHeading, rearArmourHeading});

    roleHeading = makeHeading(this, QStringLiteral("Type"));
    roleHeading->setObjectName(QStringLiteral("roleHeading"));
    roleComboBox = new QComboBox(this);
    roleComboBox->setObjectName(QStringLiteral("roleComboBox"));
    roleComboBox->addItems({QStringLiteral("HeadQuarters"), QStringLiteral("Elites"),
                            QStringLiteral("Troops"), QStringLiteral("Fast Attack"),
                            QStringLiteral("Heavy Support")});
    roleComboBox->setCurrentIndex(-1);
    roleComboBox->installEventFilter(this);
    roleHeading->setBuddy(roleComboBox);
    // The list that opens from the box is named too, as Qt 6.8 shows it to screen readers.
    roleComboBox->view()->setAccessibleName(roleHeading->text().trimmed());

    minModelsHeading = makeHeading(this, QStringLiteral("Minimum number of models "));
    minModelsHeading->setObjectName(QStringLiteral("minModelsHeading"));
    minModelsSlider = new Slider(this, fewestModels, mostModels);
    minModelsSlider->setObjectName(QStringLiteral("minModelsSlider"));
    minModelsLabel = makeValueLabel(this);
    minModelsLabel->setObjectName(QStringLiteral("minModelsLabel"));
    minModelsFromLabel = makeLabel(this, QStringLiteral("1"));
    minModelsFromLabel->setObjectName(QStringLiteral("minModelsFromLabel"));
    minModelsToLabel = makeLabel(this, QStringLiteral("32"));
    minModelsToLabel->setObjectName(QStringLiteral("minModelsToLabel"));
    maxModelsHeading = makeHeading(this, QStringLiteral("Maximum number of models"));
    maxModelsHeading->setObjectName(QStringLiteral("maxModelsHeading"));
    maxModelsSlider = new Slider(this, fewestModels, mostModels);
    maxModelsSlider->setObjectName(QStringLiteral("maxModelsSlider"));
    maxModelsLabel = makeValueLabel(this);
    maxModelsLabel->setObjectName(QStringLiteral("maxModelsLabel"));
    maxModelsFromLabel = makeLabel(this, QStringLiteral("1"));
    maxModelsFromLabel->setObjectName(QStringLiteral("maxModelsFromLabel"));
    maxModelsToLabel = makeLabel(this, QStringLiteral("32"));
    maxModelsToLabel->setObjectName(QStringLiteral("maxModelsToLabel"));
    minModelsHeading->setBuddy(minModelsSlider);
    maxModelsHeading->setBuddy(maxModelsSlider);

    previousButton = new Button(this, QStringLiteral("&Previous"), ButtonIcon::Previous);
    previousButton->setObjectName(QStringLiteral("previousButton"));
    nextButton = new Button(this, QStringLiteral("&Next "), ButtonIcon::Next);
    nextButton->setObjectName(QStringLiteral("nextButton"));
    nextButton->setEnabled(false);
    helpButton = makeHelpButton(this);
    helpButton->setObjectName(QStringLiteral("helpButton"));
    setHelpButton(helpButton);

    statusBar = new StatusBar(
        this, {160, 300, 50},
        {QStringLiteral("Army:"), QStringLiteral("Name:"), QStringLiteral("Total Units:")});
    statusBar->setObjectName(QStringLiteral("statusBar"));

    buildLayout(headings);

    setTabChain({troopGrid, roleComboBox, minModelsSlider, maxModelsSlider, nextButton,
                 previousButton, helpButton});

    connect(troopGrid, &Grid::textTyped, this, &CharacteristicsStep::updateButtonsAndName);
    connect(troopGrid, &Grid::keyPressed, this, &CharacteristicsStep::updateButtonsAndName);
    connect(troopGrid, &Grid::keyReleased, this, &CharacteristicsStep::updateButtonsAndName);
    connect(troopGrid, &Grid::exited, this, &CharacteristicsStep::storeCells);
    connect(roleComboBox, &QComboBox::activated, this, &CharacteristicsStep::chooseRole);
    connect(minModelsSlider, &Slider::movedByUser, this, &CharacteristicsStep::storeMinModels);
    connect(maxModelsSlider, &Slider::movedByUser, this, &CharacteristicsStep::storeMaxModels);
    connect(nextButton, &QPushButton::clicked, this, &CharacteristicsStep::next);
    connect(previousButton, &QPushButton::clicked, this, &CharacteristicsStep::previous);
    connect(helpButton, &QPushButton::clicked, this, &CharacteristicsStep::showHelp);

    setFixedClientSize(560, 215);
}

void CharacteristicsStep::buildLayout(GridHeadings* headings)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 2);
    layout->setSpacing(0);
    layout->addWidget(headings);
    layout->addWidget(troopGrid);
    layout->addSpacing(12);

    auto* type = new QVBoxLayout;
    type->addWidget(roleHeading);
    type->addWidget(roleComboBox);
    type->addStretch(1);
    auto* choices = new QHBoxLayout;
    choices->setSpacing(12);
    choices->addLayout(type, 0);
    choices->addLayout(trackBarGroup(minModelsHeading, minModelsSlider, minModelsLabel,
                                     minModelsFromLabel, minModelsToLabel),
                       1);
    choices->addLayout(trackBarGroup(maxModelsHeading, maxModelsSlider, maxModelsLabel,
                                     maxModelsFromLabel, maxModelsToLabel),
                       1);
    layout->addLayout(choices);
    layout->addSpacing(12);

    QHBoxLayout* buttons = buttonRow({previousButton, nextButton}, helpButton);
    layout->addLayout(buttons);
    layout->addStretch(1);
    layout->addSpacing(6);
    layout->addWidget(statusBar);
}

// Every activation shows the troop the wizard works on as the store holds it.
void CharacteristicsStep::activate()
{
    const QString& squad = store.army.squadWord;
    setWindowTitle(squad + QStringLiteral(" Types"));
    showTroop();
    updateButtons();
    troopGrid->setCurrentColumn(nameCol);
    troopGrid->setFocus(Qt::OtherFocusReason);
    statusBar->setPanelText(0, QStringLiteral("Army: ") + store.army.name);
    showTroopName();
    statusBar->setPanelText(2, QStringLiteral("Total ") + squad + QStringLiteral("s: ") +
                                   QString::number(store.troopCount));
}

void CharacteristicsStep::showTroopName()
{
    statusBar->setPanelText(1, store.army.squadWord + QStringLiteral(" Name: ") +
                                   troopGrid->cell(nameCol, 0));
}

// Next needs a name, a role and a minimum not above the maximum. While it is unavailable an
// accepted troop cannot be left either; a new troop can always be left unfinished.
void CharacteristicsStep::updateButtons()
{
    const int min = readNumber(minModelsLabel->text());
    const int max = readNumber(maxModelsLabel->text());
    if (min <= max && roleComboBox->currentIndex() >= 0 && !troopGrid->cell(nameCol, 0).isEmpty()) {
        nextButton->setEnabled(true);
        previousButton->setEnabled(true);
        nextButton->setToolTip(QString());
        previousButton->setToolTip(QString());
        return;
    }
    nextButton->setEnabled(false);
    nextButton->setToolTip(incompleteText());
    if (!wizard.buildsNewTroop()) {
        previousButton->setEnabled(false);
        previousButton->setToolTip(incompleteText());
    }
}

QString CharacteristicsStep::incompleteText()
{
    return QStringLiteral("The troop needs a name, a type, and a minimum number of models no "
                          "larger than its maximum.");
}

// The track bars stand within their range whatever the troop holds; the labels show the
// counts as held.
void CharacteristicsStep::showTroop()
{
    const Troop& troop = wizard.troop();
    troopGrid->setCell(nameCol, 0, troop.name);
    troopGrid->setCell(pointsCol, 0, troop.points);
    for (int col = firstCharCol; col <= lastCharCol; ++col)
        troopGrid->setCell(col, 0, field(troop.characteristics, col - firstCharCol + 1));
    troopGrid->setCell(frontArmourCol, 0, troop.frontArmour);
    troopGrid->setCell(frontArmourCol + 1, 0, troop.sideArmour);
    troopGrid->setCell(frontArmourCol + 2, 0, troop.rearArmour);

    minModelsLabel->setText(troop.minModels);
    maxModelsLabel->setText(troop.maxModels);
    minModelsSlider->setPosition(readNumber(minModelsLabel->text()));
    maxModelsSlider->setPosition(readNumber(maxModelsLabel->text()));

    roleComboBox->setCurrentIndex(-1);
    for (int i = 0; i < roleComboBox->count(); ++i) {
        if (roleCode(roleComboBox->itemText(i)) == troop.role) {
            roleComboBox->setCurrentIndex(i);
            break;
        }
    }
}

// An armour cell that is empty or 0 removes the armour value and a positive number becomes it;
// any other text is refused and the cell shows the stored value again once left.
void CharacteristicsStep::storeTroop()
{
    Troop& troop = wizard.troop();
    troop.name = troopGrid->cell(nameCol, 0);
    troop.points = troopGrid->cell(pointsCol, 0);
    QStringList chars;
    for (int col = firstCharCol; col <= lastCharCol; ++col)
        chars << troopGrid->cell(col, 0);
    troop.characteristics = chars.join(u',');
    QString* armour[] = {&troop.frontArmour, &troop.sideArmour, &troop.rearArmour};
    for (int i = 0; i < 3; ++i) {
        const QString text = troopGrid->cell(frontArmourCol + i, 0).trimmed();
        const int value = readNumber(text);
        if (text.isEmpty() || (isWholeNumber(text) && value == 0))
            armour[i]->clear();
        else if (isWholeNumber(text) && value > 0)
            *armour[i] = QString::number(value);
    }
    troop.minModels = minModelsLabel->text();
    troop.maxModels = maxModelsLabel->text();
}

void CharacteristicsStep::storeCells()
{
    for (int col = 0; col < colCount; ++col) {
        QString text = troopGrid->cell(col, 0);
        commaToSemicolon(text);
        troopGrid->setCell(col, 0, text);
    }
    storeTroop();
    const Troop& troop = wizard.troop();
    troopGrid->setCell(frontArmourCol, 0, troop.frontArmour);
    troopGrid->setCell(frontArmourCol + 1, 0, troop.sideArmour);
    troopGrid->setCell(frontArmourCol + 2, 0, troop.rearArmour);
    showTroopName();
}

void CharacteristicsStep::updateButtonsAndName()
{
    updateButtons();
    showTroopName();
}

void CharacteristicsStep::storeRole()
{
    if (roleComboBox->currentIndex() >= 0)
        wizard.troop().role = roleCode(roleComboBox->currentText());
}

void CharacteristicsStep::chooseRole()
{
    storeRole();
    updateButtons();
}

bool CharacteristicsStep::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == roleComboBox && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            storeRole();
    }
    return Window::eventFilter(watched, event);
}

void CharacteristicsStep::storeMinModels()
{
    minModelsLabel->setText(QString::number(minModelsSlider->value()));
    wizard.troop().minModels = minModelsLabel->text();
    updateButtons();
}

void CharacteristicsStep::storeMaxModels()
{
    maxModelsLabel->setText(QString::number(maxModelsSlider->value()));
    wizard.troop().maxModels = maxModelsLabel->text();
    updateButtons();
}

// Another accepted troop of the chosen role with exactly this name: the user is told and
// stays in this step.
bool CharacteristicsStep::nameTaken()
{
    if (!troopNameExists(store, wizard.slot(), troopGrid->cell(nameCol, 0),
                         roleComboBox->currentText()))
        return false;
    messageBox(this, QStringLiteral("*** UNITNAME ALREADY EXISTS ***"),
               QStringLiteral("Unitname already exists in this trooptype! Please choose another "
                              "name."),
               QMessageBox::Ok);
    focusName();
    return true;
}

// The name's cell takes the focus, its text selected, for the user to correct it.
void CharacteristicsStep::focusName()
{
    troopGrid->setCurrentColumn(nameCol);
    troopGrid->setFocus(Qt::OtherFocusReason);
    if (QLineEdit* editor = troopGrid->cellEditor())
        editor->selectAll();
}

// After the troop was found incomplete, the first field that keeps it so takes the focus.
void CharacteristicsStep::focusFieldAtFault()
{
    if (troopGrid->cell(nameCol, 0).isEmpty())
        focusName();
    else if (roleComboBox->currentIndex() < 0)
        roleComboBox->setFocus(Qt::OtherFocusReason);
    else
        minModelsSlider->setFocus(Qt::OtherFocusReason);
}

// Next: a name that another troop of the same role already has is refused; otherwise the
// standard weapons follow.
void CharacteristicsStep::next()
{
    finishEditing();
    if (nameTaken())
        return;
    wizard.showStep(WizardStep::StandardWeapons);
}

void CharacteristicsStep::showHelp()
{
    CharacteristicsHelp help(this);
    help.showModal();
}

// Previous: back to the main window. The troop keeps what was entered; a new troop stays
// uncounted.
void CharacteristicsStep::previous()
{
    finishEditing();
    if (nextButton->isEnabled() && nameTaken())
        return;
    wizard.leave();
}

// The close box is refused while Next is unavailable, and, like Previous, while the name is
// another troop's of the same role.
bool CharacteristicsStep::canClose()
{
    if (!nextButton->isEnabled()) {
        messageBox(this, QStringLiteral("*** TROOP INCOMPLETE ***"),
                   incompleteText() +
                       (wizard.buildsNewTroop()
                            ? QStringLiteral(" Fill them in, or press Previous to leave the new "
                                             "troop unfinished.")
                            : QStringLiteral(" Fill them in before you leave it.")),
                   QMessageBox::Ok);
        focusFieldAtFault();
        return false;
    }
    return !nameTaken();
}

void CharacteristicsStep::closing()
{
    wizard.leave();
}
