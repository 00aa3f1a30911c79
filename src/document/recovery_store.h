#pragma once

#include "document/drawing_file.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <vector>

class QLockFile;

namespace korvo {

// What is kept beside a drawing's recovery file.
struct TRecoveryInfo {
    // The drawing's own file; empty while it is untitled.
    QString FileName;
    // When the recovery file was written.
    QDateTime Time;
    std::int32_t PageWidthMM = 210;
    std::int32_t PageHeightMM = 280;
};

// A drawing kept by a Korvo that ended without closing it. While this instance holds the entry, no
// other instance offers it. Its shapes are read only when they are needed, one drawing at a time.
struct TRecoveryEntry {
    // The recovery file itself, a drawing file like any other.
    QString ShapesFile;
    TRecoveryInfo Info;
    std::shared_ptr<QLockFile> Lock;
};

// The drawings left by instances that are no longer running, and what was wrong with those that
// could not be read; these have been put aside under another name.
struct TLeftovers {
    std::vector<TRecoveryEntry> Entries;
    QStringList Problems;
};

// The per-user folder where each running Korvo keeps the unsaved changes of its drawing, so that the
// next start can offer them after a crash or a power cut. An instance's files are named after its
// process id and start time, and a lock it holds while it has files there tells the others to leave
// them alone.
class TRecoveryStore {
public:
    // `instance` names this instance's files; by default its process id and start time.
    explicit TRecoveryStore(QString folder, QString instance = InstanceName());
    ~TRecoveryStore();
    TRecoveryStore(const TRecoveryStore&) = delete;
    TRecoveryStore& operator=(const TRecoveryStore&) = delete;

    // "recovery" in the per-user data folder.
    static QString DefaultFolder();
    static QString InstanceName();

    // The drawing file this instance writes, and the description beside it.
    QString ShapesFile() const;
    QString InfoFile() const;

    // Writes the shapes as a drawing file and the description beside it, each through a temporary
    // file and a rename. Throws EFileError; a failed write leaves the previous files whole.
    void Write(const TShapeList& shapes, const TRecoveryInfo& info);
    // Takes this instance's files away and lets go of its lock. Nothing happens when there are none.
    void Remove();

    // Claims every drawing left by an instance that is no longer running, reading only what is kept
    // beside each.
    TLeftovers ClaimLeftovers() const;
    // Deletes a claimed drawing's files.
    static void Discard(TRecoveryEntry& entry);
    // The claimed drawing's shapes. Throws EFileError, also when they do not fit in the memory at hand.
    static TShapeList ReadShapes(const TRecoveryEntry& entry, float scale, TShapesReader read = ReadDrawingFile);
    // Renames a claimed drawing that cannot be read out of the way, so that it is neither lost nor
    // offered again, and lets go of it. Returns the problem with where the drawing went.
    static QString SetAside(TRecoveryEntry& entry, const QString& problem);

private:
    QString FBase;
    std::unique_ptr<QLockFile> FLock;
};

} // namespace korvo
