#pragma once

#include <QImage>

namespace korvo {

// Where the drawing shows its composed view: the editor's canvas widget, or a test's fake.
class TDrawingSurface {
public:
    virtual ~TDrawingSurface() = default;
    // The view stays valid, unchanged, until the next call. Keeping a reference instead of a copy
    // spares the drawing a full copy of the view on every paint.
    virtual void ShowImage(const QImage& view) = 0;
};

} // namespace korvo
