#include "drawing_fixture.h"

#include "shapes/plot_group.h"

using namespace korvo;
using namespace korvo::test;

namespace {

class DrawingPlot : public TDrawingTest {
protected:
    // 10 by 8 squares of the default 10 mm, and a rectangle beside it.
    void LoadPaper() { Load({ BoxShape(1, 20, 30, 120, 110, skGraphPaper), BoxShape(2, 130, 30, 150, 50) }); }

    TPlotDefinition Definition(int index) const { return drawing.PlotDefinition(index).value_or(TPlotDefinition()); }
};

TEST_F(DrawingPlot, PlotsAndRedrawsInOneUndoStepAndKeepsTheGraphWhenADefinitionCannotBeDrawn)
{
    LoadPaper();
    const TPolygon paper = *drawing.Shapes()[0];
    EXPECT_TRUE(drawing.CanPlot(0));
    for (const int index : { -1, 1, 2 }) {
        EXPECT_FALSE(drawing.CanPlot(index)) << index;
        EXPECT_FALSE(drawing.PlotDefinition(index)) << index;
        EXPECT_FALSE(drawing.PlotGraph(index, DefaultPlot(paper))) << index;
    }
    EXPECT_EQ(Definition(0), DefaultPlot(paper));

    TPlotDefinition first = DefaultPlot(paper);
    first.Curves[0].Expression = QStringLiteral("x/2");
    ASSERT_TRUE(drawing.PlotGraph(0, first));
    EXPECT_EQ(drawing.GetUndoCaption(), QStringLiteral("Undo plot graph"));
    TPlotDefinition second = first;
    second.Axes.XTitle = QStringLiteral("t / s");
    ASSERT_TRUE(drawing.PlotGraph(0, second));
    EXPECT_TRUE(drawing.CanPlot(0));
    EXPECT_EQ(Definition(0), second);

    const QByteArray before = Snapshot();
    TPlotDefinition reversed = second;
    std::swap(reversed.Axes.XMin, reversed.Axes.XMax);
    EXPECT_FALSE(drawing.PlotGraph(0, reversed));
    EXPECT_EQ(Snapshot(), before);

    drawing.Undo();
    EXPECT_EQ(Definition(0), first);
    drawing.Undo();
    EXPECT_EQ(drawing.Shapes()[0]->FKind, skGraphPaper);
    EXPECT_EQ(drawing.Shapes()[0]->FPoints, paper.FPoints);
    EXPECT_EQ(drawing.ShapeCount(), 2);
}

// The graph is redrawn on the paper as the scale left it: y = x still starts at the paper's corner and
// rises at 45 degrees.
TEST_F(DrawingPlot, PlotsAgainOnScaledPaper)
{
    LoadPaper();
    ASSERT_TRUE(drawing.PlotGraph(0, Definition(0)));
    drawing.ToggleSelected(0);
    drawing.ScaleSelection(200);
    const std::optional<TPolygon> paper = drawing.PlotPaper(0);
    ASSERT_TRUE(paper);
    ASSERT_TRUE(drawing.PlotGraph(0, Definition(0)));
    const TPolygon& group = *drawing.Shapes()[0];
    EXPECT_EQ(group.FChildren.front().FPoints, paper->FPoints);
    const TMMPoint corner = paper->GetPoint(1);
    EXPECT_NEAR(paper->GetPoint(2).X - corner.X, 200, 1e-3);
    const auto curve = std::find_if(group.FChildren.begin(), group.FChildren.end(),
        [](const TPolygon& child) { return child.FKind == skOpenPolygon; });
    ASSERT_NE(curve, group.FChildren.end());
    EXPECT_NEAR(curve->FPoints.front().X, corner.X, 1e-3);
    EXPECT_NEAR(curve->FPoints.front().Y, corner.Y, 1e-3);
    const TMMPoint end = curve->FPoints.back();
    EXPECT_GT(end.X - corner.X, 50);
    EXPECT_NEAR(end.X - corner.X, corner.Y - end.Y, 1e-3);
}

TEST_F(DrawingPlot, GraphSavedAndLoadedKeepsItsDefinition)
{
    LoadPaper();
    TPlotDefinition d = Definition(0);
    d.Axes.YTitle = QStringLiteral("v / m s^-1");
    TPlotCurve points;
    points.IsFunction = false;
    points.Table = QStringLiteral("t\tv\n1\t2\n2\t3,5\n");
    points.Marker = TPlotMarker::Circle;
    points.Line = TPlotLine::BestFit;
    points.ShowFitOnGraph = true;
    d.Curves.push_back(points);
    ASSERT_TRUE(drawing.PlotGraph(0, d));
    const QString path = Path(QStringLiteral("graph.kv"));
    drawing.SaveFile(path);
    TDrawing loaded;
    loaded.LoadFile(path);
    EXPECT_EQ(loaded.PlotDefinition(0), d);
    EXPECT_EQ(loaded.Shapes()[0]->FChildren.front().FKind, skGraphPaper);
}

} // namespace
