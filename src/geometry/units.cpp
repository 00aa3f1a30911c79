#include "geometry/units.h"

namespace korvo {

namespace {
    int screenDpi = 96;
}

int ScreenPixelsPerInch() { return screenDpi; }

void SetScreenPixelsPerInch(int dpi)
{
    if (dpi > 0)
        screenDpi = dpi;
}

float ScreenPixelsPerMM() { return static_cast<float>(screenDpi / MMPerInch); }

} // namespace korvo
