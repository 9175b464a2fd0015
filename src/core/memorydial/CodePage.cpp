#include "CodePage.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

// Stateless: a two-byte character cut off at the end counts as an error instead of being
// kept back for a next chunk that never comes.
constexpr auto kFlags = QStringConverter::Flag::Stateless;

} // namespace

bool CodePage::IsAvailable()
{
    return QStringDecoder("Shift_JIS", kFlags).isValid() && QStringEncoder("Shift_JIS", kFlags).isValid();
}

std::optional<QString> CodePage::Decode(QByteArrayView bytes)
{
    // The decoder passes NUL through silently, and a NUL has no place in a text file.
    if (bytes.contains('\0')) {
        return std::nullopt;
    }
    QStringDecoder decoder("Shift_JIS", kFlags);
    if (!decoder.isValid()) {
        return std::nullopt;
    }
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        return std::nullopt;
    }
    return text;
}

std::optional<QByteArray> CodePage::Encode(QStringView text)
{
    QStringEncoder encoder("Shift_JIS", kFlags);
    if (!encoder.isValid()) {
        return std::nullopt;
    }
    // The error flag is only set once the result has been turned into bytes.
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError()) {
        return std::nullopt;
    }
    return bytes;
}

bool CodePage::CanHold(QStringView text)
{
    const std::optional<QByteArray> bytes = Encode(text);
    if (!bytes) {
        return false;
    }
    // Some characters encode without an error to a code that reads back as another character;
    // such a save would change the data silently.
    const std::optional<QString> back = Decode(*bytes);
    return back && *back == text;
}
