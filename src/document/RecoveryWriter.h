#pragma once

#include "datafile/Recovery.h"

#include <QObject>
#include <QThread>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

// Keeps this program's recovery file on a thread of its own, so that the program's thread never
// waits on encoding the army or on the disk. The newest request wins: work handed in and not yet
// written when newer work (or the removal) comes is never written.
class RecoveryWriter
{
public:
    // Once a request is done, `reported` is called on the thread that made the writer, with why
    // the copy could not be written (empty when it was written or removed).
    explicit RecoveryWriter(const QString& folder,
                            std::function<void(const QString& failure)> reported = {});
    // Sees through what was handed in, then stops.
    ~RecoveryWriter();
    RecoveryWriter(const RecoveryWriter&) = delete;
    RecoveryWriter& operator=(const RecoveryWriter&) = delete;

    // The work goes into the recovery file.
    void keep(RecoveredWork work);
    // The recovery file goes.
    void remove();
    // Waits until everything handed in is done.
    void finish();
    // The recovery file's path; empty before it was first written.
    QString path() const;
    // Why the last write failed; empty when it succeeded.
    QString lastFailure() const;

private:
    void run();

    mutable std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable done;
    // The request not yet taken up: work to keep, or none for the removal.
    std::optional<std::optional<RecoveredWork>> pending;
    bool busy = false;
    bool stopping = false;
    QString filePath;
    QString failure;
    RecoveryFile file;
    std::function<void(const QString&)> report;
    // Lives on the thread that made the writer, which runs the reports.
    QObject home;
    std::unique_ptr<QThread> worker;
};
