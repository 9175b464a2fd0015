#include "VCardLines.h"

#include "ExchangeTexts.h"
#include "memorydial/CodePage.h"

#include <QStringDecoder>

#include <optional>

namespace {

constexpr auto kStateless = QStringConverter::Flag::Stateless;

enum class DefaultCharset
{
    Utf8,
    ShiftJis,
};

// CR LF, LF, CR alone and the CR CR LF that some exports write each end one line.
QList<QByteArrayView> PhysicalLines(QByteArrayView bytes)
{
    QList<QByteArrayView> lines;
    qsizetype start = 0;
    qsizetype i = 0;
    const qsizetype n = bytes.size();
    while (i < n) {
        const char c = bytes[i];
        if (c == '\n') {
            lines.append(bytes.sliced(start, i - start));
            start = ++i;
        } else if (c == '\r') {
            const qsizetype end = i;
            while (i < n && bytes[i] == '\r') {
                ++i;
            }
            if (i < n && bytes[i] == '\n') {
                ++i;
            }
            lines.append(bytes.sliced(start, end - start));
            start = i;
        } else {
            ++i;
        }
    }
    if (start < n) {
        lines.append(bytes.sliced(start));
    }
    return lines;
}

bool IsFold(QByteArrayView line)
{
    return !line.isEmpty() && (line.front() == ' ' || line.front() == '\t');
}

// Position of the first `separator` outside double quotes, or -1. An unbalanced quote makes
// the quoted run end at the end of the text.
qsizetype FindUnquoted(QStringView text, char16_t separator, qsizetype from = 0)
{
    bool quoted = false;
    for (qsizetype i = from; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'"') {
            quoted = !quoted;
        } else if (c == separator && !quoted) {
            return i;
        }
    }
    return -1;
}

QList<QStringView> SplitUnquoted(QStringView text, char16_t separator)
{
    QList<QStringView> parts;
    qsizetype start = 0;
    for (qsizetype at = FindUnquoted(text, separator); at >= 0; at = FindUnquoted(text, separator, start)) {
        parts.append(text.sliced(start, at - start));
        start = at + 1;
    }
    parts.append(text.sliced(start));
    return parts;
}

QString Unquoted(QStringView text)
{
    text = text.trimmed();
    if (text.size() >= 2 && text.front() == u'"' && text.back() == u'"') {
        text = text.sliced(1, text.size() - 2);
    }
    return text.toString();
}

bool IsName(QStringView name)
{
    if (name.isEmpty()) {
        return false;
    }
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        const bool ok =
            (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || (u >= u'0' && u <= u'9') || u == u'-' || u == u'_';
        if (!ok) {
            return false;
        }
    }
    return true;
}

bool IsShiftJisName(const QString& charset)
{
    static const QStringList names = {
        QStringLiteral("SHIFT_JIS"), QStringLiteral("SHIFT-JIS"),   QStringLiteral("SJIS"),
        QStringLiteral("CP932"),     QStringLiteral("WINDOWS-31J"), QStringLiteral("MS_KANJI"),
        QStringLiteral("X-SJIS"),    QStringLiteral("MS932"),       QStringLiteral("CSSHIFTJIS")};
    return names.contains(charset.toUpper());
}

bool IsUtf8Name(const QString& charset)
{
    const QString upper = charset.toUpper();
    return upper == u"UTF-8" || upper == u"UTF8";
}

std::optional<QString> DecodeUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8, kStateless);
    QString text = decoder.decode(bytes);
    return decoder.hasError() ? std::nullopt : std::optional<QString>(std::move(text));
}

std::optional<QString> DecodeDefault(QByteArrayView bytes, DefaultCharset charset)
{
    return charset == DefaultCharset::Utf8 ? DecodeUtf8(bytes) : CodePage::Decode(bytes);
}

