#pragma once

#include <QStringView>

#include <array>

// Every text the entry editor shows: window and field captions, tool tips, menus, toolbar,
// status bar, list contents and messages, kept together so they can be checked at a glance.
// Full-width spaces (U+3000) and the blanks around tool tips are part of the texts.
namespace EditorTexts {

inline constexpr QStringView kWindowCaption = u"個別情報編集";
// The window is 12000 × 9000 twips, set at every load.
inline constexpr int kWindowWidthTwips = 12000;
inline constexpr int kWindowHeightTwips = 9000;
// The font every control uses; IPA Gothic stands in for it where it is not installed.
inline constexpr QStringView kFontFamily = u"ＭＳ ゴシック";
inline constexpr QStringView kFallbackFontFamily = u"IPAGothic";

// Captions beside the fields.
inline constexpr QStringView kCaptionNumber = u"No.";
inline constexpr QStringView kCaptionName = u"名前";
inline constexpr QStringView kCaptionReading = u"ﾌﾘｶﾞﾅ";
inline constexpr QStringView kCaptionSecret = u" ｼｰｸﾚｯﾄ";
inline constexpr QStringView kCaptionPublic = u"PUBLIC";
inline constexpr QStringView kCaptionPrivate = u"PRIVATE";
inline constexpr QStringView kCaptionGroup = u"ｸﾞﾙｰﾌﾟ名";
inline constexpr std::array<QStringView, 5> kCaptionSlotNumbers = {u"1", u"2", u"3", u"4", u"5"};
inline constexpr QStringView kFrameTel = u" 電話番号 ";
inline constexpr QStringView kFrameMail = u" ﾒｰﾙｱﾄﾞﾚｽ ";
inline constexpr QStringView kFrameOther = u" その他の情報 ";
inline constexpr QStringView kCaptionAddressKind = u"種別";
inline constexpr QStringView kCaptionPostal = u"郵便番号";
inline constexpr QStringView kCaptionPostalDash = u"－";
inline constexpr QStringView kCaptionAddress = u"住所";
inline constexpr QStringView kCaptionConstellation = u"星座";
inline constexpr QStringView kCaptionBirthday = u"誕生日";
inline constexpr QStringView kCaptionYear = u"年";
inline constexpr QStringView kCaptionMonth = u"月";
inline constexpr QStringView kCaptionDay = u"日";
inline constexpr QStringView kCaptionBloodType = u"血液型";
inline constexpr QStringView kCaptionHobby = u"趣味";
inline constexpr QStringView kCaptionMemo = u"メモ";
inline constexpr QStringView kCaptionUrl = u"URL";
inline constexpr QStringView kCaptionGps = u"GPS";
// The face of Command1(0); the other four buttons show pictures.
inline constexpr QStringView kPostalButtonFace = u"〒 ⇔ 住所";

// Tool tips by control index. The caption label of Text1(i) carries the same text as the
// box; the status bar shows it while the box has the focus.
inline constexpr std::array<QStringView, 20> kTextToolTips = {
    u" No. ",
    u" 名前 ",
    u" ﾌﾘｶﾞﾅ ",
    u" 電話番号 1 ",
    u" 電話番号 2 ",
    u" 電話番号 3 ",
    u" 電話番号 4 ",
    u" 電話番号 5 ",
    u" ﾒｰﾙｱﾄﾞﾚｽ 1 ",
    u" ﾒｰﾙｱﾄﾞﾚｽ 2 ",
    u" ﾒｰﾙｱﾄﾞﾚｽ 3 ",
    u" ﾒｰﾙｱﾄﾞﾚｽ 4 ",
    u" ﾒｰﾙｱﾄﾞﾚｽ 5 ",
    u" 郵便番号 XXX-xxxx ",
    u" 郵便番号 xxx-XXXX ",
    u" 住所 ",
    u" 趣味 ",
    u" メモ ",
    u" URL ",
    u" GPS ",
};
inline constexpr std::array<QStringView, 17> kComboToolTips = {
    u" ｸﾞﾙｰﾌﾟNo. ", u" 電話種別 1 ", u" 電話種別 2 ", u" 電話種別 3 ", u" 電話種別 4 ", u" 電話種別 5 ",
    u" ﾒｰﾙ種別 1 ", u" ﾒｰﾙ種別 2 ",  u" ﾒｰﾙ種別 3 ",  u" ﾒｰﾙ種別 4 ",  u" ﾒｰﾙ種別 5 ",  u" 住所種別 ",
    u" 誕生年 ",    u" 誕生月 ",     u" 誕生日 ",     u" 血液型 ",     u" 星座 ",
};
inline constexpr std::array<QStringView, 2> kOptionToolTips = {u" ｼｰｸﾚｯﾄ：PUBLIC ", u" ｼｰｸﾚｯﾄ：PRIVATE "};
inline constexpr std::array<QStringView, 5> kCommandToolTips = {
    u" 〒 ⇔ 住所 ", u" 星座の設定 ", u" 誕生日の設定（ｶﾚﾝﾀﾞｰ形式） ", u" Web 閲覧 ", u" GPS 情報 ",
};

// Maximum lengths of the two postal-code boxes; the others have none. The number box is
// read-only and holds whatever number the row carries: with 1001 entries a proposed number
// has four digits, and a box that cut it would store the entry under another number.
inline constexpr int kPostalFirstMaxLength = 3;
inline constexpr int kPostalSecondMaxLength = 4;
// What the first box takes in before the field behaviour splits it over both boxes: a whole
// code typed or pasted there, as long as "〒１００－０００１" and some blanks around it.
inline constexpr int kPostalFirstInputMaxLength = 12;

// List contents, item 0 first.
inline constexpr std::array<QStringView, 6> kTelKinds = {u"その他", u"携帯", u"PHS", u"自宅", u"仕事", u"FAX"};
inline constexpr std::array<QStringView, 6> kMailKinds = {u"その他", u"携帯", u"PHS", u"自宅", u"学校", u"仕事"};
inline constexpr std::array<QStringView, 3> kAddressKinds = {u"その他", u"自宅", u"会社"};
inline constexpr std::array<QStringView, 4> kBloodTypes = {u"A", u"B", u"O", u"AB"};
inline constexpr std::array<QStringView, 12> kConstellations = {
    u"牡羊", u"牡牛", u"双子", u"蟹", u"獅子", u"乙女", u"天秤", u"蠍", u"射手", u"山羊", u"水瓶", u"魚",
};
// The year list runs from kFirstBirthYear to kLastBirthYear, the month list "01" to "12",
// the day list "01" to "31" (EditorLoad.h builds them).
inline constexpr int kFirstBirthYear = 1900;
inline constexpr int kLastBirthYear = 2006;

// Menus in menu order. `name` is the item's name, `shortcut` a key sequence in the portable
// text form ("Ctrl+N"), empty for none; a separator has an empty caption.
struct MenuItemText
{
    QStringView name;
    QStringView caption;
    QStringView shortcut;
};
inline constexpr std::array<MenuItemText, 30> kMenuItems = {{
    {u"mnuFile", u"ﾌｧｲﾙ(&F)", u""},
    {u"mnuFileCreate", u"新規作成(&N)", u"Ctrl+N"},
    {u"mnuFileSave", u"保存(&S)", u"Ctrl+S"},
    {u"mnuFileDummy", u"", u""},
    {u"mnuFileRecord(0)", u"前の個別情報 ←(&B)", u"Ctrl+B"},
    {u"mnuFileRecord(1)", u"次の個別情報 →(&A)", u"Ctrl+A"},
    {u"mnuFileDummy2", u"", u""},
    {u"mnuFileEnd", u"閉じる(&X)", u""},
    {u"mnuEdit", u"編集(&E)", u""},
    {u"mnuEditCutCopyPaste(0)", u"切り取り(&T)", u"Ctrl+X"},
    {u"mnuEditCutCopyPaste(1)", u"ｺﾋﾟｰ(&C)", u"Ctrl+C"},
    {u"mnuEditCutCopyPaste(2)", u"貼り付け(&P)", u"Ctrl+V"},
    {u"mnuEditDummy", u"", u""},
    {u"mnuEditPrefix", u"ﾌﾟﾚﾌｨｸｽ番号の付加(&F)", u""},
    {u"mnuEditDomain", u"ﾄﾞﾒｲﾝ名の付加(&D)", u""},
    {u"mnuEditDummy2", u"", u""},
    {u"mnuEditYubin_Jusho", u"〒 ⇔ 住所(&K)", u""},
    {u"mnuEditVerifyStar", u"星座の設定(S)", u""},
    {u"mnuEditBirthDay", u"誕生日の設定(&B)", u""},
    {u"mnuOption", u"ｵﾌﾟｼｮﾝ(&O)", u""},
    {u"mnuOptE_Mail", u"ﾒｰﾙ 送信(&M)", u""},
    {u"mnuOptWebView", u"Web 閲覧(&W)", u""},
    {u"mnuOptGPS_Info", u"GPS 情報(&G)", u""},
    {u"mnuOptDummy", u"", u""},
    {u"mnuOptSettei", u"各種設定(&K)", u"Ctrl+K"},
    {u"mnuHelp", u"ﾍﾙﾌﾟ(&H)", u""},
    {u"mnuHelpContent_KeyWord(0)", u"ﾄﾋﾟｯｸの検索(&H)", u"F1"},
    {u"mnuHelpContent_KeyWord(1)", u"当該ﾍﾙﾌﾟ(&C)", u""},
    {u"mnuHelpDummy", u"", u""},
    {u"mnuHelpAbout", u"ﾊﾞｰｼﾞｮﾝ情報(&A)...", u""},
}};

// Toolbar buttons 1 to 17 (index 0 is button 1); an empty tool tip marks a separator.
// Button 15 is the wide gap before the About and help buttons.
inline constexpr std::array<QStringView, 17> kToolbarToolTips = {
    u"",
    u" 新規作成 ",
    u" 保存 ",
    u"",
    u" 先頭の個別情報 ",
    u" 前の個別情報 ",
    u" 次の個別情報 ",
    u" 最後の個別情報 ",
    u"",
    u" 切り取り ",
    u" ｺﾋﾟｰ ",
    u" 貼り付け ",
    u"",
    u" 各種設定 ",
    u"",
    u" ﾊﾞｰｼﾞｮﾝ情報 ",
    u" ﾍﾙﾌﾟ ",
};
inline constexpr int kToolbarWideGapButton = 15;

// Status-bar panels 1 to 6 (index 0 is panel 1). Panel 2's tool tip is set when an entry
// is shown.
inline constexpr std::array<QStringView, 6> kPanelToolTips = {
    u"", u" 更新時間 ", u" 大文字／小文字 ", u" 上書／挿入 ", u" 日付 ", u" 時間 ",
};
inline constexpr QStringView kPanelCaps = u"CAPS";
inline constexpr QStringView kPanelInsert = u"INS";

// Messages: text, then title.
inline constexpr QStringView kPostalLengthText = u"入力された郵便番号が７桁ではありません。　";
inline constexpr QStringView kPostalLengthTitle = u"桁数確認";
inline constexpr QStringView kPostalDigitText = u"入力された郵便番号が数字ではありません。　";
inline constexpr QStringView kTelDigitText = u"入力された電話番号が数字ではありません。　";
inline constexpr QStringView kDigitTitle = u"数字確認";
inline constexpr QStringView kBirthdayText = u"誕生日の 「年」、「月」、「日」 のどれかが、選択入力されていません。　";
inline constexpr QStringView kBirthdayTitle = u"入力確認";
inline constexpr QStringView kBirthYearText = u"入力された誕生日の 「年」 が４桁の数字ではありません。　";
inline constexpr QStringView kOverwriteText = u"既に当該番号の個別情報は存在します。　上書きしますか？　";
inline constexpr QStringView kOverwriteTitle = u"上書確認";
inline constexpr QStringView kAppendedText = u"新規に個別情報を保存しました。　";
inline constexpr QStringView kAppendedTitle = u"新規保存確認";
inline constexpr QStringView kListFullText =
    u"個別情報は 1001 件までしか保存できません。　これ以上は追加できません。　";
inline constexpr QStringView kListFullTitle = u"件数確認";
inline constexpr QStringView kCopyText = u"新規に個別情報を作成します。　当該の個別情報をコピーしますか？　";
inline constexpr QStringView kCopyTitle = u"コピー確認";
inline constexpr QStringView kSelectText = u"コピーする個別情報をクリックして選択して下さい。　";
inline constexpr QStringView kSelectTitle = u"選択確認";
// The creation message: kCreatedBefore + number + kCreatedAfter.
inline constexpr QStringView kCreatedBefore = u"新規の個別情報を 「";
inline constexpr QStringView kCreatedAfter = u"番」 に作成しました。　";
inline constexpr QStringView kCreatedTitle = u"新規作成確認";
inline constexpr QStringView kLastText = u"最後の個別情報です。　";
inline constexpr QStringView kLastTitle = u"最後確認";
inline constexpr QStringView kFirstText = u"先頭の個別情報です。　";
inline constexpr QStringView kFirstTitle = u"先頭確認";
// Asked before the fields are dropped while they differ from the entry shown.
inline constexpr QStringView kSaveChangesText = u"変更を保存しますか";
inline constexpr QStringView kSaveChangesTitle = u"変更確認";

// Group 0's name and list item when the editor starts the first entry of an empty memory dial.
inline constexpr QStringView kFirstGroupName = u"ｸﾞﾙｰﾌﾟ0";
inline constexpr QStringView kFirstEntryNumber = u"000";

} // namespace EditorTexts
