#include "import/svg_entities.h"

#include "import/svg_limits.h"

#include <QCoreApplication>
#include <QHash>

namespace korvo {
namespace {

    class TExpansion {
    public:
        explicit TExpansion(const QXmlStreamEntityDeclarations& declarations)
        {
            for (const QXmlStreamEntityDeclaration& d : declarations)
                Values.insert(d.name().toString(), d.value().toString());
        }

        // Characters the entity expands to, capped just past the limit; a cycle counts as over.
        qint64 Length(const QString& name, int depth = 0)
        {
            constexpr qint64 over = SvgLimits::MaxEntityExpansion + 1;
            if (const auto known = Lengths.constFind(name); known != Lengths.constEnd())
                return *known;
            if (depth > SvgLimits::MaxEntityDeclarations)
                return over;
            const QString value = Values.value(name);
            qint64 length = value.size();
            for (auto other = Values.constBegin(); other != Values.constEnd() && length < over; ++other) {
                const qint64 uses = value.count(QLatin1Char('&') + other.key() + QLatin1Char(';'));
                if (uses > 0)
                    length += uses * Length(other.key(), depth + 1);
            }
            Lengths.insert(name, std::min(length, over));
            return std::min(length, over);
        }

        QHash<QString, QString> Values;

    private:
        QHash<QString, qint64> Lengths;
    };

} // namespace

QString CheckEntities(const QXmlStreamEntityDeclarations& declarations, const QByteArray& document)
{
    if (declarations.size() > SvgLimits::MaxEntityDeclarations)
        return QCoreApplication::translate("korvo::SvgImport", "The picture declares more than %1 entities.")
            .arg(SvgLimits::MaxEntityDeclarations);
    for (const QXmlStreamEntityDeclaration& d : declarations) {
        if (!d.systemId().isEmpty() || !d.publicId().isEmpty())
            return QCoreApplication::translate(
                "korvo::SvgImport", "The picture declares an entity outside the file, which Korvo never reads.");
    }
    TExpansion expansion(declarations);
    qint64 total = 0;
    for (auto entity = expansion.Values.constBegin(); entity != expansion.Values.constEnd(); ++entity) {
        const qint64 uses = document.count(QByteArray('&' + entity.key().toUtf8() + ';'));
        if (uses > 0)
            total += uses * expansion.Length(entity.key());
        if (total > SvgLimits::MaxEntityExpansion)
            return QCoreApplication::translate(
                "korvo::SvgImport", "The picture's entities expand to more than %1 characters.")
                .arg(SvgLimits::MaxEntityExpansion);
    }
    return {};
}

} // namespace korvo
