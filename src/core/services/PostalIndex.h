#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

// The national postal-code table (KEN_ALL layout) held in memory: for each record in file
// order the 7-digit code, prefecture, city and town area. File order decides every tie.
class PostalIndex
{
public:
    [[nodiscard]] qsizetype count() const;
    [[nodiscard]] QString code(qsizetype i) const;
    [[nodiscard]] QString prefecture(qsizetype i) const;
    [[nodiscard]] QString city(qsizetype i) const;
    [[nodiscard]] QString town(qsizetype i) const;

    // Index of the first record with exactly this code, or -1.
    [[nodiscard]] qsizetype FindFirst(QStringView code) const;

    void Clear();
    // Replaces the whole table with the records of a Shift_JIS CSV text.
    void LoadFromBytes(const QByteArray& csv);

private:
    // implementation's choice of compact storage
};

inline const QString kPostalMissingTitle = QStringLiteral("ファイル確認");
inline const QString kAddressNotFoundText = QStringLiteral("該当する 「住所」 は存在しません。");

// Loads the table from a file path. Returns the missing-file message when the file does not
// exist (the index is then empty), nothing on success.
[[nodiscard]] std::optional<QString> LoadPostalIndex(PostalIndex& index, const QString& path);

// prefecture + city + town of the first record with this 7-digit code, or the not-found text.
[[nodiscard]] QString ShowAddressForPostalCode(const PostalIndex& index, const QString& code);
