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
    // How long after a copy that could not be written the next attempt waits, in milliseconds.
    void setRetryInterval(int milliseconds) { retry.setInterval(milliseconds); }

    // Each piece of work that ended programs left in the folder is offered, newest first, with
    // the army, the file and the troop left unfinished;
    // `restore` brings back the work the user wants and says whether it did. Work restored or
    // refused is removed; work that cannot be read is set aside, the user told.
    void offerLeftWork(QWidget* window, const QString& folder,
                       const std::function<bool(const RecoveredWork&)>& restore);

signals:
    // The copy could not be written: a crash now would lose the unsaved work. Said once, until
    // the copy is written again.
    void protectionLost(const QString& reason);
    // The copy is written again, or nothing is unsaved any more.
    void protectionRestored();

private:
    void schedule();
    void copyReported(const QString& failure);

    ArmyDocument& document;
    Wizard& wizard;
    RecoveryWriter writer;
    QTimer delay;
    QTimer retry;
    bool copied = false;
    bool unprotected = false;
};
