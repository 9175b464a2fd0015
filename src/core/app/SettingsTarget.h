#pragma once

#include "settings/AppSettings.h"
#include "settings/SettingValues.h"

#include <cstdint>

// The main window as the settings dialog changes it: each applied tab makes the window follow
// at once. Lengths in twips, colours as 0x00BBGGRR.
class SettingsTarget
{
public:
    virtual ~SettingsTarget() = default;

    virtual void ShowColumnHeaders(bool visible) = 0;
    virtual void ShowGridLines(bool visible) = 0;
    virtual void SetDoubleClickExits(bool exits) = 0;
    virtual void SetSortOnOpen(bool sort) = 0;
    // The outer size of the window, frame included, as the size settings count it.
    [[nodiscard]] virtual TwipsSize WindowSize() const = 0;
    virtual void ResizeWindow(TwipsSize outerSize) = 0;
    // Places the window where a window of `outerSize` stands centred on the screen.
    virtual void CentreWindow(TwipsSize outerSize) = 0;
    virtual void SetListFont(const ListFontSetting& font) = 0;
    virtual void SetListColours(std::uint32_t text, std::uint32_t background) = 0;
    // `column` counts from 0, as the list's columns do.
    virtual void SetColumnWidth(int column, int twips) = 0;
};
