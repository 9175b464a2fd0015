#include "CandidateDialog.h"

#include "DialogButtons.h"
#include "services/CandidateSearch.h"
#include "services/ServiceTexts.h"

#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>

using namespace ServiceTexts;

CandidateDialog::CandidateDialog(const QStringList& rows, EditorFields& fields, Interaction& interaction,
                                 QWidget* parent)
    : QDialog(parent), m_fields(fields), m_interaction(interaction)
{
    setObjectName(QStringLiteral("YB_KOUHO"));
    setWindowTitle(kCandidateCaption.toString());
    setModal(true);
    InheritParentFont(*this);

    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(kCandidateLabel.toString(), this);
    label->setObjectName(QStringLiteral("Label1_0"));
    layout->addWidget(label);
    m_model = new QStringListModel(rows, this);
    m_list = new QListView(this);
    m_list->setObjectName(QStringLiteral("List1"));
    // A whole prefecture lists thousands of rows: equal row heights let the view skip measuring each.
    m_list->setUniformItemSizes(true);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setModel(m_model);
    m_list->setMinimumSize(label->sizeHint().width(), 12 * m_list->fontMetrics().height());
    layout->addWidget(m_list, 1);

    const std::array<QPushButton*, 3> buttons = AddDialogButtons(*this, *layout);
    connect(buttons[0], &QPushButton::clicked, this, &CandidateDialog::Ok);
    connect(buttons[1], &QPushButton::clicked, this, &QDialog::reject);
    connect(buttons[2], &QPushButton::clicked, this, [this] { m_interaction.ShowHelp(kCandidateHelpContext); });
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
