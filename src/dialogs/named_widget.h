#pragma once

#include <QLatin1String>
#include <QObject>

namespace korvo {

// A new widget under its object name, by which tests and the help find it.
template <class T> T* Named(T* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace korvo
