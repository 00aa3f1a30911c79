#pragma once

namespace korvo {

constexpr double Pi = 3.14159265358979323846;

constexpr double MMPerInch = 25.4;

// Device pixels per millimetre at zoom x1.
constexpr float BaseScale = 4.0f;

// The screen resolution used to turn font point sizes into stored character heights and back.
// 96 unless the application reports another screen resolution at start-up.
int ScreenPixelsPerInch();
void SetScreenPixelsPerInch(int dpi);
float ScreenPixelsPerMM();

} // namespace korvo
