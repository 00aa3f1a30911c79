#pragma once

#include <QByteArray>
#include <QString>

namespace korvo {

// Whether the bytes start with the gzip magic number, as a .svgz does.
bool IsGzip(const QByteArray& bytes);

// Inflates gzip bytes into out, refusing to grow past maxBytes. Returns an empty string on success,
// otherwise the translated one-line reason.
QString InflateGzip(const QByteArray& bytes, qint64 maxBytes, QByteArray& out);

} // namespace korvo
