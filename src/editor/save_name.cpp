#include "editor/save_name.h"

#include "editor/user_prompts.h"

#include <QFileInfo>

namespace korvo {

QString WithExtension(const QString& fileName, const QString& extension)
{
    const QString suffix = QFileInfo(fileName).suffix();
    if (QLatin1Char('.') + suffix.toUpper() == extension.toUpper())
        return fileName;
    return (suffix.isEmpty() ? fileName : fileName.left(fileName.size() - suffix.size() - 1)) + extension;
}

QString ChooseSaveName(
    TUserPrompts& prompts, const TSaveRequest& request, const std::function<QString(const QString&)>& written)
{
    QString typed;
    for (;;) {
        typed = prompts.SaveFileName(request.Title, request.Filter, request.Folder, typed);
        if (typed.isEmpty())
            return typed;
        const QString fileName = written(typed);
        if (fileName == typed || !QFileInfo::exists(fileName) || prompts.AskReplace(fileName))
            return fileName;
    }
}

QString ChooseSaveName(TUserPrompts& prompts, const TSaveRequest& request, const QString& extension)
{
    return ChooseSaveName(
        prompts, request, [&extension](const QString& typed) { return WithExtension(typed, extension); });
}

} // namespace korvo
