#include "canvas_fixture.h"

#include "editor/view_navigator.h"

#include <QImage>

#include <cmath>
#include <iterator>
#include <vector>

using namespace korvo;
using namespace korvo::test;

namespace {

class CanvasView : public CanvasTest {
protected:
    QComboBox* Zoom() const { return Widget<QComboBox>("ZoomCombo"); }
    QScrollBar* Bar(bool horizontal) const { return Widget<QScrollBar>(horizontal ? "XHsb" : "YHsb"); }

    // The bars show where the page is larger than the view, scroll over the rest of the page, and the
    // drawing is scrolled as far as they say.
    ::testing::AssertionResult ScrollInsidePage(const char* step)
    {
        for (const bool across : { true, false }) {
            const QScrollBar* bar = Bar(across);
            const int offset = across ? Drawing().ScrollX() : Drawing().ScrollY();
            const int page
                = static_cast<int>(std::nearbyint((across ? PageWidthMM : PageHeightMM) * Drawing().Scale()));
            const int range = page - (across ? SurfaceSize.width() : SurfaceSize.height());
            const bool shown = range > 0;
            const bool fine = bar->isVisible() == shown && offset >= 0 && offset <= std::max(range, 0)
                && (!shown || (bar->maximum() == range && bar->value() == offset));
            if (!fine)
                return ::testing::AssertionFailure()
                    << step << (across ? ", across" : ", down") << ": offset " << offset << " in a range of " << range;
        }
        return ::testing::AssertionSuccess();
    }
};

TEST_F(CanvasView, WheelZoomKeepsThePagePointUnderThePointer)
{
    Wheel({ 100, 100 }, 120);
    EXPECT_EQ(Drawing().Scale(), 8.0f);
    EXPECT_EQ(Drawing().ScrollX(), 100);
    EXPECT_EQ(Drawing().ScrollY(), 100);
    EXPECT_EQ(Drawing().DeviceToMM(100, 100), (TMMPoint { 25, 25 }));
    EXPECT_EQ(Zoom()->currentText(), QStringLiteral("x2"));

    struct Step {
        int delta;
        float scale;
        int scrollX, scrollY;
    };
    const Step steps[] = {
        // Back at x1 the page point 25 mm is at 100 pixels again, unscrolled.
        { -120, 4, 0, 0 },
        // At x0.5 the page is 420 pixels wide and fits; 560 high it does not, but 50 - 100 < 0.
        { -480, 2, 0, 0 },
        { -120, 2, 0, 0 },
    };
    for (const Step& step : steps) {
        Wheel({ 100, 100 }, step.delta);
        EXPECT_EQ(Drawing().Scale(), step.scale) << "one step per turn, whatever its size";
        EXPECT_EQ(Drawing().ScrollX(), step.scrollX);
        EXPECT_EQ(Drawing().ScrollY(), step.scrollY);
    }
    EXPECT_EQ(Zoom()->currentText(), QStringLiteral("x0.5"));
}

TEST_F(CanvasView, ScrollBarsShowOnlyWhereThePageIsLargerThanTheView)
{
    window->Navigator().ZoomChosen(0);
    EXPECT_FALSE(Bar(true)->isVisible()) << "420 pixels wide, the page fits";
    EXPECT_TRUE(Bar(false)->isVisible());
    EXPECT_EQ(Bar(false)->maximum(), 560 - 471);
    for (const bool a3 : { false, true }) {
        Action(a3 ? TCommand::PageA3 : TCommand::PageA4)->trigger();
        for (int zoom = 0; zoom <= 10; ++zoom) {
            window->Navigator().ZoomChosen(zoom);
            EXPECT_TRUE(ScrollInsidePage(a3 ? "A3" : "A4")) << "zoom box at " << zoom;
        }
    }
}

TEST_F(CanvasView, ZoomingToTheExtremesOfAnA3PageKeepsTheViewOnThePage)
{
    Action(TCommand::PageA3)->trigger();
    ASSERT_EQ(PageWidthMM, 420);
    ASSERT_EQ(PageHeightMM, 560);
    const QPoint pointer(600, 450);
    struct Step {
        float scale;
        int scrollX, scrollY;
    };
    // Unscrolled at x1 the pointer is over the page point (150, 112.5) mm, which stays under it at every
    // zoom: offsets 150 s - 600 and 112.5 s - 450, all within the page.
    const Step in[] = { { 8, 600, 450 }, { 12, 1200, 900 }, { 16, 1800, 1350 }, { 20, 2400, 1800 }, { 24, 3000, 2250 },
        { 28, 3600, 2700 }, { 32, 4200, 3150 }, { 36, 4800, 3600 }, { 40, 5400, 4050 } };
    // From the far corner at x10, offsets (16171, 21929), the pointer is over (419.275, 559.475) mm. At x9
    // that point would need offsets 14494 and 19691, beyond the ends 15120 - 629 and 20160 - 471, so the
    // view goes back to the page's corner; from there the pointer's point would need offsets below zero.
    const Step out[] = { { 36, 0, 0 }, { 32, 0, 0 }, { 28, 0, 0 }, { 24, 0, 0 }, { 20, 0, 0 }, { 16, 0, 0 },
        { 12, 0, 0 }, { 8, 0, 0 }, { 4, 0, 0 }, { 2, 0, 0 } };
    const auto wheel = [&](int delta, const Step& step) {
        Wheel(pointer, delta);
        EXPECT_EQ(Drawing().Scale(), step.scale);
        EXPECT_EQ(Drawing().ScrollX(), step.scrollX) << "at scale " << step.scale;
        EXPECT_EQ(Drawing().ScrollY(), step.scrollY) << "at scale " << step.scale;
        EXPECT_TRUE(ScrollInsidePage("wheel"));
    };
    for (const Step& step : in)
        wheel(120, step);
    wheel(120, in[std::size(in) - 1]);
    Bar(true)->setValue(Bar(true)->maximum());
    Bar(false)->setValue(Bar(false)->maximum());
    ASSERT_EQ(Drawing().ScrollX(), 16800 - SurfaceSize.width());
    ASSERT_EQ(Drawing().ScrollY(), 22400 - SurfaceSize.height());
    for (const Step& step : out)
        wheel(-120, step);
    wheel(-120, out[std::size(out) - 1]);

    // The keyboard on the zoom box stops at both ends as well.
    Zoom()->setFocus();
    for (int i = 0; i < 12; ++i)
        QTest::keyClick(Zoom(), Qt::Key_Down);
    EXPECT_EQ(Drawing().Scale(), 40.0f);
    EXPECT_TRUE(ScrollInsidePage("keyboard in"));
    for (int i = 0; i < 12; ++i)
        QTest::keyClick(Zoom(), Qt::Key_Up);
    EXPECT_EQ(Drawing().Scale(), 2.0f);
    EXPECT_TRUE(ScrollInsidePage("keyboard out"));
}

TEST_F(CanvasView, UnfinishedPolygonSurvivesAZoom)
{
    UseTool(TTool::Polygon);
    Click({ 100, 100 });
    Wheel({ 0, 0 }, 120);
    Click({ 400, 200 }, Qt::RightButton);
    ASSERT_EQ(Drawing().ShapeCount(), 1);
    EXPECT_EQ(Shape(0).GetPoint(0), (TMMPoint { 25, 25 }));
    EXPECT_EQ(Shape(0).GetPoint(1), (TMMPoint { 50, 25 }));
}

// Where a ruler has ink: ticks are strokes from 8 to 11 pixels in from the outer edge; numbers also
// cover a band that ticks never reach, further in on the horizontal ruler and nearer the edge on the
// vertical one, where they are written from 4 pixels in.
class Ruler {
public:
    Ruler(QWidget& ruler, bool horizontal)
        : FImage(ruler.grab().toImage())
        , FHorizontal(horizontal)
        , FFace(FImage.pixel(0, 0))
        , FNumberBand(horizontal ? 12 : 4)
    {
    }

