#include "shapes/paint_errors.h"

#include "shapes/error_reporter.h"

namespace korvo {

void TPaintErrors::Add(const QString& prefix, int kind, const QString& message)
{
    const QString text = prefix + QString::number(kind) + QLatin1Char('\r') + message;
    if (!FMessages.contains(text))
        FMessages.append(text);
}

void TPaintErrors::Merge(const TPaintErrors& other)
{
    for (const QString& message : other.FMessages) {
        if (!FMessages.contains(message))
            FMessages.append(message);
    }
}

void TPaintErrors::ReportTo(TErrorReporter& reporter)
{
    const QStringList messages = std::exchange(FMessages, {});
    for (const QString& message : messages)
        reporter.ReportError(message);
}

} // namespace korvo
