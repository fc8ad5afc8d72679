#include "ui/main/Loading.h"

#include "ui/Modal.h"
#include "ui/controls/LineEdit.h"
#include "ui/controls/StatusBar.h"
#include "ui/main/ReadErrorDialog.h"

#include <QFileInfo>

LoadingNotice::LoadingNotice(QWidget* window)
    : QLabel(QStringLiteral("Loading datafile. Please wait..."), window)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    hide();
}

void LoadingNotice::place()
{
    const QWidget* window = parentWidget();
    const QSize size = sizeHint().expandedTo(QSize(window->width() * 3 / 4, 48));
    setGeometry(
        QRect(QPoint((window->width() - size.width()) / 2, (window->height() - size.height()) / 2),
              size));
}

void LoadingNotice::showNow(bool visible)
{
    setVisible(visible);
    if (visible) {
        raise();
        repaint();
    }
}

LoadShown::LoadShown(QWidget* shownIn, const QString& path, LineEdit* nameEdit, LineEdit* unitEdit,
                     LineEdit* squadEdit, StatusBar* bar)
    : window(shownIn), fileName(QFileInfo(path).fileName()), edits{nameEdit, unitEdit, squadEdit},
      statusBar(bar)
{
}

void LoadShown::armyRead(const Army& army)
{
    edits[0]->setText(army.name);
    edits[1]->setText(army.unitWord);
    edits[2]->setText(army.squadWord);
    squadWord = army.squadWord;
}

void LoadShown::troopRead(int n)
{
    statusBar->setPanelText(1, troopCountText(squadWord, n));
    statusBar->repaint();
}

void LoadShown::raceMissing()
{
    ReadErrorDialog errorWindow(window, fileName);
    errorWindow.showModal();
}

QString troopCountText(const QString& squadWord, int count)
{
    return QStringLiteral("Total ") + squadWord + QStringLiteral("s: ") + QString::number(count);
}

QString mergedLinesText(int count)
{
    return count == 1
               ? QStringLiteral("Load merged 1 catalogue line that differed only in letter case")
               : QStringLiteral("Load merged %1 catalogue lines that differed only in letter case")
                     .arg(count);
}

bool loadSucceeded(QWidget* window, const ArmyDocument::LoadResult& result, const QString& path)
{
    switch (result.status) {
    case ArmyDocument::LoadStatus::TooLarge:
        messageBox(window, QStringLiteral("*** FILE ERROR ***"),
                   QStringLiteral("An error occurred while reading the file!\n") + result.reason,
                   QMessageBox::Ok);
        return false;
    case ArmyDocument::LoadStatus::Unreadable: {
        ReadErrorDialog errorWindow(window, QFileInfo(path).fileName(),
                                    QStringLiteral("The file ") + path +
                                        QStringLiteral(" cannot be read: ") + result.reason);
        errorWindow.showModal();
        return false;
    }
    case ArmyDocument::LoadStatus::NotADatafile:
        return false;
    case ArmyDocument::LoadStatus::Loaded:
        break;
    }
    if (result.troopsLeftOut) {
        messageBox(window, QStringLiteral("*** TOO MANY TROOPS ***"),
                   QStringLiteral("The datafile holds more than 100 troops. Only the first 100 "
                                  "were loaded."),
                   QMessageBox::Ok);
    }
    return true;
}
