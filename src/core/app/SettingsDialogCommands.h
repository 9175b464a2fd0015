#pragma once

#include "Interaction.h"
#include "SettingsTarget.h"
#include "settings/SettingsForm.h"

#include <array>
#include <cstdint>

class PostalTable;
class SettingsStore;

// The settings dialog SETTEI without its window: it fills the form from the settings, checks
// what the user types and picks, and applies a tab by writing its keys to the store and to
// memory and making the main window follow.
//
// Everything the user changes waits in the form until its tab is applied: a postal slot
// clicked, a folder found missing or a font picked never reach the program through
// キャンセル. Applying the postal tab reloads the table when the slot in use or its table file
// changes, so the table in memory always belongs to the slot and file the settings name. A
// slot's empty folder stands for the program folder, in the dialog as at start-up.
class SettingsDialogCommands
{
public:
    enum Button : int
    {
        kOk = 0,
        kCancel = 1,
        kApply = 2,
        kHelp = 3,
    };

    SettingsDialogCommands(AppSettings& settings, SettingsStore& store, SettingsTarget& target, PostalTable& postal,
                           Interaction& interaction, QString programFolder);

    // The form from the settings in memory; a postal folder that does not exist is reported
    // and emptied in the form.
    void Form_Load();
    [[nodiscard]] SettingsForm& Form() { return m_form; }
    [[nodiscard]] const SettingsForm& Form() const { return m_form; }

    // Writes tab `tab`'s keys and updates the main window.
    void ApplyTab(int tab);
    // OK, キャンセル, 適用(&A), ヘルプ. True when the dialog is to close.
    [[nodiscard]] bool Command1_Click(int index);

    // The font and colour pickers' results (their Cancel calls nothing).
    void FontChosen(const ListFontSetting& font);
    void ColourChosen(int index, std::uint32_t bgr);
    // The postal table file picker of slot `slot`; Cancel changes nothing.
    void Command4_Click(int slot);
    // The postal service's download page.
    void Label4_Click();

    // A width box changed: true when the text stands; false when it was refused with the range
    // message, and the box is to be emptied (its old width stays until a valid one is typed).
    [[nodiscard]] bool Text1_Change(int n, const QString& text);

private:
    void ApplyStartupTab();
    void ApplyListTab();
    void ApplyWidthTab();
    void ApplyPostalTab();
    void Save(const QString& section, const QString& key, QString& member, const QString& value);

    AppSettings& m_settings;
    SettingsStore& m_store;
    SettingsTarget& m_target;
    PostalTable& m_postal;
    Interaction& m_interaction;
    QString m_programFolder;
    SettingsForm m_form;
};

// "LVCwid(0)" to "LVCwid(37)" := the list's current column widths, in the store and in memory:
// what the main window does before the dialog opens, so the dialog shows the widths the user sees.
void StoreColumnWidths(SettingsStore& store, AppSettings& settings,
                       const std::array<int, kEntryColumnCount>& widthsTwips);
