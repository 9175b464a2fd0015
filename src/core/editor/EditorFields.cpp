#include "EditorFields.h"

#include <array>

namespace {

const QString kDefaultKind = QStringLiteral("その他");
const QString kPublic = QStringLiteral("PUBLIC");
const QString kPrivate = QStringLiteral("PRIVATE");

// The number/kind pairs in cell order: telephones 1 to 5, then mail addresses 1 to 5.
constexpr int kPairCount = 2 * kSlotCount;

QString GroupName(const QString& groupText, const QStringList& groupNames)
{
    // Only the digits right at the start count: a name that itself begins with a digit
    // ("01 2年生") must not be read as part of the group number.
    const qint64 group = LeadingNumber(groupText);
    if (group < groupNames.size()) {
        const QString& name = groupNames[static_cast<qsizetype>(group)];
        if (!name.isEmpty()) {
            return name;
        }
    }
    return groupText.mid(3);
}

} // namespace

void ShowEntry(EditorFields& fields, const Entry& entry)
{
    fields.Text(kTextNumber) = entry[kColNumber];
    fields.Text(kTextName) = entry[kColName];
    fields.Text(kTextReading) = entry[kColReading];
    fields.Combo(kComboGroup) = entry[kColGroupNumber] + u' ' + entry[kColGroupName];
    fields.Private = entry[kColSecret] != kPublic;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        fields.Text(TelText(slot)) = entry[TelNumberCell(slot)];
        fields.Combo(TelKindCombo(slot)) = entry[TelKindCell(slot)];
    }
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        fields.Text(MailText(slot)) = entry[MailAddressCell(slot)];
        fields.Combo(MailKindCombo(slot)) = entry[MailKindCell(slot)];
    }
    fields.Combo(kComboAddressKind) = entry[kColAddressKind];
    const QString& postal = entry[kColPostalCode];
    fields.Text(kTextPostalFirst) = postal.left(3);
    fields.Text(kTextPostalSecond) = postal.right(4);
    fields.Text(kTextAddress) = entry[kColAddress];
    const QString& birthday = entry[kColBirthday];
    fields.Combo(kComboBirthYear) = birthday.left(4);
    fields.Combo(kComboBirthMonth) = birthday.mid(4, 2);
    fields.Combo(kComboBirthDay) = birthday.right(2);
    fields.Combo(kComboConstellation) = entry[kColConstellation];
    fields.Combo(kComboBloodType) = entry[kColBloodType];
    fields.Text(kTextHobby) = entry[kColHobby];
    fields.Text(kTextMemo) = entry[kColMemo];
    fields.Text(kTextUrl) = entry[kColUrl];
    fields.Text(kTextGps) = entry[kColGps];
    fields.RevisionPanel = entry[kColRevision];
}

bool ShowEntry(EditorFields& fields, const MemoryDial& dial, int row)
{
    if (row < 1 || row > dial.RowCount()) {
        return false;
    }
    ShowEntry(fields, dial.rows[row - 1]);
    return true;
}

void ComposeEntryCells(const EditorFields& fields, const QStringList& groupNames, Entry& entry)
{
    entry[kColNumber] = fields.Text(kTextNumber);
    entry[kColName] = fields.Text(kTextName);
    entry[kColReading] = fields.Text(kTextReading);
    entry[kColSecret] = fields.Private ? kPrivate : kPublic;
    const QString& groupText = fields.Combo(kComboGroup);
    entry[kColGroupNumber] = groupText.left(2);
    entry[kColGroupName] = GroupName(groupText, groupNames);
    for (int pair = 0; pair < kPairCount; ++pair) {
        const QString& number = fields.Text(kTextTel1 + pair);
        entry[kColTel1 + 2 * pair] = number;
        if (!number.isEmpty()) {
            const QString& kind = fields.Combo(kComboTelKind1 + pair);
            entry[kColTelKind1 + 2 * pair] = kind.isEmpty() ? kDefaultKind : kind;
        }
    }
    entry[kColAddressKind] = fields.Combo(kComboAddressKind);
    const QString& postalFirst = fields.Text(kTextPostalFirst);
    entry[kColPostalCode] = postalFirst.isEmpty() ? QString() : postalFirst + u'-' + fields.Text(kTextPostalSecond);
    entry[kColAddress] = fields.Text(kTextAddress);
    entry[kColBirthday] = fields.Combo(kComboBirthYear) + fields.Combo(kComboBirthMonth) + fields.Combo(kComboBirthDay);
    entry[kColBloodType] = fields.Combo(kComboBloodType);
    entry[kColConstellation] = fields.Combo(kComboConstellation);
    entry[kColHobby] = fields.Text(kTextHobby);
    entry[kColMemo] = fields.Text(kTextMemo);
    entry[kColUrl] = fields.Text(kTextUrl);
    entry[kColGps] = fields.Text(kTextGps);
}

void ClearForNewEntry(EditorFields& fields)
{
    for (int i = kTextName; i < kTextCount; ++i) {
        fields.Text(i).clear();
    }
    for (int i = kComboTelKind1; i < kComboCount; ++i) {
        fields.Combo(i).clear();
    }
    fields.Combo(kComboGroup) = fields.GroupList.value(0);
    fields.Private = false;
}

QString EntryNumberText(qint64 number)
{
    // Every number of a memory dial has three digits; an import formats a thousand of them.
    if (number >= 0 && number < 1000) {
        const auto digit = [](qint64 d) { return QChar(static_cast<char16_t>(u'0' + d)); };
        const std::array<QChar, 3> digits = {digit(number / 100), digit(number / 10 % 10), digit(number % 10)};
        return QString(digits.data(), digits.size());
    }
    return QStringLiteral("%1").arg(number, 3, 10, QChar(u'0'));
}
