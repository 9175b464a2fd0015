#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

// Conversion between text and code page 932 (Shift_JIS with the Windows extensions and the
// user-defined area F040-F9FC as private-use characters), the encoding of memory-dial files.
class CodePage
{
public:
    // False when this Qt has no Shift_JIS converter (a build without ICU); nothing that reads
    // or writes a memory dial can work then.
    [[nodiscard]] static bool IsAvailable();

    // The text of `bytes`, or nothing when they hold a byte sequence that is not code page
    // 932, a NUL byte, or end inside a two-byte character.
    [[nodiscard]] static std::optional<QString> Decode(QByteArrayView bytes);

    // The bytes of `text`, or nothing when a character has no code in code page 932.
    [[nodiscard]] static std::optional<QByteArray> Encode(QStringView text);

    // The bytes of `text`, or nothing when a character has no code or its code reads back as
    // another character: Encode() followed by a check that Decode() gives `text` again.
    [[nodiscard]] static std::optional<QByteArray> EncodeExact(QStringView text);

    // True when `text` survives encoding and decoding unchanged.
    [[nodiscard]] static bool CanHold(QStringView text);

    // What `bytes` are as UTF-8 text.
    enum class Utf8Form
    {
        None,    // not valid UTF-8, or plain ASCII (which is both)
        TwoByte, // valid UTF-8 whose multi-byte characters all take two bytes
        Wide,    // valid UTF-8 with a character of three or four bytes, as every kana and kanji
                 // is; or anything behind the UTF-8 byte-order mark
    };
    // A line fold (a line end followed by a blank) may split a character.
    [[nodiscard]] static Utf8Form AsUtf8(QByteArrayView bytes);

    // What the bytes of a memory dial are, decided alike wherever one is read: UTF-8 when they
    // hold a character of three or four bytes as UTF-8 (every kana and kanji), else code page
    // 932 when they decode as such, else UTF-8 when they are UTF-8 of two-byte characters.
    enum class FileCharset
    {
        CodePage932,
        Utf8,
        Neither,
    };
    // With `text` given, it receives the text when the answer is code page 932; without, the
    // bytes are checked a piece at a time and no text of their size is made.
    [[nodiscard]] static FileCharset MemoryDialCharset(QByteArrayView bytes, QString* text = nullptr);
};
