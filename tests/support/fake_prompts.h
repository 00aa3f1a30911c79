#pragma once

// Prompts that answer from a script instead of showing dialogs, and remember what was asked.

#include "editor/user_prompts.h"

#include <QFileInfo>
#include <QStringList>

#include <deque>
#include <functional>

namespace korvo::test {

class TFakePrompts : public TUserPrompts {
public:
    // Answers handed out in order; an empty queue answers Cancel, "no", an empty file name, no colour and
    // Later.
    std::deque<QString> FileNames;
    std::deque<TAnswer> Answers;
    std::deque<bool> YesNo;
    std::deque<QColor> Colours;
    std::deque<TRecoveryChoice> RecoveryChoices;
    // Answers of the print dialog.
    std::deque<bool> PrintAnswers;

    QStringList Questions;
    QStringList Errors;
    QStringList FileTitles;
    QStringList FileFilters;
    // The name each save dialog started with.
    QStringList StartNames;
    // The names offered by each recovery dialog, one line per dialog.
    QStringList RecoveryOffers;
    int PrintDialogs = 0;
    int PrinterSetups = 0;

    QString OpenFileName(const QString& title, const QString& filter, const QString&) override
    {
        return Next(title, filter);
    }
    QString SaveFileName(const QString& title, const QString& filter, const QString&, const QString& name) override
    {
        StartNames.append(name);
        return Next(title, filter);
    }
    QString PictureFileName(const QString& filter, const QString&) override { return Next({}, filter); }
    QColor ChooseColour(const QColor&) override { return Take(Colours, QColor()); }
    TAnswer AskYesNoCancel(const QString& question) override
    {
        Questions.append(question);
        return Take(Answers, TAnswer::Cancel);
    }
    bool AskYesNo(const QString& question) override
    {
        Questions.append(question);
        return Take(YesNo, false);
    }
    // Answered from YesNo too.
    bool AskReplace(const QString& fileName) override
    {
        return AskYesNo(QStringLiteral("%1 already exists.").arg(QFileInfo(fileName).fileName()));
    }
    bool AskWarningYesCancel(const QString& question) override { return AskYesNo(question); }
    bool PrintDialog(QPrinter&) override
    {
        ++PrintDialogs;
        return Take(PrintAnswers, false);
    }
    void PrinterSetupDialog(QPrinter&) override { ++PrinterSetups; }
    // Runs while an error shows, as the window's repaints do behind a message box.
    std::function<void()> WhileErrorShows;

    void ShowError(const QString& message) override
    {
        Errors.append(message);
        if (WhileErrorShows)
            WhileErrorShows();
    }
    void ShowInformation(const QString& message) override { Errors.append(message); }
    // Every picture is painted, as a dialog tall enough to show them all would.
    TRecoveryChoice ChooseRecovery(const std::vector<TRecoveryOffer>& offers, TOfferPictures& pictures) override
    {
        QStringList names;
        for (const TRecoveryOffer& offer : offers) {
            names.append(offer.Name);
            pictures.Picture(static_cast<int>(names.size()) - 1);
        }
        RecoveryOffers.append(names.join(QLatin1Char(',')));
        return Take(RecoveryChoices, TRecoveryChoice {});
    }

private:
    template <class T> static T Take(std::deque<T>& queue, T otherwise)
    {
        if (queue.empty())
            return otherwise;
        T value = queue.front();
        queue.pop_front();
        return value;
    }

    QString Next(const QString& title, const QString& filter)
    {
        FileTitles.append(title);
        FileFilters.append(filter);
        return Take(FileNames, QString());
    }
};

} // namespace korvo::test