    // Both ends of the stroke and nothing just beyond them.
    bool Tick(int at) const
    {
        return Ink(at, at, 8, 8) && Ink(at, at, 11, 11) && !Ink(at, at, 7, 7) && !Ink(at, at, 12, 12);
    }
    bool Number(int at) const { return Ink(at - 3, at + 3, FNumberBand, FNumberBand + 2); }
    // Nothing at all between two places along the ruler, but for the edge line.
    bool Blank(int from, int to) const { return !Ink(from, to, 0, 16); }

private:
    bool Ink(int alongFrom, int alongTo, int acrossFrom, int acrossTo) const
    {
        for (int along = alongFrom; along <= alongTo; ++along) {
            for (int across = acrossFrom; across <= acrossTo; ++across) {
                const QPoint p = FHorizontal ? QPoint(along, across) : QPoint(across, along);
                if (FImage.valid(p) && FImage.pixel(p) != FFace)
                    return true;
            }
        }
        return false;
    }

    QImage FImage;
    bool FHorizontal;
    QRgb FFace;
    int FNumberBand;
};

TEST_F(CanvasView, RulersMarkMillimetresAndNumberCentimetres)
{
    struct Case {
        const char* name;
        bool horizontal;
        int zoom;
        int scroll;
        std::vector<int> ticks, numbers;
        std::pair<int, int> blank;
    };
    const Case cases[] = {
        { "x2", true, 2, 0, { 0, 8, 16, 72, 88, 152 }, { 80, 160 }, { 1, 7 } },
        { "x2 vertical", false, 2, 0, { 0, 8, 72, 88 }, { 80, 160 }, { 1, 7 } },
        // 100 pixels in: rem = 20 and first = 1, so the first number, 2, stands at 80 - 20.
        { "x2 scrolled", true, 2, 100, { 4, 12, 20, 28, 36, 44, 52, 68 }, { 60, 140 }, { 5, 11 } },
        { "x1", true, 1, 0, {}, { 40, 80, 120 }, { 48, 72 } },
        { "x0.5", true, 0, 0, {}, { 20, 40 }, { 0, 14 } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        window->Navigator().ZoomAt({ 0, 0 }, c.zoom);
        Bar(c.horizontal)->setValue(c.scroll);
        ASSERT_EQ(c.horizontal ? Drawing().ScrollX() : Drawing().ScrollY(), c.scroll);
        const Ruler ruler(*Widget<QWidget>(c.horizontal ? "XRulePic" : "YRulePic"), c.horizontal);
        for (const int at : c.ticks)
            EXPECT_TRUE(ruler.Tick(at)) << "tick at " << at;
        for (const int at : c.numbers) {
            EXPECT_TRUE(ruler.Number(at)) << "number at " << at;
            EXPECT_FALSE(ruler.Tick(at)) << "no tick under the number at " << at;
        }
        EXPECT_TRUE(ruler.Blank(c.blank.first, c.blank.second));
    }
}

} // namespace
