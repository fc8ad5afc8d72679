#include "ui/main/CheckReportDialog.h"

#include "cli/ProblemText.h"
#include "store/Store.h"
#include "ui/ControlNames.h"
#include "ui/controls/Button.h"
#include "ui/controls/LineEdit.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace
{

// Each row of the problem list is as tall as its texts wrapped at the widths of their columns,
// so that a long problem shows whole.
class WrappingDelegate : public QStyledItemDelegate
{
public:
    explicit WrappingDelegate(QTreeView* list) : QStyledItemDelegate(list), view(list) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem wrapped = option;
        wrapped.rect = QRect(0, 0, view->columnWidth(index.column()), 1);
        return QStyledItemDelegate::sizeHint(wrapped, index);
    }

private:
    QTreeView* view;
};

} // namespace

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
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    int errors = 0;
    for (const Problem& problem : problems)
        errors += problem.severity() == Problem::Severity::Error;
    summaryLabel = new QLabel(
        problems.empty() ? QStringLiteral("No problems found.")
                         : problemCountText(errors, int(problems.size()) - errors, QLocale()),
        this);
    showWarningsBox = new QCheckBox(QStringLiteral("&Show warnings"), this);
    showWarningsBox->setChecked(true);
    showWarningsBox->setVisible(!problems.empty());
    problemList = new QTreeWidget(this);
    problemList->setAccessibleName(QStringLiteral("Problems"));
    problemList->setRootIsDecorated(false);
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
    // A long problem wraps within the width left to it, so that none is cut short.
    problemList->setWordWrap(true);
    problemList->setItemDelegate(new WrappingDelegate(problemList));
    problemList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    problemList->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    problemList->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    problemList->header()->setSectionResizeMode(2, QHeaderView::Stretch);
    connect(problemList->header(), &QHeaderView::sectionResized, problemList,
            &QTreeWidget::doItemsLayout, Qt::QueuedConnection);
    problemList->setVisible(!problems.empty());
    summaryLabel->setBuddy(problemList);

    openButton = new Button(this, QStringLiteral("&Open Troop"), ButtonIcon::Edit);
    closeButton = new Button(this, QStringLiteral("&Close"), ButtonIcon::Close);
    helpButton = makeHelpButton(this);
    setHelpButton(helpButton);
    setDefaultButton(openButton);
    setCancelButton(closeButton);

    auto* layout = new QVBoxLayout(this);
    auto* summaryRow = new QHBoxLayout;
    summaryRow->addWidget(summaryLabel, 1);
    summaryRow->addWidget(showWarningsBox);
    layout->addLayout(summaryRow);
    layout->addWidget(problemList, 1);
    if (problems.empty())
        layout->addStretch(1);
    layout->addLayout(buttonRow({openButton, closeButton}, helpButton));
    nameControls({{summaryLabel, "summaryLabel"},
                  {showWarningsBox, "showWarningsBox"},
                  {problemList, "problemList"},
                  {openButton, "openButton"},
                  {closeButton, "closeButton"},
                  {helpButton, "helpButton"}});
    setTabChain({problemList, showWarningsBox, openButton, closeButton, helpButton});

    connect(openButton, &QPushButton::clicked, this, &CheckReportDialog::openProblem);
    connect(closeButton, &QPushButton::clicked, this, [this] { done(Rejected); });
    connect(helpButton, &QPushButton::clicked, this, &CheckReportDialog::showHelp);
    connect(showWarningsBox, &QCheckBox::toggled, this, &CheckReportDialog::showWarnings);
    connect(problemList, &QTreeWidget::itemDoubleClicked, this, &CheckReportDialog::openProblem);
    connect(problemList, &QTreeWidget::itemActivated, this, &CheckReportDialog::goToArmyText);
    connect(problemList, &QTreeWidget::currentItemChanged, this,
            &CheckReportDialog::updateOpenButton);
    if (!problems.empty())
        problemList->setCurrentItem(
            problemList->topLevelItem(qBound(0, currentRow, int(problems.size()) - 1)));
    updateOpenButton();
    setFixedClientSize(760, 360);
}

void CheckReportDialog::fixSize(QSize clientSize)
{
    layout()->activate();
    resize(clientSize.expandedTo(minimumSizeHint()));
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
    return item && !item->isHidden() ? problemList->indexOfTopLevelItem(item) : -1;
}

// A troop's problem can be opened in the wizard; a problem of the catalogue or the header
// cannot.
void CheckReportDialog::updateOpenButton()
{
    const int row = currentRow();
    openButton->setEnabled(row >= 0 &&
                           problems[size_t(row)].place.part == ProblemPlace::Part::Troop);
}

// Enter on a row of the army's texts: the report closes, and the opener goes to that text.
void CheckReportDialog::goToArmyText()
{
    const int row = currentRow();
    if (row < 0 || problems[size_t(row)].place.part != ProblemPlace::Part::Army)
        return;
    chosen = row;
    done(Accepted);
}

// Hidden warnings leave the errors alone in the list; the counts stay as they are. A current
// row that is hidden gives way to the first row shown.
void CheckReportDialog::showWarnings(bool shown)
{
    QTreeWidgetItem* firstShown = nullptr;
    for (int row = 0; row < problemList->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = problemList->topLevelItem(row);
        item->setHidden(!shown && problems[size_t(row)].severity() == Problem::Severity::Warning);
        if (!firstShown && !item->isHidden())
            firstShown = item;
    }
    if (problemList->currentItem() && problemList->currentItem()->isHidden())
        problemList->setCurrentItem(firstShown);
    updateOpenButton();
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

void focusArmyText(const std::array<LineEdit*, 3>& edits, int armyText)
{
    edits[size_t(qBound(0, armyText, 2))]->focusForCorrection();
}