std::optional<QString> DecodeCharset(QByteArrayView bytes, const QString& charset, DefaultCharset fallback)
{
    if (charset.isEmpty()) {
        return DecodeDefault(bytes, fallback);
    }
    if (IsShiftJisName(charset)) {
        return CodePage::Decode(bytes);
    }
    if (IsUtf8Name(charset)) {
        return DecodeUtf8(bytes);
    }
    QStringDecoder decoder(charset.toLatin1().constData(), kStateless);
    if (!decoder.isValid()) {
        return DecodeDefault(bytes, fallback);
    }
    QString text = decoder.decode(bytes);
    return decoder.hasError() ? std::nullopt : std::optional<QString>(std::move(text));
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

// Soft line breaks are already joined; an '=' that starts no escape stays as written.
QByteArray DecodeQuotedPrintable(QByteArrayView in)
{
    QByteArray out;
    out.reserve(in.size());
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] == '=' && i + 2 < in.size() && HexValue(in[i + 1]) >= 0 && HexValue(in[i + 2]) >= 0) {
            out += static_cast<char>(HexValue(in[i + 1]) * 16 + HexValue(in[i + 2]));
            i += 2;
        } else {
            out += in[i];
        }
    }
    return out;
}

struct Head
{
    VCardProperty property;
    qsizetype valueStart = -1; // byte position of the value in the logical line
    bool valid = false;
};

// Name, group and parameters of a logical line. The part before the value is ASCII in every
// real file; it is read as Latin-1 so that no byte is lost or reinterpreted.
Head ParseHead(QByteArrayView line)
{
    Head head;
    const QString latin = QString::fromLatin1(line);
    qsizetype colon = FindUnquoted(latin, u':');
    if (colon < 0) {
        colon = latin.indexOf(u':');
    }
    const QStringView before = colon < 0 ? QStringView(latin) : QStringView(latin).first(colon);
    head.valueStart = colon < 0 ? line.size() : colon + 1;
    const QList<QStringView> items = SplitUnquoted(before, u';');
    QStringView name = items.front().trimmed();
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot >= 0) {
        head.property.group = name.first(dot).toString();
        name = name.sliced(dot + 1);
    }
    if (!IsName(name)) {
        return head;
    }
    head.property.name = name.toString().toUpper();
    for (qsizetype i = 1; i < items.size(); ++i) {
        const QStringView item = items[i].trimmed();
        if (item.isEmpty()) {
            continue;
        }
        const qsizetype equals = item.indexOf(u'=');
        if (equals < 0) {
            const QString word = Unquoted(item).toUpper();
            if (word == u"QUOTED-PRINTABLE" || word == u"BASE64" || word == u"8BIT" || word == u"7BIT") {
                head.property.parameters.append({QStringLiteral("ENCODING"), word});
            } else {
                head.property.types.append(word);
            }
            continue;
        }
        const QString key = item.first(equals).trimmed().toString().toUpper();
        const QStringView value = item.sliced(equals + 1);
        if (key == u"TYPE") {
            for (const QStringView type : SplitUnquoted(value, u',')) {
                const QString word = Unquoted(type).toUpper();
                if (!word.isEmpty()) {
                    head.property.types.append(word);
                }
            }
        } else {
            if (key == u"PREF") {
                head.property.types.append(QStringLiteral("PREF"));
            }
            head.property.parameters.append({key, Unquoted(value)});
        }
    }
    head.valid = true;
    return head;
}

bool IsQuotedPrintable(const VCardProperty& property)
{
    return property.Parameter(u"ENCODING").compare(u"QUOTED-PRINTABLE", Qt::CaseInsensitive) == 0;
}

bool IsEndLine(QByteArrayView line)
{
    return line.trimmed().compare("END:VCARD", Qt::CaseInsensitive) == 0;
}

struct FileText
{
    QByteArray utf8; // set when the file was converted from UTF-16
    QByteArrayView bytes;
    DefaultCharset charset = DefaultCharset::Utf8;
    bool unicodeFile = false; // every raw value is UTF-8, whatever its CHARSET says
    QString error;
};

