#pragma once

#include <QString>
#include <QStringList>

// The one Japanese face for menus, dialogs and messages: Latin letters and kana then come
// from the same design instead of a Latin face with kana borrowed from a fallback. The first
// preferred face among the installed families (compared without regard to case, as fontconfig
// does); empty when none is installed, and the platform's face stays.
[[nodiscard]] QString JapaneseUiFontFamily(const QStringList& installedFamilies);
