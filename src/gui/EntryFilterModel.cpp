#include "EntryFilterModel.h"

#include "app/MainController.h"

EntryFilterModel::EntryFilterModel(const MainController& controller, QObject* parent)
    : QSortFilterProxyModel(parent), m_controller(controller)
{
}

void EntryFilterModel::Refilter()
{
    invalidateFilter();
}

int EntryFilterModel::ListRow(const QModelIndex& index) const
{
    const QModelIndex source = mapToSource(index);
    return source.isValid() ? source.row() + 1 : -1;
}

bool EntryFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    return m_controller.RowShown(sourceRow + 1);
}
