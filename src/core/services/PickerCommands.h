#pragma once

#include "editor/EditorFields.h"

#include <QString>

struct AppSettings;
class SettingsStore;

// DOMAINNM's OK: the chosen domain goes at the end of the mail field that last had the focus,
// with nothing between (the "@" is the user's own). Other fields, and no domain, change nothing.
void AppendDomain(EditorFields& fields, const QString& domain);

// PREFIXN's OK: the chosen prefix goes in front of the telephone field that last had the focus.
void AddPrefix(EditorFields& fields, const QString& prefix);

// "OptAuto" is "1": DOMAINNM opens by itself after "@".
[[nodiscard]] bool DomainPickerOpensByItself(const AppSettings& settings);

// DOMAINNM's OK keeps its tick box as "OptAuto", in the running settings and in the store.
void StoreOptAuto(SettingsStore& store, AppSettings& settings, bool ticked);
