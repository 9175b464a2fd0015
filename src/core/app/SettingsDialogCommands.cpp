#include "SettingsDialogCommands.h"

#include "OutsideAddresses.h"
#include "OutsidePrograms.h"
#include "SettingsTexts.h"
#include "services/PostalTable.h"
#include "settings/SettingsStore.h"

#include <algorithm>

namespace {

QString Flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

SettingsDialogCommands::SettingsDialogCommands(AppSettings& settings, SettingsStore& store, SettingsTarget& target,
                                               PostalTable& postal, Interaction& interaction, QString programFolder)
    : m_settings(settings), m_store(store), m_target(target), m_postal(postal), m_interaction(interaction),
      m_programFolder(std::move(programFolder))
{
}

void SettingsDialogCommands::Form_Load()
{
    m_form = SettingsFormFrom(m_settings);
    for (const int slot : MissingPostalFolders(m_form)) {
        m_interaction.Tell(SettingsTexts::kMissingFolderText, SettingsTexts::kMissingFolderTitle, MessageIcon::Warning);
        m_form.folderName[static_cast<std::size_t>(slot)].clear();
    }
}

void SettingsDialogCommands::Save(const QString& section, const QString& key, QString& member, const QString& value)
{
    member = value;
    m_store.SaveSetting(section, key, value);
}

void SettingsDialogCommands::ApplyTab(int tab)
{
    switch (tab) {
    case 0:
        ApplyStartupTab();
        break;
    case 1:
        ApplyListTab();
        break;
    case 2:
        ApplyWidthTab();
        break;
    case 3:
        ApplyPostalTab();
        break;
    default:
        break;
    }
}

void SettingsDialogCommands::ApplyStartupTab()
{
    const auto& check = m_form.check;
    const QString& config = kSectionConfig;
    Save(config, QStringLiteral("OptLogo"), m_settings.optLogo, Flag(check[kCheckLogo]));
    Save(config, QStringLiteral("OptMida"), m_settings.optMida, Flag(!check[kCheckHeaders]));
    Save(config, QStringLiteral("OptRed"), m_settings.optRed, Flag(check[kCheckCentred]));
    Save(config, QStringLiteral("OptGrid"), m_settings.optGrid, Flag(check[kCheckGrid]));
    Save(config, QStringLiteral("OptSort"), m_settings.optSort, Flag(check[kCheckSort]));
    Save(config, QStringLiteral("OptLAct"), m_settings.optLAct, Flag(check[kCheckLastTab]));
    if (check[kCheckLastTab]) {
        Save(config, QStringLiteral("OptLATab"), m_settings.optLATab, QString::number(m_form.activeTab));
    }
    for (int n = 0; n < 2; ++n) {
        const auto i = static_cast<std::size_t>(n);
        Save(config, IndexedKey(u"OptDEnd", n), m_settings.optDEnd[i], Flag(check[kCheckMainDoubleClick + i]));
        Save(config, IndexedKey(u"OptCenter", n), m_settings.optCenter[i], Flag(check[kCheckMainCentre + i]));
    }

    if (m_settings.optCenter[0] == u"1") {
        m_target.CentreWindow(m_form.selectedSize == 4
                                  ? m_target.WindowSize()
                                  : MainWindowSizeTwips(QString::number(m_form.selectedSize), {}, {}));
    }
    m_target.ShowColumnHeaders(m_settings.optMida == u"0");
    m_target.ShowGridLines(m_settings.optGrid == u"1");
    m_target.SetDoubleClickExits(m_settings.optDEnd[0] == u"1");
    m_target.SetSortOnOpen(m_settings.optSort == u"1");
}

void SettingsDialogCommands::ApplyListTab()
{
    const QString& config = kSectionConfig;
    Save(config, QStringLiteral("OptSize"), m_settings.optSize, QString::number(m_form.selectedSize));
    if (m_form.selectedSize != 4) {
        m_target.ResizeWindow(MainWindowSizeTwips(m_settings.optSize, {}, {}));
    }
    for (int n = 0; n < 2; ++n) {
        const auto i = static_cast<std::size_t>(n);
        Save(config, IndexedKey(u"OptCol", n), m_settings.optCol[i], m_form.colour[i]);
    }
    for (int n = 0; n < 4; ++n) {
        const auto i = static_cast<std::size_t>(n);
        Save(config, IndexedKey(u"OptFont", n), m_settings.optFont[i], m_form.font[i]);
    }
    m_target.SetListFont(ListFont(m_settings));
    m_target.SetListColours(SettingColour(m_settings.optCol[0]), SettingColour(m_settings.optCol[1]));
}

// The widths reach the store from the list's columns, when the program ends or the dialog is
// next opened; here they change the list and the memory only.
void SettingsDialogCommands::ApplyWidthTab()
{
    CopyFirstSlotWidths(m_form);
    for (int n = 1; n < kEntryColumnCount; ++n) {
        const auto i = static_cast<std::size_t>(n);
        if (const std::optional<int> width = WidthFromBox(m_form.widths[i])) {
            m_settings.lvcWid[i] = QString::number(*width);
        }
        m_target.SetColumnWidth(n, std::max(0, RoundHalfEven(ParseSettingNumber(m_settings.lvcWid[i]))));
    }
}

void SettingsDialogCommands::ApplyPostalTab()
{
    const int slotInUse = PostalSlot(m_settings.optSen);
    const QString tableInUse = PostalTablePath(m_settings, slotInUse);
    const QString& config = kSectionConfig;
    Save(config, QStringLiteral("OptSen"), m_settings.optSen, QString::number(m_form.slot));
    for (int n = 0; n < kPostalSlotCount; ++n) {
        const auto i = static_cast<std::size_t>(n);
        Save(config, IndexedKey(u"Yubin_File", n), m_settings.yubinFile[i], m_form.yubinFile[i]);
        // A folder emptied because it had gone means the program folder, which start-up would
        // write back for it; the look-ups must not wait for the next start to find the table.
        if (m_form.folderName[i].isEmpty()) {
            m_form.folderName[i] = m_programFolder;
        }
        Save(config, IndexedKey(u"FolderName", n), m_settings.folderName[i], m_form.folderName[i]);
    }
    if (m_form.slot != slotInUse || PostalTablePath(m_settings, m_form.slot) != tableInUse) {
        // As at start-up: a missing table is said at once, the table itself loads in the
        // background and a table that cannot be read is said when its load ends.
        Interaction& interaction = m_interaction;
        const auto warn = [&interaction](const std::optional<QString>& failure) {
            if (failure) {
                interaction.Tell(*failure, kPostalMissingTitle, MessageIcon::Warning);
            }
        };
        if (const std::optional<QString> missing = m_postal.StartLoad(PostalTablePath(m_settings, m_form.slot), warn)) {
            warn(missing);
        }
    }
}

bool SettingsDialogCommands::Command1_Click(int index)
{
    switch (index) {
    case kOk:
        for (int tab = 0; tab < SettingsForm::kTabCount; ++tab) {
            ApplyTab(tab);
        }
        return true;
    case kCancel:
        return true;
    case kApply:
        ApplyTab(m_form.activeTab);
        return false;
    case kHelp:
        if (m_form.activeTab >= 0 && m_form.activeTab < SettingsForm::kTabCount) {
            m_interaction.ShowHelp(SettingsTexts::kHelpTopics[static_cast<std::size_t>(m_form.activeTab)]);
        }
        return false;
    default:
        return false;
    }
}

void SettingsDialogCommands::FontChosen(const ListFontSetting& font)
{
    m_form.font = {font.name, QString::number(font.pointSize), FontFlagText(font.bold), FontFlagText(font.italic)};
}

void SettingsDialogCommands::ColourChosen(int index, std::uint32_t bgr)
{
    if (index == 0 || index == 1) {
        m_form.colour[static_cast<std::size_t>(index)] = QString::number(bgr & 0x00FFFFFFu);
    }
}

void SettingsDialogCommands::Command4_Click(int slot)
{
    if (slot < 0 || slot >= kPostalSlotCount) {
        return;
    }
    const QString chosen =
        m_interaction.ChooseOpenFile(SettingsTexts::kPostalChooserTitle,
                                     m_form.folderName[static_cast<std::size_t>(slot)], SettingsTexts::kPostalFilter);
    SetPostalFile(m_form, slot, chosen);
}

void SettingsDialogCommands::Label4_Click()
{
    OpenInBrowser(kPostalDownloadPage, m_interaction);
}

bool SettingsDialogCommands::Text1_Change(int n, const QString& text)
{
    if (n < 1 || n >= kEntryColumnCount) {
        return false;
    }
    if (WidthOutOfRange(text)) {
        m_interaction.Tell(SettingsTexts::kRangeText, SettingsTexts::kRangeTitle, MessageIcon::Warning);
        m_form.widths[static_cast<std::size_t>(n)].clear();
        return false;
    }
    m_form.widths[static_cast<std::size_t>(n)] = text;
    return true;
}

void StoreColumnWidths(SettingsStore& store, AppSettings& settings,
                       const std::array<int, kEntryColumnCount>& widthsTwips)
{
    for (int n = 0; n < kEntryColumnCount; ++n) {
        const auto i = static_cast<std::size_t>(n);
        settings.lvcWid[i] = QString::number(widthsTwips[i]);
        store.SaveSetting(kSectionConfig, IndexedKey(u"LVCwid", n), settings.lvcWid[i]);
    }
}
