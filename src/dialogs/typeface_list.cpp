#include "dialogs/typeface_list.h"

#include "shapes/code_page.h"
#include "shapes/log_font.h"
#include "shapes/shape_font.h"

#include <QFontDatabase>

namespace korvo {

bool StorableFaceName(const QString& face)
{
    const std::optional<std::uint8_t> charset = CharsetFor(face, DefaultCharset);
    return charset && EncodeText(face, *charset)->size() < TLogFont::FaceNameSize;
}

QStringList RealFamilies(QStringList families)
{
    static const QStringList generic
        = { QStringLiteral("Serif"), QStringLiteral("Sans Serif"), QStringLiteral("Monospace") };
    families.removeIf([](const QString& family) { return generic.contains(family); });
    return families;
}

QStringList InstalledTypefaces()
{
    QStringList faces;
    for (const QString& family : RealFamilies(QFontDatabase::families())) {
        if (QFontDatabase::isScalable(family) && !QFontDatabase::isPrivateFamily(family) && StorableFaceName(family))
            faces.append(family);
    }
    faces.sort(Qt::CaseInsensitive);
    return faces;
}

} // namespace korvo
