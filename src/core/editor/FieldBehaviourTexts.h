#pragma once

#include <QStringView>

// Messages of the field behaviour: text, then title.
namespace FieldBehaviourTexts {

inline constexpr QStringView kSwapTitle = u"入替え先確認";
inline constexpr QStringView kSwapTelText = u"「電話番号」 を入れ替えます。　";
inline constexpr QStringView kSwapMailText = u"「ﾒｰﾙｱﾄﾞﾚｽ」 を入れ替えます。　";

} // namespace FieldBehaviourTexts
