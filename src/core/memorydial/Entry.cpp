#include "Entry.h"

QString EntryColumnCaption(int column)
{
    static const std::array<QString, kEntryColumnCount> captions = {
        QString(),
        QStringLiteral("No."),
        QStringLiteral("名前"),
        QStringLiteral("ﾌﾘｶﾞﾅ"),
        QStringLiteral("ｼｰｸﾚｯﾄ"),
        QStringLiteral("Tel 1"),
        QStringLiteral("種別 1"),
        QStringLiteral("Tel 2"),
        QStringLiteral("種別 2"),
        QStringLiteral("Tel 3"),
        QStringLiteral("種別 3"),
        QStringLiteral("Tel 4"),
        QStringLiteral("種別 4"),
        QStringLiteral("Tel 5"),
        QStringLiteral("種別 5"),
        QStringLiteral("E-mail 1"),
        QStringLiteral("種別 1"),
        QStringLiteral("E-mail 2"),
        QStringLiteral("種別 2"),
        QStringLiteral("E-mail 3"),
        QStringLiteral("種別 3"),
        QStringLiteral("E-mail 4"),
        QStringLiteral("種別 4"),
        QStringLiteral("E-mail 5"),
        QStringLiteral("種別 5"),
        QStringLiteral("ｸﾞﾙｰﾌﾟNo"),
        QStringLiteral("ｸﾞﾙｰﾌﾟ名"),
        QStringLiteral("住所"),
        QStringLiteral("郵便番号"),
        QStringLiteral("住所種別"),
        QStringLiteral("星座"),
        QStringLiteral("誕生日"),
        QStringLiteral("血液型"),
        QStringLiteral("趣味"),
        QStringLiteral("ﾒﾓ"),
        QStringLiteral("URL"),
        QStringLiteral("GPS"),
        QStringLiteral("更新時間"),
    };
    if (column < 0 || column >= kEntryColumnCount) {
        return {};
    }
    return captions[static_cast<std::size_t>(column)];
}

qint64 LeadingNumber(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ') {
        ++i;
    }
    qint64 value = 0;
    // Past 18 digits the value would overflow; such a cell is nonsense anyway, so keep what fits.
    for (int digits = 0; i < text.size() && digits < 18; ++i, ++digits) {
        const QChar c = text[i];
        if (c < u'0' || c > u'9') {
            break;
        }
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}
