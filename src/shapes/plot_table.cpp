#include "shapes/plot_table.h"

#include <QStringTokenizer>

#include <cmath>
#include <optional>

namespace korvo {

namespace {

    enum class TColumnSeparator { Tab, Semicolon, SpaceOrComma };

    // A spreadsheet's copy has tabs; a file saved where the comma is the decimal mark has semicolons.
    TColumnSeparator SeparatorOf(const QString& text)
    {
        if (text.contains(QLatin1Char('\t')))
            return TColumnSeparator::Tab;
        if (text.contains(QLatin1Char(';')))
            return TColumnSeparator::Semicolon;
        return TColumnSeparator::SpaceOrComma;
    }

    std::vector<QStringView> SplitOn(QStringView line, QChar separator)
    {
        std::vector<QStringView> fields;
        for (QStringView field : QStringTokenizer(line, separator))
            fields.push_back(field.trimmed());
        while (!fields.empty() && fields.back().isEmpty())
            fields.pop_back();
        return fields;
    }

    // Typed rows: "1,5 2,3" has two columns with decimal commas, "1.5, 2.3" and "1.5,2.3" two
    // columns separated by the comma.
    std::vector<QStringView> SplitTypedRow(QStringView line)
    {
        std::vector<QStringView> fields;
        for (QStringView field : QStringTokenizer(line, QLatin1Char(' '), Qt::SkipEmptyParts))
            fields.push_back(field);
        if (fields.size() == 2 && !fields.front().endsWith(QLatin1Char(',')))
            return fields;
        return SplitOn(line, QLatin1Char(','));
    }

    std::vector<QStringView> SplitRow(QStringView line, TColumnSeparator separator)
    {
        switch (separator) {
        case TColumnSeparator::Tab:
            return SplitOn(line, QLatin1Char('\t'));
        case TColumnSeparator::Semicolon:
            return SplitOn(line, QLatin1Char(';'));
        default:
            return SplitTypedRow(line);
        }
    }

    // Any number, NaN and infinities included, so that a row of them is told from a header.
    std::optional<double> ReadNumber(QStringView field, QChar decimalComma)
    {
        QString ascii = field.toString();
        ascii.replace(decimalComma, QLatin1Char('.')).replace(QChar(0x2212), QLatin1Char('-'));
        bool ok = false;
        const double value = ascii.toDouble(&ok);
        return ok ? std::optional<double>(value) : std::nullopt;
    }

    class TTableReader {
    public:
        TTableReader(const QString& text, QChar decimalComma)
            : FSeparator(SeparatorOf(text))
            , FDecimalComma(decimalComma)
        {
        }

        void ReadRow(QStringView line)
        {
            if (line.trimmed().isEmpty())
                return;
            const bool first = !FSeenRow;
            FSeenRow = true;
            if (int(FTable.Points.size()) == MaxTableRows) {
                ++FTable.RowsOverLimit;
                return;
            }
            const std::vector<QStringView> fields = SplitRow(line.trimmed(), FSeparator);
            std::optional<double> x, y;
            if (!fields.empty())
                x = ReadNumber(fields[0], FDecimalComma);
            if (fields.size() > 1)
                y = ReadNumber(fields[1], FDecimalComma);
            if (fields.size() == 2 && x && y && std::isfinite(*x) && std::isfinite(*y))
                FTable.Points.push_back({ *x, *y });
            else if (first && !x && !y)
                FTable.HeaderSkipped = true;
            else
                ++FTable.SkippedRows;
        }

        TPastedTable Take() { return std::move(FTable); }

    private:
        const TColumnSeparator FSeparator;
        const QChar FDecimalComma;
        bool FSeenRow = false;
        TPastedTable FTable;
    };

} // namespace

TPastedTable ReadPastedTable(const QString& text, QChar decimalComma)
{
    TTableReader reader(text, decimalComma);
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    for (QStringView line : QStringTokenizer(lines, QLatin1Char('\n')))
        reader.ReadRow(line);
    return reader.Take();
}

} // namespace korvo
