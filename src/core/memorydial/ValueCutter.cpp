#include "ValueCutter.h"

namespace {

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool IsLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}

// Index just past the line end that starts at `i`.
qsizetype SkipLineEnd(QStringView text, qsizetype i)
{
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
        return i + 2;
    }
    return i + 1;
}

} // namespace

QList<QStringView> ValueCutter::Cut(QStringView text)
{
    QList<QStringView> values;
    // A rough guess of one value per 20 characters saves most reallocations.
    values.reserve(text.size() / 20 + 1);
    const qsizetype size = text.size();
    qsizetype i = 0;
    // True right after a comma: the line is no longer empty, so a line end gives a value.
    bool afterComma = false;
    while (i < size) {
        while (i < size && IsBlank(text[i])) {
            ++i;
        }
        if (i == size) {
            break;
        }
        if (IsLineEnd(text[i])) {
            if (afterComma) {
                values.append(QStringView());
            }
            afterComma = false;
            i = SkipLineEnd(text, i);
            continue;
        }
        qsizetype end = i;
        if (text[i] == u'"') {
            const qsizetype close = text.indexOf(u'"', i + 1);
            const qsizetype stop = close < 0 ? size : close;
            values.append(text.sliced(i + 1, stop - i - 1));
            end = close < 0 ? size : close + 1;
            while (end < size && text[end] != u',' && !IsLineEnd(text[end])) {
                ++end;
            }
        } else {
            while (end < size && text[end] != u',' && !IsLineEnd(text[end])) {
                ++end;
            }
            values.append(text.sliced(i, end - i));
        }
        if (end == size) {
            return values;
        }
        if (text[end] == u',') {
            afterComma = true;
            i = end + 1;
        } else {
            afterComma = false;
            i = SkipLineEnd(text, end);
        }
    }
    if (afterComma) {
        values.append(QStringView());
    }
    return values;
}
