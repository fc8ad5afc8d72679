#pragma once

#include "document/ArmyDocument.h"

#include <QLabel>

class LineEdit;
class StatusBar;

// The notice over the middle of the main window while a datafile loads.
class LoadingNotice : public QLabel
{
public:
    explicit LoadingNotice(QWidget* window);

    // Centred over the window, three quarters of its width; placed once the window has its size.
    void place();
    // Shown at once, over everything, or hidden.
    void showNow(bool visible);
};

// What the main window shows while a datafile loads: the army's texts in its edits as soon as
// they are read, the count of troops read so far, and the read-error window for a file that is
// no datafile.
class LoadShown : public LoadWatcher
{
public:
    LoadShown(QWidget* window, const QString& path, LineEdit* nameEdit, LineEdit* unitEdit,
              LineEdit* squadEdit, StatusBar* statusBar);

    void armyRead(const Army& army) override;
    void troopRead(int n) override;
    void raceMissing() override;

private:
    QWidget* window;
    QString fileName;
    LineEdit* edits[3];
    StatusBar* statusBar;
    QString squadWord;
};

// "Total " + the squad word + "s: " + the number of troops, as the status bar counts them.
QString troopCountText(const QString& squadWord, int count);

// What the status bar says after a load that merged catalogue lines: "Load merged 2 catalogue
// lines that differed only in letter case".
QString mergedLinesText(int count);

// A load that failed is said so: a file far larger than any datafile with its reason, any other
// unreadable file in the read-error window (a file that is no datafile was said so while it
// loaded). False for such a load. A load that left troops out says so too.
bool loadSucceeded(QWidget* window, const ArmyDocument::LoadResult& result, const QString& path);
