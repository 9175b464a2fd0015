#pragma once

#include <QList>
#include <QStringView>

// Cuts memory-dial text into its comma-separated values:
// - a value ends at a comma or a line end (CR LF, a lone LF or a lone CR); the separator
//   belongs to no value;
// - blanks (spaces and tabs) in front of a value are skipped; blanks at its end stay;
// - a value that begins with a double quote runs to the next double quote, line ends
//   included; the quotes are not part of it and the rest up to the next comma or line end
//   is dropped;
// - an empty or blank line gives no value, while an empty place between commas or after a
//   final comma gives an empty value.
class ValueCutter
{
public:
    // The values are views into `text`, which must outlive them.
    [[nodiscard]] static QList<QStringView> Cut(QStringView text);
};
