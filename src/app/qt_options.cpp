#include "app/qt_options.h"

#include <algorithm>
#include <iterator>

namespace korvo {

namespace {

    // The options of QGuiApplication and QApplication, and whether the next argument is their value.
    struct TQtOption {
        const char* Name;
        bool TakesValue;
    };

    const TQtOption QtOptions[] = {
        { "platform", true },
        { "platformpluginpath", true },
        { "platformtheme", true },
        { "plugin", true },
        { "qwindowgeometry", true },
        { "geometry", true },
        { "qwindowicon", true },
        { "icon", true },
        { "qwindowtitle", true },
        { "title", true },
        { "session", true },
        { "display", true },
        { "name", true },
        { "style", true },
        { "stylesheet", true },
        { "reverse", false },
        { "widgetcount", false },
        { "nograb", false },
        { "dograb", false },
        { "sync", false },
        { "testability", false },
        // These come as -name=value only.
        { "qmljsdebugger", false },
        { "dialogs", false },
        { "fontengine", false },
    };

    // The option without its dashes and any "=value" Qt reads with it.
    QString OptionName(const QString& argument)
    {
        const qsizetype dashes = argument.startsWith(QLatin1String("--")) ? 2 : 1;
        return argument.mid(dashes).section(QLatin1Char('='), 0, 0);
    }

    const TQtOption* QtOption(const QString& argument)
    {
        if (!argument.startsWith(QLatin1Char('-')))
            return nullptr;
        const QString name = OptionName(argument);
        const auto found = std::find_if(std::begin(QtOptions), std::end(QtOptions),
            [&name](const TQtOption& option) { return name == QLatin1String(option.Name); });
        return found == std::end(QtOptions) ? nullptr : found;
    }

} // namespace

QStringList WithoutQtOptions(const QStringList& arguments)
{
    QStringList own;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const TQtOption* option = QtOption(arguments[i]);
        if (!option) {
            own.append(arguments[i]);
            continue;
        }
        if (option->TakesValue && !arguments[i].contains(QLatin1Char('=')))
            ++i;
    }
    return own;
}

} // namespace korvo
