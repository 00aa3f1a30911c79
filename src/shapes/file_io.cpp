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

void WriteFileBytes(const QString& fileName, QByteArrayView bytes)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw EFileError(QStringLiteral("Cannot create \"%1\": %2.").arg(fileName, file.errorString()));
    if (file.write(bytes.data(), bytes.size()) != bytes.size() || !file.commit())
        throw EFileError(QStringLiteral("Cannot save \"%1\": %2.").arg(fileName, file.errorString()));
}

} // namespace korvo
