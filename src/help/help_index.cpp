#include "help/help_index.h"

namespace korvo {

int NearestIndexEntry(const QStringList& entries, const QString& keyword)
{
    for (int row = 0; row < entries.size(); ++row) {
        if (entries[row].compare(keyword, Qt::CaseInsensitive) >= 0)
            return row;
    }
    return static_cast<int>(entries.size()) - 1;
}

} // namespace korvo
