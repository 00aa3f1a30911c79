#include "document/recovery_store.h"

#include "geometry/units.h"
#include "shapes/file_io.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QStandardPaths>

#include <new>
#include <optional>

namespace korvo {

namespace {

    const QString ShapesSuffix = QStringLiteral(".kv");
    const QString InfoSuffix = QStringLiteral(".json");
    const QString LockSuffix = QStringLiteral(".lock");
    const QString SetAsideSuffix = QStringLiteral(".damaged");

    QByteArray EncodeInfo(const TRecoveryInfo& info)
    {
        const QJsonObject json { { QStringLiteral("file"), info.FileName },
            { QStringLiteral("time"), info.Time.toString(Qt::ISODateWithMs) },
            { QStringLiteral("pageWidth"), info.PageWidthMM }, { QStringLiteral("pageHeight"), info.PageHeightMM } };
        return QJsonDocument(json).toJson();
    }

    bool IsPageSize(std::int32_t width, std::int32_t height)
    {
        return (width == 210 && height == 280) || (width == 420 && height == 560);
    }

    std::optional<TRecoveryInfo> DecodeInfo(const QByteArray& bytes)
    {
        const QJsonObject json = QJsonDocument::fromJson(bytes).object();
        const QJsonValue file = json.value(QStringLiteral("file"));
        TRecoveryInfo info;
        info.FileName = file.toString();
        info.Time = QDateTime::fromString(json.value(QStringLiteral("time")).toString(), Qt::ISODateWithMs);
        info.PageWidthMM = json.value(QStringLiteral("pageWidth")).toInt();
        info.PageHeightMM = json.value(QStringLiteral("pageHeight")).toInt();
        if (!file.isString() || !info.Time.isValid() || !IsPageSize(info.PageWidthMM, info.PageHeightMM))
            return std::nullopt;
        return info;
    }

    // Another instance's lock, taken only when that instance no longer runs: the lock names its process.
    // Its age says nothing, since a running Korvo holds its lock for as long as its drawing is unsaved.
    std::shared_ptr<QLockFile> ClaimLock(const QString& base)
    {
        auto lock = std::make_shared<QLockFile>(base + LockSuffix);
        lock->setStaleLockTime(0);
        return lock->tryLock(0) ? lock : nullptr;
    }

    void RemoveFiles(const QString& base)
    {
        // A file that will not go is offered again at the next start, where it can be discarded.
        QFile::remove(base + ShapesSuffix);
        QFile::remove(base + InfoSuffix);
    }

    // Renames a damaged recovery out of the way, so that it is neither lost nor offered again.
    QString SetAsideFiles(const QString& base, const QString& problem)
    {
        const QString aside = base + ShapesSuffix + SetAsideSuffix;
        QFile::rename(base + InfoSuffix, base + InfoSuffix + SetAsideSuffix);
        if (!QFile::rename(base + ShapesSuffix, aside))
            return problem + QLatin1Char(' ')
                + QCoreApplication::translate("korvo::TRecoveryStore", "It could not be put aside and stays as \"%1\".")
                      .arg(base + ShapesSuffix);
        return problem + QLatin1Char(' ')
            + QCoreApplication::translate(
                "korvo::TRecoveryStore", "The drawing kept for recovery has been put aside as \"%1\".")
                  .arg(aside);
    }

    // Reads what is kept beside one leftover. Nothing comes back either when it is damaged, with the
    // problem told, or when it holds nothing to recover.
    std::optional<TRecoveryEntry> ReadEntry(const QString& base, QString& problem)
    {
        TRecoveryEntry entry;
        entry.ShapesFile = base + ShapesSuffix;
        // The description is written first: without a drawing beside it the first write never happened.
        if (!QFile::exists(entry.ShapesFile))
            return std::nullopt;
        try {
            const auto info = DecodeInfo(ReadFileBytes(base + InfoSuffix));
            if (!info) {
                problem = QCoreApplication::translate(
                    "korvo::TRecoveryStore", "\"%1\" is not a valid recovery description.")
                              .arg(base + InfoSuffix);
                return std::nullopt;
            }
            entry.Info = *info;
        } catch (const EFileError& e) {
            problem = e.Message();
            return std::nullopt;
        }
        return entry;
    }

    constexpr QFile::Permissions OwnerOnly = QFile::ReadOwner | QFile::WriteOwner;

