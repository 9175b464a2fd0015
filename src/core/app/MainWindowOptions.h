#pragma once

#include "memorydial/Entry.h"

struct AppSettings;
class SettingsStore;

#include <QMargins>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>
#include <optional>

// What the main window takes from the loaded settings, already parsed. Lengths in twips,
// colours as 0x00BBGGRR.
struct MainWindowOptions
{
    bool hideHeaders = false;      // "OptMida" not 0
    bool centreColumns = false;    // "OptRed" 1: columns 2 to 38 centred
    bool gridLines = true;         // "OptGrid" not 0
    bool sortOnOpen = false;       // "OptSort" "1"
    bool doubleClickExits = false; // "OptDEnd(0)" "1"
    std::array<int, kEntryColumnCount> columnWidths = MakeDefaultWidths();
    int width = 12000;
    int height = 9000;
    bool centreWindow = false; // "OptCenter(0)" "1"
    int left = 0;
    int top = 0;
    unsigned textColour = 0x000000;
    unsigned backColour = 0xFFFFFF;
    QString fontFace = QStringLiteral("ＭＳ Ｐゴシック");
    double fontSize = 9;
    bool bold = false;
    bool italic = false;
    QString today; // status-bar panel 2, fixed at start-up
    QString now;   // status-bar panel 3

    static constexpr std::array<int, kEntryColumnCount> MakeDefaultWidths()
    {
        std::array<int, kEntryColumnCount> widths{};
        widths.fill(1000);
        return widths;
    }
};

// The Windows font names the settings carry, replaced by the installed Japanese Gothic faces
// that stand in for them; other names pass unchanged.
[[nodiscard]] QString SubstituteFontFace(const QString& face);

// The list's size in twips for a window of this size: 1815 twips less in height, 400 less in
// width. A window too low for a list keeps its last list size (nothing).
struct ListExtent
{
    int height = 0;
    int width = 0;
};
[[nodiscard]] std::optional<ListExtent> ListExtentForWindow(int windowHeight, int windowWidth);

// Where a window asked for at `wanted` (pixels) shows on a screen whose free area is
// `available`: shrunk to the area where it is larger, then moved in where it sticks out. Stored
// positions and sizes may come from a screen since removed; the settings keep them as they are.
[[nodiscard]] QRect PlaceInside(const QRect& wanted, const QRect& available);

// The inside size that makes a window `outer` large, frame included, with the frame the
// platform reports; nothing while that frame cannot be the window's own. A window manager builds
// its frame in steps: until it has framed the window the frame reads as none, and while its frame
// window still has its first size (1 x 1 pixel, smaller than the window it holds) the platform
// measures margins below zero, and a window fitted to those would open larger by the window's
// own size. Such a reading is waited out, not used.
[[nodiscard]] std::optional<QSize> InsideSizeForOuter(const QSize& outer, const QMargins& frame);

// What the main window leaves behind when it closes, in twips: "H_Top", "H_Left",
// "FH_Height", "FH_Width" and "LVCwid(0)" to "LVCwid(37)".
struct MainWindowPlacement
{
    int top = 0;
    int left = 0;
    int height = 0;
    int width = 0;
    std::array<int, kEntryColumnCount> columnWidths{};
};

// The window's options from the settings as start-up loaded them; `today` and `now` are the
// status-bar texts.
[[nodiscard]] MainWindowOptions MainWindowOptionsFrom(const AppSettings& settings, const QString& today,
                                                      const QString& now);

// Writes the geometry keys ("H_Top", "H_Left", "FH_Height", "FH_Width") and "LVCwid(0)" to
// "LVCwid(37)", in the store and in memory.
void StorePlacement(SettingsStore& store, AppSettings& settings, const MainWindowPlacement& placement);
