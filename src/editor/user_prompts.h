#pragma once

#include "printing/print_prompts.h"

#include <QString>

namespace korvo {

enum class TAnswer { Yes, No, Cancel };

// Every question, file choice and message the commands put to the user goes through here, so tests
// can answer them without a modal box blocking.
class TUserPrompts : public TPrintPrompts {
public:
    virtual ~TUserPrompts() = default;
    // The chosen file, or an empty name when the user cancelled. Filters are "description|pattern"
    // pairs joined with "|", patterns separated by ";".
    virtual QString OpenFileName(const QString& title, const QString& filter, const QString& folder) = 0;
    virtual QString SaveFileName(const QString& title, const QString& filter, const QString& folder) = 0;
    // Like OpenFileName, with a preview of the picture under the pointer.
    virtual QString PictureFileName(const QString& filter, const QString& folder) = 0;
    // An information box with Yes, No and Cancel; closing it counts as Cancel.
    virtual TAnswer AskYesNoCancel(const QString& question) = 0;
    // A confirmation box with Yes and No.
    virtual bool AskYesNo(const QString& question) = 0;
    virtual void ShowInformation(const QString& message) = 0;
};

} // namespace korvo