FileText PrepareBytes(QByteArrayView bytes)
{
    FileText file;
    std::optional<QStringConverter::Encoding> utf16;
    if (bytes.startsWith("\xFF\xFE")) {
        utf16 = QStringConverter::Utf16LE;
        bytes = bytes.sliced(2);
    } else if (bytes.startsWith("\xFE\xFF")) {
        utf16 = QStringConverter::Utf16BE;
        bytes = bytes.sliced(2);
    } else if (bytes.size() >= 2 && bytes[0] == '\0' && bytes[1] != '\0') {
        utf16 = QStringConverter::Utf16BE;
    } else if (bytes.size() >= 2 && bytes[0] != '\0' && bytes[1] == '\0') {
        utf16 = QStringConverter::Utf16LE;
    }
    if (utf16) {
        QStringDecoder decoder(*utf16, kStateless);
        const QString text = decoder.decode(bytes);
        if (decoder.hasError() || text.contains(QChar(0))) {
            file.error = ExchangeTexts::kBadUtf16.toString();
            return file;
        }
        file.utf8 = text.toUtf8();
        file.bytes = file.utf8;
        file.unicodeFile = true;
        return file;
    }
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        bytes = bytes.sliced(3);
        file.unicodeFile = true;
    }
    if (bytes.contains('\0')) {
        file.error = ExchangeTexts::kBinary;
        return file;
    }
    file.bytes = bytes;
    return file;
}

void DecodeValue(VCardProperty& property, QByteArrayView raw, const FileText& file)
{
    const QString encoding = property.Parameter(u"ENCODING").toUpper();
    if (encoding == u"B" || encoding == u"BASE64") {
        property.binary = true;
        return;
    }
    std::optional<QString> text;
    if (encoding == u"QUOTED-PRINTABLE") {
        const QByteArray decoded = DecodeQuotedPrintable(raw);
        // Without a CHARSET the decoded bytes decide for themselves, as a whole file would.
        const DefaultCharset fallback = decoded.isValidUtf8() ? DefaultCharset::Utf8 : DefaultCharset::ShiftJis;
        text = DecodeCharset(decoded, property.Parameter(u"CHARSET"), fallback);
    } else if (file.unicodeFile) {
        text = DecodeUtf8(raw);
    } else {
        text = DecodeCharset(raw, property.Parameter(u"CHARSET"), file.charset);
    }
    if (text) {
        property.text = std::move(*text);
    } else {
        property.undecodable = true;
    }
}

} // namespace

bool VCardProperty::HasType(QStringView type) const
{
    return types.contains(type);
}

QString VCardProperty::Parameter(QStringView key) const
{
    for (const auto& [k, value] : parameters) {
        if (k == key) {
            return value;
        }
    }
    return {};
}

