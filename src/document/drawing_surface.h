#pragma once

#include <QImage>

namespace korvo {

// Where the drawing shows its composed view: the editor's canvas widget, or a test's fake.
class TDrawingSurface {
public:
    virtual ~TDrawingSurface() = default;
    virtual void ShowImage(const QImage& view) = 0;
};

} // namespace korvo
