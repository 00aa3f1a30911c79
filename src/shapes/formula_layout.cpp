#include "shapes/formula.h"

#include "geometry/rounding.h"
#include "geometry/units.h"
#include "shapes/code_page.h"
#include "shapes/font_cache.h"
#include "shapes/formula_axes.h"
#include "shapes/formula_charsets.h"
#include "shapes/formula_definition.h"

#include <QFontMetricsF>

#include <algorithm>

namespace korvo {

namespace {

    // As word processors set them, in parts of the text's size.
    constexpr double ScriptSize = 0.6;
    constexpr double SubDrop = 1.0 / 6;
    constexpr double SuperRise = 1.0 / 3;

    bool IsAscii(const QByteArray& bytes)
    {
        return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    }

    // Lays the runs out along the template's axes, line by line.
    class TFormulaLayout {
    public:
        TFormulaLayout(const TPolygon& textTemplate, float scale)
            : FTemplate(textTemplate)
            , FScale(std::max(scale, BaseScale))
            , FAxes(TTextAxes::Of(textTemplate))
        {
            const QByteArray face = textTemplate.FFont.Face();
            // A face in ASCII keeps its bytes in every code page; another must be encoded anew.
            if (!IsAscii(face))
                FFace = DecodeText(face, textTemplate.FFont.Charset());
            FSize = TextLineHeight(textTemplate.FFont.Size());
        }

        // False when a character fits no character set.
        bool AddLine(const TFormulaLine& line, int index)
        {
            const double top = index * FSize;
            const double baseline = top + Metrics(FTemplate.FFont).ascent() / FScale;
            double across = 0;
            for (const TFormulaRun& run : line) {
                if (!AddRun(run, baseline, across))
                    return false;
            }
            return true;
        }

        std::vector<TPolygon> TakeShapes() { return std::move(FShapes); }

    private:
        QFontMetricsF Metrics(const TShapeFont& font)
        {
            const int pixels
                = Trunc(static_cast<double>(ScreenPixelsPerInch()) * font.Size() * FScale / (72.0 * BaseScale));
            return QFontMetricsF(FFonts.Get(font.Record(), std::max(pixels, 1)).Font);
        }

        bool AddRun(const TFormulaRun& run, double baseline, double& across)
        {
            TShapeFont font = FTemplate.FFont;
            if (run.Place != TRunPlace::Line)
                font.SetSize(std::max(1, static_cast<int>(Round(font.Size() * ScriptSize))));
            const double shift = run.Place == TRunPlace::Sub ? FSize * SubDrop
                : run.Place == TRunPlace::Super              ? -FSize * SuperRise
                                                             : 0.0;
            const auto pieces = SplitByCharset(run.Text, FFace, font.Charset());
            if (!pieces)
                return false;
            for (const TCharsetPiece& piece : *pieces) {
                if (!AddPiece(piece, font, baseline + shift, across))
                    return false;
            }
            return true;
        }

        bool AddPiece(const TCharsetPiece& piece, TShapeFont font, double baseline, double& across)
        {
            const std::optional<QByteArray> text = EncodeText(piece.Text, piece.Charset);
            const std::optional<QByteArray> face = FFace.isEmpty() ? font.Face() : EncodeText(FFace, piece.Charset);
            if (!text || !face)
                return false;
            font.SetCharset(piece.Charset);
            font.SetFace(*face);
            const QFontMetricsF metrics = Metrics(font);
            const double width = metrics.horizontalAdvance(piece.Text) / FScale;
            const double height = metrics.height() / FScale;
            const double top = baseline - metrics.ascent() / FScale;

            TPolygon shape;
            shape.SetKind(skText);
            shape.FPen = FTemplate.FPen;
            shape.FBrush = FTemplate.FBrush;
            shape.SetFont(font);
            shape.FText = *text;
            shape.FPoints = { FAxes.At(across, top), FAxes.At(across, top + height),
                FAxes.At(across + width, top + height), FAxes.At(across + width, top) };
            FShapes.push_back(std::move(shape));
            across += width;
            return true;
        }

        const TPolygon& FTemplate;
        const float FScale;
        TFontCache FFonts;
        const TTextAxes FAxes;
        QString FFace;
        // The text's size in millimetres: the height of a line.
        double FSize = 0;
        std::vector<TPolygon> FShapes;
    };

} // namespace

std::optional<TPolygon> MakeFormulaGroup(const TTypedFormula& typed, const TPolygon& textTemplate, float scale)
{
    const TFormula formula = ParseFormula(typed);
    TFormulaLayout layout(textTemplate, scale);
    for (std::size_t i = 0; i < formula.Lines.size(); ++i) {
        if (!layout.AddLine(formula.Lines[i], static_cast<int>(i)))
            return std::nullopt;
    }
    TPolygon group;
    group.SetKind(skGroup);
    group.FChildren = layout.TakeShapes();
    if (group.FChildren.empty())
        return std::nullopt;
    for (TPolygon& child : group.FChildren)
        child.CalcBounds(scale);
    group.FText = FormulaDefinition(typed);
    group.CalcGroupBounds(scale);
    group.CalcGrips();
    return group;
}

} // namespace korvo
