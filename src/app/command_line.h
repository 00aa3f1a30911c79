#pragma once

#include <QStringList>

#include <cstdio>
#include <optional>

namespace korvo {

enum TExitCode : int {
    ExitSuccess = 0,
    ExitBadFile = 1,
    ExitUsage = 2,
};

// The commands that need no display: --dump, --convert, --export, --print, --thumbnail and --version.
// Returns the exit code, or nothing when the arguments ask for the editor instead. Output goes to out,
// one-line errors to err.
std::optional<int> RunHeadless(const QStringList& arguments, std::FILE* out, std::FILE* err);

void PrintUsage(std::FILE* stream);

} // namespace korvo
