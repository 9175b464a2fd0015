#pragma once

#include <QIcon>
#include <QStringView>

class QApplication;

// Qt's own Japanese texts for the standard dialogs and buttons ("キャンセル", "ファイル名:"),
// from Qt's translations folder; false when the translation is not installed.
[[nodiscard]] bool InstallQtJapaneseTranslation(QApplication& app);

// The Japanese look of the whole program: Qt's Japanese texts, one Japanese face for every
// window (the list and editor fonts of the settings are set on their widgets and stay), and
// the program's icon on every window.
void ApplyDesktopLook(QApplication& app);

// The program's own icon, as on the desktop entry.
[[nodiscard]] QIcon ProgramIcon();

// A toolbar picture from the shipped icon set, by file name without ".svg".
[[nodiscard]] QIcon ToolbarIcon(QStringView name);
