#pragma once

#include "datafile/Recovery.h"
#include "document/RecoveryWriter.h"

#include <QObject>
#include <QTimer>
#include <functional>

class ArmyDocument;
class QWidget;
class Wizard;

// The recovery copy of the work: brought up to date a moment after the document or the troop in
// the wizard changes, and written off the program's thread, while anything is unsaved (the army
// is modified, or a new troop is being built); removed once nothing is. A crash loses at most
// that moment.
class RecoveryKeeper : public QObject
{
    Q_OBJECT
public:
    RecoveryKeeper(ArmyDocument& document, Wizard& wizard,
                   const QString& folder = RecoveryFile::defaultFolder());
    ~RecoveryKeeper() override;

    // The work as a recovery file keeps it: the army (with the wizard's work on its troop while
    // a run goes on), the new troop being built, the file and the time.
    RecoveredWork workNow() const;
    // The copy is brought up to date with the work now.
    void keepCopy();
    // Waits until the copy on disk is as the last keepCopy() left it.
    void finish();
    // The program ends with its work settled: the copy goes.
    void removeCopy();
    QString path() const { return writer.path(); }

    // Each piece of work that ended programs left in the folder is offered, newest first;
    // `restore` brings back the work the user wants and says whether it did. Work restored or
    // refused is removed; work that cannot be read is set aside, the user told.
    void offerLeftWork(QWidget* window, const QString& folder,
                       const std::function<bool(const RecoveredWork&)>& restore);

private:
    void schedule();

    ArmyDocument& document;
    Wizard& wizard;
    RecoveryWriter writer;
    QTimer delay;
    bool copied = false;
};
