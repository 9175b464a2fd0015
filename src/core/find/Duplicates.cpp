#include "Duplicates.h"

#include "EntryFind.h"

#include <QHash>
#include <QSet>
#include <QStringList>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

// The keys one entry is known by, each tagged with its kind so a number never equals a name.
QStringList DuplicateKeys(const Entry& entry)
{
    QStringList keys;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        if (const QString number = NumberKey(entry[TelNumberCell(slot)]); !number.isEmpty()) {
            keys << u'T' + number;
        }
        if (const QString mail = MailKey(entry[MailAddressCell(slot)]); !mail.isEmpty()) {
            keys << u'M' + mail;
        }
    }
    if (const QString name = FoldedText(entry[kColName]); !name.isEmpty()) {
        keys << u'N' + name + u'\n' + FoldedText(entry[kColReading]);
    }
    return keys;
}

// Union-find over row indexes: the smallest index of a set is its root, so groups come out
// in list order.
class RowSets
{
public:
    explicit RowSets(qsizetype count) : m_parent(static_cast<std::size_t>(count))
    {
        std::iota(m_parent.begin(), m_parent.end(), qsizetype{0});
    }
    qsizetype Root(qsizetype row)
    {
        while (m_parent[static_cast<std::size_t>(row)] != row) {
            const qsizetype up = m_parent[static_cast<std::size_t>(row)];
            m_parent[static_cast<std::size_t>(row)] = m_parent[static_cast<std::size_t>(up)];
            row = up;
        }
        return row;
    }
    void Join(qsizetype a, qsizetype b)
    {
        const qsizetype rootA = Root(a);
        const qsizetype rootB = Root(b);
        m_parent[static_cast<std::size_t>(std::max(rootA, rootB))] = std::min(rootA, rootB);
    }

private:
    std::vector<qsizetype> m_parent;
};

} // namespace

QList<QList<int>> FindDuplicateGroups(const QList<Entry>& rows)
{
    RowSets sets(rows.size());
    QHash<QString, qsizetype> firstWithKey;
    firstWithKey.reserve(rows.size() * 4);
    for (qsizetype row = 0; row < rows.size(); ++row) {
        for (const QString& key : DuplicateKeys(rows[row])) {
            const auto found = firstWithKey.constFind(key);
            if (found == firstWithKey.cend()) {
                firstWithKey.insert(key, row);
            } else {
                sets.Join(*found, row);
            }
        }
    }
    QHash<qsizetype, qsizetype> groupOfRoot;
    QList<QList<int>> groups;
    for (qsizetype row = 0; row < rows.size(); ++row) {
        const qsizetype root = sets.Root(row);
        if (root == row) {
            continue;
        }
        auto group = groupOfRoot.constFind(root);
        if (group == groupOfRoot.cend()) {
            group = groupOfRoot.insert(root, groups.size());
            groups.append(QList<int>{static_cast<int>(root) + 1});
        }
        groups[*group].append(static_cast<int>(row) + 1);
    }
    return groups;
}

int CountLookAlikes(const QList<Entry>& rows, int firstNew)
{
    const qsizetype split = std::clamp<qsizetype>(firstNew - 1, 0, rows.size());
    QSet<QString> known;
    for (qsizetype row = 0; row < split; ++row) {
        for (const QString& key : DuplicateKeys(rows[row])) {
            known.insert(key);
        }
    }
    int count = 0;
    for (qsizetype row = split; row < rows.size(); ++row) {
        const QStringList keys = DuplicateKeys(rows[row]);
        if (std::any_of(keys.cbegin(), keys.cend(), [&known](const QString& key) { return known.contains(key); })) {
            ++count;
        }
    }
    return count;
}
