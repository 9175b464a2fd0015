#include "HelpFile.h"

#include "app/ShellTexts.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

// The shipped help is well under a megabyte; anything far larger is not ours.
constexpr qint64 kMaxHelpFileBytes = 64LL * 1024 * 1024;

QString Folded(const QString& text)
{
    return text.normalized(QString::NormalizationForm_KC).toCaseFolded();
}

} // namespace

QString HelpTopicId(int context)
{
    return QStringLiteral("morvanx.%1").arg(context);
}

bool HelpTextMatches(const QString& text, const QString& search)
{
    const QStringList words = Folded(search).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    if (words.isEmpty()) {
        return false;
    }
    const QString folded = Folded(text);
    return std::all_of(words.begin(), words.end(), [&folded](const QString& word) { return folded.contains(word); });
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
