#include "shapes/file_io.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace korvo {

namespace {
    constexpr qint64 MaxFileBytes = qint64(1) << 30;
}

EFileError::EFileError(const QString& message)
    : std::runtime_error(message.toStdString())
{
}

QByteArray ReadFileBytes(const QString& fileName)
{
    const QFileInfo info(fileName);
    if (info.exists() && !info.isFile())
        throw EFileError(QStringLiteral("Cannot open \"%1\": it is not a file.").arg(fileName));
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EFileError(QStringLiteral("Cannot open \"%1\": %2.").arg(fileName, file.errorString()));
    if (file.size() > MaxFileBytes)
        throw EFileError(QStringLiteral("Cannot open \"%1\": the file is too large.").arg(fileName));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw EFileError(QStringLiteral("Cannot read \"%1\": %2.").arg(fileName, file.errorString()));
    return bytes;
}

void WriteFileWith(const QString& fileName, const std::function<bool(QIODevice&)>& write)
{
    QSaveFile file(fileName);
    // Unbuffered, so a short write (a full disk, a size limit) shows in write()'s count: a buffered
    // QSaveFile flushes at commit, takes the partial write for success and renames a cut file over
    // the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw EFileError(QStringLiteral("Cannot create \"%1\": %2.").arg(fileName, file.errorString()));
    if (!write(file) || !file.commit())
        throw EFileError(QStringLiteral("Cannot save \"%1\": %2.").arg(fileName, file.errorString()));
}

void WriteFileBytes(const QString& fileName, QByteArrayView bytes)
{
    WriteFileWith(
        fileName, [bytes](QIODevice& file) { return file.write(bytes.data(), bytes.size()) == bytes.size(); });
}

} // namespace korvo
