#pragma once

#include <QRect>

class QWidget;

// Sizes and moves the top-level `window` to `wanted` (pixels: the top-left corner of its frame
// and the size of its contents), kept with its frame inside the free area of the screen that
// holds that corner, or of the window's own screen when no screen does.
void PlaceOnScreen(QWidget& window, const QRect& wanted);
