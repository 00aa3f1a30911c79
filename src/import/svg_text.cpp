#include "import/svg_text.h"

#include "import/svg_paint.h"
#include "import/svg_shape_builder.h"
#include "import/svg_style.h"
#include "import/svg_tree.h"
#include "import/svg_units.h"

#include <QtMath>

#include <cmath>

namespace korvo {
namespace {

    TSvgTextAnchor Anchor(const QString& anchor)
    {
        if (anchor == u"middle")
            return TSvgTextAnchor::Middle;
        return anchor == u"end" ? TSvgTextAnchor::End : TSvgTextAnchor::Start;
    }

    class TTextRuns {
    public:
        TTextRuns(const TSvgTree& tree, const QTransform& toPage, const TSvgStyleSheet& sheet,
            TSvgPaintResolver& paints, std::vector<TPolygon>& out)
            : Tree(tree)
            , ToPage(toPage)
            , Sheet(sheet)
            , Paints(paints)
            , Out(out)
        {
        }

        void Visit(int index, const TSvgStyle& style)
        {
            const TSvgNode& node = Tree.Nodes[static_cast<std::size_t>(index)];
            if (node.IsText()) {
                if (Text.isEmpty())
                    Start(style);
                Text += node.Text;
                return;
            }
            if (node.Name != u"text" && node.Name != u"tspan" && node.Name != u"a")
                return;
            const TSvgStyle own = node.Name == u"text" ? style : CascadeSvgStyle(node, style, Sheet);
            if (!own.Displayed)
                return;
            Move(node);
            for (const int child : node.Children)
                Visit(child, own);
        }

        void Flush()
        {
            const QString text = Text.simplified();
            Text.clear();
            if (text.isEmpty() || !RunStyle.Visible)
                return;
            TSvgText run;
            run.Text = text;
            run.Family = RunStyle.FontFamily;
            run.SizeMm = RunStyle.FontSize * std::hypot(ToPage.m21(), ToPage.m22());
            run.Weight = RunStyle.FontWeight;
            run.Italic = RunStyle.Italic;
            auto colour = Paints.Colour(RunStyle.Fill, RunStyle.FillOpacity * RunStyle.Opacity, RunStyle.Colour);
            if (!colour)
                colour = Paints.Colour(RunStyle.Stroke, RunStyle.StrokeOpacity * RunStyle.Opacity, RunStyle.Colour);
            if (!colour)
                return;
            run.Colour = *colour;
            run.Anchor = Anchor(RunStyle.TextAnchor);
            run.BaselineMm = ToPage.map(RunStart);
            run.RotationDegrees = qRadiansToDegrees(std::atan2(ToPage.m12(), ToPage.m11()));
            AppendTextShape(run, Out);
        }

    private:
        void Start(const TSvgStyle& style)
        {
            RunStyle = style;
            RunStart = Pen;
        }

        // x and y start a new shape at that place; dx and dy shift the place of the next one.
        void Move(const TSvgNode& node)
        {
            const auto first = [&node](QStringView name) -> std::optional<double> {
                const std::vector<double> values = ParseSvgNumbers(node.Attribute(name));
                return values.empty() ? std::nullopt : std::optional<double>(values.front());
            };
            const auto x = first(u"x");
            const auto y = first(u"y");
            if (x || y)
                Flush();
            Pen = { x.value_or(Pen.x()) + first(u"dx").value_or(0), y.value_or(Pen.y()) + first(u"dy").value_or(0) };
        }

        const TSvgTree& Tree;
        const QTransform& ToPage;
        const TSvgStyleSheet& Sheet;
        TSvgPaintResolver& Paints;
        std::vector<TPolygon>& Out;
        QPointF Pen;
        QPointF RunStart;
        QString Text;
        TSvgStyle RunStyle;
    };

} // namespace

void AppendSvgText(const TSvgTree& tree, int text, const TSvgStyle& style, const QTransform& toPage,
    const TSvgStyleSheet& sheet, TSvgPaintResolver& paints, std::vector<TPolygon>& out)
{
    TTextRuns runs(tree, toPage, sheet, paints, out);
    runs.Visit(text, style);
    runs.Flush();
}

} // namespace korvo
