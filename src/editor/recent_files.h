#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>

namespace korvo {

// The recently opened drawings, newest first, at most ten, each name once (letter case ignored).
class TRecentFiles {
public:
    static constexpr int Limit = 10;

    const QStringList& Names() const { return FNames; }
    bool IsEmpty() const { return FNames.isEmpty(); }
    // Puts the name at the top, moving it there if it is already in the list.
    void Add(const QString& name);
    void Remove(const QString& name);

    // The per-user store keeps the list under MRUList as values "1" (newest) to "10".
    void Load(QSettings& store);
    void Save(QSettings& store) const;

private:
    QStringList FNames;
};

} // namespace korvo
