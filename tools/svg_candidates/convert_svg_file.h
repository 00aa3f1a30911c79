#pragma once

#include "import/svg_import.h"

namespace korvo {

using TSvgReader = TSvgImport (*)(const QByteArray& bytes);

// The command of a reader candidate: PROGRAM IN.svg OUT.kv reads the picture with `read` and saves
// its shapes as a drawing at true size. Exit 0 done, 1 with a one-line message, 2 usage, like
// `korvo --convert`, so that scripts/svg_clipart_check.py scores both alike.
int ConvertSvgFile(int argc, char* argv[], TSvgReader read);

} // namespace korvo