    // Copies of drawings are as private as anything of the user's: the folder and every folder made on
    // the way to it are the owner's alone, whatever the umask says.
    void MakePrivateFolder(const QString& path)
    {
        const QFileInfo folder(path);
        if (!folder.exists()) {
            MakePrivateFolder(folder.absolutePath());
            if (!QDir().mkdir(path, OwnerOnly | QFile::ExeOwner) && !QFileInfo(path).isDir())
                throw EFileError(
                    QCoreApplication::translate("korvo::TRecoveryStore", "Cannot create the folder \"%1\".").arg(path));
        }
    }

} // namespace

TRecoveryStore::TRecoveryStore(QString folder, QString instance)
    : FBase(QDir(folder).filePath(instance))
{
}

TRecoveryStore::~TRecoveryStore() = default;

QString TRecoveryStore::DefaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/recovery/");
}

QString TRecoveryStore::InstanceName()
{
    // The start time tells this instance from an earlier one that had the same process id.
    static const QString name = QStringLiteral("%1-%2").arg(
        QString::number(QCoreApplication::applicationPid()), QString::number(QDateTime::currentMSecsSinceEpoch()));
    return name;
}

QString TRecoveryStore::ShapesFile() const { return FBase + ShapesSuffix; }

QString TRecoveryStore::InfoFile() const { return FBase + InfoSuffix; }

void TRecoveryStore::Write(const TShapeList& shapes, const TRecoveryInfo& info)
{
    if (!FLock) {
        const QString folder = QFileInfo(FBase).absolutePath();
        MakePrivateFolder(folder);
        // A folder an older Korvo made readable to all becomes private too.
        QFile::setPermissions(folder, OwnerOnly | QFile::ExeOwner);
        auto lock = std::make_unique<QLockFile>(FBase + LockSuffix);
        if (!lock->tryLock(0))
            throw EFileError(
                QCoreApplication::translate("korvo::TRecoveryStore", "Cannot lock \"%1\".").arg(FBase + LockSuffix));
        FLock = std::move(lock);
    }
    WriteFileBytes(InfoFile(), EncodeInfo(info));
    QFile::setPermissions(InfoFile(), OwnerOnly);
    WriteDrawingFile(ShapesFile(), shapes);
    QFile::setPermissions(ShapesFile(), OwnerOnly);
}

void TRecoveryStore::Remove()
{
    if (!FLock)
        return;
    RemoveFiles(FBase);
    FLock.reset();
}

TLeftovers TRecoveryStore::ClaimLeftovers() const
{
    TLeftovers leftovers;
    const QDir folder(QFileInfo(FBase).absolutePath());
    for (const QString& name : folder.entryList({ QLatin1Char('*') + InfoSuffix }, QDir::Files, QDir::Name)) {
        const QString base = folder.filePath(name.chopped(InfoSuffix.size()));
        if (base == FBase)
            continue;
        std::shared_ptr<QLockFile> lock = ClaimLock(base);
        if (!lock)
            continue;
        QString problem;
        std::optional<TRecoveryEntry> entry = ReadEntry(base, problem);
        if (entry) {
            entry->Lock = std::move(lock);
            leftovers.Entries.push_back(std::move(*entry));
        } else if (!problem.isEmpty()) {
            leftovers.Problems.append(SetAsideFiles(base, problem));
        } else {
            RemoveFiles(base);
        }
    }
    return leftovers;
}

void TRecoveryStore::Discard(TRecoveryEntry& entry)
{
    RemoveFiles(entry.ShapesFile.chopped(ShapesSuffix.size()));
    entry.Lock.reset();
}

TShapeList TRecoveryStore::ReadShapes(const TRecoveryEntry& entry, float scale, TShapesReader read)
{
    try {
        return read(entry.ShapesFile, scale);
    } catch (const std::bad_alloc&) {
        // A leftover larger than this start can hold must not keep the editor from starting.
        throw EFileError(
            QCoreApplication::translate("korvo::TRecoveryStore", "\"%1\" is too large to read in the memory at hand.")
                .arg(entry.ShapesFile));
    }
}

QString TRecoveryStore::SetAside(TRecoveryEntry& entry, const QString& problem)
{
    const QString message = SetAsideFiles(entry.ShapesFile.chopped(ShapesSuffix.size()), problem);
    entry.Lock.reset();
    return message;
}

} // namespace korvo
