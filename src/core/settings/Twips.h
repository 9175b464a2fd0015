#pragma once

// Lengths are kept in twips (1440 to the inch) and turned into pixels once, at the screen.
constexpr int kTwipsPerInch = 1440;

[[nodiscard]] int TwipsToPixels(int twips, int dpi);
[[nodiscard]] int PixelsToTwips(int pixels, int dpi);

// The twips to store for a length now `pixels` long that was `storedTwips` before: the stored
// value stays when it still gives the same pixels, so closing the window unchanged never lets
// the settings drift by rounding.
[[nodiscard]] int TwipsToKeep(int storedTwips, int pixels, int dpi);
