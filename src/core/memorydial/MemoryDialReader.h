#pragma once

#include "MemoryDial.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The one message for every failed read.
inline const QString kMemoryDataMissingText =
    QStringLiteral("指定したメモリデータが存在しません。　存在を確認して下さい。　");
inline const QString kMemoryDataMissingTitle = QStringLiteral("ﾒﾓﾘﾃﾞｰﾀの存在確認");

// A UTF-8 file would load as garbled text; it is refused with a message that says why.
inline const QString kMemoryDataUtf8Text =
    QStringLiteral("指定したファイルはUTF-8で書かれています。　メモリダイヤル（Shift_JIS）ではありません。　");
inline const QString kMemoryDataUtf8Title = QStringLiteral("ﾒﾓﾘﾃﾞｰﾀの文字コード確認");

// A file with text but no card.
inline const QString kNoMemoryDialText =
    QStringLiteral("指定したファイルはメモリダイヤル（vCard）ではありません。　ファイルを確認して下さい。　");
inline const QString kNoMemoryDialTitle = QStringLiteral("ﾒﾓﾘﾃﾞｰﾀの形式確認");
// Completes "「path」は通常のファイルではないため、…できません。　".
inline const QString kReadWhat = QStringLiteral("読み込み");

// A full memory dial is a few megabytes; anything past this bound is not one, and reading it
// whole could exhaust memory.
inline constexpr qint64 kMaxMemoryDialSize = 256LL * 1024 * 1024;

struct MemoryDialReadResult
{
    std::optional<MemoryDialContent> content; // empty on failure
    QString error;                            // the failure message when content is empty
    QString title;                            // the title of that message
};

// Reads a memory-dial file. On success the content is complete; `previousGroupNames` is the
// table the file's group names 0-99 are merged into. On failure nothing is returned but the
// message, so the caller's document stays as it was.
[[nodiscard]] MemoryDialReadResult MemoryDataOpen(const QString& path, const QStringList& previousGroupNames);

// The same on bytes already in memory (Shift_JIS file content).
[[nodiscard]] MemoryDialReadResult ParseMemoryDial(const QByteArray& bytes, const QStringList& previousGroupNames);
