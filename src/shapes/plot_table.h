#pragma once

#include <QString>

#include <vector>

namespace korvo {

struct TDataPoint {
    double X = 0;
    double Y = 0;

    friend bool operator==(const TDataPoint& a, const TDataPoint& b) { return a.X == b.X && a.Y == b.Y; }
};

// More rows than this are not taken: the dialog says how many were left.
constexpr int MaxTableRows = 10000;

struct TPastedTable {
    std::vector<TDataPoint> Points;
    // Rows that do not give two finite numbers (junk, NaN, infinite), not counting a header or blank lines.
    int SkippedRows = 0;
    bool HeaderSkipped = false;
    // Rows beyond MaxTableRows.
    int RowsOverLimit = 0;
};

// Two columns, x then y, as typed or pasted from a spreadsheet: columns separated by tab, semicolon or
// comma (a comma separates only when the text is not using it as the decimal mark); a decimal point or
// the given decimal comma; a first row without numbers is a header and is skipped.
TPastedTable ReadPastedTable(const QString& text, QChar decimalComma = QLatin1Char(','));

} // namespace korvo
