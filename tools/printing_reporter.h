#pragma once

#include "shapes/error_reporter.h"

#include <QString>

#include <cstdio>

namespace korvo::tools {

// The build tools have no window: what the model reports goes to standard error.
class TPrintingReporter : public TErrorReporter {
public:
    void ReportError(const QString& message) override { std::fprintf(stderr, "%s\n", qPrintable(message)); }
};

} // namespace korvo::tools
