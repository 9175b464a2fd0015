#include "EditorWindowSettings.h"

#include "settings/AppSettings.h"
#include "settings/SettingValues.h"

namespace {

int Twips(const QString& text)
{
    return RoundHalfEven(ParseSettingNumber(text));
}

} // namespace

EditorWindowSettings EditorWindowSettingsFrom(const AppSettings& settings, const QString& today, const QString& now)
{
    EditorWindowSettings result;
    result.centre = settings.optCenter[1] == u"1";
    result.top = Twips(settings.eTop);
    result.left = Twips(settings.eLeft);
    result.doubleClickCloses = settings.optDEnd[1] == u"1";
    result.today = today;
    result.now = now;
    return result;
}

void StoreEditorPosition(SettingsStore& store, AppSettings& settings, int top, int left)
{
    settings.eTop = QString::number(top);
    settings.eLeft = QString::number(left);
    store.SaveSetting(kSectionPosition, QStringLiteral("E_Top"), settings.eTop);
    store.SaveSetting(kSectionPosition, QStringLiteral("E_Left"), settings.eLeft);
}
