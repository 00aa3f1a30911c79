#pragma once

#include <cstddef>
#include <cstdlib>
#include <memory>

namespace korvo {

// Asks the system to back [start, start + bytes) with large pages where it offers them. Fresh memory
// costs a page fault per page on first touch, more than reading a drawing into it; large pages take
// that down to a handful.
void AdviseLargePages(void* start, std::size_t bytes);

// Memory for the shapes read from one file and their points, taken as one block instead of one
// allocation each. Nothing is given back piece by piece: the block goes when the last shape or point
// array placed in it does, since each of their allocators holds the arena.
class TShapeArena {
public:
    // Room for `bytes`; when the system cannot give that much at once the arena stays empty and
    // everything is placed on the heap.
    explicit TShapeArena(std::size_t bytes);
    // Null when the rest of the block is too small.
    void* TryAllocate(std::size_t bytes, std::size_t alignment);
    bool Holds(const void* at) const;

private:
    struct TFree {
        void operator()(std::byte* block) const { std::free(block); }
    };
    std::unique_ptr<std::byte, TFree> FBlock;
    std::size_t FSize = 0;
    std::size_t FUsed = 0;
};

// Places what it can in an arena and the rest on the heap. A copy of a container starts on the heap,
// so copies of loaded shapes never keep a file's arena alive; a move takes the arena along.
template <class T> class TArenaAllocator {
public:
    using value_type = T;
    using propagate_on_container_copy_assignment = std::false_type;
    using propagate_on_container_move_assignment = std::true_type;
    using propagate_on_container_swap = std::true_type;

    TArenaAllocator() = default;
    explicit TArenaAllocator(std::shared_ptr<TShapeArena> arena)
        : FArena(std::move(arena))
    {
    }
    template <class U>
    TArenaAllocator(const TArenaAllocator<U>& other)
        : FArena(other.Arena())
    {
    }

    T* allocate(std::size_t n)
    {
        if (FArena)
            if (void* at = FArena->TryAllocate(n * sizeof(T), alignof(T)))
                return static_cast<T*>(at);
        return std::allocator<T>().allocate(n);
    }
    void deallocate(T* at, std::size_t n)
    {
        if (!FArena || !FArena->Holds(at))
            std::allocator<T>().deallocate(at, n);
    }
    TArenaAllocator select_on_container_copy_construction() const { return {}; }
    const std::shared_ptr<TShapeArena>& Arena() const { return FArena; }

    template <class U> friend bool operator==(const TArenaAllocator& a, const TArenaAllocator<U>& b)
    {
        return a.FArena == b.Arena();
    }
    template <class U> friend bool operator!=(const TArenaAllocator& a, const TArenaAllocator<U>& b)
    {
        return !(a == b);
    }

private:
    std::shared_ptr<TShapeArena> FArena;
};

} // namespace korvo
