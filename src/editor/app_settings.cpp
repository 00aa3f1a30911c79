#include "editor/app_settings.h"

#include <QDir>
#include <QFileInfo>
#include <QtEndian>

#include <algorithm>

namespace korvo {

namespace {
    constexpr int WindowBoundsBytes = 16;
    constexpr int DefaultRecoveryInterval = 120;
    constexpr int LongestRecoveryInterval = 24 * 60 * 60;
}

TIniSettings ReadIniSettings(const QString& programDir)
{
    TIniSettings result;
    const QString iniFile = QDir(programDir).filePath(QStringLiteral("kv.ini"));
    if (QFileInfo::exists(iniFile)) {
        const QSettings ini(iniFile, QSettings::IniFormat);
        result.UserDir = ini.value(QStringLiteral("UserDir/dir")).toString();
        result.LibraryFile = ini.value(QStringLiteral("picture library/filename")).toString();
        result.LibraryEditing = ini.value(QStringLiteral("user version/version"), 0).toInt() == 0;
    }
    if (result.LibraryFile.isEmpty())
        result.LibraryFile = DefaultLibraryFile(programDir);
    return result;
}

QString ProgramDataFile(const QString& programDir, const QString& relativeName)
{
    const QDir dir(programDir);
    const QString beside = QDir::toNativeSeparators(dir.filePath(relativeName));
    const QString installed = dir.filePath(QStringLiteral("../share/korvo/") + relativeName);
    if (!QFileInfo::exists(beside) && QFileInfo::exists(installed))
        return QDir::toNativeSeparators(QDir::cleanPath(installed));
    return beside;
}

QString DefaultLibraryFile(const QString& programDir)
{
    return ProgramDataFile(programDir, QStringLiteral("library/PicLib.kvl"));
}

QString HelpCollectionFile(const QString& programDir)
{
    return ProgramDataFile(programDir, QStringLiteral("help/korvo.qhc"));
}

std::unique_ptr<QSettings> OpenUserStore() { return std::make_unique<QSettings>(); }

int RecoveryIntervalSeconds(const QSettings& store)
{
    bool ok = false;
    const int seconds = store.value(QStringLiteral("Recovery/IntervalSeconds"), DefaultRecoveryInterval).toInt(&ok);
    if (!ok || seconds < 0)
        return DefaultRecoveryInterval;
    return std::min(seconds, LongestRecoveryInterval);
}

QByteArray EncodeWindowBounds(const QRect& bounds)
{
    QByteArray bytes(WindowBoundsBytes, '\0');
    const qint32 values[]
        = { bounds.left(), bounds.top(), bounds.left() + bounds.width(), bounds.top() + bounds.height() };
    for (int i = 0; i < 4; ++i)
        qToLittleEndian(values[i], bytes.data() + 4 * i);
    return bytes;
}

std::optional<QRect> DecodeWindowBounds(const QByteArray& bytes)
{
    if (bytes.size() != WindowBoundsBytes)
        return std::nullopt;
    qint32 v[4];
    for (int i = 0; i < 4; ++i)
        v[i] = qFromLittleEndian<qint32>(bytes.constData() + 4 * i);
    if (v[2] <= v[0] || v[3] <= v[1])
        return std::nullopt;
    return QRect(QPoint(v[0], v[1]), QSize(v[2] - v[0], v[3] - v[1]));
}

} // namespace korvo
