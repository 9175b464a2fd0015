#pragma once

#include <QString>
#include <QStringView>

// The reading as a memory dial keeps it: half-width katakana. Hiragana and full-width
// katakana become half-width katakana (voiced marks as separate characters), full-width
// Latin letters, digits and spaces become ASCII; anything else stays.
[[nodiscard]] QString HalfWidthReading(QStringView text);

// Today's address books expect full-width katakana: only the half-width katakana of `text`
// change.
[[nodiscard]] QString FullWidthKatakana(QStringView text);

// QChar::isSpace without a table look-up for kana and kanji: U+3000 is the last blank of
// Unicode.
[[nodiscard]] inline bool IsBlankCharacter(QChar c)
{
    return c.unicode() <= 0x3000 && c.isSpace();
}

// Whether `text` starts or ends with a blank, so that trimming would change it.
[[nodiscard]] inline bool HasBlankEdge(QStringView text)
{
    return !text.isEmpty() && (IsBlankCharacter(text.front()) || IsBlankCharacter(text.back()));
}

// The text without leading and trailing blanks; shared, not copied, when it has none.
[[nodiscard]] inline QString TrimmedText(const QString& text)
{
    return HasBlankEdge(text) ? text.trimmed() : text;
}

struct FittedText
{
    QString text;    // what a memory-dial cell can hold
    QString dropped; // the characters left out, in order; empty when nothing was lost
};

enum class CellEdges
{
    Trimmed, // leading and trailing blanks go
    Kept,    // those a cell can hold (the space, the ideographic space) stay
};

// Makes `text` fit a memory-dial cell: code page 932 only, with the characters that other
// systems write for the same glyph mapped to code page 932's (U+301C WAVE DASH to U+FF5E and
// the like); line breaks and other control characters become a space and commas the
// full-width comma, since the file is read back as comma- and line-separated values; leading
// and trailing blanks go unless kept. What still cannot be held is left out and named in
// `dropped`.
[[nodiscard]] FittedText FitMemoryDialCell(const QString& text, CellEdges edges = CellEdges::Trimmed);
// True when FitMemoryDialCell() would keep `text` as it is, as it keeps nearly every text.
[[nodiscard]] bool FitsMemoryDialCell(QStringView text);
