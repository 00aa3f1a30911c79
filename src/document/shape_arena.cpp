#include "document/shape_arena.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace korvo {

namespace {

    constexpr std::size_t MinBlockBytes = 64 * 1024;
    constexpr std::size_t LargePage = 2 * 1024 * 1024;

    // Fresh memory costs a page fault per page on first touch, more than reading the shapes into it;
    // large pages, where the system offers them, take that down to a handful.
    TShapeArena::TBlock NewBlock(std::size_t& size)
    {
        const bool large = size >= LargePage;
        if (large)
            size = (size + LargePage - 1) / LargePage * LargePage;
        TShapeArena::TBlock block(
            static_cast<std::byte*>(large ? std::aligned_alloc(LargePage, size) : std::malloc(size)));
        if (!block)
            throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
        if (large)
            madvise(block.get(), size, MADV_HUGEPAGE);
#endif
        return block;
    }

} // namespace

TShapeArena::TShapeArena(std::size_t bytes)
    : FBlockBytes(std::max(bytes, MinBlockBytes))
{
}

void* TShapeArena::Allocate(std::size_t bytes, std::size_t alignment)
{
    const std::size_t skip = FNext ? (alignment - reinterpret_cast<std::uintptr_t>(FNext) % alignment) % alignment : 0;
    if (!FNext || skip + bytes > FLeft) {
        std::size_t size = std::max(FBlockBytes, bytes + alignment);
        FBlocks.push_back(NewBlock(size));
        FNext = FBlocks.back().get();
        FLeft = size;
        return Allocate(bytes, alignment);
    }
    std::byte* at = FNext + skip;
    FNext = at + bytes;
    FLeft -= skip + bytes;
    return at;
}

} // namespace korvo
