#pragma once

#include <cstddef>
#include <cstdlib>
#include <memory>
#include <vector>

namespace korvo {

// Memory for the shapes read from one file, taken from a few large blocks instead of one allocation
// per shape. Nothing is given back piece by piece: the blocks go when the last shape made from them
// does, since every shape's allocator holds the arena.
class TShapeArena {
public:
    struct TFree {
        void operator()(std::byte* block) const { std::free(block); }
    };
    using TBlock = std::unique_ptr<std::byte, TFree>;

    // Room for about `bytes` is taken at once; more blocks follow if that is not enough.
    explicit TShapeArena(std::size_t bytes);
    void* Allocate(std::size_t bytes, std::size_t alignment);

private:
    std::vector<TBlock> FBlocks;
    std::size_t FBlockBytes;
    std::byte* FNext = nullptr;
    std::size_t FLeft = 0;
};

// The allocator std::allocate_shared uses to place a shape and its reference counts in an arena.
template <class T> class TArenaAllocator {
public:
    using value_type = T;

    explicit TArenaAllocator(std::shared_ptr<TShapeArena> arena)
        : FArena(std::move(arena))
    {
    }
    template <class U>
    TArenaAllocator(const TArenaAllocator<U>& other)
        : FArena(other.Arena())
    {
    }

    T* allocate(std::size_t n) { return static_cast<T*>(FArena->Allocate(n * sizeof(T), alignof(T))); }
    void deallocate(T*, std::size_t) { }
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
