#pragma once

namespace korvo {

class TSurfaceWidget;

// For the start-up benchmark: when the environment variable KORVO_QUIT_AFTER_FIRST_PAINT is set, the
// editor prints how long it took from main() to the first paint of the page on `surface`, then quits.
void QuitAfterFirstPaintIfAsked(TSurfaceWidget& surface);
// Starts the clock QuitAfterFirstPaintIfAsked reports from.
void StartStartupClock();

} // namespace korvo
