#pragma once

#include <QString>

// The texts of import and export, in one place so they are easy to check.
namespace ExchangeTexts {

// Why a whole file is refused.
inline const QString kMissing = QStringLiteral("ファイルが見つかりません。");
inline const QString kNotRegularFile = QStringLiteral("通常のファイルではありません。");
inline const QString kTooLarge = QStringLiteral("ファイルが大きすぎます。");
inline const QString kIntoInput = QStringLiteral("取り込むファイル自身には取り込めません。");
inline const QString kIntoForeign =
    QStringLiteral("メモリダイヤルに保存できない項目があるため、書き換えません（新しいファイルに取り込んで下さい）：");
inline const QString kOverSource = QStringLiteral("書き出し元のメモリダイヤルには書き出せません。");
inline const QString kUnreadable = QStringLiteral("ファイルを読めません。");
inline const QString kWriteFailed =
    QStringLiteral("書き込めませんでした。　書き出し先とディスクの空きを確認して下さい。　");
inline const QString kNoCard =
    QStringLiteral("vCard（BEGIN:VCARD）も、このプログラムの書き出した CSV も見つかりません。");
inline const QString kBinary = QStringLiteral("文字データではありません（NUL バイトを含みます）。");
inline constexpr QStringView kBadUtf16 = u"UTF-16 として読めない文字を含みます。";
inline const QString kBadCsv = QStringLiteral("CSV の引用符が閉じていません。");

// Per entry, what was not taken.
inline const QString kSlotsFull = QStringLiteral("枠が一杯のため取り込みませんでした");
inline const QString kNoPlace = QStringLiteral("対応する項目がないため取り込みませんでした");
inline const QString kUndecodable = QStringLiteral("文字コードが正しくないため取り込みませんでした");
inline const QString kBinaryData = QStringLiteral("画像などのデータは取り込めません");
inline const QString kDroppedBefore = QStringLiteral("Shift_JIS にない文字 「");
inline const QString kDroppedAfter = QStringLiteral("」 を除いて取り込みました");
inline const QString kBadPostalCode = QStringLiteral("郵便番号が 7 桁でないため取り込みませんでした");
inline const QString kPostalCodeAlone = QStringLiteral("住所がないため郵便番号を取り込みませんでした");
inline const QString kBadBirthday = QStringLiteral("年月日のそろった日付でないため取り込みませんでした");
inline const QString kNoGroupLeft = QStringLiteral("空きのグループ番号がないため取り込みませんでした");
inline const QString kUnknownValue = QStringLiteral("取り込める値ではありません");
inline const QString kUnreadableLine = QStringLiteral("解釈できない行です");
inline const QString kReadAsUtf8 =
    QStringLiteral("この文字コードでは読めない値が UTF-8 だったため、この連絡先の値を UTF-8 として取り込みました");
inline const QString kNotTelephone = QStringLiteral("電話番号ではないため取り込みませんでした");
inline const QString kCommaInAddress = QStringLiteral("カンマを含むため取り込みませんでした");
inline const QString kPauseLetter = QStringLiteral("ポーズ（「,」と「;ext=」）を P にして取り込みました");
inline const QString kCommaWidened = QStringLiteral("カンマ「,」を全角の「，」にして取り込みました");
inline const QString kGpsNotWritten = QStringLiteral("位置の形式が読めないため GEO を書き出しませんでした");
inline const QString kNothingTaken = QStringLiteral("取り込める項目がないため、個別情報を作りませんでした");

// The report's frame.
inline const QString kImportedBefore = QStringLiteral("取り込んだ個別情報：");
inline const QString kCountAfter = QStringLiteral(" 件");
inline const QString kOverLimitBefore = QStringLiteral("上限の 1001 件を超えるため取り込まなかった個別情報：");
inline const QString kFileRefused = QStringLiteral("取り込めなかったファイル：");
inline const QString kUnlistedBefore = QStringLiteral("ほかに ");
inline const QString kUnlistedAfter = QStringLiteral(" 件の個別情報にも、取り込めなかった値があります。");
inline const QString kUnlistedNotesAfter = QStringLiteral(" 件の値にも、取り込めなかったところがあります。");
inline const QString kExportedBefore = QStringLiteral("書き出した個別情報：");

// Labels written into an exported NOTE, and read back from it.
inline const QString kHobbyLabel = QStringLiteral("趣味：");

} // namespace ExchangeTexts
