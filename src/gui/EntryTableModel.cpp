#include "EntryTableModel.h"

EntryTableModel::EntryTableModel(MemoryDial& dial, QObject* parent) : QAbstractTableModel(parent), m_dial(dial) {}

bool EntryTableModel::IsCell(const QModelIndex& index) const
{
    return index.isValid() && index.model() == this && index.row() < m_dial.RowCount() &&
           index.column() < kEntryColumnCount;
}

void EntryTableModel::SetCentred(bool centred)
{
    m_centred = centred;
    if (rowCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, kEntryColumnCount - 1), {Qt::TextAlignmentRole});
    }
    emit headerDataChanged(Qt::Horizontal, 0, kEntryColumnCount - 1);
}

void EntryTableModel::Reload()
{
    beginResetModel();
    endResetModel();
}

int EntryTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_dial.RowCount();
}

int EntryTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kEntryColumnCount;
}

QVariant EntryTableModel::Alignment(int column) const
{
    const Qt::Alignment horizontal = (m_centred && column > kColItem) ? Qt::AlignHCenter : Qt::AlignLeft;
    return QVariant::fromValue(horizontal | Qt::AlignVCenter);
}

QVariant EntryTableModel::data(const QModelIndex& index, int role) const
{
    if (!IsCell(index)) {
        return {};
    }
    const Entry& entry = m_dial.rows[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        return index.column() == kColItem ? QVariant() : QVariant(entry[index.column()]);
    case Qt::CheckStateRole:
        return index.column() == kColItem ? QVariant(entry.checked ? Qt::Checked : Qt::Unchecked) : QVariant();
    case Qt::TextAlignmentRole:
        return Alignment(index.column());
    default:
        return {};
    }
}

bool EntryTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!IsCell(index) || index.column() != kColItem || role != Qt::CheckStateRole) {
        return false;
    }
    m_dial.rows[index.row()].checked = value.value<Qt::CheckState>() == Qt::Checked;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags EntryTableModel::flags(const QModelIndex& index) const
{
    if (!IsCell(index)) {
        return Qt::NoItemFlags;
    }
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (index.column() == kColItem) {
        flags |= Qt::ItemIsUserCheckable;
    }
    return flags;
}

QVariant EntryTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= kEntryColumnCount) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (role) {
    case Qt::DisplayRole:
        return EntryColumnCaption(section);
    case Qt::TextAlignmentRole:
        return Alignment(section);
    default:
        return {};
    }
}
