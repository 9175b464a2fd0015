#pragma once

#include <QString>
#include <QStringView>

// Translation between the kind words the list shows and the vCard type codes of the file.
// Reading direction: the key is the first three characters of a type text; on a match the
// code and the word are set, otherwise both are left exactly as they were. Writing
// direction: word in, code out, empty when the word is not in the table. All comparisons
// are exact and case-sensitive.
[[nodiscard]] bool Tel_Kind(QStringView key, QString& code, QString& word);
[[nodiscard]] QString Tel_Kind2(const QString& word);
[[nodiscard]] bool E_mail_Kind(QStringView key, QString& code, QString& word);
[[nodiscard]] QString E_mail_Kind2(const QString& word);
[[nodiscard]] bool Jusho_Kind(QStringView key, QString& code, QString& word);
[[nodiscard]] QString Jusho_Kind2(const QString& word);

// Constellations compare the whole code, not a key.
[[nodiscard]] QString Seiza_Kind(const QString& code);
[[nodiscard]] QString Seiza_Kind2(const QString& word);
