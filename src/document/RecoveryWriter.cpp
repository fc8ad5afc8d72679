#include "document/RecoveryWriter.h"

RecoveryWriter::RecoveryWriter(const QString& folder) : file(folder), worker([this] { run(); }) {}

RecoveryWriter::~RecoveryWriter()
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        stopping = true;
    }
    wake.notify_one();
    worker.join();
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
    }
}
