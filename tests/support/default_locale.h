#pragma once

#include <QLocale>

namespace korvo::test {

// While alive, the program reads and shows numbers as a user of the given locale does.
class TDefaultLocale {
public:
    explicit TDefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~TDefaultLocale() { QLocale::setDefault(FPrevious); }
    TDefaultLocale(const TDefaultLocale&) = delete;
    TDefaultLocale& operator=(const TDefaultLocale&) = delete;

private:
    QLocale FPrevious;
};

} // namespace korvo::test
