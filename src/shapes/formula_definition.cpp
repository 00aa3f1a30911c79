#include "shapes/formula_definition.h"

namespace korvo {

namespace {

    const QByteArray ChemistryMarker = QByteArrayLiteral("formula/1;chemistry;");
    const QByteArray MarkupMarker = QByteArrayLiteral("formula/1;markup;");

    // Printable ASCII stays readable in a dump; '%', control characters and the rest are escaped.
    const QByteArray& KeptAsIs()
    {
        static const QByteArray kept = [] {
            QByteArray bytes;
            for (char c = ' '; c <= '~'; ++c) {
                if (c != '%')
                    bytes.append(c);
            }
            return bytes;
        }();
        return kept;
    }

} // namespace

QByteArray FormulaDefinition(const TTypedFormula& typed)
{
    return (typed.Chemistry ? ChemistryMarker : MarkupMarker) + typed.Text.toUtf8().toPercentEncoding(KeptAsIs());
}

std::optional<TTypedFormula> ReadFormulaDefinition(const QByteArray& bytes)
{
    for (const bool chemistry : { true, false }) {
        const QByteArray& marker = chemistry ? ChemistryMarker : MarkupMarker;
        if (bytes.startsWith(marker))
            return TTypedFormula { QString::fromUtf8(QByteArray::fromPercentEncoding(bytes.mid(marker.size()))),
                chemistry };
    }
    return std::nullopt;
}

} // namespace korvo
