#pragma once

#include "printing/print_prompts.h"

#include <QColor>
#include <QDateTime>
#include <QImage>
#include <QString>

#include <vector>

namespace korvo {

enum class TAnswer { Yes, No, Cancel };

// A drawing left unsaved by a Korvo that ended without closing it, as the recovery dialog shows it.
struct TRecoveryOffer {
    // The drawing's file name without its folder, or "Untitled".
    QString Name;
    QDateTime Time;
};

// The pictures of the offered drawings, each read and painted only when the dialog shows it, so that
// many or large drawings neither delay the dialog nor fill the memory.
class TOfferPictures {
public:
    virtual ~TOfferPictures() = default;
    // A null image for a drawing that cannot be read.
    virtual QImage Picture(int index) = 0;
};

enum class TRecoveryAction { Recover, Discard, DiscardAll, Later };

// What to do with which of the offered drawings.
struct TRecoveryChoice {
    TRecoveryAction Action = TRecoveryAction::Later;
    int Index = -1;
};

// Every question, file choice and message the commands put to the user goes through here, so tests
// can answer them without a modal box blocking.
class TUserPrompts : public TPrintPrompts {
public:
    virtual ~TUserPrompts() = default;
    // The chosen file, or an empty name when the user cancelled. Filters are "description|pattern"
    // pairs joined with "|", patterns separated by ";".
    virtual QString OpenFileName(const QString& title, const QString& filter, const QString& folder) = 0;
    // Starts with `name` typed in when it is not empty. Asks before replacing the file as typed.
    virtual QString SaveFileName(
        const QString& title, const QString& filter, const QString& folder, const QString& name)
        = 0;
    // Like OpenFileName, with a preview of the picture under the pointer.
    virtual QString PictureFileName(const QString& filter, const QString& folder) = 0;
    // The full colour dialog, opened on the given colour; an invalid colour when the user cancelled.
    virtual QColor ChooseColour(const QColor& initial) = 0;
    // An information box with Yes, No and Cancel; closing it counts as Cancel.
    virtual TAnswer AskYesNoCancel(const QString& question) = 0;
    // A confirmation box with Yes and No.
    virtual bool AskYesNo(const QString& question) = 0;
    // The platform's question before an existing file is replaced, with Yes and No.
    virtual bool AskReplace(const QString& fileName) = 0;
    // A warning box with Yes and Cancel, for a question whose Yes loses something.
    virtual bool AskWarningYesCancel(const QString& question) = 0;
    virtual void ShowInformation(const QString& message) = 0;
    // "Recover unsaved drawings": which drawing to recover or discard; closing the dialog counts as Later.
    virtual TRecoveryChoice ChooseRecovery(const std::vector<TRecoveryOffer>& offers, TOfferPictures& pictures) = 0;
};

} // namespace korvo
