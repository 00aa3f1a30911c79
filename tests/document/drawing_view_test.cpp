#include "document/drawing.h"
#include "document/zoom.h"
#include "geometry/units.h"
#include "shapes/error_reporter.h"
#include "shapes/file_io.h"

#include "support/paint_helpers.h"
#include "support/temp_files.h"

#include <QTemporaryDir>

#include <functional>
#include <vector>

#include <gtest/gtest.h>

using namespace korvo;
using namespace korvo::test;

namespace {

constexpr TColour Light = 0x00C0C0C0;
constexpr TColour Dark = 0x00808080;
constexpr TColour Green = 0x0000FF00;

// What the editor's surface would show.
struct TFakeSurface {
    QImage Shown;
    int Count = 0;
};

class TFakeReporter : public TErrorReporter {
public:
    void ReportError(const QString& message) override { Messages.append(message); }
    QStringList Messages;
};

TShapePtr Rect(TMMRect r, TColour fill)
{
    auto shape = std::make_shared<TPolygon>();
    shape->SetKind(skRectangle);
    shape->FPen.Style = psClear;
    shape->FBrush.SetFill(fill);
    shape->SetFromRect(r, BaseScale);
    return shape;
}

class DrawingView : public ::testing::Test {
protected:
    DrawingView()
        : drawing(&reporter)
    {
        QObject::connect(&drawing, &TDrawing::ViewPainted, [this](const QImage& view) {
            surface.Shown = view;
            ++surface.Count;
        });
        // As the editor does: the view is composed again for every change that shows.
        QObject::connect(&drawing, &TDrawing::Changed, [this](TDrawingChanges changes) {
            if (changes & VisibleChanges)
                drawing.Paint();
        });
        drawing.SetScale(BaseScale);
        drawing.SetViewSize(400, 300);
    }

    // Shapes reach a drawing through its file, as they do in the editor.
    void Load(const TShapeList& shapes)
    {
        const QString name = folder.filePath(QStringLiteral("view.kv"));
        WriteFileBytes(name, EncodeDrawing(shapes));
        drawing.LoadFile(name);
    }

    TColour At(int x, int y) { return PixelColour(surface.Shown, { x, y }); }

