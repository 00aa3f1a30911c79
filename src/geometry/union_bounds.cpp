#include "geometry/union_bounds.h"

#include <algorithm>

namespace korvo {

TRect UnionRect(const TRect& a, const TRect& b)
{
    if (a.IsEmpty() && b.IsEmpty())
        return {};
    if (a.IsEmpty())
        return b;
    if (b.IsEmpty())
        return a;
    return { std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
        std::max(a.Bottom, b.Bottom) };
}

TRect UnionBounds(const TRect& a, TRect b)
{
    if (b.Top == b.Bottom)
        b.Bottom += 1;
    else if (b.Left == b.Right)
        b.Right += 1;
    return UnionRect(a, b);
}

} // namespace korvo
