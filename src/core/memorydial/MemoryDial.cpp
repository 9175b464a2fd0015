#include "MemoryDial.h"

MemoryDial::MemoryDial()
{
    EntryNumbers.resize(kGroupTableSize);
    GroupNames.resize(kGroupTableSize);
    Rireki.resize(kRirekiCount);
}

void MemoryDial::Apply(MemoryDialContent content)
{
    rows = std::move(content.rows);
    VcVer = std::move(content.VcVer);
    EntryCount = content.EntryCount;
    GroupNames = std::move(content.GroupNames);
    GroupNames.resize(kGroupTableSize);
    GroupCount = std::move(content.GroupCount);
    foreignProperties = std::move(content.foreignProperties);
    fileStamp = std::move(content.stamp);
    EditMode = QStringLiteral("0");
    MarkSaved();
}

QString MemoryDial::Cell(int row, int column) const
{
    if (row < 1 || row > RowCount() || column < 0 || column >= kEntryColumnCount) {
        return {};
    }
    return rows[row - 1][column];
}

void MemoryDial::RebuildEntryNumbers()
{
    EntryNumbers.fill(QString(), kGroupTableSize);
    const int count = std::min(RowCount(), kGroupTableSize);
    for (int i = 0; i < count; ++i) {
        EntryNumbers[i] = rows[i][kColNumber];
    }
}

QString WindowCaption(const QString& path)
{
    const QString title = QStringLiteral("Morvane for Windows");
    if (path.isEmpty()) {
        return title;
    }
    return title + QStringLiteral(" - [ ") + path + QStringLiteral(" ]");
}
