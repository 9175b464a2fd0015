#include "PickerCommands.h"

#include "settings/AppSettings.h"
#include "settings/SettingsStore.h"

namespace {

bool IsMailField(int index)
{
    return index >= kTextMail1 && index <= kTextMail5;
}

bool IsTelField(int index)
{
    return index >= kTextTel1 && index <= kTextTel5;
}

} // namespace

void AppendDomain(EditorFields& fields, const QString& domain)
{
    if (IsMailField(fields.LastFocusIndex)) {
        fields.Text(fields.LastFocusIndex).append(domain);
    }
}

void AddPrefix(EditorFields& fields, const QString& prefix)
{
    if (IsTelField(fields.LastFocusIndex)) {
        fields.Text(fields.LastFocusIndex).prepend(prefix);
    }
}

bool DomainPickerOpensByItself(const AppSettings& settings)
{
    return settings.optAuto == u"1";
}

void StoreOptAuto(SettingsStore& store, AppSettings& settings, bool ticked)
{
    settings.optAuto = ticked ? QStringLiteral("1") : QStringLiteral("0");
    store.SaveSetting(kSectionConfig, QStringLiteral("OptAuto"), settings.optAuto);
}
