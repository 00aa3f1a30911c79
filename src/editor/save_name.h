#pragma once

#include <QString>

#include <functional>

namespace korvo {

class TUserPrompts;

// What the save dialog shows for one command.
struct TSaveRequest {
    QString Title;
    QString Filter;
    QString Folder;
};

// Forces the extension: a name whose extension is not `extension` (ignoring case) gets it instead.
QString WithExtension(const QString& fileName, const QString& extension);

// The file a command will write, chosen in the save dialog and named by `written` from what the user
// typed; empty when the user cancelled. The dialog only asks about the name as typed, so where
// `written` changes it to a file that exists, the user is asked before it is replaced; No goes back
// to the dialog with the name kept.
QString ChooseSaveName(
    TUserPrompts& prompts, const TSaveRequest& request, const std::function<QString(const QString&)>& written);

// The same for a command that always writes files with the extension.
QString ChooseSaveName(TUserPrompts& prompts, const TSaveRequest& request, const QString& extension);

} // namespace korvo
