#include "geometry/shape_arena.h"

#include <cstdint>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace korvo {

namespace {

    constexpr std::size_t LargePage = 2 * 1024 * 1024;

} // namespace

void AdviseLargePages(void* start, std::size_t bytes)
{
#ifdef MADV_HUGEPAGE
    // Only whole large pages inside the range can be given; the advice must start on a page.
    const auto from = (reinterpret_cast<std::uintptr_t>(start) + LargePage - 1) / LargePage * LargePage;
    const auto to = (reinterpret_cast<std::uintptr_t>(start) + bytes) / LargePage * LargePage;
    if (to > from)
        madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
#else
    (void)start;
    (void)bytes;
#endif
}

TShapeArena::TShapeArena(std::size_t bytes)
{
    const std::size_t size = (bytes + LargePage - 1) / LargePage * LargePage;
    if (size == 0)
        return;
    FBlock.reset(static_cast<std::byte*>(std::aligned_alloc(LargePage, size)));
    if (!FBlock)
        return;
    FSize = size;
    AdviseLargePages(FBlock.get(), size);
}

void* TShapeArena::TryAllocate(std::size_t bytes, std::size_t alignment)
{
    const std::size_t at = (FUsed + alignment - 1) / alignment * alignment;
    if (!FBlock || at > FSize || bytes > FSize - at)
        return nullptr;
    FUsed = at + bytes;
    return FBlock.get() + at;
}

bool TShapeArena::Holds(const void* at) const
{
    const auto start = reinterpret_cast<std::uintptr_t>(FBlock.get());
    const auto address = reinterpret_cast<std::uintptr_t>(at);
    return FBlock && address >= start && address - start < FSize;
}

} // namespace korvo
