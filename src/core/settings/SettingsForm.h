#pragma once

#include "AppSettings.h"

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// The settings dialog's controls as plain data. Nothing here reaches the settings until a tab
// is applied, so closing the dialog with キャンセル leaves the program exactly as it was.
struct SettingsForm
{
    static constexpr int kTabCount = 4;
    static constexpr int kCheckCount = 10;
    static constexpr int kWidthMax = 9999;
    // What one click on a width arrow adds or takes: 15 twips, one pixel on a 96-dpi screen, the
    // least step the list shows.
    static constexpr int kWidthStep = 15;

    // `Check1` 0 to 9: logo, headers shown, centred columns, grid, sort key, last tab, double-click
    // exit (main, editor), centring (main, editor).
    std::array<bool, kCheckCount> check{};
    int selectedSize = 1;          // `Option1`: "OptSize" 0 to 4
    std::array<QString, 4> font;   // "OptFont(0)" to "OptFont(3)" as the font picker left them
    std::array<QString, 2> colour; // "OptCol(0)", "OptCol(1)"
    // `Text1` n for list column n+1, n = 1 to 37; element 0 is unused (the first column has no box).
    std::array<QString, kEntryColumnCount> widths;
    int slot = 0; // `Option2`: the postal table slot chosen
    std::array<QString, kPostalSlotCount> yubinFile;
    std::array<QString, kPostalSlotCount> folderName;
    int activeTab = 0;
};

// `Check1` indexes by meaning.
enum SettingsCheck : int
{
    kCheckLogo = 0,
    kCheckHeaders = 1,
    kCheckCentred = 2,
    kCheckGrid = 3,
    kCheckSort = 4,
    kCheckLastTab = 5,
    kCheckMainDoubleClick = 6,
    kCheckEditorDoubleClick = 7,
    kCheckMainCentre = 8,
    kCheckEditorCentre = 9,
};

// The form as the dialog opens it: every control from the settings in memory, on the tab
// "OptLATab" (tab 0 for a value that names no tab).
[[nodiscard]] SettingsForm SettingsFormFrom(const AppSettings& settings);

// The width a box text stands for, when it is one the list can take: a whole number from 0 to
// 9999. Empty and out-of-range texts give nothing.
[[nodiscard]] std::optional<int> WidthFromBox(QStringView text);
// True when the box text must be refused with the range message: a number below 0 or above
// 9999. An empty box is not out of range (it is what the refusal leaves behind).
[[nodiscard]] bool WidthOutOfRange(QStringView text);

// The width box text after a click on its arrows (direction +1 up, -1 down): one step from what
// the box holds (0 when it holds no width), kept within 0 to 9999.
[[nodiscard]] QString SteppedWidth(QStringView text, int direction);

// The font size a size box text stands for: points from 1 to 512 (the font picker's range), with
// at most one decimal after "." or "," ("10.5", "10,5"). Nothing for any other text.
[[nodiscard]] std::optional<double> FontSizeFromText(QStringView text);

// The widths of the first telephone and mail slot copied to the other four slots, as the list
// shows all five with the same width.
void CopyFirstSlotWidths(SettingsForm& form);

// A chosen postal table file split into the slot's folder and file name.
void SetPostalFile(SettingsForm& form, int slot, const QString& path);

// The slot's folders that do not exist. An empty folder is not checked: it stands for the
// program's folder.
[[nodiscard]] QList<int> MissingPostalFolders(const SettingsForm& form);

// "True"/"False", the spelling of the font flags.
[[nodiscard]] QString FontFlagText(bool on);
