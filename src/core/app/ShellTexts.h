#pragma once

#include <QString>

// What the outside programs, the help and the About box say.

// No program took a web address or a mail address.
inline const QString kNoBrowserText = QStringLiteral("「Internet Explorer」 が ｲﾝｽﾄｰﾙ されていません。　");
inline const QString kNoBrowserTitle = QStringLiteral("IE ｲﾝｽﾄｰﾙ 確認");
inline const QString kNoMailText = QStringLiteral("「Outlook Express」 が ｲﾝｽﾄｰﾙ されていません。　");
inline const QString kNoMailTitle = QStringLiteral("OE ｲﾝｽﾄｰﾙ 確認");

// An address that the launch rules refuse, and what they take instead.
inline const QString kRefusedWebText =
    QStringLiteral("このｱﾄﾞﾚｽは開けません。Web 閲覧で開くのは、半角で書かれた http:// か https:// のｱﾄﾞﾚｽだけです。　");
inline const QString kRefusedWebTitle = QStringLiteral("Web 閲覧 確認");
inline const QString kRefusedMailText =
    QStringLiteral("このﾒｰﾙｱﾄﾞﾚｽには送信できません。送信先にできるのは、半角で書かれたﾒｰﾙｱﾄﾞﾚｽ 1 つだけです"
                   "（「mailto:」 や 「?」 以降は付けません）。　");
inline const QString kRefusedMailTitle = QStringLiteral("ﾒｰﾙ 送信 確認");
inline const QString kRefusedGpsText =
    QStringLiteral("この GPS 情報からは地図を開けません。緯度と経度を符号付きで、それぞれ 「&」 で終えて書きます"
                   "（例：「+35.39.29.20&+139.44.28.80&」）。　");
inline const QString kRefusedGpsTitle = QStringLiteral("GPS 情報 確認");

// The help file cannot be shown; %1 is its path.
inline const QString kHelpMissingText = QStringLiteral("ヘルプファイル 「%1」 が見つかりません。　");
inline const QString kHelpUnreadableText = QStringLiteral("ヘルプファイル 「%1」 を開けません。　");
inline const QString kHelpTopicMissingText = QStringLiteral("ヘルプファイルに 「%1」 番の項目がありません。　");
inline const QString kHelpCacheText =
    QStringLiteral("ヘルプの索引ファイル 「%1」 を作れません。　フォルダを確認して下さい。　");
inline const QString kHelpTitle = QStringLiteral("ヘルプ確認");
inline const QString kHelpWindowCaption = QStringLiteral("Morvane ヘルプ");
// A full-text search of the help that found no page.
inline const QString kHelpNothingFoundText = QStringLiteral("この言葉を含むページは見つかりませんでした。");

// The About box INFO_VER.
inline const QString kAboutCaption = QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報");
inline const QString kProductTitle = QStringLiteral("Morvane");
inline const QString kVersionText = QStringLiteral("Ver.2.3.6");
inline const QString kPlatformText = QStringLiteral("for Linux");
inline const QString kAboutMailCaption = QStringLiteral("ﾒｰﾙ：");
inline const QString kAboutHomePageCaption = QStringLiteral("ﾎｰﾑﾍﾟｰｼﾞ：");
inline const QString kAboutHomePageNote = QStringLiteral("（最新版とｻﾎﾟｰﾄ情報）");
// Without a home page the link opens the help's contents.
inline const QString kAboutHelpCaption = QStringLiteral("ﾍﾙﾌﾟ：");
inline const QString kAboutHelpText = QStringLiteral("Morvane ヘルプ 目次");
// Link colours in the 0x00BBGGRR form: light green at rest, bright green under the pointer.
inline constexpr unsigned kLinkRestColour = 0xC0FFC0;
inline constexpr unsigned kLinkHoverColour = 0x00FF00;
