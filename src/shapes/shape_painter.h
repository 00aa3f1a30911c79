#pragma once

#include "geometry/device_types.h"
#include "shapes/font_cache.h"
#include "shapes/paint_errors.h"
#include "shapes/polygon.h"
#include "shapes/shape_kind_traits.h"

#include <QPainter>
#include <QPainterPath>

namespace korvo {

// Where shapes are painted. The screen takes pen widths in pixels as stored and grows text with the
// zoom; a device (printer, picture file) measures pen widths in 1/144 inch and prints text at its
// nominal point size, whatever the scale. A page picture is the screen's look with the pens of paper:
// 1/144 inch at the resolution its scale gives, so that lines keep their weight at any size.
enum class TPaintTarget { Screen, Device, PagePicture };

// How far the shape's pen paints beyond the pixels its outline runs through, in pixels on the target:
// half of what the pen is wider than one pixel, so a hairline paints nothing beyond. A clear pen, a
// group and a text paint no pen of their own. `scale` (pixels per millimetre) matters to a page picture.
double PenReach(const TPolygon& shape, TPaintTarget target, int logPixelsY, float scale);

// Paints shapes onto any QPainter: screen image, printer, PDF, SVG or picture file. One painter
// serves a whole paint; it reuses its buffers and fonts from shape to shape, so painting a page does
// no per-shape allocation for shapes without text.
class TShapePainter {
public:
    // logPixelsY is the vertical resolution text sizes refer to: the screen's for screen painting,
    // the device's own for devices.
    TShapePainter(QPainter& painter, TPaintTarget target, int logPixelsY, TFontCache& fonts);

    // Paints the shape at the given scroll offset and scale (pixels per millimetre). A shape that fails
    // stops painting there; its error is collected in Errors() and the next shape paints normally.
    void Draw(const TPolygon& shape, int offsetX, int offsetY, float scale);

    TPaintErrors& Errors() { return FErrors; }

private:
    struct TView {
        int OffsetX;
        int OffsetY;
        float Scale;
    };

    void DrawKind(const TPolygon& shape, const TView& view);
    void DrawFamily(const TPolygon& shape, TPaintFamily family, const TView& view);
    void SetUpPen(const TPolygon& shape, float scale);
    void DrawBezierShape(const TPolygon& shape, bool closeFigure, bool fill, bool stroke);
    void DrawOpenPolygon(const TPolygon& shape);
    void DrawTube(const TPolygon& shape, bool vertical);
    void DrawTubeBend(const TPolygon& shape);
    void DrawText(const TPolygon& shape, const TView& view);
    void DrawLineEnding(const TPolygon& shape, float scale);
    void StrokeBezier(const QPoint* points, std::size_t count);
    bool BuildBezierPath(const QPoint* points, std::size_t count);

    QPainter& FPainter;
    TPaintTarget FTarget;
    int FLogPixelsY;
    TFontCache& FFonts;
    TPaintErrors FErrors;
    // Reused from shape to shape: the current shape's device points, its path and its pen.
    TPointArray FPoints;
    QPainterPath FPath;
    QPen FPen;
};

} // namespace korvo
