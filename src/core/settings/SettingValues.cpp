#include "SettingValues.h"

#include <QString>

#include <cmath>
#include <limits>

namespace {

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

int HexDigitValue(QChar c)
{
    if (IsDigit(c))
        return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return -1;
}

double ParseHex(QStringView digits)
{
    double value = 0;
    for (const QChar c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0)
            break;
        value = value * 16 + digit;
    }
    return value;
}

} // namespace

double ParseSettingNumber(QStringView text)
{
    qsizetype pos = 0;
    while (pos < text.size() && (text[pos] == u' ' || text[pos] == u'\t'))
        ++pos;
    const QStringView rest = text.mid(pos);
    if (rest.size() >= 2 && rest[0] == u'&' && (rest[1] == u'H' || rest[1] == u'h'))
        return ParseHex(rest.mid(2));

    qsizetype end = 0;
    if (end < rest.size() && (rest[end] == u'-' || rest[end] == u'+'))
        ++end;
    const qsizetype digitsStart = end;
    while (end < rest.size() && IsDigit(rest[end]))
        ++end;
    qsizetype digitCount = end - digitsStart;
    if (end < rest.size() && rest[end] == u'.') {
        qsizetype fractionEnd = end + 1;
        while (fractionEnd < rest.size() && IsDigit(rest[fractionEnd]))
            ++fractionEnd;
        digitCount += fractionEnd - end - 1;
        end = fractionEnd;
    }
    if (digitCount == 0)
        return 0;
    bool ok = false;
    const double value = rest.first(end).toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0;
}

bool IsMainSizeChoice(QStringView optSize)
{
    return optSize.size() == 1 && optSize[0] >= u'0' && optSize[0] <= u'4';
}

TwipsSize MainWindowSizeTwips(QStringView optSize, QStringView fhWidth, QStringView fhHeight)
{
    int index = IsMainSizeChoice(optSize) ? optSize[0].unicode() - u'0' : 1;
    if (index == 4) {
        const TwipsSize own{RoundHalfEven(ParseSettingNumber(fhWidth)), RoundHalfEven(ParseSettingNumber(fhHeight))};
        if (own.width > 0 && own.height > 0)
            return own;
        index = 1;
    }
    return {MainSizeTable::kWidths[static_cast<std::size_t>(index)],
            MainSizeTable::kHeights[static_cast<std::size_t>(index)]};
}

std::uint32_t SettingColour(QStringView text)
{
    const double value = ParseSettingNumber(text);
    if (!(value >= 0) || value >= 4294967296.0)
        return 0;
    return static_cast<std::uint32_t>(value) & 0x00FFFFFFu;
}

RgbComponents ColourComponents(std::uint32_t bgr)
{
    return {static_cast<int>(bgr & 0xFFu), static_cast<int>((bgr >> 8) & 0xFFu), static_cast<int>((bgr >> 16) & 0xFFu)};
}

bool SettingFlagTrue(QStringView text)
{
    return text.compare(u"True", Qt::CaseInsensitive) == 0;
}

int RoundHalfEven(double value)
{
    constexpr double kLimit = std::numeric_limits<int>::max();
    if (!std::isfinite(value))
        return 0;
    if (value >= kLimit)
        return std::numeric_limits<int>::max();
    if (value <= -kLimit)
        return -std::numeric_limits<int>::max();
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0))
        whole += 1;
    return static_cast<int>(whole);
}
