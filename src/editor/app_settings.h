#pragma once

#include <QRect>
#include <QSettings>
#include <QString>

#include <memory>
#include <optional>

namespace korvo {

// What kv.ini beside the program says. It is only ever read; a missing file or key gives the defaults.
struct TIniSettings {
    QString UserDir;
    QString LibraryFile;
    // Library maintenance commands are offered unless [user version] version is not 0.
    bool LibraryEditing = true;
};

TIniSettings ReadIniSettings(const QString& programDir);

// A file shipped with the program, named relative to the program's folder: beside the program (as
// in the build folder), or else in the installed data folder when it is there.
QString ProgramDataFile(const QString& programDir, const QString& relativeName);

// The library shipped with the program: "library/PicLib.kvl".
QString DefaultLibraryFile(const QString& programDir);

// The compiled help: "help/korvo.qhc".
QString HelpCollectionFile(const QString& programDir);

// The per-user store: the window position, the theme and the recent files.
std::unique_ptr<QSettings> OpenUserStore();

// Recovery/IntervalSeconds: how often unsaved changes are kept for recovery; 0 turns that off. A
// missing, negative or unreadable value gives 120 seconds, and a day is the longest interval.
int RecoveryIntervalSeconds(const QSettings& store);

// The window's bounds as stored: four little-endian 32-bit numbers left, top, right, bottom.
QByteArray EncodeWindowBounds(const QRect& bounds);
std::optional<QRect> DecodeWindowBounds(const QByteArray& bytes);

} // namespace korvo
