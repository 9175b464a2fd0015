#include "Twips.h"

#include <cmath>

int TwipsToPixels(int twips, int dpi)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) * dpi / kTwipsPerInch));
}

int PixelsToTwips(int pixels, int dpi)
{
    if (dpi <= 0) {
        return 0;
    }
    return static_cast<int>(std::lround(static_cast<double>(pixels) * kTwipsPerInch / dpi));
}

int TwipsToKeep(int storedTwips, int pixels, int dpi)
{
    return TwipsToPixels(storedTwips, dpi) == pixels ? storedTwips : PixelsToTwips(pixels, dpi);
}
