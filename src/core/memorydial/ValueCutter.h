#pragma once

#include <QStringView>

#include <optional>

// Cuts memory-dial text into its comma-separated values, one at a time:
// - a value ends at a comma or a line end (CR LF, a lone LF or a lone CR); the separator
//   belongs to no value;
// - blanks (spaces and tabs) in front of a value are skipped; blanks at its end stay;
// - a value that begins with a double quote runs to the next double quote, line ends
//   included; the quotes are not part of it and the rest up to the next comma or line end
//   is dropped;
// - an empty or blank line gives no value, while an empty place between commas or after a
//   final comma gives an empty value.
// A file may hold hundreds of millions of values (a file of commas), so they are handed out
// one by one rather than collected: the caller keeps only the few it needs.
class ValueCutter
{
public:
    // The values are views into `text`, which must outlive them.
    explicit ValueCutter(QStringView text) : m_text(text) {}

    // The next value, or nothing once the text is used up.
    [[nodiscard]] std::optional<QStringView> Next();

private:
    QStringView m_text;
    qsizetype m_at = 0;
    // True right after a comma: the line is no longer empty, so a line end gives a value.
    bool m_afterComma = false;
};
