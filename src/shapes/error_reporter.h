#pragma once

#include <QString>

namespace korvo {

// Where the model reports errors that the user must see. The model never shows a dialog itself: the
// editor hands in a reporter that opens a message box, the command line one that prints.
class TErrorReporter {
public:
    virtual ~TErrorReporter() = default;
    virtual void ReportError(const QString& message) = 0;
};

} // namespace korvo
