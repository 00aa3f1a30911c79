// Builds the shape library shipped with the program through the library model's own save code:
// make_default_library LIBRARY_FILE

#include "library/poly_lib.h"
#include "shapes/code_page.h"
#include "tools/default_library/pages.h"
#include "tools/printing_reporter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <exception>

using namespace korvo;
using namespace korvo::tools;

namespace {

// Where the picture's parts begin: a library shape must start at (0, 0) so that it lands where it
// is dropped, and the pieces meant to fit together land on the grid.
TMMPoint TopLeftOfParts(const TPolygon& shape)
{
    if (!shape.IsGroup())
        return { shape.FBounds.Left, shape.FBounds.Top };
    TMMPoint topLeft = TopLeftOfParts(shape.FChildren.front());
    for (const TPolygon& child : shape.FChildren) {
        topLeft.X = std::min(topLeft.X, child.FBounds.Left);
        topLeft.Y = std::min(topLeft.Y, child.FBounds.Top);
    }
    return topLeft;
}

bool AddPage(TPolyLib& library, TPicturePage page)
{
    const auto index = static_cast<std::int32_t>(library.Pages().size());
    library.AddPage(EncodeText(page.Name, DefaultCharset).value());
    for (TPictureEntry& entry : page.Entries) {
        const TMMPoint topLeft = TopLeftOfParts(entry.Shape);
        if (topLeft.X != 0 || topLeft.Y != 0) {
            std::fprintf(stderr, "%s: \"%s\" starts at (%g, %g) mm instead of (0, 0)\n", qPrintable(page.Name),
                qPrintable(entry.Name), static_cast<double>(topLeft.X), static_cast<double>(topLeft.Y));
            return false;
        }
        library.AddEntry(std::move(entry.Shape), index, EncodeText(entry.Name, DefaultCharset).value());
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_default_library LIBRARY_FILE\n");
        return 2;
    }
    const QString fileName = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(QFileInfo(fileName).absolutePath())) {
        std::fprintf(stderr, "cannot create the folder of %s\n", argv[1]);
        return 1;
    }
    TPrintingReporter reporter;
    TPolyLib library(reporter);
    try {
        for (TPicturePage (*page)() :
            { GlasswarePage, HeatingPage, ElectricityPage, OpticsPage, ForcesPage, BiologyPage, SpacePage }) {
            if (!AddPage(library, page()))
                return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "cannot build the library: %s\n", e.what());
        return 1;
    }
    return library.SaveFile(fileName) ? 0 : 1;
}
