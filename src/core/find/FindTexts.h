#pragma once

#include <QString>

// Captions and messages of finding entries and tidying duplicates.

namespace FindTexts {

// The help topic of the search and of the duplicates and merge dialogs.
inline constexpr int kHelpTopic = 23;

inline const QString kFindItem = QStringLiteral("検索(&F)");
inline const QString kSearchLabel = QStringLiteral(" 検索 ");
inline const QString kSearchToolTip =
    QStringLiteral(" 名前・ﾌﾘｶﾞﾅ・電話番号・E-mail・住所・ﾒﾓ・ｸﾞﾙｰﾌﾟ名で絞り込み（Esc で解除） ");

// The status bar while the search box holds something: shown rows of all rows.
[[nodiscard]] inline QString FilterCount(int shown, int total)
{
    return QStringLiteral("%1 / %2 件").arg(shown).arg(total);
}

inline const QString kDuplicatesItem = QStringLiteral("重複の検出と統合(&P)...");
inline const QString kDuplicatesTitle = QStringLiteral("重複の検出と統合");
inline const QString kDuplicatesHint = QStringLiteral(
    "同じ電話番号・E-"
    "mail、または同じ名前とﾌﾘｶﾞﾅを持つ個別情報のグループです。　統合する２件にチェックを付けて下さい。　");
inline const QString kNoDuplicates = QStringLiteral("重複しているらしい個別情報はありません。　");
inline const QString kMergeButton = QStringLiteral("統合(&M)...");
inline const QString kCloseButton = QStringLiteral("閉じる");
inline const QString kMergeTitle = QStringLiteral("個別情報の統合");
inline const QString kMergeHint =
    QStringLiteral("異なる項目は、残す方を選んで下さい（はじめは更新時間の新しい方が選ばれています）。　"
                   "統合した個別情報は上の行の No. で残り、もう一方は一覧から削除されます。　");
inline const QString kNoConflicts = QStringLiteral("異なる項目はありません。　");
inline const QString kLeftOverText =
    QStringLiteral("次の電話番号・E-mail は５件に入りきらないため、統合すると失われます：");

// A group of the duplicates list: its number and how many entries it holds.
[[nodiscard]] inline QString GroupCaption(int number, int entries)
{
    return QStringLiteral("グループ %1（%2 件）").arg(number).arg(entries);
}

// Added to the import report when imported entries look like ones already there.
[[nodiscard]] inline QString ImportLookAlikes(int count)
{
    return QStringLiteral(
               "既にある個別情報と重複しているらしい個別情報：%1 件（「編集」→「重複の検出と統合」で確認できます）\n")
        .arg(count);
}

// Asked after that report, when the window can show the list.
inline const QString kOfferDuplicatesText = QStringLiteral("重複しているらしい個別情報の一覧を表示しますか？　");

} // namespace FindTexts
