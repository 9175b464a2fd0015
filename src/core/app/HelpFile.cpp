#include "HelpFile.h"

#include "app/ShellTexts.h"
#include "files/SafeFileRead.h"
#include "files/SafeFileWrite.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <iterator>

namespace {

// The shipped help is well under a megabyte; anything far larger is not ours.
constexpr qint64 kMaxHelpFileBytes = 64LL * 1024 * 1024;

// Hiragana to katakana, after the width is folded: an input method gives either.
constexpr char16_t kFirstFoldedHiragana = u'ぁ';
constexpr char16_t kLastFoldedHiragana = u'ゖ';
constexpr char16_t kHiraganaToKatakana = u'ァ' - u'ぁ';

QString Folded(const QString& text)
{
    QString folded = text.normalized(QString::NormalizationForm_KC).toCaseFolded();
    for (QChar& c : folded) {
        if (c.unicode() >= kFirstFoldedHiragana && c.unicode() <= kLastFoldedHiragana) {
            c = QChar(static_cast<char16_t>(c.unicode() + kHiraganaToKatakana));
        }
    }
    return folded;
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

QStringList SortedHelpKeywords(QStringList keywords)
{
    QCollator reading(QLocale(QLocale::Japanese, QLocale::Japan));
    std::stable_sort(keywords.begin(), keywords.end(), reading);
    return keywords;
}

QStringList HelpKeywordsFor(const QStringList& keywords, const QString& typed)
{
    if (typed.trimmed().isEmpty()) {
        return keywords;
    }
    QStringList found;
    std::copy_if(keywords.begin(), keywords.end(), std::back_inserter(found),
                 [&typed](const QString& keyword) { return HelpTextMatches(keyword, typed); });
    return found;
}

qsizetype PreferredHelpKeyword(const QStringList& shown, const QString& typed)
{
    const QString start = Folded(typed.trimmed());
    const auto begins = std::find_if(shown.begin(), shown.end(),
                                     [&start](const QString& keyword) { return Folded(keyword).startsWith(start); });
    return shown.isEmpty() ? -1 : (begins == shown.end() ? 0 : begins - shown.begin());
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
