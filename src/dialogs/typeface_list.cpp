#include "dialogs/typeface_list.h"

#include "shapes/code_page.h"
#include "shapes/log_font.h"
#include "shapes/shape_font.h"

#include <QFontDatabase>

namespace korvo {

namespace {

    // The font configuration's generic names stand for whatever face it picks on this machine; a
    // drawing names a real face, so that it looks the same elsewhere.
    bool GenericFamily(const QString& family)
    {
        static const QStringList generic
            = { QStringLiteral("Serif"), QStringLiteral("Sans Serif"), QStringLiteral("Monospace") };
        return generic.contains(family);
    }

} // namespace

bool StorableFaceName(const QString& face)
{
    const std::optional<std::uint8_t> charset = CharsetFor(face, DefaultCharset);
    return charset && EncodeText(face, *charset)->size() < TLogFont::FaceNameSize;
}

QStringList InstalledTypefaces()
{
    QStringList faces;
    for (const QString& family : QFontDatabase::families()) {
        if (QFontDatabase::isScalable(family) && !QFontDatabase::isPrivateFamily(family) && !GenericFamily(family)
            && StorableFaceName(family))
            faces.append(family);
    }
    faces.sort(Qt::CaseInsensitive);
    return faces;
}

} // namespace korvo
