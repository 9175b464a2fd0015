#include "EntryMerge.h"

#include "EntryFind.h"

#include <QSet>

#include <algorithm>

namespace {

MergePart Part(std::initializer_list<int> cells)
{
    return {EntryColumnCaption(*cells.begin()), QList<int>(cells)};
}

bool PartEmpty(const Entry& entry, const MergePart& part)
{
    return std::all_of(part.cells.cbegin(), part.cells.cend(), [&entry](int cell) { return entry[cell].isEmpty(); });
}

bool PartEqual(const Entry& a, const Entry& b, const MergePart& part)
{
    return std::all_of(part.cells.cbegin(), part.cells.cend(), [&](int cell) { return a[cell] == b[cell]; });
}

// Stamps written by this program and by phones are "yyyyMMddTHHmmssZ" or ISO 8601 with
// separators: their digits compare in time order.
QString StampDigits(const QString& stamp)
{
    QString digits;
    for (const QChar c : stamp) {
        if (c.isDigit()) {
            digits += c;
        }
    }
    return digits;
}

struct Slot
{
    QString value;
    QString kind;
};

// The filled united of both entries, newer first, each key once; the first five fit.
QList<Slot> UnitedSlots(const Entry& newer, const Entry& older, int (*valueCell)(int), int (*kindCell)(int),
                        QString (*key)(QStringView))
{
    QList<Slot> united;
    QSet<QString> seen;
    for (const Entry* entry : {&newer, &older}) {
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            const QString& value = (*entry)[valueCell(slot)];
            if (value.isEmpty()) {
                continue;
            }
            // A value without digits ("不明") has no number key; it is then its own key.
            QString k = key(value);
            if (k.isEmpty()) {
                k = value;
            }
            if (!seen.contains(k)) {
                seen.insert(k);
                united.append({value, (*entry)[kindCell(slot)]});
            }
        }
    }
    return united;
}

void FillSlots(Entry& merged, const QList<Slot>& united, int (*valueCell)(int), int (*kindCell)(int))
{
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const bool filled = slot <= united.size();
        merged[valueCell(slot)] = filled ? united[slot - 1].value : QString();
        merged[kindCell(slot)] = filled ? united[slot - 1].kind : QString();
    }
}

void ListLeftOver(QStringList& leftOver, const QList<Slot>& united, const QString& caption)
{
    for (qsizetype i = kSlotCount; i < united.size(); ++i) {
        leftOver << caption + u' ' + QString::number(i + 1) + QStringLiteral(": ") + united[i].value;
    }
}

} // namespace

const QList<MergePart>& MergeParts()
{
    static const QList<MergePart> parts{
        Part({kColName}),
        Part({kColReading}),
        Part({kColSecret}),
        Part({kColGroupName, kColGroupNumber}),
        Part({kColAddress, kColPostalCode, kColAddressKind}),
        Part({kColConstellation}),
        Part({kColBirthday}),
        Part({kColBloodType}),
        Part({kColHobby}),
        Part({kColMemo}),
        Part({kColUrl}),
        Part({kColGps}),
    };
    return parts;
}

MergePlan PlanMerge(const Entry& first, const Entry& second)
{
    MergePlan plan;
    plan.newer =
        StampDigits(second[kColRevision]) > StampDigits(first[kColRevision]) ? MergeSide::Second : MergeSide::First;
    const QList<MergePart>& parts = MergeParts();
    for (int i = 0; i < parts.size(); ++i) {
        const MergePart& part = parts[i];
        if (!PartEmpty(first, part) && !PartEmpty(second, part) && !PartEqual(first, second, part)) {
            plan.conflicts << i;
        }
    }
    const Entry& newer = plan.newer == MergeSide::First ? first : second;
    const Entry& older = plan.newer == MergeSide::First ? second : first;
    ListLeftOver(plan.leftOver, UnitedSlots(newer, older, TelNumberCell, TelKindCell, NumberKey),
                 QStringLiteral("Tel"));
    ListLeftOver(plan.leftOver, UnitedSlots(newer, older, MailAddressCell, MailKindCell, MailKey),
                 QStringLiteral("E-mail"));
    return plan;
}

Entry MergeEntries(const Entry& first, const Entry& second, const QList<MergeSide>& picks, const QString& stamp)
{
    const MergePlan plan = PlanMerge(first, second);
    const Entry& newer = plan.newer == MergeSide::First ? first : second;
    const Entry& older = plan.newer == MergeSide::First ? second : first;
    Entry merged = first;
    merged.checked = false;
    const QList<MergePart>& parts = MergeParts();
    for (int i = 0; i < parts.size(); ++i) {
        const MergePart& part = parts[i];
        const Entry* source = &first;
        if (plan.conflicts.contains(i)) {
            source = i < picks.size() && picks[i] == MergeSide::Second ? &second : &first;
        } else if (PartEmpty(first, part)) {
            source = &second;
        }
        for (const int cell : part.cells) {
            merged[cell] = (*source)[cell];
        }
    }
    FillSlots(merged, UnitedSlots(newer, older, TelNumberCell, TelKindCell, NumberKey), TelNumberCell, TelKindCell);
    FillSlots(merged, UnitedSlots(newer, older, MailAddressCell, MailKindCell, MailKey), MailAddressCell, MailKindCell);
    merged[kColRevision] = stamp;
    return merged;
}

QString MergePartText(const Entry& entry, const MergePart& part)
{
    QStringList texts;
    for (const int cell : part.cells) {
        if (!entry[cell].isEmpty()) {
            texts << entry[cell];
        }
    }
    return texts.join(u' ');
}
