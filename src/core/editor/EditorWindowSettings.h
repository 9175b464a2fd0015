#pragma once

#include <QString>

struct AppSettings;
class SettingsStore;

// What the editor window takes from the settings each time it loads.
struct EditorWindowSettings
{
    bool centre = false;            // "OptCenter(1)" is "1": ignore the stored position
    int top = 0;                    // "E_Top", twips
    int left = 0;                   // "E_Left", twips
    bool doubleClickCloses = false; // "OptDEnd(1)" is "1"
    QString today;                  // status-bar panel 5, the date text of program start
    QString now;                    // status-bar panel 6, the time text of program start
};

[[nodiscard]] EditorWindowSettings EditorWindowSettingsFrom(const AppSettings& settings, const QString& today,
                                                            const QString& now);

// Writes the editor's position on closing, "E_Top" first and then "E_Left", into the store
// and into `settings`, so the next load of this run opens there too.
void StoreEditorPosition(SettingsStore& store, AppSettings& settings, int top, int left);
