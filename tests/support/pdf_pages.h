#pragma once

// Reads a printed PDF with poppler's tools, as a person checks a printout: the pages, the sheet's
// size and where the ink is.

#include <QImage>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>

namespace korvo::test {

struct TPdfPages {
    int Count = 0;
    // The first page, in points.
    QSizeF Size;
};

inline QByteArray RunTool(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

inline std::optional<TPdfPages> ReadPdfPages(const QString& pdf)
{
    const QString info = QString::fromUtf8(RunTool(QStringLiteral("pdfinfo"), { pdf }));
    const auto line = [&info](const char* pattern) {
        return QRegularExpression(QLatin1String(pattern), QRegularExpression::MultilineOption).match(info);
    };
    const QRegularExpressionMatch pages = line("^Pages:\\s+(\\d+)");
    const QRegularExpressionMatch size = line("^Page size:\\s+([0-9.]+) x ([0-9.]+) pts");
    if (!pages.hasMatch() || !size.hasMatch())
        return std::nullopt;
    return TPdfPages { pages.captured(1).toInt(), QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble()) };
}

// The first page in grey at that many pixels per millimetre; a null image when it cannot be read.
inline QImage RasterisePdf(const QString& pdf, double pixelsPerMM)
{
    const QTemporaryDir dir;
    const QString page = dir.filePath(QStringLiteral("page"));
    RunTool(QStringLiteral("pdftoppm"),
        { QStringLiteral("-r"), QString::number(pixelsPerMM * 25.4), QStringLiteral("-gray"),
            QStringLiteral("-singlefile"), QStringLiteral("-png"), pdf, page });
    return QImage(page + QStringLiteral(".png"));
}

// The box of the black pixels in millimetres from the sheet's top-left corner; empty when there are none.
// Coloured and grey marks, such as the preview's margin lines, are no ink.
inline QRectF InkExtentMM(const QImage& page, double pixelsPerMM)
{
    int left = page.width();
    int top = page.height();
    int right = -1;
    int bottom = -1;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QRgb pixel = page.pixel(x, y);
            if (std::max({ qRed(pixel), qGreen(pixel), qBlue(pixel) }) >= 128)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0)
        return {};
    return QRectF(
        left / pixelsPerMM, top / pixelsPerMM, (right + 1 - left) / pixelsPerMM, (bottom + 1 - top) / pixelsPerMM);
}

// The ink lies where expected, each edge within the tolerance.
inline ::testing::AssertionResult InkNear(const QRectF& ink, const QRectF& expected, double toleranceMM)
{
    const bool near = std::abs(ink.left() - expected.left()) <= toleranceMM
        && std::abs(ink.top() - expected.top()) <= toleranceMM
        && std::abs(ink.right() - expected.right()) <= toleranceMM
        && std::abs(ink.bottom() - expected.bottom()) <= toleranceMM;
    if (near)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "ink over (" << ink.left() << ", " << ink.top() << ")-(" << ink.right()
                                         << ", " << ink.bottom() << ") mm";
}

} // namespace korvo::test
