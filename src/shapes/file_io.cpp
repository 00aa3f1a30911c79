#include "shapes/file_io.h"

#include "geometry/shape_arena.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef __linux__
#include <fcntl.h>
#endif

namespace korvo {

namespace {

    constexpr qint64 MaxFileBytes = qint64(1) << 30;

    // Sets what the file holds so far on its way to the disk without waiting for it. A file written in
    // pieces then travels while its next piece is made, and the sync before the rename waits only for
    // the last one. Only a hint: the sync still reports whatever goes wrong.
    void StartWriteBack(QIODevice& file)
    {
#ifdef SYNC_FILE_RANGE_WRITE
        const auto* onDisk = qobject_cast<QFileDevice*>(&file);
        if (onDisk && onDisk->handle() >= 0)
            sync_file_range(onDisk->handle(), 0, 0, SYNC_FILE_RANGE_WRITE);
#else
        (void)file;
#endif
    }

} // namespace

EFileError::EFileError(const QString& message)
    : std::runtime_error(message.toStdString())
{
}

QByteArray ReadFileBytes(const QString& fileName)
{
    const QFileInfo info(fileName);
    if (info.exists() && !info.isFile())
        throw EFileError(
            QCoreApplication::translate("korvo::EFileError", "Cannot open \"%1\": it is not a file.").arg(fileName));
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EFileError(QCoreApplication::translate("korvo::EFileError", "Cannot open \"%1\": %2.")
                             .arg(fileName, file.errorString()));
    const auto tooLarge = [&fileName] {
        return EFileError(QCoreApplication::translate("korvo::EFileError", "Cannot open \"%1\": the file is too large.")
                              .arg(fileName));
    };
    if (file.size() > MaxFileBytes)
        throw tooLarge();
    // Read in one piece into memory that may take large pages: a page fault for every few kilobytes of
    // a large drawing costs more than copying it. What a file holds beyond the size it gave (a growing
    // file, a system file that gives none) follows.
    QByteArray bytes(file.size(), Qt::Uninitialized);
    AdviseLargePages(bytes.data(), static_cast<std::size_t>(bytes.size()));
    const qint64 read = file.read(bytes.data(), bytes.size());
    if (read >= 0) {
        bytes.truncate(read);
        bytes += file.readAll();
    }
    if (read < 0 || file.error() != QFileDevice::NoError)
        throw EFileError(QCoreApplication::translate("korvo::EFileError", "Cannot read \"%1\": %2.")
                             .arg(fileName, file.errorString()));
    if (bytes.size() > MaxFileBytes)
        throw tooLarge();
    return bytes;
}

bool WriteAll(QIODevice& file, QByteArrayView bytes)
{
    // A short write sets no error; the next one fails with the system's cause (a full disk, a size
    // limit), which the message to the user then names.
    while (!bytes.isEmpty()) {
        const qint64 written = file.write(bytes.data(), bytes.size());
        if (written <= 0)
            return false;
        bytes = bytes.sliced(written);
    }
    StartWriteBack(file);
    return true;
}

void WriteFileWith(const QString& fileName, const TFileFiller& write)
{
    QSaveFile file(fileName);
    // Unbuffered, so a short write (a full disk, a size limit) shows in write()'s count: a buffered
    // QSaveFile flushes at commit, takes the partial write for success and renames a cut file over
    // the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw EFileError(QCoreApplication::translate("korvo::EFileError", "Cannot create \"%1\": %2.")
                             .arg(fileName, file.errorString()));
    if (!write(file) || !file.commit())
        throw EFileError(QCoreApplication::translate("korvo::EFileError", "Cannot save \"%1\": %2.")
                             .arg(fileName, file.errorString()));
}

void WriteFileBytes(const QString& fileName, QByteArrayView bytes)
{
    WriteFileWith(fileName, [bytes](QIODevice& file) { return WriteAll(file, bytes); });
}

void WriteFileMadeInMemory(const QString& fileName, const TFileFiller& make)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!make(buffer))
        throw EFileError(
            QCoreApplication::translate("korvo::EFileError", "Cannot save \"%1\": its content could not be made.")
                .arg(fileName));
    WriteFileBytes(fileName, buffer.data());
}

} // namespace korvo
