#pragma once

#include <QStringView>

// Every text the editor's field services show: the postal-code checks, the candidate, calendar,
// domain and prefix dialogs and the constellation command, kept together so they can be
// checked at a glance. Full-width spaces (U+3000) and the blanks around tool tips belong to
// the texts.
namespace ServiceTexts {

// Postal-code checks.
inline constexpr QStringView kLengthText = u"入力された郵便番号が７桁ではありません。　";
inline constexpr QStringView kLengthTitle = u"桁数確認";
inline constexpr QStringView kDigitText = u"入力された郵便番号が数字ではありません。　";
inline constexpr QStringView kDigitTitle = u"数字確認";
inline constexpr QStringView kEmptyText = u"郵便番号が入力されていません。　";
inline constexpr QStringView kEmptyTitle = u"入力確認";

// Dropping a telephone number or mail address on a filled slot.
inline constexpr QStringView kSwapTelText = u"「電話番号」 を入れ替えます。　";
inline constexpr QStringView kSwapMailText = u"「ﾒｰﾙｱﾄﾞﾚｽ」 を入れ替えます。　";
inline constexpr QStringView kSwapTitle = u"入替え先確認";

// Buttons shared by the four dialogs.
inline constexpr QStringView kOk = u"OK";
inline constexpr QStringView kCancel = u"キャンセル";
inline constexpr QStringView kHelp = u"ヘルプ";

// YB_KOUHO, the postal-code candidates of an address.
inline constexpr QStringView kCandidateCaption = u"郵便番号候補一覧";
inline constexpr QStringView kCandidateLabel = u"住所に該当する郵便番号を選択し、OKボタンを押して下さい。";
inline constexpr QStringView kCandidateNotFoundText =
    u"入力された住所から、検索できませんでした。　入力住所を確認して下さい。　";
inline constexpr QStringView kCandidateNotFoundTitle = u"入力住所確認";
inline constexpr QStringView kCandidateSelectText = u"郵便番号候補一覧の中から、該当する郵便番号を選択して下さい。　";
inline constexpr QStringView kCandidateSelectTitle = u"選択確認";
inline constexpr int kCandidateHelpContext = 75;

// The constellation command.
inline constexpr QStringView kMonthMissingText = u"生年月日の 「月」 が選択入力されていません。　";
inline constexpr QStringView kDayMissingText = u"生年月日の 「日」 が選択入力されていません。　";
inline constexpr QStringView kBirthdayMissingTitle = u"選択入力確認";

// CALEND, the birthday calendar.
inline constexpr QStringView kCalendarCaption = u"誕生日の設定 （ｶﾚﾝﾀﾞｰ形式）";
inline constexpr QStringView kCalendarLabel = u"誕生日を設定して、OKボタンを押して下さい。";
inline constexpr QStringView kCalendarToolTip = u" 誕生日 ";
inline constexpr int kCalendarHelpContext = 73;
// Where the calendar sits in the window, twips.
inline constexpr int kCalendarLeft = 683;
inline constexpr int kCalendarTop = 735;
inline constexpr int kCalendarWidth = 3645;
inline constexpr int kCalendarHeight = 4020;
// The header reads year then month ("2026年12月"); the month's name already ends in "月".
inline constexpr QStringView kCalendarYearSuffix = u"年";
// A date typed on the calendar that is no date of its range (%1 the first date, %2 the last).
inline constexpr QStringView kTypedDateText =
    u"入力された日付は正しくありません。　%1 から %2 までの日付を、年月日の順に入力して下さい。　";
inline constexpr QStringView kTypedDateTitle = u"日付確認";

// DOMAINNM, the mail-domain picker.
inline constexpr QStringView kDomainCaption = u"ドメイン名の付加";
inline constexpr QStringView kDomainLabel = u"付加するﾄﾞﾒｲﾝ名を選択して、OKﾎﾞﾀﾝを押して下さい。";
inline constexpr QStringView kDomainGroupToolTip = u" 会社名 ";
inline constexpr QStringView kDomainListToolTip = u" ﾄﾞﾒｲﾝ名 ";
inline constexpr QStringView kDomainAutoCheck = u"＠入力後、自動起動(&A)";
inline constexpr QStringView kDomainAutoToolTip = u" @入力後、自動起動 ";
inline constexpr int kDomainHelpContext = 60;

// PREFIXN, the dial-prefix picker.
inline constexpr QStringView kPrefixCaption = u"プレフィクス番号の付加";
inline constexpr QStringView kPrefixLabel = u"付加するﾌﾟﾚﾌｨｸｽ番号を選択して、OKﾎﾞﾀﾝを押して下さい。";
inline constexpr QStringView kPrefixToolTip = u" ﾌﾟﾚﾌｨｸｽ番号 ";
inline constexpr int kPrefixHelpContext = 59;

} // namespace ServiceTexts
