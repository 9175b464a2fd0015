#include "SettingsStore.h"

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

SettingsStore::SettingsStore(const QString& filePath) : m_settings(filePath, QSettings::IniFormat) {}

QString SettingsStore::GetSetting(const QString& section, const QString& key) const
{
    const QVariant value = m_settings.value(section + u'/' + key);
    // An unquoted comma in a hand-edited file makes QSettings read a list; the program only
    // knows texts, so the parts are put back together rather than read as empty.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(u',');
    return value.toString();
}

void SettingsStore::SaveSetting(const QString& section, const QString& key, const QString& value)
{
    m_settings.setValue(section + u'/' + key, value);
}

QSettings::Status SettingsStore::Sync()
{
    m_settings.sync();
    return m_settings.status();
}

QSettings::Status SettingsStore::Status() const
{
    return m_settings.status();
}

QString SettingsStore::FilePath() const
{
    return m_settings.fileName();
}
