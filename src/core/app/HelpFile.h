#pragma once

#include <QString>

#include <optional>

// The editor's "当該ﾍﾙﾌﾟ(&C)" topic.
inline constexpr int kEditorHelpContext = 43;

// The identifier under which the help file lists the topic of a context number (the
// contents page is context 0): the help project gives every topic one such keyword id.
[[nodiscard]] QString HelpTopicId(int context);

// Whether a help page's text holds every word of a search (words split at blanks, full-width
// ones too). Letter case and the width of kana and Latin letters do not matter, since the
// help writes "ﾒｰﾙ" where a user types "メール"; a word need not stand apart, since Japanese
// text has no blanks between words.
[[nodiscard]] bool HelpTextMatches(const QString& text, const QString& search);

// The help collection (the contents, keyword and search index the help window builds) in
// `folder`, the user's cache folder.
[[nodiscard]] QString HelpCollectionPath(const QString& folder);

// Why the collection cannot be used, as the message for the user: something other than a
// regular file stands at its name. Nothing when it can be opened or made.
[[nodiscard]] std::optional<QString> HelpCollectionProblem(const QString& collection);

// Why the help file cannot be opened, as the message for the user; nothing when it can.
// Only a regular file of a plausible size is handed to the help engine, so a folder, a
// FIFO or a device in its place is refused before anything reads it.
[[nodiscard]] std::optional<QString> HelpFileProblem(const QString& path);
