#pragma once

#include "library/lib_shape.h"
#include "shapes/file_io.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <memory>
#include <vector>

namespace korvo {

// A library file whose first four bytes are not the library magic number.
class EBadLib : public EFileError {
public:
    EBadLib();
};

constexpr std::int32_t LibraryMagic = 836876;

using TLibEntries = std::vector<std::unique_ptr<TLibShape>>;

struct TLibraryContent {
    QList<QByteArray> Pages;
    TLibEntries Entries;
};

QByteArray EncodeLibrary(const QList<QByteArray>& pages, const TLibEntries& entries);

// Throws EBadLib for a wrong magic number and EReadError for damaged data.
TLibraryContent DecodeLibrary(QByteArrayView bytes);

// The page-name block: lines ending in CR LF, a lone CR or a lone LF.
QList<QByteArray> SplitPageNames(QByteArrayView block);

} // namespace korvo
