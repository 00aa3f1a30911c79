#include "document/drawing.h"

#include "shapes/code_page.h"
#include "shapes/formula.h"

#include <algorithm>

namespace korvo {

namespace {

    TTypedFormula TypedFormula(const TShapeText& typed)
    {
        return { DecodeText(typed.Text, typed.Font.Charset()), typed.Chemistry };
    }

    // A formula with nothing raised or lowered as a text shape stores it, in the font's code page.
    std::optional<QByteArray> PlainText(const TFormula& formula, std::uint8_t charset)
    {
        QStringList lines;
        for (const TFormulaLine& line : formula.Lines)
            lines.append(line.empty() ? QString() : line.front().Text);
        return EncodeText(lines.join(QStringLiteral("\r\n")), charset);
    }

    // A text shape's lines, each one run on the line: painting ends a line at CR and ignores LF.
    TFormula PlainFormula(const TPolygon& text)
    {
        QString decoded = DecodeText(text.FText, text.FFont.Charset());
        decoded.remove(QLatin1Char('\n'));
        TFormula formula;
        for (const QString& line : decoded.split(QLatin1Char('\r'))) {
            formula.Lines.emplace_back();
            if (!line.isEmpty())
                formula.Lines.back().push_back({ line, TRunPlace::Line });
        }
        return formula;
    }

    // The typed formula as the text dialog loads it: lines ending in CR LF, in a code page that holds
    // them, the font's own when it can. Nothing when no single code page holds every character.
    std::optional<TShapeText> ShownText(const TTypedFormula& typed, TShapeFont font)
    {
        QString text = typed.Text;
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
        text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        const std::optional<std::uint8_t> charset = CharsetFor(text, font.Charset());
        if (!charset)
            return std::nullopt;
        const std::optional<QByteArray> bytes = EncodeText(text, *charset);
        if (!bytes)
            return std::nullopt;
        font.SetCharset(*charset);
        return TShapeText { *bytes, font, typed.Chemistry };
    }

} // namespace

std::optional<TShapeText> TDrawing::GetText(int index) const
{
    if (!ValidIndex(index))
        return std::nullopt;
    const TPolygon& shape = *FShapes[static_cast<std::size_t>(index)];
    if (shape.FKind == skText)
        return ShownText(WriteFormulaBack(PlainFormula(shape)), shape.FFont);
    if (shape.IsGroup()) {
        if (const std::optional<TFormulaGroupInfo> formula = ReadFormulaGroup(shape))
            return ShownText(formula->Typed, formula->Template.FFont);
    }
    return TShapeText { shape.FText, shape.FFont };
}

bool TDrawing::HasEditableText(int index) const
{
    if (!ValidIndex(index))
        return false;
    const TPolygon& shape = *FShapes[static_cast<std::size_t>(index)];
    return shape.FKind == skText || (shape.IsGroup() && ReadFormulaGroup(shape).has_value());
}

void TDrawing::AddTypedText(const TShapeText& typed, int x, int y)
{
    const TTypedFormula formula = TypedFormula(typed);
    const TFormula runs = ParseFormula(formula);
    if (!typed.Chemistry && IsPlain(runs)) {
        if (const std::optional<QByteArray> text = PlainText(runs, typed.Font.Charset()))
            AddText(*text, typed.Font, x, y);
        return;
    }
    std::optional<TPolygon> group = MakeFormulaGroup(formula, MakeTextShape({}, typed.Font, x, y), FScale);
    if (group)
        AppendText(std::move(*group));
}

void TDrawing::SetTypedText(const TShapeText& typed, int index)
{
    if (!ValidIndex(index))
        return;
    const TPolygon& shape = *FShapes[static_cast<std::size_t>(index)];
    std::optional<TPolygon> layout;
    if (shape.FKind == skText)
        layout = shape;
    else if (shape.IsGroup())
        if (std::optional<TFormulaGroupInfo> formula = ReadFormulaGroup(shape))
            layout = std::move(formula->Template);
    if (!layout)
        return;
    const TTypedFormula formula = TypedFormula(typed);
    const TFormula runs = ParseFormula(formula);
    if (!typed.Chemistry && IsPlain(runs)) {
        const std::optional<QByteArray> text = PlainText(runs, typed.Font.Charset());
        if (!text)
            return;
        if (shape.FKind == skText) {
            SetText(*text, typed.Font, index);
            return;
        }
        const TRect frame = GetShapeRect(index);
        const TDrawingUpdate update(*this);
        SaveUndo(ulEditText);
        ReplaceShape(index, MakeTextShape(*text, typed.Font, frame.Left, frame.Top));
        return;
    }
    layout->SetFont(typed.Font);
    layout->FFont.SetSize(typed.Font.Size() + 2);
    std::optional<TPolygon> group = MakeFormulaGroup(formula, *layout, FScale);
    if (!group)
        return;
    const TDrawingUpdate update(*this);
    SaveUndo(ulEditText);
    ReplaceShape(index, std::move(*group));
}

void TDrawing::ReplaceShape(int index, TPolygon shape)
{
    ReportShapes(TShapeSplice::InPlace(static_cast<std::size_t>(index)));
    auto fresh = std::make_shared<TPolygon>(std::move(shape));
    Refresh(*fresh);
    TShapePtr& slot = FShapes[static_cast<std::size_t>(index)];
    std::replace(FSelection.begin(), FSelection.end(), slot.get(), fresh.get());
    slot = std::move(fresh);
}

} // namespace korvo
