#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringView>

#include <utility>
#include <vector>

namespace korvo {

// One SVG element, or a run of character data inside one (Name empty, Text set).
struct TSvgNode {
    QString Name;
    QString Text;
    std::vector<std::pair<QString, QString>> Attributes;
    std::vector<int> Children;

    bool IsText() const { return Name.isEmpty(); }
    // The attribute's value; a null string when it is absent.
    QString Attribute(QStringView name) const;
    bool Has(QStringView name) const { return !Attribute(name).isNull(); }
};

// The SVG elements of a file, the root first. Elements of other vocabularies (editor metadata) are
// dropped with their contents; xlink:href is kept as href.
struct TSvgTree {
    std::vector<TSvgNode> Nodes;
    QHash<QString, int> Ids;
    // The text of every <style> sheet, in file order.
    QString StyleSheet;

    const TSvgNode& Root() const { return Nodes.front(); }
    // The element an "#id" or "url(#id)" reference names, or -1. Nothing outside the file is named.
    int Find(QStringView reference) const;
};

// Builds the tree from XML bytes within SvgLimits. Returns an empty string on success, otherwise the
// translated one-line reason (not XML, not SVG, over a limit).
QString ParseSvgTree(const QByteArray& xml, TSvgTree& tree);

} // namespace korvo
