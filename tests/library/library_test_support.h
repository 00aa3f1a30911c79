#pragma once

#include "library/poly_lib.h"
#include "shapes/error_reporter.h"

#include <QStringList>

#include <vector>

namespace korvo::test {

class TRecordingReporter : public TErrorReporter {
public:
    void ReportError(const QString& message) override { Messages.append(message); }
    QStringList Messages;
};

// What a failed load or save must leave alone: the very same entry objects with the same content,
// the pages and the library's file name.
struct TLibrarySnapshot {
    std::vector<const TLibShape*> Objects;
    QByteArray Content;
    QString FileName;

    explicit TLibrarySnapshot(const TPolyLib& library)
        : Content(EncodeLibrary(library.Pages(), library.Entries()))
        , FileName(library.FileName())
    {
        for (const auto& entry : library.Entries())
            Objects.push_back(entry.get());
    }
    friend bool operator==(const TLibrarySnapshot& a, const TLibrarySnapshot& b)
    {
        return a.Objects == b.Objects && a.Content == b.Content && a.FileName == b.FileName;
    }
};

} // namespace korvo::test
