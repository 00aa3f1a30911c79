#pragma once

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace korvo {

// Acts on the dialog the code under test is about to run modally, once its event loop is up, as the
// user would; the action ends by closing it.
inline void WhenShown(std::function<void(QWidget& dialog)> act)
{
    QTimer::singleShot(0, [act] {
        QWidget& dialog = *QApplication::activeModalWidget();
        // Keys go where the focus is only in the active window.
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        act(dialog);
    });
}

template <class T> T* Part(const QWidget& dialog, const char* name)
{
    return dialog.findChild<T*>(QLatin1String(name));
}

} // namespace korvo
