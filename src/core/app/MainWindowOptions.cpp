#include "MainWindowOptions.h"

#include "settings/AppSettings.h"
#include "settings/SettingValues.h"

#include <algorithm>

namespace {

int Twips(const QString& text)
{
    return RoundHalfEven(ParseSettingNumber(text));
}

} // namespace

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

QRect PlaceInside(const QRect& wanted, const QRect& available)
{
    if (available.isEmpty()) {
        return wanted;
    }
    const int width = std::min(wanted.width(), available.width());
    const int height = std::min(wanted.height(), available.height());
    const int left = std::clamp(wanted.x(), available.x(), available.x() + available.width() - width);
    const int top = std::clamp(wanted.y(), available.y(), available.y() + available.height() - height);
    return QRect(left, top, width, height);
}

std::optional<QSize> InsideSizeForOuter(const QSize& outer, const QMargins& frame)
{
    const bool framed =
        !frame.isNull() && frame.left() >= 0 && frame.top() >= 0 && frame.right() >= 0 && frame.bottom() >= 0;
    const QSize inside = outer.shrunkBy(frame);
    if (!framed || inside.width() <= 0 || inside.height() <= 0) {
        return std::nullopt;
    }
    return inside;
}

MainWindowOptions MainWindowOptionsFrom(const AppSettings& settings, const QString& today, const QString& now)
{
    MainWindowOptions options;
    options.hideHeaders = ParseSettingNumber(settings.optMida) != 0;
    options.centreColumns = settings.optRed == u"1";
    options.gridLines = ParseSettingNumber(settings.optGrid) != 0;
    options.sortOnOpen = settings.optSort == u"1";
    options.doubleClickExits = settings.optDEnd[0] == u"1";
    for (std::size_t n = 0; n < options.columnWidths.size(); ++n) {
        options.columnWidths[n] = std::max(0, Twips(settings.lvcWid[n]));
    }
    const TwipsSize size = MainWindowSizeTwips(settings.optSize, settings.fhWidth, settings.fhHeight);
    options.width = size.width;
    options.height = size.height;
    options.centreWindow = settings.optCenter[0] == u"1";
    options.left = Twips(settings.hLeft);
    options.top = Twips(settings.hTop);
    options.textColour = SettingColour(settings.optCol[0]);
    options.backColour = SettingColour(settings.optCol[1]);
    const ListFontSetting font = ListFont(settings);
    options.fontFace = font.name;
    options.fontSize = font.pointSize;
    options.bold = font.bold;
    options.italic = font.italic;
    options.today = today;
    options.now = now;
    return options;
}

void StorePlacement(SettingsStore& store, AppSettings& settings, const MainWindowPlacement& placement)
{
    settings.hTop = QString::number(placement.top);
    settings.hLeft = QString::number(placement.left);
    settings.fhHeight = QString::number(placement.height);
    settings.fhWidth = QString::number(placement.width);
    store.SaveSetting(kSectionPosition, QStringLiteral("H_Top"), settings.hTop);
    store.SaveSetting(kSectionPosition, QStringLiteral("H_Left"), settings.hLeft);
    store.SaveSetting(kSectionPosition, QStringLiteral("FH_Height"), settings.fhHeight);
    store.SaveSetting(kSectionPosition, QStringLiteral("FH_Width"), settings.fhWidth);
    for (int n = 0; n < kEntryColumnCount; ++n) {
        const auto i = static_cast<std::size_t>(n);
        settings.lvcWid[i] = QString::number(placement.columnWidths[i]);
        store.SaveSetting(kSectionConfig, IndexedKey(u"LVCwid", n), settings.lvcWid[i]);
    }
}
