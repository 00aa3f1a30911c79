#pragma once

// How editor tests start the main window: settings of their own, the program in a folder of theirs.

#include "editor/main_window.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSettings>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <memory>

namespace korvo::test {

// Each test keeps its per-user store in its own folder: ctest runs tests side by side.
inline void UseOwnSettings(const QString& folder)
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
}

// The program folder of an installed Korvo: the default library beside the program.
inline void PlaceDefaultLibrary(const QString& programDir)
{
    ASSERT_TRUE(QDir(programDir).mkpath(QStringLiteral("library")));
    ASSERT_TRUE(QFile::copy(
        QStringLiteral(KORVO_DEFAULT_LIBRARY), QDir(programDir).filePath(QStringLiteral("library/PicLib.kvl"))));
}

inline std::unique_ptr<TMainDrawFrm> StartWindow(
    const QString& programDir, TUserPrompts& prompts, const QString& fileName = {})
{
    // A picture an earlier test left on the clipboard would be Paste's to take in.
    QGuiApplication::clipboard()->clear();
    TMainWindowSetup setup;
    setup.ProgramDir = programDir;
    setup.FileName = fileName;
    setup.Prompts = &prompts;
    return std::make_unique<TMainDrawFrm>(setup);
}

} // namespace korvo::test
