#include "document/drawing.h"
#include "document/zoom.h"

#include <gtest/gtest.h>

using namespace korvo;

namespace {

// What the page shows after painting it anew, after a step down and right that paints only the strips it
// uncovers, and after a zoom step, on every core as on one thread; a zoom back shows the page as before. The view is
// neither a whole number of tiles nor scrolled to a tile's edge, so pieces are cut by the view and lines by the pieces.
TEST(ParallelPaint, PixelsMatchOneThread)
{
    const char* const samples[] = { "all-kinds.kv", "assembling-glassware.kv", "graph-paper.kv", "texts.kv" };
    const struct {
        const char* Name;
        int Zoom;
    } zooms[] = { { "x0.5", 0 }, { "x1", 1 }, { "x2", 2 } };
    for (const char* sample : samples) {
        for (const auto& zoom : zooms) {
            TDrawing drawings[2];
            QImage shown[2][3];
            for (int every = 0; every < 2; ++every) {
                TDrawing& d = drawings[every];
                d.SetPaintOnEveryCore(every == 1);
                d.SetShowGrid(true);
                d.SetViewSize(901, 677);
                d.SetScale(ZoomToScale(zoom.Zoom));
                d.LoadFile(QStringLiteral(KORVO_SAMPLES_DIR "/") + QString::fromLatin1(sample));
                d.SetScroll(37, 53);
                d.PaintAnew();
                shown[every][0] = d.ViewImage().copy();
                d.Paint();
                d.SetScroll(37 + 171, 53 + 99);
                d.Paint();
                shown[every][1] = d.ViewImage().copy();
                d.SetScale(ZoomToScale(zoom.Zoom + 1));
                d.Paint();
                shown[every][2] = d.ViewImage().copy();
                d.SetScale(ZoomToScale(zoom.Zoom));
                d.Paint();
                EXPECT_EQ(d.ViewImage(), shown[every][1]) << sample << " at " << zoom.Name << ", zoomed back";
            }
            for (int step = 0; step < 3; ++step)
                EXPECT_EQ(shown[0][step], shown[1][step]) << sample << " at " << zoom.Name << ", step " << step;
        }
    }
}

} // namespace
