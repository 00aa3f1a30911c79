#pragma once

#include <QStringList>

#include <cstdio>

namespace korvo {

enum TExitCode : int {
    ExitSuccess = 0,
    ExitBadFile = 1,
    ExitUsage = 2,
};

// Whether Korvo's own arguments (the program's, less Qt's options) ask for a command that needs no
// display rather than the editor: any option does, so one Korvo does not know gets the usage text
// instead of being opened as a drawing.
bool IsHeadlessCommand(const QStringList& arguments);

// Runs a command that needs no display and returns its exit code. Output goes to out, one-line errors
// to err; an unknown command or wrong operands give the usage text and ExitUsage.
int RunHeadless(const QStringList& arguments, std::FILE* out, std::FILE* err);

void PrintUsage(std::FILE* stream);

} // namespace korvo
