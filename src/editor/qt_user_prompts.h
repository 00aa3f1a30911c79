#pragma once

#include "editor/user_prompts.h"

#include <QCoreApplication>
#include <QStringList>

class QWidget;

namespace korvo {

// The prompts as the desktop shows them: Qt's file, colour and message dialogs over the main window.
class TQtUserPrompts : public TUserPrompts {
    Q_DECLARE_TR_FUNCTIONS(TQtUserPrompts)

public:
    explicit TQtUserPrompts(QWidget* parent);

    QString OpenFileName(const QString& title, const QString& filter, const QString& folder) override;
    QString SaveFileName(
        const QString& title, const QString& filter, const QString& folder, const QString& name) override;
    QString PictureFileName(const QString& filter, const QString& folder) override;
    QColor ChooseColour(const QColor& initial) override;
    TAnswer AskYesNoCancel(const QString& question) override;
    bool AskYesNo(const QString& question) override;
    bool AskReplace(const QString& fileName) override;
    bool AskWarningYesCancel(const QString& question) override;
    bool PrintDialog(QPrinter& printer) override;
    void PrinterSetupDialog(QPrinter& printer) override;
    void ShowError(const QString& message) override;
    void ShowInformation(const QString& message) override;
    TRecoveryChoice ChooseRecovery(const std::vector<TRecoveryOffer>& offers, TOfferPictures& pictures) override;

private:
    QWidget* FParent;
};

// "Description|*.a;*.b|..." as Qt's name filters: "Description (*.a *.b)".
QStringList ToNameFilters(const QString& filter);

// Message texts use a carriage return for a line break; the desktop wants a line feed.
QString DisplayText(const QString& message);

} // namespace korvo
