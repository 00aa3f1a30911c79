#pragma once

#include <QList>

class QLocale;
class QString;
class QTranslator;

namespace korvo {

// The window speaks the first of the user's languages Korvo has a translation for: its own texts from
// "translations/korvo_LANG.qm" shipped with the program, and Qt's standard dialogs and buttons from Qt's
// own translations in the same language. Otherwise, and always under the C locale, it stays English.
// Installs the translators on the running application, which owns them, and returns them.
QList<QTranslator*> InstallTranslators(const QLocale& locale, const QString& programDir);

} // namespace korvo
