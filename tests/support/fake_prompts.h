#pragma once

// Prompts that answer from a script instead of showing dialogs, and remember what was asked.

#include "editor/user_prompts.h"

#include <QStringList>

#include <deque>

namespace korvo::test {

class TFakePrompts : public TUserPrompts {
public:
    // Answers handed out in order; an empty queue answers Cancel, "no" and an empty file name.
    std::deque<QString> FileNames;
    std::deque<TAnswer> Answers;
    std::deque<bool> YesNo;
    // Answers of the print dialog.
    std::deque<bool> PrintAnswers;

    QStringList Questions;
    QStringList Errors;
    QStringList FileTitles;
    QStringList FileFilters;
    int PrintDialogs = 0;
    int PrinterSetups = 0;

    QString OpenFileName(const QString& title, const QString& filter, const QString&) override
    {
        return Next(title, filter);
    }
    QString SaveFileName(const QString& title, const QString& filter, const QString&) override
    {
        return Next(title, filter);
    }
    QString PictureFileName(const QString& filter, const QString&) override { return Next({}, filter); }
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
    bool PrintDialog(QPrinter&) override
    {
        ++PrintDialogs;
        return Take(PrintAnswers, false);
    }
    void PrinterSetupDialog(QPrinter&) override { ++PrinterSetups; }
    void ShowError(const QString& message) override { Errors.append(message); }
    void ShowInformation(const QString& message) override { Errors.append(message); }

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
