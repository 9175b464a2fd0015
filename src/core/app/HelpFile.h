#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The editor's "当該ﾍﾙﾌﾟ(&C)" topic.
inline constexpr int kEditorHelpContext = 43;

// The identifier under which the help file lists the topic of a context number (the
// contents page is context 0): the help project gives every topic one such keyword id.
[[nodiscard]] QString HelpTopicId(int context);

// Whether a help page's text holds every word of a search (words split at blanks, full-width
// ones too). Letter case, the width of kana and Latin letters and hiragana against katakana do
// not matter, since the help writes "ﾒｰﾙ" where a user types "メール" or "めーる"; a word need
// not stand apart, since Japanese text has no blanks between words.
[[nodiscard]] bool HelpTextMatches(const QString& text, const QString& search);

// The help collection (the contents, keyword and search index the help window builds) in
// `folder`, the user's cache folder.
[[nodiscard]] QString HelpCollectionPath(const QString& folder);

// Why the collection cannot be used, as the message for the user: something other than a
// regular file stands at its name. Nothing when it can be opened or made.
[[nodiscard]] std::optional<QString> HelpCollectionProblem(const QString& collection);

// The keyword index in the order a Japanese index reads: digits and Latin letters first, then
// kana by their reading whatever their width or script, then kanji (by the JIS order, which
// for everyday kanji is by reading).
[[nodiscard]] QStringList SortedHelpKeywords(QStringList keywords);

// The keywords that hold what the user typed, matched as HelpTextMatches matches a page; all
// of them while nothing is typed.
[[nodiscard]] QStringList HelpKeywordsFor(const QStringList& keywords, const QString& typed);

// The keyword to select among those shown: the first that begins with the typed text, else the
// first one; -1 when none is shown.
[[nodiscard]] qsizetype PreferredHelpKeyword(const QStringList& shown, const QString& typed);

// Why the help file cannot be opened, as the message for the user; nothing when it can.
// Only a regular file of a plausible size is handed to the help engine, so a folder, a
// FIFO or a device in its place is refused before anything reads it.
[[nodiscard]] std::optional<QString> HelpFileProblem(const QString& path);
