#pragma once

#include <QString>

class QPrinter;

namespace korvo {

// The dialogs and message boxes of printing, so tests can answer them without a modal box blocking.
class TPrintPrompts {
public:
    virtual ~TPrintPrompts() = default;
    // The platform's print dialog for a one-page job; false when the user cancelled.
    virtual bool PrintDialog(QPrinter& printer) = 0;
    // The platform's paper and orientation settings of the printer, kept when the user accepts them.
    virtual void PrinterSetupDialog(QPrinter& printer) = 0;
    virtual void ShowError(const QString& message) = 0;
};

} // namespace korvo
