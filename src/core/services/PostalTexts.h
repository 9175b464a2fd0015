#pragma once

#include <QString>

// Every text the postal-code table shows the user, kept together so they are easy to check.

inline const QString kPostalMissingTitle = QStringLiteral("ファイル確認");

// Two carriage returns part the sentences: the message box shows them as a blank line.
inline const QString kPostalMissingText =
    QStringLiteral("指定されたフォルダに 「郵便番号一覧 *.CSV」 が存在しません。　") + QStringLiteral("\r\r") +
    QStringLiteral("各種設定画面 「*.CSV 保存先」 タブから、ファイルを設定して下さい。  ");

// A table that exists but cannot be read (no permission, read error) must not pass for loaded.
inline const QString kPostalUnreadableText =
    QStringLiteral("指定されたフォルダの 「郵便番号一覧 *.CSV」 を読み込めません。　") + QStringLiteral("\r\r") +
    QStringLiteral("各種設定画面 「*.CSV 保存先」 タブから、ファイルを設定して下さい。  ");

inline const QString kAddressNotFoundText = QStringLiteral("該当する 「住所」 は存在しません。");
