#include "HelpFile.h"

#include "app/ShellTexts.h"
#include "files/SafeFileRead.h"
#include "files/SafeFileWrite.h"

#include <QDir>
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

QString HelpCollectionPath(const QString& folder)
{
    return QDir(folder).filePath(QStringLiteral("MORVANX.qhc"));
}

std::optional<QString> HelpCollectionProblem(const QString& collection)
{
    // The help engine opens the collection as a database, which would wait on a FIFO and
    // replace a device with its tables.
    if (KindOfPath(collection) == PathKind::Other || !MayWriteFile(collection)) {
        return kHelpCacheText.arg(collection);
    }
    return std::nullopt;
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
