#include "ui/main/CheckReportDialog.h"

#include "cli/ProblemText.h"
#include "store/Store.h"
#include "ui/ControlNames.h"
#include "ui/controls/Button.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

int wizardStepOf(TroopField field)
{
    switch (field) {
    case TroopField::StandardWeapon:
        return 3;
    case TroopField::ReplaceableWeapon:
        return 4;
    case TroopField::AdditionalWeapon:
        return 5;
    case TroopField::Ability:
        return 6;
    case TroopField::WeaponLimit:
    case TroopField::AbilityLimits:
        return 7;
    default:
        return 2;
    }
}

QString placeText(const Store& store, const Problem& problem)
{
    const ProblemPlace& place = problem.place;
    switch (place.part) {
    case ProblemPlace::Part::Army:
        return QStringLiteral("Army");
    case ProblemPlace::Part::Catalogue: {
        const QString catalogue = place.catalogue == CatalogueKind::Abilities
                                      ? QStringLiteral("Special ability catalogue")
                                      : QStringLiteral("Weapon catalogue");
        if (!problem.otherPlace)
            return catalogue;
        const int first = std::min(place.line, problem.otherPlace->line) + 1;
        const int second = std::max(place.line, problem.otherPlace->line) + 1;
        return QStringLiteral("%1, entries %2 and %3").arg(catalogue).arg(first).arg(second);
    }
    case ProblemPlace::Part::Datafile:
        return QStringLiteral("Datafile, line ") + QString::number(place.line);
    case ProblemPlace::Part::Troop:
        break;
    }
    return QStringLiteral("%1, step %2")
        .arg(troopLabel(store.troops[size_t(place.slot)]),
             QString::number(wizardStepOf(place.field)));
}

CheckReportDialog::CheckReportDialog(QWidget* opener, const Store& store, int currentRow)
    : Dialog(opener, QStringLiteral("Check Army")), problems(checkArmy(store))
{
    int errors = 0;
    for (const Problem& problem : problems)
        errors += problem.severity() == Problem::Severity::Error;
    summaryLabel = new QLabel(problems.empty() ? QStringLiteral("No problems found.")
                                               : QStringLiteral("%1 errors, %2 warnings")
                                                     .arg(errors)
                                                     .arg(int(problems.size()) - errors),
                              this);
    problemList = new QTreeWidget(this);
    problemList->setAccessibleName(QStringLiteral("Problems"));
    problemList->setRootIsDecorated(false);
    problemList->setUniformRowHeights(true);
    problemList->setAllColumnsShowFocus(true);
    problemList->setHeaderLabels(
        {QStringLiteral("Severity"), QStringLiteral("Where"), QStringLiteral("Problem")});
    QList<QTreeWidgetItem*> rows;
    for (const Problem& problem : problems) {
        rows << new QTreeWidgetItem(QStringList{problem.severity() == Problem::Severity::Error
                                                    ? QStringLiteral("Error")
                                                    : QStringLiteral("Warning"),
                                                placeText(store, problem), problemText(problem)});
    }
    problemList->addTopLevelItems(rows);
    problemList->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    problemList->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    // Each column as wide as its longest text, so that nothing is cut short; a long problem
    // scrolls sideways.
    problemList->header()->setStretchLastSection(false);
    problemList->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    problemList->setVisible(!problems.empty());
    summaryLabel->setBuddy(problemList);

    openButton = new Button(this, QStringLiteral("&Open Troop"), ButtonIcon::Edit);
    closeButton = new Button(this, QStringLiteral("&Close"), ButtonIcon::Close);
    helpButton = makeHelpButton(this);
    setHelpButton(helpButton);
    setDefaultButton(openButton);
    setCancelButton(closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summaryLabel);
    layout->addWidget(problemList, 1);
    if (problems.empty())
        layout->addStretch(1);
    layout->addLayout(buttonRow({openButton, closeButton}, helpButton));
    nameControls({{summaryLabel, "summaryLabel"},
                  {problemList, "problemList"},
                  {openButton, "openButton"},
                  {closeButton, "closeButton"},
                  {helpButton, "helpButton"}});
    setTabChain({problemList, openButton, closeButton, helpButton});

    connect(openButton, &QPushButton::clicked, this, &CheckReportDialog::openProblem);
    connect(closeButton, &QPushButton::clicked, this, [this] { done(Rejected); });
    connect(helpButton, &QPushButton::clicked, this, &CheckReportDialog::showHelp);
    connect(problemList, &QTreeWidget::itemDoubleClicked, this, &CheckReportDialog::openProblem);
    connect(problemList, &QTreeWidget::currentItemChanged, this,
            &CheckReportDialog::updateOpenButton);
    if (!problems.empty())
        problemList->setCurrentItem(
            problemList->topLevelItem(qBound(0, currentRow, int(problems.size()) - 1)));
    updateOpenButton();
    setFixedClientSize(760, 360);
}

void CheckReportDialog::activate()
{
    if (problemList->isVisible())
        problemList->setFocus(Qt::OtherFocusReason);
    else
        closeButton->setFocus(Qt::OtherFocusReason);
}

int CheckReportDialog::currentRow() const
{
    QTreeWidgetItem* item = problemList->currentItem();
    return item ? problemList->indexOfTopLevelItem(item) : -1;
}

// A troop's problem can be opened in the wizard; a problem of the catalogue or the header
// cannot.
void CheckReportDialog::updateOpenButton()
{
    const int row = currentRow();
    openButton->setEnabled(row >= 0 &&
                           problems[size_t(row)].place.part == ProblemPlace::Part::Troop);
}

void CheckReportDialog::openProblem()
{
    if (!openButton->isEnabled())
        return;
    chosen = currentRow();
    done(Accepted);
}

const Problem* CheckReportDialog::chosenProblem() const
{
    return chosen >= 0 ? &problems[size_t(chosen)] : nullptr;
}

void CheckReportDialog::showHelp()
{
    messageBox(this, QStringLiteral("Help on Check Army"),
               QStringLiteral("Each row is a problem of the army: an error makes the datafile "
                              "wrong for the roster program, a warning is worth a look. Select a "
                              "troop's row and press Enter (or double-click it) to open that "
                              "troop at the step that shows the problem; the report comes back "
                              "when you leave the troop."),
               QMessageBox::Ok);
}
