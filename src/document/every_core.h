#pragma once

#include <cstddef>
#include <functional>

class QThreadPool;

namespace korvo {

// Runs task(0) to task(count - 1), each once, on this thread and on up to `helpers` threads of the pool,
// each thread taking the next task as it finishes one, and returns when every task has ended. This
// thread works too, so a pool thread that is slow to start costs nothing: its tasks are taken here and it
// is withdrawn. What the tasks wrote is visible to this thread on return. The first exception a task
// throws is thrown here, after the others have ended.
void RunOnEveryCore(QThreadPool& pool, int helpers, std::size_t count, const std::function<void(std::size_t)>& task);

} // namespace korvo
