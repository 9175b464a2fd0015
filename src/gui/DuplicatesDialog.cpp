#include "DuplicatesDialog.h"

#include "DialogButtons.h"
#include "Interaction.h"
#include "MergeDialog.h"
#include "ModalRun.h"
#include "app/MainController.h"
#include "find/FindTexts.h"
#include "services/ServiceTexts.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kRowRole = Qt::UserRole;
constexpr std::array<int, 5> kShownCells{kColNumber, kColName, kColReading, kColTel1, kColMail1};

} // namespace

DuplicatesDialog::DuplicatesDialog(MainController& controller, Interaction& interaction, QWidget* parent)
    : QDialog(parent), m_controller(controller), m_interaction(interaction)
{
    setObjectName(QStringLiteral("DuplicatesDialog"));
    setWindowTitle(FindTexts::kDuplicatesTitle);
    InheritParentFont(*this);
    auto* layout = new QVBoxLayout(this);
    auto* hint = new QLabel(FindTexts::kDuplicatesHint, this);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    m_groups = new QTreeWidget(this);
    m_groups->setObjectName(QStringLiteral("Groups"));
    QStringList headers;
    for (const int cell : kShownCells) {
        headers << EntryColumnCaption(cell);
    }
    m_groups->setHeaderLabels(headers);
    m_groups->setRootIsDecorated(false);
    m_groups->setMinimumSize(640, 320);
    layout->addWidget(m_groups);

    auto* buttons = new QDialogButtonBox(this);
    m_merge = buttons->addButton(FindTexts::kMergeButton, QDialogButtonBox::ActionRole);
    m_merge->setObjectName(QStringLiteral("Merge"));
    QPushButton* close = buttons->addButton(FindTexts::kCloseButton, QDialogButtonBox::RejectRole);
    QPushButton* help = buttons->addButton(ServiceTexts::kHelp.toString(), QDialogButtonBox::HelpRole);
    layout->addWidget(buttons);
    connect(m_merge, &QPushButton::clicked, this, &DuplicatesDialog::Merge);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { m_interaction.ShowHelp(FindTexts::kHelpTopic); });
    connect(m_groups, &QTreeWidget::itemChanged, this, [this] { m_merge->setEnabled(TickedPair().first > 0); });
    Refresh();
}

void DuplicatesDialog::Refresh()
{
    const QSignalBlocker quiet(m_groups);
    m_groups->clear();
    const QList<QList<int>> groups = m_controller.DuplicateGroups();
    const MemoryDial& dial = m_controller.Dial();
    for (qsizetype g = 0; g < groups.size(); ++g) {
        auto* group = new QTreeWidgetItem(m_groups, {FindTexts::GroupCaption(int(g) + 1, int(groups[g].size()))});
        group->setFirstColumnSpanned(true);
        group->setFlags(Qt::ItemIsEnabled);
        for (const int row : groups[g]) {
            QStringList texts;
            for (const int cell : kShownCells) {
                texts << dial.Cell(row, cell);
            }
            auto* item = new QTreeWidgetItem(group, texts);
            item->setData(0, kRowRole, row);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            item->setCheckState(0, Qt::Unchecked);
        }
    }
    m_groups->expandAll();
    if (groups.isEmpty()) {
        new QTreeWidgetItem(m_groups, {FindTexts::kNoDuplicates});
        m_groups->topLevelItem(0)->setFirstColumnSpanned(true);
    }
    m_groups->header()->resizeSections(QHeaderView::ResizeToContents);
    m_merge->setEnabled(false);
}

std::pair<int, int> DuplicatesDialog::TickedPair() const
{
    QList<const QTreeWidgetItem*> ticked;
    for (int g = 0; g < m_groups->topLevelItemCount(); ++g) {
        const QTreeWidgetItem* group = m_groups->topLevelItem(g);
        for (int i = 0; i < group->childCount(); ++i) {
            if (group->child(i)->checkState(0) == Qt::Checked) {
                ticked << group->child(i);
            }
        }
    }
    if (ticked.size() != 2 || ticked[0]->parent() != ticked[1]->parent()) {
        return {0, 0};
    }
    return {ticked[0]->data(0, kRowRole).toInt(), ticked[1]->data(0, kRowRole).toInt()};
}

void DuplicatesDialog::Merge()
{
    const auto [upper, lower] = TickedPair();
    if (upper < 1) {
        return;
    }
    const MemoryDial& dial = m_controller.Dial();
    MergeDialog merge(dial.rows[upper - 1], dial.rows[lower - 1], m_interaction, this);
    if (RunModal(merge) != QDialog::Accepted) {
        return;
    }
    static_cast<void>(m_controller.MergeRows(upper, lower, merge.Picks()));
    Refresh();
}
