#include "EditorLoad.h"

#include "EditorTexts.h"

namespace {

template <std::size_t N> QStringList ToList(const std::array<QStringView, N>& items)
{
    QStringList list;
    list.reserve(static_cast<qsizetype>(N));
    for (QStringView item : items) {
        list << item.toString();
    }
    return list;
}

QStringList PaddedRange(int first, int last, int width)
{
    QStringList list;
    for (int i = first; i <= last; ++i) {
        list << QStringLiteral("%1").arg(i, width, 10, QChar(u'0'));
    }
    return list;
}

} // namespace

QStringList TelKindItems()
{
    return ToList(EditorTexts::kTelKinds);
}

QStringList MailKindItems()
{
    return ToList(EditorTexts::kMailKinds);
}

QStringList AddressKindItems()
{
    return ToList(EditorTexts::kAddressKinds);
}

QStringList BirthYearItems()
{
    return PaddedRange(EditorTexts::kFirstBirthYear, EditorTexts::kLastBirthYear, 4);
}

QStringList BirthMonthItems()
{
    return PaddedRange(1, 12, 2);
}

QStringList BirthDayItems()
{
    return PaddedRange(1, 31, 2);
}

QStringList BloodTypeItems()
{
    return ToList(EditorTexts::kBloodTypes);
}

QStringList ConstellationItems()
{
    return ToList(EditorTexts::kConstellations);
}

QStringList ComboItems(const EditorFields& fields, int comboIndex)
{
    if (comboIndex == kComboGroup) {
        return fields.GroupList;
    }
    if (comboIndex >= kComboTelKind1 && comboIndex <= kComboTelKind5) {
        return TelKindItems();
    }
    if (comboIndex >= kComboMailKind1 && comboIndex <= kComboMailKind5) {
        return MailKindItems();
    }
    switch (comboIndex) {
    case kComboAddressKind:
        return AddressKindItems();
    case kComboBirthYear:
        return BirthYearItems();
    case kComboBirthMonth:
        return BirthMonthItems();
    case kComboBirthDay:
        return BirthDayItems();
    case kComboBloodType:
        return BloodTypeItems();
    case kComboConstellation:
        return ConstellationItems();
    default:
        return {};
    }
}

QStringList GroupListItems(const MemoryDial& dial)
{
    bool ok = false;
    const int count = std::clamp(dial.GroupCount.trimmed().toInt(&ok), 0, kGroupTableSize);
    QStringList items;
    if (!ok) {
        return items;
    }
    for (int group = 0; group < count; ++group) {
        items << QStringLiteral("%1 %2").arg(group, 2, 10, QChar(u'0')).arg(dial.GroupNames.value(group));
    }
    return items;
}

EditorLoadState LoadEditor(MemoryDial& dial, EditorFields& fields, const QString& proposedNumber)
{
    fields = EditorFields();
    EditorLoadState state;
    if (dial.EditMode == u"1") {
        dial.GroupNames.resize(kGroupTableSize);
        dial.GroupNames[0] = EditorTexts::kFirstGroupName.toString();
        dial.GroupCount = QStringLiteral("1");
        fields.GroupList = GroupListItems(dial);
        fields.Combo(kComboGroup) = fields.GroupList.value(0);
        fields.Text(kTextNumber) = EditorTexts::kFirstEntryNumber.toString();
        return state;
    }
    fields.GroupList = GroupListItems(dial);
    fields.Combo(kComboGroup) = fields.GroupList.value(0);
    if (dial.EditMode == u"2") {
        state.rowMissing = !ShowEntry(fields, dial, dial.SelectedRow);
        return state;
    }
    state.tellCreatedOnActivate = true;
    if (dial.CopyEntry == u"1") {
        state.rowMissing = !ShowEntry(fields, dial, dial.SelectedRow);
    }
    if (!proposedNumber.isEmpty()) {
        fields.Text(kTextNumber) = proposedNumber;
    }
    return state;
}
