#include "document/every_core.h"

#include <QRunnable>
#include <QThreadPool>

#include <atomic>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <vector>

namespace korvo {

namespace {

    // The tasks, handed out one at a time. Qt's pool hands work over through locks a thread checker
    // cannot see into, so the helpers meet this thread through a mutex of its own as they start and end.
    class TCrew {
    public:
        TCrew(std::size_t count, const std::function<void(std::size_t)>& task)
            : FCount(count)
            , FTask(task)
        {
        }

        void Run(QThreadPool& pool, int helpers)
        {
            // Made before any starts, so that nothing can fail while helpers run without being waited for.
            std::vector<std::unique_ptr<QRunnable>> started;
            for (int i = 0; i < helpers; ++i) {
                started.emplace_back(QRunnable::create([this] { Help(); }));
                started.back()->setAutoDelete(false);
            }
            {
                const std::lock_guard<std::mutex> lock(FLock);
                FRunning = helpers;
            }
            for (const auto& helper : started)
                pool.start(helper.get());
            Work();
            // A helper still waiting for a thread is not needed any more.
            int withdrawn = 0;
            for (const auto& helper : started)
                withdrawn += pool.tryTake(helper.get()) ? 1 : 0;
            std::unique_lock<std::mutex> lock(FLock);
            FRunning -= withdrawn;
            FEnded.wait(lock, [this] { return FRunning == 0; });
            if (FFailure)
                std::rethrow_exception(FFailure);
        }

    private:
        void Help()
        {
            {
                const std::lock_guard<std::mutex> lock(FLock);
            }
            Work();
            const std::lock_guard<std::mutex> lock(FLock);
            --FRunning;
            FEnded.notify_one();
        }

        void Work()
        {
            for (std::size_t i = FNext++; i < FCount; i = FNext++) {
                try {
                    FTask(i);
                } catch (...) {
                    const std::lock_guard<std::mutex> lock(FLock);
                    if (!FFailure)
                        FFailure = std::current_exception();
                }
            }
        }

        const std::size_t FCount;
        const std::function<void(std::size_t)>& FTask;
        std::atomic<std::size_t> FNext { 0 };
        std::mutex FLock;
        std::condition_variable FEnded;
        // Helpers started and not yet ended.
        int FRunning = 0;
        std::exception_ptr FFailure;
    };

} // namespace

void RunOnEveryCore(QThreadPool& pool, int helpers, std::size_t count, const std::function<void(std::size_t)>& task)
{
    TCrew(count, task).Run(pool, helpers);
}

} // namespace korvo
