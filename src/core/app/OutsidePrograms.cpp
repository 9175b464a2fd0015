#include "OutsidePrograms.h"

#include "app/OutsideAddresses.h"
#include "app/ShellTexts.h"
#include "editor/EditorFields.h"

#include <QRegularExpression>
#include <QUrl>

#include <algorithm>

namespace {

// Longer texts are no address a user typed or a phone exported.
constexpr qsizetype kMaxBrowserAddress = 2048;
constexpr qsizetype kMaxMailAddress = 254;
constexpr qsizetype kMaxPosition = 32;

bool IsSign(QChar c)
{
    return c == u'+' || c == u'-';
}

qsizetype FirstSign(const QString& text, qsizetype from)
{
    for (qsizetype i = from; i < text.size(); ++i) {
        if (IsSign(text[i])) {
            return i;
        }
    }
    return -1;
}

bool IsPosition(QStringView text)
{
    if (text.isEmpty() || text.size() > kMaxPosition) {
        return false;
    }
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c == u'.' || (c >= u'0' && c <= u'9'); });
}

bool HasBlankOrControl(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        return c.isSpace() || c.category() == QChar::Other_Control || c.category() == QChar::Other_Format;
    });
}

// Where an address starts with a scheme ("javascript:", "http:") rather than a host name
// with a port ("www.example.jp:8080"): the scheme, lower case.
std::optional<QString> SchemeOf(const QString& text)
{
    static const QRegularExpression scheme(QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]*):"));
    const QRegularExpressionMatch match = scheme.match(text);
    if (!match.hasMatch() || match.captured(1).contains(u'.')) {
        return std::nullopt;
    }
    return match.captured(1).toLower();
}

} // namespace

std::optional<QString> GpsMapAddress(const QString& gps)
{
    const qsizetype latitudeSign = FirstSign(gps, 0);
    if (latitudeSign < 0) {
        return std::nullopt;
    }
    const qsizetype latitudeEnd = gps.indexOf(u'&', latitudeSign + 1);
    if (latitudeEnd < 0) {
        return std::nullopt;
    }
    const qsizetype longitudeSign = FirstSign(gps, latitudeEnd + 1);
    if (longitudeSign < 0) {
        return std::nullopt;
    }
    const qsizetype longitudeEnd = gps.indexOf(u'&', longitudeSign + 1);
    if (longitudeEnd < 0) {
        return std::nullopt;
    }
    const QString latitude = gps.mid(latitudeSign + 1, latitudeEnd - latitudeSign - 1);
    const QString longitude = gps.mid(longitudeSign + 1, longitudeEnd - longitudeSign - 1);
    if (!IsPosition(latitude) || !IsPosition(longitude)) {
        return std::nullopt;
    }
    return kMapServiceHost + QStringLiteral("/z.htm?m=") + longitude + (gps[longitudeSign] == u'+' ? u'E' : u'W') +
           latitude + (gps[latitudeSign] == u'+' ? u'N' : u'S') + QStringLiteral("&l=9");
}

std::optional<QString> BrowserAddress(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.size() > kMaxBrowserAddress || HasBlankOrControl(trimmed)) {
        return std::nullopt;
    }
    const std::optional<QString> scheme = SchemeOf(trimmed);
    if (scheme && *scheme != u"http" && *scheme != u"https") {
        return std::nullopt;
    }
    const QUrl url(scheme ? trimmed : QStringLiteral("http://") + trimmed, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty() || !url.userInfo().isEmpty()) {
        return std::nullopt;
    }
    // Without a scheme only something that looks like a host name is taken: a bare word is
    // more likely a note than a web page.
    if (!scheme && !url.host().contains(u'.')) {
        return std::nullopt;
    }
    return url.toString(QUrl::FullyEncoded);
}

std::optional<QString> MailAddress(const QString& text)
{
    static const QRegularExpression plain(QRegularExpression::anchoredPattern(
        QStringLiteral("[A-Za-z0-9._+-]+@[A-Za-z0-9](?:[A-Za-z0-9-]*[A-Za-z0-9])?(?:\\.[A-Za-z0-9](?:[A-Za-z0-9-]*["
                       "A-Za-z0-9])?)+")));
    const QString address = text.trimmed();
    if (address.size() > kMaxMailAddress || !plain.match(address).hasMatch()) {
        return std::nullopt;
    }
    return address;
}

void OpenInBrowser(const QString& address, Interaction& interaction)
{
    const std::optional<QString> url = BrowserAddress(address);
    if (!url) {
        interaction.Tell(kRefusedWebText, kRefusedWebTitle, MessageIcon::Warning);
    } else if (!interaction.OpenUrl(*url)) {
        interaction.Tell(kNoBrowserText, kNoBrowserTitle, MessageIcon::Warning);
    }
}

void MailTo(const QString& address, Interaction& interaction)
{
    const std::optional<QString> mail = MailAddress(address);
    if (!mail) {
        interaction.Tell(kRefusedMailText, kRefusedMailTitle, MessageIcon::Warning);
    } else if (!interaction.OpenUrl(QStringLiteral("mailto:") + *mail)) {
        interaction.Tell(kNoMailText, kNoMailTitle, MessageIcon::Warning);
    }
}

void mnuOptWebView_Click(const EditorFields& fields, Interaction& interaction)
{
    if (!fields.Text(kTextUrl).isEmpty()) {
        OpenInBrowser(fields.Text(kTextUrl), interaction);
    }
}

void mnuOptGPS_Info_Click(const EditorFields& fields, Interaction& interaction)
{
    const QString& gps = fields.Text(kTextGps);
    if (const std::optional<QString> address = GpsMapAddress(gps)) {
        OpenInBrowser(*address, interaction);
    } else if (!gps.isEmpty()) {
        interaction.Tell(kRefusedGpsText, kRefusedGpsTitle, MessageIcon::Warning);
    }
}

void mnuOptE_Mail_Click(const EditorFields& fields, Interaction& interaction)
{
    const int index = fields.LastFocusIndex;
    if (index >= kTextMail1 && index <= kTextMail5 && !fields.Text(index).isEmpty()) {
        MailTo(fields.Text(index), interaction);
    }
}
