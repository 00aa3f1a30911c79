#include "tools/library_assembly.h"

#include "geometry/units.h"
#include "tools/shape_builders.h"

#include <stdexcept>

namespace korvo::tools {

namespace {

    int Device(int mm) { return static_cast<int>(mm * BaseScale); }

} // namespace

TAssembly::TAssembly()
    : FPages { GlasswarePage(), HeatingPage(), ElectricityPage(), OpticsPage(), ForcesPage(), BiologyPage(),
        SpacePage() }
{
    FDrawing.SetScale(BaseScale);
}

void TAssembly::Drop(const char* name, int x, int y)
{
    FDrawing.AddLibraryShape(&PictureNamed(name), Device(x), Device(y));
}

void TAssembly::Wire(std::initializer_list<std::pair<int, int>> path)
{
    for (auto from = path.begin(), to = std::next(from); from != path.end() && to != path.end(); ++from, ++to)
        FDrawing.AddLine(
            leNone, Device(from->first), Device(from->second), Device(to->first), Device(to->second), Pen(clBlack, 2));
}

const TPolygon& TAssembly::PictureNamed(const char* name) const
{
    for (const TPicturePage& page : FPages) {
        for (const TPictureEntry& entry : page.Entries) {
            if (entry.Name == QString::fromUtf8(name))
                return entry.Shape;
        }
    }
    throw std::invalid_argument(name);
}

} // namespace korvo::tools
