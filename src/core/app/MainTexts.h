#pragma once

#include <QString>

// Questions, messages, titles and chooser titles of the main window's commands.

inline const QString kMemoryDialFilter = QStringLiteral("ﾒﾓﾘﾀﾞｲﾔﾙ(*.VCF)|*.VCF");

// Opening.
inline const QString kOpenChooserTitle = QStringLiteral("ﾒﾓﾘﾀﾞｲﾔﾙを開く");
inline const QString kOpenOverLoadedText =
    QStringLiteral("既にメモリダイヤルが読み込まれています。　新たなメモリダイヤルを読み込みますか？　");
inline const QString kOpenRecentOverLoadedText =
    QStringLiteral("既に読み込まれているメモリデータがあります。　新たなメモリデータを読み込みますか？　");
inline const QString kOpenOverLoadedTitle = QStringLiteral("読込確認");

// Saving.
inline const QString kSaveChooserTitle = QStringLiteral("ﾒﾓﾘﾀﾞｲﾔﾙの保存");
inline const QString kOverwriteText = QStringLiteral("既存のメモリダイヤルが存在します。　上書きしますか？　");
inline const QString kOverwriteTitle = QStringLiteral("上書き確認");
inline const QString kSavedNewText = QStringLiteral("新規にメモリダイヤルを保存しました。　");
inline const QString kSavedNewTitle = QStringLiteral("新規保存確認");
inline const QString kSaveCheckTitle = QStringLiteral("保存確認");

// A file that holds more than a memory dial keeps: said when it opens, asked before it is
// replaced. `names` lists the properties ("ORG、PHOTO").
[[nodiscard]] inline QString ForeignOpenText(const QString& names)
{
    return QStringLiteral("このファイルには、メモリダイヤルに保存できない項目があります：") + names +
           QStringLiteral(
               "。　上書き保存すると失われます。　他のアドレス帳は「ｱﾄﾞﾚｽ帳の取り込み(I)...」で取り込んで下さい。　");
}
[[nodiscard]] inline QString ForeignSaveText(const QString& names)
{
    return QStringLiteral("上書きすると、このファイルの次の項目が失われます：") + names +
           QStringLiteral("。　上書きしますか？　");
}
inline const QString kForeignTitle = QStringLiteral("ﾒﾓﾘﾃﾞｰﾀの形式確認");
// Someone else wrote the file after it was read.
[[nodiscard]] inline QString ChangedOnDiskText(const QString& path)
{
    return QStringLiteral("「") + path +
           QStringLiteral(
               "」は、読み込んだ後に他のプログラムによって変更されています。　上書きすると、その変更は失われます。　");
}

// Exit.
inline const QString kExitText = QStringLiteral("「Morvane for Windows」 を終了しますか？　");
inline const QString kExitTitle = QStringLiteral("終了確認");

// Reordering.
inline const QString kRenumberText = QStringLiteral("リナンバー処理を実行しますか？　");
inline const QString kRenumberTitle = QStringLiteral("実行確認");
inline const QString kSwapNeedsTwoText = QStringLiteral("入れ替える個別情報を２つ選択して下さい。　");
inline const QString kSelectionTitle = QStringLiteral("選択確認");
inline const QString kSwapText = QStringLiteral("指定された個別情報を入れ替えますか？　");
inline const QString kSwapTitle = QStringLiteral("入れ替え確認");
inline const QString kAtTopText = QStringLiteral("個別情報は先頭に移動しています。　");
inline const QString kAtTopTitle = QStringLiteral("先頭確認");
inline const QString kAtBottomText = QStringLiteral("個別情報は最後に移動しています。　");
inline const QString kAtBottomTitle = QStringLiteral("最後確認");

// Deleting entries.
inline const QString kDeleteNoneTickedText = QStringLiteral("削除する個別情報を選択して下さい。　");
inline const QString kDeleteEntriesText = QStringLiteral("指定された個別情報を削除しますか？　");
inline const QString kDeleteTitle = QStringLiteral("削除確認");

// Deleting a memory-dial file.
inline const QString kDeleteFileChooserTitle = QStringLiteral("削除するﾒﾓﾘﾀﾞｲﾔﾙを選択");
inline const QString kDeleteFileText = QStringLiteral("指定されたメモリダイヤルを削除しますか？　");
inline const QString kDeletedFileText = QStringLiteral("指定されたメモリダイヤルを削除しました。　");
inline const QString kDeletedFileTitle = QStringLiteral("削除情報");
inline const QString kDeleteFileFailedText =
    QStringLiteral("指定されたメモリダイヤルを削除できませんでした。　もう一度削除しますか？　");
// Completes "「path」は通常のファイルではないため、…できません。　".
inline const QString kDeleteWhat = QStringLiteral("削除");

// Exchange with other address books.
inline const QString kImportChooserTitle = QStringLiteral("ｱﾄﾞﾚｽ帳の取り込み");
inline const QString kImportFilter =
    QStringLiteral("ｱﾄﾞﾚｽ帳(*.vcf;*.csv)|*.vcf;*.csv|vCard(*.vcf)|*.vcf|CSV(*.csv)|*.csv|すべてのファイル(*)|*");
inline const QString kImportTitle = QStringLiteral("取り込み結果");
inline const QString kImportDetailsText = QStringLiteral("取り込めなかった値は、次のとおりです。　");
inline const QString kExportChooserTitle = QStringLiteral("ｱﾄﾞﾚｽ帳への書き出し");
inline const QString kExportFilter = QStringLiteral("vCard 3.0(*.vcf)|*.vcf|CSV(*.csv)|*.csv");
inline const QString kExportNoneTickedText = QStringLiteral("書き出す個別情報を選択して下さい。　");
inline const QString kExportNothingText = QStringLiteral("書き出す個別情報がありません。　");
inline const QString kExportOverwriteText = QStringLiteral("既存のファイルが存在します。　上書きしますか？　");
inline const QString kImportOpenFileText =
    QStringLiteral("開いているメモリダイヤル自身は取り込めません。　別のファイルを選択して下さい。　");
inline const QString kExportOverOpenText =
    QStringLiteral("開いているメモリダイヤルには書き出せません。　別の名前を指定して下さい。　");
inline const QString kExportTitle = QStringLiteral("書き出し結果");
inline const QString kExportDetailsText = QStringLiteral("書き出せなかった値は、次のとおりです。　");