    QTemporaryDir folder;
    TFakeSurface surface;
    TFakeReporter reporter;
    TDrawing drawing;
};

TEST_F(DrawingView, GridSpacingAndColoursFollowTheZoom)
{
    struct Case {
        int zoom;
        std::vector<std::pair<int, TColour>> columns; // pixel x on row 5 and its colour
    };
    const Case cases[] = {
        { 1, { { 0, Light }, { 40, Light }, { 80, Light }, { 20, clWhite } } },
        { 0, { { 20, Light }, { 40, Light }, { 10, clWhite } } },
        { 2, { { 0, Dark }, { 8, Light }, { 16, Light }, { 80, Dark }, { 4, clWhite } } },
    };
    for (const Case& c : cases) {
        drawing.SetScale(ZoomToScale(c.zoom));
        for (const auto& [x, colour] : c.columns)
            EXPECT_EQ(PixelColour(surface.Shown, { x, 5 }), colour) << "zoom " << c.zoom << " x " << x;
    }
}

TEST_F(DrawingView, GridEndsAtThePageEdgeAndCanBeHidden)
{
    drawing.SetViewSize(1000, 300);
    EXPECT_EQ(PixelColour(surface.Shown, { 840, 5 }), Light) << "the last line on the page";
    EXPECT_EQ(PixelColour(surface.Shown, { 880, 5 }), clWhite) << "no line past the page";
    EXPECT_EQ(PixelColour(surface.Shown, { 860, 40 }), clWhite) << "horizontal lines stop at the page";

    drawing.SetShowGrid(false);
    EXPECT_EQ(InkIn(surface.Shown, QRect(0, 0, 1000, 300)), 0);
    EXPECT_EQ(surface.Shown.size(), QSize(1000, 300));
}

TEST_F(DrawingView, ShapesPaintInListOrderAtTheScrollOffset)
{
    drawing.SetShowGrid(false);
    Load({ Rect({ 10, 10, 30, 30 }, clRed), Rect({ 20, 20, 40, 40 }, Green) });
    EXPECT_EQ(At(100, 100), Green) << "the later shape lies on top";
    EXPECT_EQ(At(50, 50), clRed);

    drawing.SetScroll(40, 80);
    EXPECT_EQ(At(10, 30), clRed) << "page pixel (50, 110) scrolled by (40, 80)";
    EXPECT_EQ(At(60, 20), Green);
    EXPECT_TRUE(reporter.Messages.isEmpty());
}

TEST_F(DrawingView, BackgroundPictureCountsEachPixelAs25Over96mm)
{
    drawing.SetShowGrid(false);
    QImage picture(96, 96, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    const QString name = folder.filePath(QStringLiteral("picture.png"));
    ASSERT_TRUE(picture.save(name));
    drawing.LoadBackground(name);
    EXPECT_TRUE(drawing.HasBackground());
    EXPECT_EQ(InkIn(surface.Shown, QRect(0, 0, 400, 300)), 100 * 100);

    drawing.SetBackgroundPosition(10, 0);
    EXPECT_EQ(At(40, 5), clBlue);
    EXPECT_EQ(At(39, 5), clWhite);

    // A picture that cannot be read keeps the one shown before.
    EXPECT_THROW(drawing.LoadBackground(folder.filePath(QStringLiteral("missing.jpg"))), EFileError);
    EXPECT_TRUE(drawing.HasBackground());
    EXPECT_EQ(At(40, 5), clBlue);
    drawing.ClearBackground();
    EXPECT_FALSE(drawing.HasBackground());
}

TEST_F(DrawingView, BackgroundPicturesComeAsJpegBitmapOrPng)
{
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    for (const char* format : { "jpg", "bmp", "png" }) {
        const QString name = folder.filePath(QStringLiteral("picture.") + QLatin1String(format));
        ASSERT_TRUE(picture.save(name)) << format;
        drawing.ClearBackground();
        drawing.LoadBackground(name);
        EXPECT_TRUE(drawing.HasBackground()) << format;
    }
    // Bytes that are no picture at all are refused like a missing file.
    const QString bogus = folder.filePath(QStringLiteral("bogus.jpg"));
    ASSERT_TRUE(WriteAll(bogus, "not a picture"));
    drawing.ClearBackground();
    EXPECT_THROW(drawing.LoadBackground(bogus), EFileError);
    EXPECT_FALSE(drawing.HasBackground());
}

TEST_F(DrawingView, RotationCentreIsHitWithinFivePixelsOnlyWhenShown)
{
    // The centre starts at (100, 100) mm: pixel (400, 400) at scale 4.
    EXPECT_EQ(drawing.CentreAt(400, 400), THandle::None);
    drawing.SetShowCentre(true);
    EXPECT_EQ(drawing.CentreAt(404, 400), THandle::RotationCentre);
    EXPECT_EQ(drawing.CentreAt(405, 400), THandle::None);
    EXPECT_EQ(drawing.CentreAt(395, 395), THandle::RotationCentre);

    drawing.SetViewSize(500, 500);
    drawing.SetShowGrid(false);
    drawing.SetCentre(200, 100);
    EXPECT_EQ(drawing.Centre().X, 50.0f);
    EXPECT_EQ(drawing.Centre().Y, 25.0f);
    EXPECT_EQ(PixelColour(surface.Shown, { 190, 100 }), clRed) << "the circle of radius 10";
    EXPECT_EQ(PixelColour(surface.Shown, { 214, 100 }), clRed) << "the cross arm";
    EXPECT_EQ(PixelColour(surface.Shown, { 216, 100 }), clWhite);
}

TShapePtr Outline(std::int32_t kind, TMMArray points, std::uint8_t lineEnd = leNone)
{
    auto shape = std::make_shared<TPolygon>();
    shape->SetKind(kind);
    shape->FPen.Colour = clRed;
    shape->FBrush.SetFill(NoFillColour);
    shape->FLineEnd = lineEnd;
    shape->FPoints = std::move(points);
    return shape;
}

TShapePtr OutlineBox(std::int32_t kind, TMMRect r)
{
    TShapePtr shape = Outline(kind, {});
    shape->SetFromRect(r, BaseScale);
    return shape;
}

struct TInkSpan {
    int First = -1;
    int Last = -1;
    friend bool operator==(const TInkSpan& a, const TInkSpan& b) { return a.First == b.First && a.Last == b.Last; }
};

std::ostream& operator<<(std::ostream& out, const TInkSpan& span) { return out << span.First << ".." << span.Last; }

// The first and the last inked pixel met walking from `start` in steps of `step`.
TInkSpan InkAlong(const QImage& image, QPoint start, QPoint step)
{
    TInkSpan span;
    for (QPoint p = start; image.valid(p); p += step) {
        if (IsWhite(image, p))
            continue;
        const int at = step.x() != 0 ? p.x() : p.y();
        span.Last = at;
        if (span.First < 0)
            span.First = at;
    }
    return span;
}

TEST_F(DrawingView, FiguresInkThePlatformsPixelsAtTheirEdges)
{
    // At zoom x1, (10, 20) mm is pixel (40, 80). Ellipses in a box stay inside its right and bottom
    // edges; lines leave their last pixel out; a path runs through its points.
    const struct {
        const char* Name;
        TShapeList Shapes;
        int Row;
        int Column;
        TInkSpan Across;
        TInkSpan Down;
    } cases[] = {
        { "circle shape through its anchors", { OutlineBox(skCircle, { 10, 10, 30, 30 }) }, 80, 80, { 40, 120 },
            { 40, 120 } },
        { "end dot of radius 4 at (82, 80)", { Outline(skLine, { { 20, 20 }, { 20.5f, 20 } }, leCircle) }, 79, 81,
            { 78, 85 }, { 76, 83 } },
        { "line to the right", { Outline(skLine, { { 10, 20 }, { 30, 20 } }) }, 80, 60, { 40, 119 }, { 80, 80 } },
        { "line to the left", { Outline(skLine, { { 30, 20 }, { 10, 20 } }) }, 80, 60, { 41, 120 }, { 80, 80 } },
        { "polyline right then down", { Outline(skPolyline, { { 10, 10 }, { 30, 10 }, { 30, 30 } }) }, 40, 120,
            { 40, 120 }, { 40, 119 } },
        { "tube walls", { OutlineBox(skTube, { 10, 10, 50, 20 }) }, 40, 100, { 40, 199 }, { 40, 80 } },
        { "rotation centre at (200, 100): circle of radius 10", {}, 99, 199, { 190, 209 }, { 90, 109 } },
        { "rotation centre: cross arms of 15", {}, 100, 200, { 185, 214 }, { 85, 114 } },
    };
    drawing.SetShowGrid(false);
    for (const auto& c : cases) {
        Load(c.Shapes);
        drawing.SetShowCentre(c.Shapes.empty());
        drawing.SetCentre(200, 100);
        const QImage& view = surface.Shown;
        EXPECT_EQ(InkAlong(view, { 0, c.Row }, { 1, 0 }), c.Across) << c.Name << ", row " << c.Row;
        EXPECT_EQ(InkAlong(view, { c.Column, 0 }, { 0, 1 }), c.Down) << c.Name << ", column " << c.Column;
    }
    EXPECT_TRUE(reporter.Messages.isEmpty());
}

TEST_F(DrawingView, CoordinateConversions)
{
    drawing.SetScroll(40, 80);
    EXPECT_EQ(drawing.DeviceToMM(0, 0).X, 10.0f);
    EXPECT_EQ(drawing.DeviceToMM(0, 0).Y, 20.0f);
    EXPECT_FLOAT_EQ(drawing.DeviceToCM(0, 0).X, 1.0f);
    EXPECT_FLOAT_EQ(drawing.DeviceToCM(0, 0).Y, 2.0f);
    EXPECT_EQ(drawing.MMToPoint(10, 20), QPoint(0, 0));
    // Ties round to even: 2.5 mm is 10 pixels, 0.625 mm is 2.5 -> 2.
    EXPECT_EQ(drawing.MMToDevice({ 0.625f, 0.375f }, 0, 0), QPoint(2, 2));

    drawing.SetScale(2);
    drawing.SetScroll(0, 0);
    int x = 5;
    int y = 6;
    drawing.SnapToGrid(x, y);
    EXPECT_EQ(x, 4) << "2.5 mm rounds to even";
    EXPECT_EQ(y, 6);
}

TEST(Zoom, ScaleAndZoomIndex)
{
    const std::pair<float, int> cases[]
        = { { 3.9f, 0 }, { 40, 10 }, { 100, 10 }, { 6, 2 }, { 10, 2 }, { 14, 4 }, { 4, 1 }, { std::nanf(""), 0 } };
    for (const auto& [scale, zoom] : cases)
        EXPECT_EQ(ScaleToZoom(scale), zoom) << scale;
    EXPECT_EQ(ZoomToScale(0), 2.0f);
    EXPECT_EQ(ZoomToScale(3), 12.0f);
    EXPECT_EQ(ZoomToScale(10), 40.0f);
}

} // namespace

namespace {

TEST_F(DrawingView, HeldLayersPaintExactlyWhatAFullPaintDoes)
{
    drawing.SetViewSize(840, 1120);
    drawing.LoadFile(QStringLiteral(KORVO_SAMPLES_DIR "/all-kinds.kv"));
    for (int index : { 0, 9, 19 }) {
        drawing.Deselect();
        drawing.ToggleSelected(index);
        drawing.SetMoveUndoPending(true);
        drawing.HoldUnselectedShapes(true);
        for (int step = 0; step < 3; ++step)
            drawing.MoveSelection(7, 5);
        const QImage held = drawing.ViewImage().copy();
        drawing.HoldUnselectedShapes(false);
        drawing.Paint();
        EXPECT_EQ(held, drawing.ViewImage()) << "moving shape " << index;
    }
}

} // namespace

namespace {

// Whether every pixel where the two views differ finds its colour in the other view one pixel away at
// most. A thin line cut at another place by the area being painted is stepped from another start, so
// its steps may fall a pixel apart; a shape left behind or missing shows as a patch that cannot pass.
bool SameButLineSteps(const QImage& a, const QImage& b)
{
    const auto near = [](const QImage& in, int x, int y, QRgb colour) {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                if (in.rect().contains(x + dx, y + dy) && in.pixel(x + dx, y + dy) == colour)
                    return true;
            }
        }
        return false;
    };
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y) && !(near(b, x, y, a.pixel(x, y)) && near(a, x, y, b.pixel(x, y))))
                return false;
        }
    }
    return a.size() == b.size();
}

