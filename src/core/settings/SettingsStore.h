#pragma once

#include <QHash>
#include <QSettings>
#include <QString>

#include <memory>

inline const QString kSettingsApplication = QStringLiteral("MORVANX");
inline const QString kSectionConfig = QStringLiteral("Config");
inline const QString kSectionPosition = QStringLiteral("Position");
inline const QString kSectionRireki = QStringLiteral("Rireki");

// "LVCwid" and 3 give "LVCwid(3)": the spelling of every indexed key.
[[nodiscard]] QString IndexedKey(QStringView base, int index);

// The settings file: the path in MORVANX_SETTINGS when that variable is set (tests, portable
// installs), else "MORVANX.ini" in the per-user configuration folder of the application.
[[nodiscard]] QString SettingsFilePath();

// Said at start when the settings file was refused.
[[nodiscard]] inline QString SettingsNotKeptText(const QString& path)
{
    return QStringLiteral("設定ファイル「") + path +
           QStringLiteral("」は通常のファイルではないため、設定は保存されません。　");
}
inline const QString kSettingsNotKeptTitle = QStringLiteral("設定確認");

// Per-user text values addressed by section and key, kept in an INI file.
//
// The store never stops the program: a file that cannot be parsed yields what could be read
// (the loader supplies defaults for the rest), and a file that cannot be written keeps the
// values in memory for this run. Status() tells what went wrong for a diagnostic line. A path
// that names no regular file (a folder, a device, a FIFO, a link to one) or one past
// kMaxSettingsFileSize is never opened: the store starts empty, keeps every value in memory and
// leaves the path as it is.
//
// Keys are spelled as the rest of the program spells them ("LVCwid(0)"); in the file QSettings
// writes the parentheses percent-encoded ("LVCwid%280%29"), and a hand-written "LVCwid(0)=…"
// reads back as the same key.
class SettingsStore
{
public:
    static constexpr qint64 kMaxSettingsFileSize = 1024 * 1024;

    explicit SettingsStore(const QString& filePath);
    virtual ~SettingsStore() = default;
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // The stored text, or "" when the key is absent.
    [[nodiscard]] virtual QString GetSetting(const QString& section, const QString& key) const;
    virtual void SaveSetting(const QString& section, const QString& key, const QString& value);

    // Writes pending changes to the file now and reports how the file fared.
    [[nodiscard]] QSettings::Status Sync();
    [[nodiscard]] QSettings::Status Status() const;
    [[nodiscard]] QString FilePath() const;
    // True when the file was refused and the values live in memory only.
    [[nodiscard]] bool MemoryOnly() const { return !m_settings; }

private:
    QString m_filePath;
    std::unique_ptr<QSettings> m_settings;
    QHash<QString, QString> m_memory;
};
