#include "import/svg_tree.h"

#include "import/svg_entities.h"
#include "import/svg_limits.h"

#include <QCoreApplication>
#include <QXmlStreamReader>

namespace korvo {
namespace {

    const QString SvgNamespace = QStringLiteral("http://www.w3.org/2000/svg");
    const QString XlinkNamespace = QStringLiteral("http://www.w3.org/1999/xlink");
    const QString XmlNamespace = QStringLiteral("http://www.w3.org/XML/1998/namespace");

    // Character data matters inside text and style sheets only.
    bool KeepsText(const QString& name)
    {
        return name == QLatin1String("text") || name == QLatin1String("tspan") || name == QLatin1String("a")
            || name == QLatin1String("style");
    }

    class TTreeBuilder {
    public:
        TTreeBuilder(const QByteArray& xml, TSvgTree& tree)
            : Xml(xml)
            , Reader(xml)
            , Tree(tree)
        {
            Reader.setNamespaceProcessing(true);
            Reader.setEntityExpansionLimit(static_cast<int>(SvgLimits::MaxEntityExpansion));
        }

        QString Build()
        {
            while (!Reader.atEnd() && Error.isEmpty()) {
                switch (Reader.readNext()) {
                case QXmlStreamReader::DTD:
                    Error = CheckEntities(Reader.entityDeclarations(), Xml);
                    break;
                case QXmlStreamReader::StartElement:
                    StartElement();
                    break;
                case QXmlStreamReader::EndElement:
                    EndElement();
                    break;
                case QXmlStreamReader::Characters:
                    Characters();
                    break;
                case QXmlStreamReader::EntityReference:
                    Error = QCoreApplication::translate(
                        "korvo::SvgImport", "The picture uses the entity '%1', which it does not declare.")
                                .arg(Reader.name().toString());
                    break;
                default:
                    break;
                }
            }
            if (!Error.isEmpty())
                return Error;
            if (Reader.hasError()) {
                // Qt's reasons end in a full stop of their own.
                QString reason = Reader.errorString();
                if (reason.endsWith(u'.'))
                    reason.chop(1);
                return QCoreApplication::translate("korvo::SvgImport", "The file is not well-formed XML (line %1: %2).")
                    .arg(Reader.lineNumber())
                    .arg(reason);
            }
            if (Tree.Nodes.empty())
                return QCoreApplication::translate(
                    "korvo::SvgImport", "The file is not an SVG picture: it has no <svg> element.");
            return {};
        }

    private:
        void StartElement()
        {
            if (++Elements > SvgLimits::MaxElements) {
                Error = QCoreApplication::translate("korvo::SvgImport", "The picture has more than %1 elements.")
                            .arg(SvgLimits::MaxElements);
                return;
            }
            if (Open.size() + Skipped >= SvgLimits::MaxDepth) {
                Error = QCoreApplication::translate("korvo::SvgImport", "The picture nests elements more than %1 deep.")
                            .arg(SvgLimits::MaxDepth);
                return;
            }
            const QString name = Reader.name().toString();
            const bool svg = Reader.namespaceUri().isEmpty() || Reader.namespaceUri() == SvgNamespace;
            if (Tree.Nodes.empty() && (!svg || name != QLatin1String("svg"))) {
                Error = QCoreApplication::translate(
                    "korvo::SvgImport", "The file is not an SVG picture: its root element is <%1>.")
                            .arg(Reader.qualifiedName().toString());
                return;
            }
            if (Skipped > 0 || !svg) {
                ++Skipped;
                return;
            }
            TSvgNode node;
            node.Name = name;
            for (const QXmlStreamAttribute& a : Reader.attributes()) {
                if (a.namespaceUri().isEmpty() || a.namespaceUri() == XlinkNamespace)
                    node.Attributes.emplace_back(a.name().toString(), a.value().toString());
                else if (a.namespaceUri() == XmlNamespace && a.name() == QLatin1String("space"))
                    node.Attributes.emplace_back(QStringLiteral("xml:space"), a.value().toString());
            }
            const int index = Add(std::move(node));
            const QString id = Tree.Nodes[static_cast<std::size_t>(index)].Attribute(u"id");
            if (!id.isEmpty() && !Tree.Ids.contains(id))
                Tree.Ids.insert(id, index);
            Open.push_back(index);
        }

        void EndElement()
        {
            if (Skipped > 0)
                --Skipped;
            else if (!Open.empty())
                Open.pop_back();
        }

        void Characters()
        {
            if (Skipped > 0 || Open.empty())
                return;
            const TSvgNode& parent = Tree.Nodes[static_cast<std::size_t>(Open.back())];
            if (!KeepsText(parent.Name))
                return;
            if (parent.Name == QLatin1String("style")) {
                Tree.StyleSheet += Reader.text();
                Tree.StyleSheet += QLatin1Char('\n');
                return;
            }
            TSvgNode run;
            run.Text = Reader.text().toString();
            Add(std::move(run));
        }

        int Add(TSvgNode node)
        {
            const int index = static_cast<int>(Tree.Nodes.size());
            Tree.Nodes.push_back(std::move(node));
            if (!Open.empty())
                Tree.Nodes[static_cast<std::size_t>(Open.back())].Children.push_back(index);
            return index;
        }

        const QByteArray& Xml;
        QXmlStreamReader Reader;
        TSvgTree& Tree;
        std::vector<int> Open;
        int Skipped = 0;
        int Elements = 0;
        QString Error;
    };

} // namespace

QString TSvgNode::Attribute(QStringView name) const
{
    for (const auto& [key, value] : Attributes) {
        if (key == name)
            return value.isNull() ? QString(QLatin1String("")) : value;
    }
    return {};
}

int TSvgTree::Find(QStringView reference) const
{
    QStringView id = reference.trimmed();
    if (id.startsWith(u"url(")) {
        const qsizetype close = id.indexOf(u')');
        if (close < 0)
            return -1;
        id = id.mid(4, close - 4).trimmed();
        if (id.size() >= 2 && (id.front() == u'"' || id.front() == u'\''))
            id = id.mid(1, id.size() - 2);
    }
    if (!id.startsWith(u'#'))
        return -1;
    return Ids.value(id.mid(1).toString(), -1);
}

QString ParseSvgTree(const QByteArray& xml, TSvgTree& tree) { return TTreeBuilder(xml, tree).Build(); }

} // namespace korvo
