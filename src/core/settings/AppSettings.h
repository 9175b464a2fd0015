#pragma once

#include "SettingsStore.h"
#include "memorydial/MemoryDial.h"

#include <QString>
#include <QStringList>

#include <array>

constexpr int kPostalSlotCount = 3;

// The editor window has one fixed size; its centred position is computed from it.
constexpr int kEditorWidthTwips = 12000;
constexpr int kEditorHeightTwips = 9000;

// Every setting as loaded at start-up, as text, one member per key (arrays for indexed keys,
// element n for key "(n)"). Other code reads these and, when it changes one, saves it too.
struct AppSettings
{
    // Section "Config"
    QString optLogo;                                  // "OptLogo": "1" shows the logo window
    std::array<QString, kPostalSlotCount> yubinFile;  // "Yubin_File(n)": postal table file name
    std::array<QString, kPostalSlotCount> folderName; // "FolderName(n)": its folder
    QString optSen;                                   // "OptSen": postal slot in use
    QString optMida;                                  // "OptMida": "1" hides column headers
    QString optRed;                                   // "OptRed": "1" centres columns 2-38
    std::array<QString, kEntryColumnCount> lvcWid;    // "LVCwid(n)": width of column n+1, twips
    QString optGrid;                                  // "OptGrid": grid lines
    QString optSort;                                  // "OptSort": sort by number after opening
    QString optSize;                                  // "OptSize": "0"-"4", main-window size
    QString optLAct;                                  // "OptLAct": settings dialog reopens last tab
    QString optLATab;                                 // "OptLATab": that tab
    std::array<QString, 2> optDEnd;                   // "OptDEnd(n)": double-click closes (0 main, 1 editor)
    std::array<QString, 2> optCenter;                 // "OptCenter(n)": open centred (0 main, 1 editor)
    std::array<QString, 2> optCol;                    // "OptCol(n)": list text (0) and background (1) colour
    std::array<QString, 4> optFont;                   // "OptFont(n)": list font name, size, bold, italic
    std::array<QString, 2> optYus;                    // "OptYus(n)"
    QString optAuto;                                  // "OptAuto": mail-domain picker opens by itself
    // Section "Position", twips
    QString fhWidth;  // "FH_Width"
    QString fhHeight; // "FH_Height"
    QString hLeft;    // "H_Left": main window
    QString hTop;     // "H_Top"
    QString eLeft;    // "E_Left": entry editor
    QString eTop;     // "E_Top"
    // Section "Rireki": recently opened memory dials, newest first, kRirekiCount places
    QStringList rireki;
};

// Start-up loads the settings in three phases because the logo window is shown after the first
// and the postal table is loaded after the second. Each reads its keys in a fixed order and,
// for a key that reads empty, writes the default back and uses it.

// "OptLogo". True when the logo window is to be shown.
[[nodiscard]] bool LoadLogoSetting(SettingsStore& store, AppSettings& settings);

// "Yubin_File(n)" and "FolderName(n)" slot by slot (an empty folder becomes programFolder),
// then "OptSen". Returns the postal slot to load, 0 to 2.
[[nodiscard]] int LoadPostalSlotSettings(SettingsStore& store, AppSettings& settings, const QString& programFolder);

// The history, the list, window and editor keys, and the in-memory window positions: a stored
// position that is empty or negative is replaced here (not in the store) by the value that
// centres the window on a screen of the given size.
void LoadRemainingSettings(SettingsStore& store, AppSettings& settings, int screenWidthTwips, int screenHeightTwips);

// The postal slot "OptSen" names; a value other than 0, 1 or 2 selects slot 0.
[[nodiscard]] int PostalSlot(QStringView optSen);

// The file of a CSV slot: its folder and file name as the settings hold them.
[[nodiscard]] QString PostalSlotPath(const QString& folder, const QString& fileName);
// Folder + "/" + file name of a postal table slot (0 to 2).
[[nodiscard]] QString PostalTablePath(const AppSettings& settings, int slot);
// The table of the slot in use, read from the store without writing anything back: for tools
// that must not change the user's settings. Empty keys mean their defaults.
[[nodiscard]] QString SelectedPostalTablePath(const SettingsStore& store, const QString& programFolder);

// The history rule: path becomes entry 0; when it already stood at entry k, entries 0 to k-1
// move down one place, otherwise entries 0 to 3 do and entry 4 drops out. Paths compare
// exactly (file names are case-sensitive here). The list is kept at kRirekiCount entries; an
// empty path changes nothing.
void PushRireki(QStringList& history, const QString& path);

// Writes all kRirekiCount history keys.
void SaveRireki(SettingsStore& store, const QStringList& history);

struct ListFontSetting
{
    QString name;
    double pointSize = 0;
    bool bold = false;
    bool italic = false;
};

[[nodiscard]] ListFontSetting ListFont(const AppSettings& settings);
