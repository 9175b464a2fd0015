#pragma once

#include "memorydial/Entry.h"

#include <QString>
#include <QStringView>

// Finding entries the way people type them: "すずき", "ｽｽﾞｷ" and "スズキ" are one word, and
// "09012", "090-12" and "+81 90 12" one number.

// `text` with full- and half-width forms made one (NFKC, which also composes a half-width
// voiced mark with its kana), hiragana turned into katakana, case folded and blanks left out.
[[nodiscard]] QString FoldedText(QStringView text);

// The digits of a telephone number; an international "+81" prefix reads as the trunk "0".
[[nodiscard]] QString NumberKey(QStringView text);

// A mail address as mail servers compare it in practice: blanks around it and case ignored.
[[nodiscard]] QString MailKey(QStringView text);

// What the user typed into the search box, folded once, to test every entry against.
class EntryQuery
{
public:
    EntryQuery() = default;
    explicit EntryQuery(const QString& typed);

    // Nothing but blanks was typed: every entry matches.
    [[nodiscard]] bool IsEmpty() const { return m_text.isEmpty(); }
    [[nodiscard]] QString Typed() const { return m_typed; }
    // The query is found in the name, reading, a telephone number, a mail address, the postal
    // code or address, the memo or the group name of `entry`.
    [[nodiscard]] bool Matches(const Entry& entry) const;

private:
    QString m_typed;
    QString m_text;
    // The digits of a query made of digits and telephone punctuation only, else empty.
    QString m_number;
};
