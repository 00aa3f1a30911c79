#include "import/svg_inflate.h"

#include <QCoreApplication>
#include <zlib.h>

namespace korvo {

bool IsGzip(const QByteArray& bytes)
{
    return bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0x1f
        && static_cast<unsigned char>(bytes[1]) == 0x8b;
}

QString InflateGzip(const QByteArray& bytes, qint64 maxBytes, QByteArray& out)
{
    z_stream stream {};
    // 16 + MAX_WBITS: a gzip header and trailer around the deflate data.
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK)
        return QCoreApplication::translate("korvo::SvgImport", "The compressed picture could not be opened.");
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.constData()));
    stream.avail_in = static_cast<uInt>(bytes.size());
    out.clear();
    constexpr int chunk = 64 * 1024;
    int status = Z_OK;
    while (status == Z_OK) {
        if (out.size() > maxBytes)
            break;
        const qsizetype before = out.size();
        out.resize(before + chunk);
        stream.next_out = reinterpret_cast<Bytef*>(out.data() + before);
        stream.avail_out = chunk;
        status = inflate(&stream, Z_NO_FLUSH);
        out.resize(before + chunk - static_cast<qsizetype>(stream.avail_out));
    }
    inflateEnd(&stream);
    if (out.size() > maxBytes)
        return QCoreApplication::translate("korvo::SvgImport", "The compressed picture inflates to more than %1 MB.")
            .arg(maxBytes / (1024 * 1024));
    if (status != Z_STREAM_END)
        return QCoreApplication::translate("korvo::SvgImport", "The compressed picture is damaged.");
    return {};
}

} // namespace korvo
