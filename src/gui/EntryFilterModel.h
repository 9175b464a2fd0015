#pragma once

#include <QSortFilterProxyModel>

class MainController;

// The main list as the search box leaves it: the rows `MainController::RowShown` lets through,
// in list order. The view shows this model; commands still address rows of the whole list.
class EntryFilterModel final : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    EntryFilterModel(const MainController& controller, QObject* parent = nullptr);

    // The filter text changed.
    void Refilter();
    // The 1-based row of the whole list behind a shown index; -1 for no row.
    [[nodiscard]] int ListRow(const QModelIndex& index) const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    const MainController& m_controller;
};
