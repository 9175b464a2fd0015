#pragma once

#include <QString>

// What the file commands say when the file system holds something other than they expect.
namespace FileTexts {

[[nodiscard]] inline QString Missing(const QString& path)
{
    return QStringLiteral("「") + path + QStringLiteral("」が見つかりません。　存在を確認して下さい。　");
}

[[nodiscard]] inline QString NotRegularFile(const QString& path, const QString& what)
{
    return QStringLiteral("「") + path + QStringLiteral("」は通常のファイルではないため、") + what +
           QStringLiteral("できません。　");
}

} // namespace FileTexts
