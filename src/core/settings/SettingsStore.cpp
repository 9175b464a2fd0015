#include "SettingsStore.h"

#include "files/SafeFileRead.h"
#include "files/SafeFileWrite.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>

QString IndexedKey(QStringView base, int index)
{
    return base.toString() + u'(' + QString::number(index) + u')';
}

QString SettingsFilePath()
{
    const QString overridden = qEnvironmentVariable("MORVANX_SETTINGS");
    if (!overridden.isEmpty())
        return overridden;
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + u'/' + kSettingsApplication +
           QStringLiteral(".ini");
}

SettingsStore::SettingsStore(const QString& filePath) : m_filePath(filePath)
{
    // QSettings reads the file at once (a FIFO would hang the start) and renames its new file
    // over the name when it writes (a device node would be replaced), so it gets only a
    // regular file or a name that holds nothing yet.
    const PathKind kind = KindOfPath(filePath);
    if (kind == PathKind::Missing ||
        (kind == PathKind::Regular && QFileInfo(filePath).size() <= kMaxSettingsFileSize)) {
        if (MayWriteFile(filePath)) {
            m_settings = std::make_unique<QSettings>(filePath, QSettings::IniFormat);
        }
    }
}

QString SettingsStore::GetSetting(const QString& section, const QString& key) const
{
    if (!m_settings) {
        return m_memory.value(section + u'/' + key);
    }
    const QVariant value = m_settings->value(section + u'/' + key);
    // An unquoted comma in a hand-edited file makes QSettings read a list; the program only
    // knows texts, so the parts are put back together rather than read as empty.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(u',');
    return value.toString();
}

void SettingsStore::SaveSetting(const QString& section, const QString& key, const QString& value)
{
    if (!m_settings) {
        m_memory.insert(section + u'/' + key, value);
        return;
    }
    m_settings->setValue(section + u'/' + key, value);
}

QSettings::Status SettingsStore::Sync()
{
    if (!m_settings) {
        return QSettings::AccessError;
    }
    m_settings->sync();
    return m_settings->status();
}

QSettings::Status SettingsStore::Status() const
{
    return m_settings ? m_settings->status() : QSettings::AccessError;
}

QString SettingsStore::FilePath() const
{
    return m_filePath;
}
