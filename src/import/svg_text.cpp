#include "import/svg_text.h"

#include "import/svg_import.h"
#include "import/svg_limits.h"
#include "import/svg_paint.h"
#include "import/svg_shape_builder.h"
#include "import/svg_style.h"
#include "import/svg_tree.h"
#include "import/svg_units.h"

#include <QCoreApplication>
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
        TTextRuns(const TSvgTextContext& context, const QTransform& toPage, const std::optional<QRectF>& clip,
            std::vector<TPolygon>& out)
            : Context(context)
            , ToPage(toPage)
            , Clip(clip)
            , Out(out)
        {
        }

        void Visit(int index, const TSvgStyle& style)
        {
            const TSvgNode& node = Tree().Nodes[static_cast<std::size_t>(index)];
            if (node.IsText()) {
                Append(node.Text, style);
                return;
            }
            // Korvo's texts run straight, so one that follows a path is left out.
            if (node.Name == u"textPath") {
                ++Context.LeftOut.Other;
                return;
            }
            const bool text = node.Name == u"text";
            if (!text && node.Name != u"tspan" && node.Name != u"a" && node.Name != u"tref")
                return;
            const TSvgStyle own = text ? style : CascadeSvgStyle(node, style, Context.Sheet);
            if (!own.Displayed)
                return;
            Move(node);
            if (node.Name == u"tref") {
                const int referenced = Tree().Find(node.Attribute(u"href"));
                if (referenced >= 0)
                    AppendAllText(referenced, own);
                return;
            }
            for (const int child : node.Children)
                Visit(child, own);
        }

        void Flush()
        {
            QString text = Text;
            Text.clear();
            if (!RunStyle.KeepsSpace)
                text = text.trimmed();
            if (text.trimmed().isEmpty() || !RunStyle.Visible)
                return;
            TSvgText run;
            run.Text = text;
            run.Family = RunStyle.FontFamily;
            // A squeezed or stretched text keeps its length along its baseline, so it stays in its place.
            run.SizeMm = RunStyle.FontSize * std::hypot(ToPage.m11(), ToPage.m12());
            run.Weight = RunStyle.FontWeight;
            run.Italic = RunStyle.Italic;
            run.Underline = RunStyle.Underline;
            run.StrikeOut = RunStyle.StrikeOut;
            auto colour
                = Context.Paints.Colour(RunStyle.Fill, RunStyle.FillOpacity * RunStyle.Opacity, RunStyle.Colour);
            if (!colour)
                colour = Context.Paints.Colour(
                    RunStyle.Stroke, RunStyle.StrokeOpacity * RunStyle.Opacity, RunStyle.Colour);
            if (!colour)
                return;
            run.Colour = *colour;
            run.Anchor = Anchor(RunStyle.TextAnchor);
            run.BaselineMm = ToPage.map(RunStart);
            run.RotationDegrees = qRadiansToDegrees(std::atan2(ToPage.m12(), ToPage.m11()));
            std::vector<TPolygon> shape;
            if (!AppendTextShape(run, shape)) {
                ++Context.LeftOut.Texts;
                return;
            }
            if (!shape.empty() && Shows(shape.front()))
                Out.push_back(std::move(shape.front()));
        }

    private:
        const TSvgTree& Tree() const { return Context.Tree; }

        // Newlines and tabs are spaces; unless the space is kept, spaces collapse into one and none
        // starts a shape. The shape takes the style of its first character.
        void Append(const QString& characters, const TSvgStyle& style)
        {
            for (QChar c : characters) {
                if (c == u'\n' || c == u'\r' || c == u'\t')
                    c = u' ';
                if (!style.KeepsSpace && c == u' ' && (Text.isEmpty() || Text.back() == u' '))
                    continue;
                if (Text.isEmpty()) {
                    RunStyle = style;
                    RunStart = Pen;
                }
                Text += c;
            }
        }

        // A tref shows all the character data of the element it refers to, in its own style. Many
        // trefs to a large text could copy it without end, so the copies are bounded.
        void AppendAllText(int index, const TSvgStyle& style)
        {
            const TSvgNode& node = Tree().Nodes[static_cast<std::size_t>(index)];
            Context.ReferencedCharacters += node.Text.size() + 1;
            if (Context.ReferencedCharacters > SvgLimits::MaxReferencedCharacters) {
                Context.Error = QCoreApplication::translate(
                    "korvo::SvgImport", "The picture's <tref> elements copy more than %1 characters of text.")
                                    .arg(SvgLimits::MaxReferencedCharacters);
                return;
            }
            if (node.IsText())
                Append(node.Text, style);
            for (const int child : node.Children)
                AppendAllText(child, style);
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

        // Letters cannot be cut: a text shows whole when at least half of it lies inside the clip,
        // otherwise not at all.
        bool Shows(const TPolygon& shape) const
        {
            if (!Clip)
                return true;
            const TMMRect& b = shape.FBounds;
            const QRectF frame = QRectF(QPointF(b.Left, b.Top), QPointF(b.Right, b.Bottom)).normalized();
            const QRectF inside = frame.intersected(*Clip);
            return inside.width() * inside.height() * 2 >= frame.width() * frame.height();
        }

        const TSvgTextContext& Context;
        const QTransform& ToPage;
        const std::optional<QRectF>& Clip;
        std::vector<TPolygon>& Out;
        QPointF Pen;
        QPointF RunStart;
        QString Text;
        TSvgStyle RunStyle;
    };

} // namespace

void AppendSvgText(const TSvgTextContext& context, int text, const TSvgStyle& style, const QTransform& toPage,
    const std::optional<QRectF>& clip, std::vector<TPolygon>& out)
{
    TTextRuns runs(context, toPage, clip, out);
    runs.Visit(text, style);
    runs.Flush();
}

} // namespace korvo
