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

// Writes every byte or fails with the device's error set; a device may take a write in parts.
bool WriteAll(QIODevice& file, QByteArrayView bytes);

// Fills a file (or a buffer) and says whether it succeeded.
using TFileFiller = std::function<bool(QIODevice&)>;

// Replaces the file through a temporary file and a rename, so a failed write leaves the old file intact.
// `write` fills the temporary file with WriteAll.
void WriteFileWith(const QString& fileName, const TFileFiller& write);
void WriteFileBytes(const QString& fileName, QByteArrayView bytes);
// For writers that cannot tell a short write (a text stream, a painter's device): `make` fills a
// buffer in memory, which is then written with every byte checked.
void WriteFileMadeInMemory(const QString& fileName, const TFileFiller& make);

} // namespace korvo
