#include "AppSettings.h"

#include "SettingValues.h"

namespace {

// The default rule: a key that reads empty gets its default written back, and the default is
// what the program uses.
QString Settle(SettingsStore& store, const QString& section, const QString& key, const QString& fallback)
{
    QString value = store.GetSetting(section, key);
    if (value.isEmpty()) {
        store.SaveSetting(section, key, fallback);
        value = fallback;
    }
    return value;
}

QString SettleConfig(SettingsStore& store, const QString& key, const QString& fallback)
{
    return Settle(store, kSectionConfig, key, fallback);
}

QString SettleIndexed(SettingsStore& store, QStringView base, int index, const QString& fallback)
{
    return Settle(store, kSectionConfig, IndexedKey(base, index), fallback);
}

// A stored window position is kept unless it is empty or negative; then the window is centred.
QString PositionOrCentre(const QString& stored, int screenTwips, double windowTwips)
{
    if (!stored.isEmpty() && ParseSettingNumber(stored) >= 0)
        return stored;
    return QString::number(RoundHalfEven((screenTwips - windowTwips) / 2));
}

} // namespace

bool LoadLogoSetting(SettingsStore& store, AppSettings& settings)
{
    settings.optLogo = SettleConfig(store, QStringLiteral("OptLogo"), QStringLiteral("1"));
    return settings.optLogo == u"1";
}

int LoadPostalSlotSettings(SettingsStore& store, AppSettings& settings, const QString& programFolder)
{
    for (int n = 0; n < kPostalSlotCount; ++n) {
        const auto slot = static_cast<std::size_t>(n);
        settings.yubinFile[slot] = SettleIndexed(store, u"Yubin_File", n, QStringLiteral("ken_all.csv"));
        settings.folderName[slot] = SettleIndexed(store, u"FolderName", n, programFolder);
    }
    settings.optSen = SettleConfig(store, QStringLiteral("OptSen"), QStringLiteral("0"));
    return PostalSlot(settings.optSen);
}

void LoadRemainingSettings(SettingsStore& store, AppSettings& settings, int screenWidthTwips, int screenHeightTwips)
{
    settings.rireki.clear();
    for (int n = 0; n < kRirekiCount; ++n)
        settings.rireki.append(store.GetSetting(kSectionRireki, IndexedKey(u"Rireki", n)));

    settings.optMida = SettleConfig(store, QStringLiteral("OptMida"), QStringLiteral("0"));
    settings.optRed = SettleConfig(store, QStringLiteral("OptRed"), QStringLiteral("0"));
    for (int n = 0; n < kEntryColumnCount; ++n)
        settings.lvcWid[static_cast<std::size_t>(n)] = SettleIndexed(store, u"LVCwid", n, QStringLiteral("1000"));
    settings.optGrid = SettleConfig(store, QStringLiteral("OptGrid"), QStringLiteral("1"));
    settings.optSort = SettleConfig(store, QStringLiteral("OptSort"), QStringLiteral("0"));
    settings.optSize = SettleConfig(store, QStringLiteral("OptSize"), QStringLiteral("1"));
    // The window-sizing step indexes the size table with this value; a hand-edited file can
    // hold anything, so an unknown choice gets the standard size (also the default). The store
    // keeps what it holds until the settings dialog writes a valid choice.
    if (!IsMainSizeChoice(settings.optSize))
        settings.optSize = QStringLiteral("1");

    settings.optLAct = SettleConfig(store, QStringLiteral("OptLAct"), QStringLiteral("1"));
    settings.optLATab = SettleConfig(store, QStringLiteral("OptLATab"), QStringLiteral("0"));
    for (int n = 0; n < 2; ++n) {
        const auto i = static_cast<std::size_t>(n);
        settings.optDEnd[i] = SettleIndexed(store, u"OptDEnd", n, QStringLiteral("0"));
        settings.optCenter[i] = SettleIndexed(store, u"OptCenter", n, QStringLiteral("0"));
    }
    settings.optCol[0] = SettleIndexed(store, u"OptCol", 0, QStringLiteral("&H00000000&"));
    settings.optCol[1] = SettleIndexed(store, u"OptCol", 1, QStringLiteral("&H00FFFFFF&"));
    settings.optFont[0] = SettleIndexed(store, u"OptFont", 0, QStringLiteral("ＭＳ Ｐゴシック"));
    settings.optFont[1] = SettleIndexed(store, u"OptFont", 1, QStringLiteral("9"));
    settings.optFont[2] = SettleIndexed(store, u"OptFont", 2, QStringLiteral("False"));
    settings.optFont[3] = SettleIndexed(store, u"OptFont", 3, QStringLiteral("False"));
    settings.fhWidth = Settle(store, kSectionPosition, QStringLiteral("FH_Width"), QStringLiteral("12000"));
    settings.fhHeight = Settle(store, kSectionPosition, QStringLiteral("FH_Height"), QStringLiteral("9000"));
    settings.optYus[0] = SettleIndexed(store, u"OptYus", 0, QStringLiteral("0"));
    settings.optYus[1] = SettleIndexed(store, u"OptYus", 1, QStringLiteral("0"));
    settings.optAuto = SettleConfig(store, QStringLiteral("OptAuto"), QStringLiteral("1"));

    settings.hLeft = PositionOrCentre(store.GetSetting(kSectionPosition, QStringLiteral("H_Left")), screenWidthTwips,
                                      ParseSettingNumber(settings.fhWidth));
    settings.hTop = PositionOrCentre(store.GetSetting(kSectionPosition, QStringLiteral("H_Top")), screenHeightTwips,
                                     ParseSettingNumber(settings.fhHeight));
    settings.eLeft = PositionOrCentre(store.GetSetting(kSectionPosition, QStringLiteral("E_Left")), screenWidthTwips,
                                      kEditorWidthTwips);
    settings.eTop = PositionOrCentre(store.GetSetting(kSectionPosition, QStringLiteral("E_Top")), screenHeightTwips,
                                     kEditorHeightTwips);
}

