#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>

// Reads a number out of a setting text the lenient way: leading blanks and tabs are skipped,
// then the longest prefix that forms a decimal number ("-150", "10.5", ".5") counts, or a
// hexadecimal literal "&H…" with an optional closing "&" ("&H00FFFFFF&"). Text that starts
// with no number reads as 0.
[[nodiscard]] double ParseSettingNumber(QStringView text);

// The four fixed main-window sizes in twips, indexed by "OptSize" 0 to 3.
struct MainSizeTable
{
    static constexpr std::array<int, 4> kHeights{7200, 9000, 11520, 15375};
    static constexpr std::array<int, 4> kWidths{9600, 12000, 15375, 19240};
};

struct TwipsSize
{
    int width = 0;
    int height = 0;

    friend bool operator==(const TwipsSize&, const TwipsSize&) = default;
};

// True for the texts "0" to "4", the only "OptSize" values the settings dialog writes.
[[nodiscard]] bool IsMainSizeChoice(QStringView optSize);

// The main-window size for "OptSize": 0 to 3 from the table, 4 the user's own size
// ("FH_Width" × "FH_Height"). Anything else, and an own size that is not positive (a window
// nobody could see or grab), gets the standard size of "1".
[[nodiscard]] TwipsSize MainWindowSizeTwips(QStringView optSize, QStringView fhWidth, QStringView fhHeight);

// A colour setting as the 0x00BBGGRR number it stands for; bits above the 24 colour bits
// are dropped.
[[nodiscard]] std::uint32_t SettingColour(QStringView text);

struct RgbComponents
{
    int red = 0;
    int green = 0;
    int blue = 0;

    friend bool operator==(const RgbComponents&, const RgbComponents&) = default;
};

[[nodiscard]] RgbComponents ColourComponents(std::uint32_t bgr);

// "True" / "False" texts of the font settings; any spelling of "true" counts as true.
[[nodiscard]] bool SettingFlagTrue(QStringView text);

// Rounds to the nearest whole number, halves to the even neighbour (2.5 → 2, 3.5 → 4).
[[nodiscard]] int RoundHalfEven(double value);
