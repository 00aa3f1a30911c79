#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <stdexcept>

class QIODevice;

namespace korvo {

// A file that cannot be read, written or understood. The message is a whole sentence for the user.
class EFileError : public std::runtime_error {
public:
    explicit EFileError(const QString& message);
    QString Message() const { return QString::fromUtf8(what()); }
};

// The whole content of a regular file. Devices, pipes and files too large to be ours are refused
// instead of being read without end.
QByteArray ReadFileBytes(const QString& fileName);

// Replaces the file through a temporary file and a rename, so a failed write leaves the old file intact.
// `write` fills the temporary file and says whether it succeeded.
void WriteFileWith(const QString& fileName, const std::function<bool(QIODevice&)>& write);
void WriteFileBytes(const QString& fileName, QByteArrayView bytes);

} // namespace korvo
