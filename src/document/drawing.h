#pragma once

#include "document/drawing_file.h"
#include "geometry/device_types.h"
#include "shapes/font_cache.h"

#include <QImage>
#include <QString>

#include <optional>
#include <vector>

namespace korvo {

class TDrawingSurface;
class TErrorReporter;
class TPaintErrors;

// The editor's one document: the ordered shapes of the page (index 0 at the back), the selection,
// the view onto the page (scale and scroll offset), the background picture and the rotation centre.
// Shapes cache their device bounds for one scale; the drawing refreshes them when the scale changes.
class TDrawing {
public:
    // The surface receives every composed view; painting errors go to the reporter, once per paint.
    // Either may be absent for headless use.
    explicit TDrawing(TDrawingSurface* surface = nullptr, TErrorReporter* reporter = nullptr);

    const TShapeList& Shapes() const { return FShapes; }
    const std::vector<TPolygon*>& Selection() const { return FSelection; }
    int ShapeCount() const { return static_cast<int>(FShapes.size()); }
    int SelCount() const { return static_cast<int>(FSelection.size()); }

    void ClearShapes();
    void ClearSelection();

    // View. The scroll offset is in page pixels; the view size is the surface's client size.
    float Scale() const { return FScale; }
    // Sets the scale and refreshes every shape's device bounds and handles for it. Does not paint.
    void SetScale(float scale);
    void RefreshShapes();
    void SetViewSize(int width, int height);
    void SetScroll(int x, int y);
    int ScrollX() const { return FScrollX; }
    int ScrollY() const { return FScrollY; }
    bool ShowGrid() const { return FShowGrid; }
    void SetShowGrid(bool show) { FShowGrid = show; }
    // 0: selected shapes show resize handles; 1: they show their nodes; anything else shows nothing.
    int NodeMode() const { return FNodeMode; }
    void SetNodeMode(int mode) { FNodeMode = mode; }

    QPoint MMToDevice(TMMPoint p, int offsetX, int offsetY) const;
    QPoint MMToPoint(float x, float y) const;
    TMMPoint DeviceToMM(int x, int y) const;
    TMMPoint PointToMM(QPoint p) const { return DeviceToMM(p.x(), p.y()); }
    // Centimetres, for the position read-out.
    TMMPoint DeviceToCM(int x, int y) const;
    // Snaps a device point to the nearest whole millimetre of the page.
    void SnapToGrid(int& x, int& y) const;

    // Composes the whole view (background, grid, shapes, selection marks, rotation centre) and hands
    // it to the surface; errors met while painting are reported once afterwards.
    void Paint();
    const QImage& ViewImage() const { return FView; }

    // The background picture, each of its pixels 25/96 mm on the page. A picture that cannot be read
    // throws EFileError and leaves the previous picture in place.
    void LoadBackground(const QString& fileName);
    void ClearBackground();
    bool HasBackground() const { return FBackground.has_value(); }
    void SetBackgroundPosition(float x, float y);

    // The rotation centre: its marker is hit within 5 pixels (code 19), only while it is shown.
    int CentreAt(int x, int y) const;
    void SetCentre(int x, int y);
    TMMPoint Centre() const { return { FCentreX, FCentreY }; }
    bool ShowCentre() const { return FShowCentre; }
    void SetShowCentre(bool show) { FShowCentre = show; }

    // Both throw EFileError with a message for the user. A failed load leaves the drawing as it was;
    // a failed save leaves any existing file intact. Success leaves DocState at dsSaved.
    void SaveFile(const QString& fileName) const;
    void LoadFile(const QString& fileName);

private:
    void DrawBackground(QPainter& painter) const;
    void DrawGrid(QPainter& painter) const;
    void DrawSelection(QPainter& painter, TPaintErrors& errors);
    void DrawCentre(QPainter& painter) const;

    TDrawingSurface* FSurface;
    TErrorReporter* FReporter;
    TShapeList FShapes;
    std::vector<TPolygon*> FSelection;
    float FScale = 10.0f;
    int FViewWidth = 0;
    int FViewHeight = 0;
    int FScrollX = 0;
    int FScrollY = 0;
    bool FShowGrid = true;
    int FNodeMode = 0;
    std::optional<QImage> FBackground;
    float FBackgroundX = 0;
    float FBackgroundY = 0;
    float FCentreX = 100.0f;
    float FCentreY = 100.0f;
    bool FShowCentre = false;
    // Kept between paints: the composed view and the fonts matched for it.
    QImage FView;
    TFontCache FFonts;
    TPointArray FNodePoints;
};

} // namespace korvo
