#include "HelpFile.h"

#include "app/ShellTexts.h"

#include <QFileInfo>

namespace {

// The shipped help is well under a megabyte; anything far larger is not ours.
constexpr qint64 kMaxHelpFileBytes = 64LL * 1024 * 1024;

} // namespace

QString HelpTopicId(int context)
{
    return QStringLiteral("morvanx.%1").arg(context);
}

std::optional<QString> HelpFileProblem(const QString& path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) {
        return kHelpMissingText.arg(path);
    }
    if (!info.isFile() || info.size() > kMaxHelpFileBytes || !info.isReadable()) {
        return kHelpUnreadableText.arg(path);
    }
    return std::nullopt;
}
