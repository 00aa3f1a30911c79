#include "editor/recent_files.h"

namespace korvo {

namespace {
    const QString Group = QStringLiteral("MRUList");
}

void TRecentFiles::Remove(const QString& name)
{
    FNames.removeIf([&name](const QString& n) { return n.compare(name, Qt::CaseInsensitive) == 0; });
}

void TRecentFiles::Add(const QString& name)
{
    Remove(name);
    FNames.prepend(name);
    while (FNames.size() > Limit)
        FNames.removeLast();
}

void TRecentFiles::Load(QSettings& store)
{
    FNames.clear();
    store.beginGroup(Group);
    // Oldest first, each added at the top, so "1" ends up first.
    for (int k = Limit; k >= 1; --k) {
        const QString name = store.value(QString::number(k)).toString();
        if (!name.isEmpty())
            Add(name);
    }
    store.endGroup();
}

void TRecentFiles::Save(QSettings& store) const
{
    store.beginGroup(Group);
    for (int k = 1; k <= Limit; ++k) {
        if (k <= FNames.size())
            store.setValue(QString::number(k), FNames[k - 1]);
        else
            store.remove(QString::number(k));
    }
    store.endGroup();
}

} // namespace korvo
