#pragma once

#include <cstddef>
#include <optional>

namespace korvo {

// What an edit did to the drawing's list of shapes: the `Removed` shapes from index `At` on gave way to
// `Added` others. A shape changed in place is one removed and one added at its index. The shapes before
// `At` kept their places; those after the removed ones moved by `Added - Removed`.
struct TShapeSplice {
    std::size_t At = 0;
    std::size_t Removed = 0;
    std::size_t Added = 0;

    // The shapes [at, at + count) changed in place.
    static TShapeSplice InPlace(std::size_t at, std::size_t count = 1) { return { at, count, count }; }

    // The edit that takes the list back to what it was.
    TShapeSplice Inverse() const { return { At, Added, Removed }; }

    friend bool operator==(const TShapeSplice& a, const TShapeSplice& b)
    {
        return a.At == b.At && a.Removed == b.Removed && a.Added == b.Added;
    }
};

// One splice spanning `first` and then `second`: the shapes neither touched keep their places around it.
TShapeSplice Then(const TShapeSplice& first, const TShapeSplice& second);
// The same where `first` may be nothing yet.
TShapeSplice Then(const std::optional<TShapeSplice>& first, const TShapeSplice& second);

} // namespace korvo
