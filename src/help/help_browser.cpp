#include "help/help_browser.h"

#include <QHelpEngineCore>

namespace korvo {

THelpBrowser::THelpBrowser(const QHelpEngineCore& engine, QWidget* parent)
    : QTextBrowser(parent)
    , FEngine(engine)
{
    setObjectName(QStringLiteral("HelpBrowser"));
    // Pages link to each other by relative names; a web address in a page opens in the browser.
    setOpenExternalLinks(true);
}

QVariant THelpBrowser::loadResource(int type, const QUrl& name)
{
    if (name.scheme() == QLatin1String("qthelp"))
        return FEngine.fileData(name);
    return QTextBrowser::loadResource(type, name);
}

} // namespace korvo