// The page under the view is kept between paints; whatever changes after a scroll step must show as a
// view painted from nothing shows it, there and after scrolling back. An edit repaints only the part
// it touches, so it too may step a thin line from another start. The edits act on a rectangle of a
// colour found nowhere else: left behind or missing, it shows as a patch no line step explains. Every
// kind of edit that names the shapes it changed, for only those to be painted again, has a row. Its
// hatch, a fill stored files may hold, must run on across the edges of strips painted apart.
TEST_F(DrawingView, ScrolledViewShowsWhatAViewPaintedAnewShows)
{
    QImage picture(60, 45, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x * 4, y * 5, (x * y) % 256));
    }
    const QString pictureFile = folder.filePath(QStringLiteral("picture.png"));
    ASSERT_TRUE(picture.save(pictureFile));
    constexpr std::uint8_t CrossedHatch = 7;
    const auto pickMarker = [](TDrawing& d) {
        d.Deselect();
        d.ToggleSelected(d.ShapeCount() - 1);
    };
    const auto move = [&](TDrawing& d) {
        pickMarker(d);
        d.SetMoveUndoPending(true);
        d.MoveSelection(37, 21);
    };
    struct TCase {
        const char* Name;
        int Zoom;
        std::function<void(TDrawing&)> Edit;
    };
    const std::vector<TCase> cases = {
        { "move at x1", 1, move },
        { "move at x2", 2, move },
        { "move at x0.5", 0, move },
        { "move at x2 between views at x1", 1,
            [&](TDrawing& d) {
                d.SetScale(ZoomToScale(2));
                move(d);
                d.SetScale(ZoomToScale(1));
            } },
        { "undo", 1,
            [&](TDrawing& d) {
                move(d);
                d.Undo();
            } },
        { "redo", 1,
            [&](TDrawing& d) {
                move(d);
                d.Undo();
                d.Redo();
            } },
        { "resize", 1,
            [](TDrawing& d) {
                d.ResizeShape(d.ShapeCount() - 1, { 100, 50, 230, 190 });
            } },
        { "send to back", 1,
            [&](TDrawing& d) {
                pickMarker(d);
                d.SendToBack();
            } },
        { "send backward", 1,
            [&](TDrawing& d) {
                pickMarker(d);
                d.SendBackward();
            } },
        { "group with a shape further back", 1,
            [&](TDrawing& d) {
                pickMarker(d);
                d.ToggleSelected(3);
                d.GroupSelection();
            } },
        { "delete a line's last node", 1,
            [](TDrawing& d) {
                d.AddLine(0, 70, 70, 170, 130, { 0x000080FF, psSolid, 9 });
                d.DeleteNode(d.ShapeCount() - 1);
            } },
        { "drop from the library", 2,
            [](TDrawing& d) {
                const TPolygon picked = *d.Shapes().back();
                d.AddLibraryShape(&picked, 150, 90);
            } },
        { "edit a text into a formula", 1,
            [](TDrawing& d) {
                TShapeFont font;
                font.SetSize(40);
                d.AddTypedText({ "H2SO4", font, false }, 120, 100);
                d.SetTypedText({ "H2SO4", font, true }, d.ShapeCount() - 1);
            } },
        { "delete", 1,
            [&](TDrawing& d) {
                pickMarker(d);
                d.DeleteSelection();
            } },
        { "background picture", 1,
            [&](TDrawing& d) {
                d.LoadBackground(pictureFile);
                d.SetBackgroundPosition(13.5f, 7.25f);
            } },
    };
    for (const TCase& c : cases) {
        drawing.ClearBackground();
        drawing.SetScale(ZoomToScale(c.Zoom));
        drawing.LoadFile(QStringLiteral(KORVO_SAMPLES_DIR "/all-kinds.kv"));
        drawing.SetScroll(5, 40);
        const auto anew = [&] {
            const QImage kept = drawing.ViewImage().copy();
            drawing.PaintAnew();
            return kept;
        };
        drawing.SetScroll(19, 171);
        EXPECT_TRUE(SameButLineSteps(anew(), drawing.ViewImage())) << c.Name << ", scrolled";
        drawing.AddBoxShape({ 60, 60, 180, 140 }, TTool::Rectangle, { 0x00A01EF0, CrossedHatch }, {});
        c.Edit(drawing);
        EXPECT_TRUE(SameButLineSteps(anew(), drawing.ViewImage())) << c.Name << ", edited";
        drawing.SetScroll(5, 40);
        EXPECT_TRUE(SameButLineSteps(anew(), drawing.ViewImage())) << c.Name << ", scrolled back";
    }
}

} // namespace
