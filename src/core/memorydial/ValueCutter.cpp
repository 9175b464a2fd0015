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

// Index of the comma or line end that ends the value part at `i`, or the end of the text.
qsizetype SeparatorFrom(QStringView text, qsizetype i)
{
    while (i < text.size() && text[i] != u',' && !IsLineEnd(text[i])) {
        ++i;
    }
    return i;
}

} // namespace

std::optional<QStringView> ValueCutter::Next()
{
    const qsizetype size = m_text.size();
    while (m_at < size) {
        while (m_at < size && IsBlank(m_text[m_at])) {
            ++m_at;
        }
        if (m_at == size) {
            break;
        }
        if (IsLineEnd(m_text[m_at])) {
            m_at = SkipLineEnd(m_text, m_at);
            if (m_afterComma) {
                m_afterComma = false;
                return QStringView();
            }
            continue;
        }
        QStringView value;
        qsizetype end = 0;
        if (m_text[m_at] == u'"') {
            const qsizetype close = m_text.indexOf(u'"', m_at + 1);
            const qsizetype stop = close < 0 ? size : close;
            value = m_text.sliced(m_at + 1, stop - m_at - 1);
            end = close < 0 ? size : SeparatorFrom(m_text, close + 1);
        } else {
            end = SeparatorFrom(m_text, m_at);
            value = m_text.sliced(m_at, end - m_at);
        }
        if (end == size) {
            m_afterComma = false;
            m_at = size;
        } else if (m_text[end] == u',') {
            m_afterComma = true;
            m_at = end + 1;
        } else {
            m_afterComma = false;
            m_at = SkipLineEnd(m_text, end);
        }
        return value;
    }
    if (m_afterComma) {
        m_afterComma = false;
        return QStringView();
    }
    return std::nullopt;
}
