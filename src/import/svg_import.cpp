#include "import/svg_import.h"

#include "import/svg_inflate.h"
#include "import/svg_limits.h"
#include "import/svg_reader.h"
#include "import/svg_tree.h"

#include <QCoreApplication>
#include <QStringList>

#include <array>

namespace korvo {
namespace {

    QString Tr(const char* text, int n = -1)
    {
        return QCoreApplication::translate("korvo::SvgImport", text, nullptr, n);
    }

    // The text of a picture's bytes, inflated when they are compressed; an error when over a limit.
    QString Uncompressed(const QByteArray& bytes, QByteArray& xml)
    {
        if (bytes.size() > SvgLimits::MaxInputBytes)
            return QCoreApplication::translate("korvo::SvgImport", "The file is larger than %1 MB.")
                .arg(SvgLimits::MaxInputBytes / (1024 * 1024));
        if (!IsGzip(bytes)) {
            xml = bytes;
            return {};
        }
        return InflateGzip(bytes, SvgLimits::MaxInflatedBytes, xml);
    }

} // namespace

TSvgImport ReadSvg(const QByteArray& bytes)
{
    TSvgImport result;
    QByteArray xml;
    TSvgTree tree;
    result.Error = Uncompressed(bytes, xml);
    if (result.Error.isEmpty())
        result.Error = ParseSvgTree(xml, tree);
    if (result.Error.isEmpty())
        result.Error = TSvgReader(tree, result, false).Read();
    // A picture drawn in nothing but faint gradients keeps them rather than come in empty.
    if (result.Error.isEmpty() && result.Shapes.empty() && result.LeftOut.Other > 0) {
        result = TSvgImport();
        result.Error = TSvgReader(tree, result, true).Read();
    }
    if (!result.Error.isEmpty()) {
        // A refused picture hands back nothing of what was read before the reason was found.
        TSvgImport refused;
        refused.Error = result.Error;
        return refused;
    }
    return result;
}

QString LeftOutNote(const TSvgLeftOut& leftOut)
{
    struct TSort {
        int Count;
        const char* One;
        const char* Many;
    };
    const std::array<TSort, 6> sorts { {
        { leftOut.Bitmaps, QT_TRANSLATE_NOOP("korvo::SvgImport", "%n bitmap"),
            QT_TRANSLATE_NOOP("korvo::SvgImport", "%n bitmaps") },
        { leftOut.Filters, QT_TRANSLATE_NOOP("korvo::SvgImport", "%n filter"),
            QT_TRANSLATE_NOOP("korvo::SvgImport", "%n filters") },
        { leftOut.Patterns, QT_TRANSLATE_NOOP("korvo::SvgImport", "%n pattern"),
            QT_TRANSLATE_NOOP("korvo::SvgImport", "%n patterns") },
        { leftOut.Clips, QT_TRANSLATE_NOOP("korvo::SvgImport", "%n clipping or mask"),
            QT_TRANSLATE_NOOP("korvo::SvgImport", "%n clippings or masks") },
        { leftOut.Texts, QT_TRANSLATE_NOOP("korvo::SvgImport", "%n text with characters Korvo cannot hold"),
            QT_TRANSLATE_NOOP("korvo::SvgImport", "%n texts with characters Korvo cannot hold") },
        { leftOut.Other, QT_TRANSLATE_NOOP("korvo::SvgImport", "%n other part"),
            QT_TRANSLATE_NOOP("korvo::SvgImport", "%n other parts") },
    } };
    QStringList parts;
    int total = 0;
    for (const TSort& sort : sorts) {
        if (sort.Count <= 0)
            continue;
        total += sort.Count;
        parts << Tr(sort.Count == 1 ? sort.One : sort.Many, sort.Count);
    }
    if (total == 0)
        return {};
    const char* note = total == 1
        ? QT_TRANSLATE_NOOP("korvo::SvgImport", "%n part of the picture could not be taken in: %1")
        : QT_TRANSLATE_NOOP("korvo::SvgImport", "%n parts of the picture could not be taken in: %1");
    return Tr(note, total).arg(parts.join(QStringLiteral(", ")));
}

} // namespace korvo
