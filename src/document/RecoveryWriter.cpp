#include "document/RecoveryWriter.h"

namespace
{

// A thread of Qt's own, so that what Qt keeps for each thread is made and freed as Qt expects
// on every system.
class Worker : public QThread
{
public:
    explicit Worker(std::function<void()> work) : job(std::move(work)) {}

protected:
    void run() override { job(); }

private:
    std::function<void()> job;
};

} // namespace

RecoveryWriter::RecoveryWriter(const QString& folder,
                               std::function<void(const QString& failure)> reported)
    : file(folder), report(std::move(reported)), worker(std::make_unique<Worker>([this] { run(); }))
{
    worker->start();
}

RecoveryWriter::~RecoveryWriter()
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        stopping = true;
    }
    wake.notify_one();
    worker->wait();
}

void RecoveryWriter::keep(RecoveredWork work)
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        pending.emplace(std::move(work));
    }
    wake.notify_one();
}

void RecoveryWriter::remove()
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        pending.emplace(std::nullopt);
    }
    wake.notify_one();
}

void RecoveryWriter::finish()
{
    std::unique_lock<std::mutex> lock(mutex);
    done.wait(lock, [this] { return !pending && !busy; });
}

QString RecoveryWriter::path() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return filePath;
}

QString RecoveryWriter::lastFailure() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return failure;
}

void RecoveryWriter::run()
{
    std::unique_lock<std::mutex> lock(mutex);
    for (;;) {
        wake.wait(lock, [this] { return pending || stopping; });
        if (!pending)
            return;
        std::optional<RecoveredWork> request = std::move(*pending);
        pending.reset();
        busy = true;
        lock.unlock();
        QString reason;
        if (request)
            file.write(*request, &reason);
        else
            file.remove();
        // The work and its army are let go here, off the program's thread.
        request.reset();
        lock.lock();
        filePath = file.path();
        failure = reason;
        busy = false;
        done.notify_all();
        if (report)
            QMetaObject::invokeMethod(
                &home, [this, reason] { report(reason); }, Qt::QueuedConnection);
    }
}
