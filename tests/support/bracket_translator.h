#pragma once

#include <QString>
#include <QTranslator>

namespace korvo::test {

// Puts every text that asks for its translation in brackets, so a text shown without them never did.
class TBracketTranslator : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override
    {
        return QLatin1Char('[') + QString::fromUtf8(source) + QLatin1Char(']');
    }
    bool isEmpty() const override { return false; }
};

} // namespace korvo::test
