#include "editor/ui_language.h"

#include "editor/app_settings.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace korvo {

namespace {

    QTranslator* Install(const QLocale& locale, const QString& name, const QString& folder)
    {
        auto* translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(locale, name, QStringLiteral("_"), folder)
            && QCoreApplication::installTranslator(translator))
            return translator;
        delete translator;
        return nullptr;
    }

} // namespace

QList<QTranslator*> InstallTranslators(const QLocale& locale, const QString& programDir)
{
    // As in every program that follows the system's messages, LANGUAGE counts only outside the C locale.
    if (locale.language() == QLocale::C)
        return {};
    QTranslator* own
        = Install(locale, QStringLiteral("korvo"), ProgramDataFile(programDir, QStringLiteral("translations")));
    if (!own)
        return {};
    // Qt's texts in Korvo's language, not in a language of the user's that Korvo does not speak.
    QTranslator* qt = Install(
        QLocale(own->language()), QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return qt ? QList<QTranslator*> { own, qt } : QList<QTranslator*> { own };
}

} // namespace korvo
