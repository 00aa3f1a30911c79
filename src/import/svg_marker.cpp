#include "import/svg_marker.h"

#include "import/svg_tree.h"

namespace korvo {

bool IsArrowMarker(const TSvgTree& tree, QStringView reference)
{
    const int index = tree.Find(reference);
    if (index < 0 || tree.Nodes[static_cast<std::size_t>(index)].Name != u"marker")
        return false;
    const TSvgNode& marker = tree.Nodes[static_cast<std::size_t>(index)];
    const QString id = marker.Attribute(u"id").toLower();
    if (id.contains(u"arrow"))
        return true;
    for (const char* round : { "dot", "circle", "square", "diamond" }) {
        if (id.contains(QLatin1String(round)))
            return false;
    }
    for (const int child : marker.Children) {
        const QString& name = tree.Nodes[static_cast<std::size_t>(child)].Name;
        if (name == u"path" || name == u"polygon" || name == u"polyline")
            return true;
        if (name == u"circle" || name == u"ellipse" || name == u"rect")
            return false;
    }
    return false;
}

} // namespace korvo