VCardParseResult ParseVCards(QByteArrayView bytes)
{
    VCardParseResult result;
    FileText file = PrepareBytes(bytes);
    if (!file.error.isEmpty()) {
        result.error = file.error;
        return result;
    }
    // Folds may split a UTF-8 sequence, so the file's charset is judged on unfolded lines.
    const QList<QByteArrayView> lines = PhysicalLines(file.bytes);
    QList<std::pair<QByteArray, Head>> logicalLines;
    bool allUtf8 = true;
    qsizetype i = 0;
    while (i < lines.size()) {
        QByteArray logical = lines[i++].toByteArray();
        while (i < lines.size() && IsFold(lines[i])) {
            logical += lines[i++].sliced(1);
        }
        if (logical.trimmed().isEmpty()) {
            continue;
        }
        Head head = ParseHead(logical);
        if (head.valid && IsQuotedPrintable(head.property)) {
            // A quoted-printable value goes on over lines that end in '=', fold or not.
            while (logical.endsWith('=') && i < lines.size() && !IsEndLine(lines[i])) {
                logical.chop(1);
                logical += lines[i++];
            }
        }
        allUtf8 = allUtf8 && logical.isValidUtf8();
        logicalLines.append({std::move(logical), std::move(head)});
    }
    if (!allUtf8) {
        file.charset = DefaultCharset::ShiftJis;
    }
    std::optional<VCardCard> card;
    auto closeCard = [&] {
        if (card) {
            result.cards.append(std::move(*card));
            card.reset();
        }
    };
    for (auto& [logical, head] : logicalLines) {
        const QByteArrayView raw = QByteArrayView(logical).sliced(head.valueStart);
        if (head.valid && head.property.name == u"BEGIN") {
            if (raw.trimmed().compare("VCARD", Qt::CaseInsensitive) == 0) {
                closeCard();
                card.emplace();
            }
            continue;
        }
        if (head.valid && head.property.name == u"END") {
            if (raw.trimmed().compare("VCARD", Qt::CaseInsensitive) == 0) {
                closeCard();
            }
            continue;
        }
        if (!card) {
            if (!head.valid || head.property.name != u"VERSION") {
                continue;
            }
            card.emplace();
        }
        if (!head.valid) {
            // Kept nameless so that the report can show what was skipped.
            VCardProperty unreadable;
            unreadable.text = DecodeDefault(logical, file.charset).value_or(QString::fromLatin1(logical));
            card->properties.append(std::move(unreadable));
            continue;
        }
        DecodeValue(head.property, raw, file);
        card->properties.append(std::move(head.property));
    }
    closeCard();
    if (result.cards.isEmpty()) {
        result.error = ExchangeTexts::kNoCard;
    }
    return result;
}

QStringList SplitComponents(QStringView text)
{
    QStringList parts;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\') {
            ++i;
        } else if (text[i] == u';') {
            parts.append(UnescapeText(text.sliced(start, i - start)));
            start = i + 1;
        }
    }
    parts.append(UnescapeText(text.sliced(std::min(start, text.size()))));
    return parts;
}

QStringList SplitList(QStringView text)
{
    QStringList parts;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\') {
            ++i;
        } else if (text[i] == u',') {
            parts.append(UnescapeText(text.sliced(start, i - start)));
            start = i + 1;
        }
    }
    parts.append(UnescapeText(text.sliced(std::min(start, text.size()))));
    return parts;
}

QString UnescapeText(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\\' || i + 1 == text.size()) {
            out += c;
            continue;
        }
        const QChar next = text[++i];
        switch (next.unicode()) {
        case u'n':
        case u'N':
            out += u'\n';
            break;
        case u'\\':
        case u';':
        case u',':
        case u':':
            out += next;
            break;
        default:
            out += c;
            out += next;
            break;
        }
    }
    return out;
}

QString EscapeText(QStringView text)
{
    QString out;
    out.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        switch (c.unicode()) {
        case u'\\':
        case u',':
        case u';':
            out += u'\\';
            out += c;
            break;
        case u'\r':
            if (i + 1 < text.size() && text[i + 1] == u'\n') {
                ++i;
            }
            out += QStringLiteral("\\n");
            break;
        case u'\n':
            out += QStringLiteral("\\n");
            break;
        default:
            out += c;
            break;
        }
    }
    return out;
}

QByteArray FoldLine(QStringView line)
{
    constexpr qsizetype kMaxOctets = 75;
    const QByteArray utf8 = line.toUtf8();
    QByteArray out;
    out.reserve(utf8.size() + utf8.size() / (kMaxOctets - 1) * 3 + 2);
    qsizetype pos = 0;
    qsizetype room = kMaxOctets;
    while (utf8.size() - pos > room) {
        qsizetype cut = pos + room;
        // Back off to the start of a UTF-8 sequence so that no character is split.
        while (cut > pos && (static_cast<unsigned char>(utf8[cut]) & 0xC0) == 0x80) {
            --cut;
        }
        out += QByteArrayView(utf8).sliced(pos, cut - pos);
        out += "\r\n ";
        pos = cut;
        room = kMaxOctets - 1; // the leading space counts
    }
    out += QByteArrayView(utf8).sliced(pos);
    out += "\r\n";
    return out;
}
