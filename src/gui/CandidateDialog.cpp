#include "CandidateDialog.h"

#include "DialogButtons.h"
#include "services/CandidateSearch.h"
#include "services/ServiceTexts.h"
#include "settings/Twips.h"

#include <QAbstractListModel>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <algorithm>
#include <numeric>

using namespace ServiceTexts;

// The rows as they are; a row cut by the window's edge shows whole in its tool tip.
class CandidateRows final : public QAbstractListModel
{
public:
    CandidateRows(QStringList rows, QObject* parent) : QAbstractListModel(parent), m_rows(std::move(rows)) {}

    [[nodiscard]] int rowCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
    }
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || index.row() >= m_rows.size() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) {
            return QVariant();
        }
        return m_rows[index.row()];
    }
    [[nodiscard]] const QStringList& Rows() const { return m_rows; }

private:
    QStringList m_rows;
};

namespace {

// Rows that tell apart only by a floor or a building at their end must show whole. With
// uniform item sizes the view measures one row for all, so that row is given the width of the
// widest; measuring every row of a whole prefecture would cost more than the view saves, and
// the rows are almost all full-width characters, so the longest few stand for all.
class WidestRowDelegate final : public QStyledItemDelegate
{
public:
    WidestRowDelegate(const CandidateRows& rows, QObject* parent) : QStyledItemDelegate(parent), m_rows(rows) {}

    [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        const QStringList& rows = m_rows.Rows();
        constexpr qsizetype kMeasured = 16;
        std::vector<int> order(static_cast<std::size_t>(rows.size()));
        std::iota(order.begin(), order.end(), 0);
        const auto longest = order.begin() + std::min<qsizetype>(kMeasured, rows.size());
        std::partial_sort(order.begin(), longest, order.end(),
                          [&rows](int a, int b) { return rows[a].size() > rows[b].size(); });
        for (auto it = order.begin(); it != longest; ++it) {
            size.setWidth(std::max(size.width(), QStyledItemDelegate::sizeHint(option, m_rows.index(*it)).width()));
        }
        return size;
    }

private:
    const CandidateRows& m_rows;
};

} // namespace

CandidateDialog::CandidateDialog(const QStringList& rows, EditorFields& fields, Interaction& interaction,
                                 TwipsSize size, QWidget* parent)
    : QDialog(parent), m_fields(fields), m_interaction(interaction), m_openedSize(size)
{
    setObjectName(QStringLiteral("YB_KOUHO"));
    setWindowTitle(kCandidateCaption.toString());
    setModal(true);
    InheritParentFont(*this);

    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(kCandidateLabel.toString(), this);
    label->setObjectName(QStringLiteral("Label1_0"));
    layout->addWidget(label);
    m_model = new CandidateRows(rows, this);
    m_list = new QListView(this);
    m_list->setObjectName(QStringLiteral("List1"));
    // A whole prefecture lists thousands of rows: equal row heights let the view skip measuring each.
    m_list->setUniformItemSizes(true);
    m_list->setItemDelegate(new WidestRowDelegate(*m_model, m_list));
    m_list->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setModel(m_model);
    m_list->setMinimumSize(label->sizeHint().width() / 2, 4 * m_list->fontMetrics().height());
    layout->addWidget(m_list, 1);
    connect(m_list, &QListView::doubleClicked, this, &CandidateDialog::Ok);

    const std::array<QPushButton*, 3> buttons = AddDialogButtons(*this, *layout);
    connect(buttons[0], &QPushButton::clicked, this, &CandidateDialog::Ok);
    connect(buttons[1], &QPushButton::clicked, this, &QDialog::reject);
    connect(buttons[2], &QPushButton::clicked, this, [this] { m_interaction.ShowHelp(kCandidateHelpContext); });

    const QSize wanted(TwipsToPixels(size.width, logicalDpiX()), TwipsToPixels(size.height, logicalDpiY()));
    resize(wanted.boundedTo(screen()->availableGeometry().size()).expandedTo(minimumSizeHint()));
}

void CandidateDialog::SelectRow(int row)
{
    m_list->setCurrentIndex(m_model->index(row));
}

void CandidateDialog::Ok()
{
    const QModelIndexList selected = m_list->selectionModel()->selectedIndexes();
    const QString row = selected.isEmpty() ? QString() : selected.first().data().toString();
    if (CandidateOk(selected.isEmpty() ? nullptr : &row, m_fields, m_interaction)) {
        accept();
    }
}

TwipsSize CandidateDialog::SizeToKeep() const
{
    return TwipsSize{TwipsToKeep(m_openedSize.width, width(), logicalDpiX()),
                     TwipsToKeep(m_openedSize.height, height(), logicalDpiY())};
}
