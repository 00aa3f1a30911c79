// Draws one picture per page of a library, so that anyone can look over its entries without the
// editor: each entry at its true size on the page (zoom x1 unless a factor is given) with its
// bounds, and beneath it the row the library panel shows for it.
// make_contact_sheets LIBRARY_FILE OUTPUT_FOLDER [ZOOM]

#include "geometry/units.h"
#include "library/poly_lib.h"
#include "shapes/code_page.h"
#include "shapes/shape_thumbnail.h"
#include "tools/printing_reporter.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <cstdio>

using namespace korvo;
using namespace korvo::tools;

namespace {

constexpr int SheetWidth = 1800;
constexpr int Margin = 16;
constexpr int RowHeight = 60;
constexpr int NameWidth = 180;
constexpr int TitleHeight = 40;

struct TCell {
    const TLibShape* Entry;
    QRect Area;
    QSize Picture;
};

QSize PictureSize(const TPolygon& shape, float scale)
{
    return { static_cast<int>(std::ceil(shape.FBounds.Right * scale)),
        static_cast<int>(std::ceil(shape.FBounds.Bottom * scale)) };
}

// Cells in rows from left to right, as wide as their picture or their panel row.
std::vector<TCell> LayOut(const std::vector<TLibShape*>& entries, float scale)
{
    std::vector<TCell> cells;
    QPoint at(Margin, TitleHeight);
    int rowBottom = at.y();
    for (const TLibShape* entry : entries) {
        const QSize picture = PictureSize(entry->FShape, scale);
        const QSize cell(std::max(picture.width(), RowHeight + NameWidth), picture.height() + RowHeight + 8);
        if (at.x() > Margin && at.x() + cell.width() > SheetWidth - Margin)
            at = QPoint(Margin, rowBottom + Margin);
        cells.push_back({ entry, QRect(at, cell), picture });
        at.rx() += cell.width() + Margin;
        rowBottom = std::max(rowBottom, at.y() + cell.height());
    }
    return cells;
}

void DrawCell(QPainter& painter, TShapePainter& shapes, const TCell& cell, float scale)
{
    const QPoint origin = cell.Area.topLeft();
    painter.setPen(QColor(210, 210, 210));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(origin, cell.Picture));
    painter.save();
    painter.translate(origin);
    shapes.Draw(cell.Entry->FShape, 0, 0, scale);
    painter.restore();
    const int rowTop = origin.y() + cell.Picture.height() + 8;
    const TRect thumbnail = DrawThumbnail(shapes, painter, cell.Entry->FShape,
        { origin.x() + 2, rowTop + 1, origin.x() + RowHeight + NameWidth, rowTop + RowHeight - 1 });
    painter.setPen(Qt::black);
    painter.drawText(QRect(thumbnail.Right + 4, rowTop, NameWidth, RowHeight), Qt::AlignVCenter | Qt::TextSingleLine,
        DecodeText(cell.Entry->FName, DefaultCharset));
}

bool DrawSheet(const TPolyLib& library, int page, float scale, const QString& fileName)
{
    const std::vector<TCell> cells = LayOut(library.PageEntries(page), scale);
    int bottom = TitleHeight;
    for (const TCell& cell : cells)
        bottom = std::max(bottom, cell.Area.bottom() + Margin);
    QImage sheet(SheetWidth, bottom, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    QFont title = painter.font();
    title.setPixelSize(20);
    painter.setFont(title);
    painter.drawText(Margin, 28, DecodeText(library.GetPageName(page), DefaultCharset));
    painter.setFont(QFont(QStringLiteral("Arial"), 9));
    TFontCache fonts;
    TShapePainter shapes(painter, TPaintTarget::Screen, ScreenPixelsPerInch(), fonts);
    for (const TCell& cell : cells)
        DrawCell(painter, shapes, cell, scale);
    painter.end();
    TPrintingReporter reporter;
    shapes.Errors().ReportTo(reporter);
    return sheet.save(fileName, "PNG");
}

QString SheetName(int page, const QByteArray& pageName)
{
    QString name = DecodeText(pageName, DefaultCharset).toLower();
    name.replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")), QStringLiteral("-"));
    return QStringLiteral("%1-%2.png").arg(page + 1, 2, 10, QLatin1Char('0')).arg(name);
}

} // namespace

int main(int argc, char* argv[])
{
    // A tool for the build folder: it needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    bool zoomOk = true;
    const double zoom = arguments.size() == 4 ? arguments[3].toDouble(&zoomOk) : 1.0;
    if (arguments.size() < 3 || arguments.size() > 4 || !zoomOk || !(zoom > 0 && zoom <= 8)) {
        std::fprintf(stderr, "usage: make_contact_sheets LIBRARY_FILE OUTPUT_FOLDER [ZOOM, above 0 and at most 8]\n");
        return 2;
    }
    TPrintingReporter reporter;
    TPolyLib library(reporter);
    if (!library.LoadFile(arguments[1]))
        return 1;
    const QDir folder(arguments[2]);
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(arguments[2]));
        return 1;
    }
    const auto scale = static_cast<float>(BaseScale * zoom);
    for (int page = 0; page < library.Pages().size(); ++page) {
        const QString fileName = folder.filePath(SheetName(page, library.Pages()[page]));
        if (!DrawSheet(library, page, scale, fileName)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(fileName));
            return 1;
        }
    }
    return 0;
}