int PostalSlot(QStringView optSen)
{
    const double value = ParseSettingNumber(optSen);
    if (value == 1)
        return 1;
    if (value == 2)
        return 2;
    return 0;
}

QString PostalSlotPath(const QString& folder, const QString& fileName)
{
    return folder + u'/' + fileName;
}

QString PostalTablePath(const AppSettings& settings, int slot)
{
    const auto i = static_cast<std::size_t>(slot < 0 || slot >= kPostalSlotCount ? 0 : slot);
    return PostalSlotPath(settings.folderName[i], settings.yubinFile[i]);
}

QString SelectedPostalTablePath(const SettingsStore& store, const QString& programFolder)
{
    AppSettings settings;
    const int slot = PostalSlot(store.GetSetting(kSectionConfig, QStringLiteral("OptSen")));
    const auto i = static_cast<std::size_t>(slot);
    settings.yubinFile[i] = store.GetSetting(kSectionConfig, IndexedKey(u"Yubin_File", slot));
    if (settings.yubinFile[i].isEmpty())
        settings.yubinFile[i] = QStringLiteral("ken_all.csv");
    settings.folderName[i] = store.GetSetting(kSectionConfig, IndexedKey(u"FolderName", slot));
    if (settings.folderName[i].isEmpty())
        settings.folderName[i] = programFolder;
    return PostalTablePath(settings, slot);
}

void PushRireki(QStringList& history, const QString& path)
{
    if (path.isEmpty())
        return;
    while (history.size() < kRirekiCount)
        history.append(QString());
    const qsizetype found = history.first(kRirekiCount).indexOf(path);
    history.removeAt(found >= 0 ? found : kRirekiCount - 1);
    history.insert(0, path);
    history.resize(kRirekiCount);
}

void SaveRireki(SettingsStore& store, const QStringList& history)
{
    for (int n = 0; n < kRirekiCount; ++n)
        store.SaveSetting(kSectionRireki, IndexedKey(u"Rireki", n), history.value(n));
}

ListFontSetting ListFont(const AppSettings& settings)
{
    return {settings.optFont[0], ParseSettingNumber(settings.optFont[1]), SettingFlagTrue(settings.optFont[2]),
            SettingFlagTrue(settings.optFont[3])};
}
