#pragma once

#include <QSize>

class QWidget;

namespace holvane::app {

// Every window is laid out for a 1024 x 768 screen.
inline constexpr int kDesignScreenWidth = 1024;
inline constexpr int kDesignScreenHeight = 768;

// The size a window laid out at `stored` takes on `screen`: unchanged on a
// screen 1024 pixels wide, otherwise width × screen width div 1024 and
// height × screen height div 768, in integers.
QSize scaledWindowSize(QSize stored, QSize screen);
// A control's font size scaled by screen width / 1024 (integer division).
int scaledFontPixels(int pixels, int screenWidth);

// Applied by each window when it is created, after its layout is set up and
// its design size given: rescales the window and its font for the screen it
// is on. Nothing changes on a 1024-pixel-wide screen.
void ScreenScaling(QWidget &window);

} // namespace holvane::app
