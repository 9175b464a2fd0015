#include "MainWindowOptions.h"

QString SubstituteFontFace(const QString& face)
{
    if (face == QStringLiteral("ＭＳ Ｐゴシック") || face == QStringLiteral("MS PGothic")) {
        return QStringLiteral("IPAPGothic");
    }
    if (face == QStringLiteral("ＭＳ ゴシック") || face == QStringLiteral("MS Gothic")) {
        return QStringLiteral("IPAGothic");
    }
    return face;
}

std::optional<ListExtent> ListExtentForWindow(int windowHeight, int windowWidth)
{
    if (windowHeight - 1815 < 0) {
        return std::nullopt;
    }
    return ListExtent{windowHeight - 1815, windowWidth - 400};
}
