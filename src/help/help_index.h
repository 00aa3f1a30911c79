#pragma once

#include <QStringList>

namespace korvo {

// The row of the index entry where a keyword would stand: the first entry that does not sort before
// it, letter case aside, or the last entry when all do; -1 for an empty index. A keyword the help does
// not know still lands on its neighbours, as in a printed index.
int NearestIndexEntry(const QStringList& entries, const QString& keyword);

} // namespace korvo
