#pragma once

#include "memorydial/MemoryDial.h"

#include <QAbstractTableModel>

// The main list's rows: one row per entry of the open memory dial, one column per cell. The
// first column holds no text (cell 0 is always empty) but the row's check box.
class EntryTableModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit EntryTableModel(MemoryDial& dial, QObject* parent = nullptr);

    // "OptRed": centre the texts of columns 2 to 38.
    void SetCentred(bool centred);
    // The rows changed underneath (read, sort, reorder, delete, editor).
    void Reload();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    [[nodiscard]] bool IsCell(const QModelIndex& index) const;
    [[nodiscard]] QVariant Alignment(int column) const;

    MemoryDial& m_dial;
    bool m_centred = false;
};
