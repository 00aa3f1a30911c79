#pragma once

#include "shapes/plot_definition.h"

namespace korvo::test {

// A curve of measured points as the dialog makes it from a pasted table.
inline TPlotCurve MeasuredCurve(const char* table, TPlotMarker marker, TPlotLine line)
{
    TPlotCurve curve;
    curve.IsFunction = false;
    curve.Table = QString::fromUtf8(table);
    curve.Marker = marker;
    curve.Line = line;
    return curve;
}

} // namespace korvo::test
