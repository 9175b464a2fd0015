#pragma once

#include <QString>

// Chooser title, messages and help topic of renaming a memory-dial file.

inline const QString kRenameChooserTitle = QStringLiteral("名前を変更するﾒﾓﾘﾀﾞｲﾔﾙを選択");
inline const QString kRenameNoNameText = QStringLiteral("新しい名前が入力されていません。　");
inline const QString kRenameNameTitle = QStringLiteral("ﾒﾓﾘﾀﾞｲﾔﾙ名入力確認");
inline const QString kRenameTargetExistsText =
    QStringLiteral("同じ名前のファイルが既に存在します。　別の名前を入力して下さい。　");
inline const QString kRenamedText = QStringLiteral("ﾒﾓﾘﾀﾞｲﾔﾙ名を変更しました。　");
inline const QString kRenamedTitle = QStringLiteral("変更確認");
inline const QString kRenameFailedText =
    QStringLiteral("ﾒﾓﾘﾀﾞｲﾔﾙ名を変更できませんでした。　名前を確認して、もう一度ＯＫﾎﾞﾀﾝを押して下さい。　");
// Completes "「path」は通常のファイルではないため、…できません。　".
inline const QString kRenameWhat = QStringLiteral("名前を変更");
inline constexpr int kRenameHelpContext = 63;
