#pragma once

#include <QString>

#include <array>

// Captions, messages and help topics of the settings dialog SETTEI, kept together so they are
// easy to check.
namespace SettingsTexts {

inline const QString kTitle = QStringLiteral("各種設定");
inline const std::array<QString, 4> kTabCaptions{QStringLiteral("環境設定 １"), QStringLiteral("環境設定 ２"),
                                                 QStringLiteral("環境設定 ３"), QStringLiteral("*．CSV 保存先")};

// `Check1` 0 to 9; 6 to 9 stand in the two frames below, twice "メイン画面" and "個別編集".
inline const std::array<QString, 10> kCheckCaptions{QStringLiteral("ロゴの表示(&L)"),
                                                    QStringLiteral("列見出しの表示(&R)"),
                                                    QStringLiteral("列見出しの中央表示(&C)"),
                                                    QStringLiteral("グリッドラインの表示(&G)"),
                                                    QStringLiteral("ソートキー（No.）の設定(&S)"),
                                                    QStringLiteral("最後のアクティブタブ(&A)"),
                                                    QStringLiteral("メイン画面"),
                                                    QStringLiteral("個別編集"),
                                                    QStringLiteral("メイン画面"),
                                                    QStringLiteral("個別編集")};
inline const QString kDoubleClickFrame = QStringLiteral("ﾀﾞﾌﾞﾙｸﾘｯｸで終了");
inline const QString kCentringFrame = QStringLiteral("画面のｾﾝﾀﾘﾝｸﾞ");

inline const QString kSizeFrame = QStringLiteral("画面のサイズ");
inline const std::array<QString, 5> kSizeCaptions{
    QStringLiteral("VGA   （640×480）"), QStringLiteral("SVGA （800×600）"), QStringLiteral("XGA   （1024×768）"),
    QStringLiteral("SXGA （1280×1024）"), QStringLiteral("任意")};
inline const QString kFontFrame = QStringLiteral("フォント／スタイル／サイズ");
inline const QString kFontButton = QStringLiteral("フォント／スタイル／サイズ選択");
inline const QString kFontNameCaption = QStringLiteral("フォント名");
inline const QString kFontSizeCaption = QStringLiteral("フォントサイズ");
inline const QString kBold = QStringLiteral("太字");
inline const QString kItalic = QStringLiteral("斜体");
inline const std::array<QString, 2> kColourButtons{QStringLiteral("文字色"), QStringLiteral("背景色")};

inline const QString kNamesFrame = QStringLiteral("名前等");
inline const QString kTelMailFrame = QStringLiteral("電話番号／ﾒｰﾙｱﾄﾞﾚｽ");
inline const QString kOtherFrame = QStringLiteral("その他の情報");
// The telephone and mail blocks show one box per kind; these captions stand beside them.
inline const std::array<QString, 4> kFirstSlotCaptions{QStringLiteral("電話番号"), QStringLiteral("種別"),
                                                       QStringLiteral("ﾒｰﾙｱﾄﾞﾚｽ"), QStringLiteral("種別")};

inline const QString kLinkCaption = QStringLiteral("URL：");

inline const std::array<QString, 4> kButtons{QStringLiteral("OK"), QStringLiteral("キャンセル"),
                                             QStringLiteral("適用(&A)"), QStringLiteral("ヘルプ")};

inline const QString kRangeText = QStringLiteral("各項目の幅は 「0～9999」 の範囲で設定可能です。");
inline const QString kRangeTitle = QStringLiteral("設定可能範囲");
inline const QString kMissingFolderText = QStringLiteral("指定フォルダは存在しません。 フォルダを確認して下さい。　");
inline const QString kMissingFolderTitle = QStringLiteral("フォルダ確認");

inline const QString kPostalChooserTitle = QStringLiteral("郵便番号一覧の選択");
inline const QString kPostalFilter = QStringLiteral("(*.CSV)|*.CSV");

// Help topics of tabs 0 to 3.
inline constexpr std::array<int, 4> kHelpTopics{37, 38, 39, 58};

} // namespace SettingsTexts
