#include "geometry/clip_line.h"

#include <algorithm>

namespace korvo {

bool ClipLine(QPointF& a, QPointF& b, const QRectF& keep)
{
    double t0 = 0;
    double t1 = 1;
    const QPointF d = b - a;
    const double p[] = { -d.x(), d.x(), -d.y(), d.y() };
    const double q[] = { a.x() - keep.left(), keep.right() - a.x(), a.y() - keep.top(), keep.bottom() - a.y() };
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    if (t0 > t1)
        return false;
    b = a + t1 * d;
    a += t0 * d;
    return true;
}

} // namespace korvo
