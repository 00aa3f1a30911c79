#include "library/library_names.h"

#include "shapes/code_page.h"
#include "shapes/shape_font.h"

#include <QCoreApplication>

namespace korvo {

QString ShownLibraryName(const QByteArray& stored)
{
    // Library names carry no character set of their own; they are the system's ANSI text.
    const QByteArray source = DecodeText(stored, DefaultCharset).toUtf8();
    return QCoreApplication::translate("korvo::LibraryNames", source.constData());
}

QByteArray ConfirmedLibraryName(const QByteArray& stored, const QByteArray& typed)
{
    return DecodeText(typed, DefaultCharset) == ShownLibraryName(stored) ? stored : typed;
}

} // namespace korvo
