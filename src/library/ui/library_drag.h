#pragma once

#include <QString>

#include <optional>

class QMimeData;

namespace korvo {

// What a drag from the library list carries: the page shown and the entry's row on it. The data
// also names the program that made it, so a drag from another Korvo is never taken for one of ours.
struct TLibraryDragItem {
    int Page = -1;
    int Row = -1;
};

// Our own format, so the drawing surface takes nothing but library pictures.
inline constexpr const char* LibraryDragFormat = "application/x-korvo-library-entry";

QMimeData* LibraryDragData(const TLibraryDragItem& item);
// Nothing for data of another format, from another program, or damaged.
std::optional<TLibraryDragItem> LibraryDragItem(const QMimeData& data);

// The one local file the data names when its extension is `suffix` (any letter case), else an empty name.
QString DroppedFile(const QMimeData& data, const QString& suffix);

} // namespace korvo
