#include "geometry/units.h"

#include <atomic>

namespace korvo {

namespace {
    // Set by the window while a drawing named at start-up may already be read on another thread.
    std::atomic<int> screenDpi = 96;
}

int ScreenPixelsPerInch() { return screenDpi; }

void SetScreenPixelsPerInch(int dpi)
{
    if (dpi > 0)
        screenDpi = dpi;
}

float ScreenPixelsPerMM() { return static_cast<float>(screenDpi / MMPerInch); }

} // namespace korvo
