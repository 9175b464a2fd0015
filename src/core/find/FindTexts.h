#pragma once

#include <QString>

// Captions and messages of finding entries and tidying duplicates.

namespace FindTexts {

inline const QString kFindItem = QStringLiteral("検索(&F)");
inline const QString kSearchLabel = QStringLiteral(" 検索 ");
inline const QString kSearchToolTip =
    QStringLiteral(" 名前・ﾌﾘｶﾞﾅ・電話番号・E-mail・住所・ﾒﾓ・ｸﾞﾙｰﾌﾟ名で絞り込み（Esc で解除） ");

// The status bar while the search box holds something: shown rows of all rows.
[[nodiscard]] inline QString FilterCount(int shown, int total)
{
    return QStringLiteral("%1 / %2 件").arg(shown).arg(total);
}

} // namespace FindTexts
