#include "document/shape_splice.h"

#include <algorithm>

namespace korvo {

TShapeSplice Then(const TShapeSplice& first, const TShapeSplice& second)
{
    // Between the two edits the list holds first's added shapes at [first.At, first.At + first.Added) and
    // second removes [second.At, second.At + second.Removed); the splice spans both. Everything before
    // its start is untouched by either, everything after its end only shifted.
    const std::size_t from = std::min(first.At, second.At);
    const std::size_t to = std::max(first.At + first.Added, second.At + second.Removed);
    return { from, to - first.Added + first.Removed - from, to - second.Removed + second.Added - from };
}

TShapeSplice Then(const std::optional<TShapeSplice>& first, const TShapeSplice& second)
{
    return first ? Then(*first, second) : second;
}

} // namespace korvo
