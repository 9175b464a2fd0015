#include "MergeDialog.h"

#include "DialogButtons.h"
#include "Interaction.h"
#include "find/FindTexts.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QString Shown(const Entry& entry, const MergePart& part)
{
    return entry[kColNumber] + QStringLiteral("：") + MergePartText(entry, part);
}

} // namespace

MergeDialog::MergeDialog(const Entry& first, const Entry& second, Interaction& interaction, QWidget* parent)
    : QDialog(parent), m_plan(PlanMerge(first, second))
{
    setObjectName(QStringLiteral("MergeDialog"));
    setWindowTitle(FindTexts::kMergeTitle);
    InheritParentFont(*this);
    auto* layout = new QVBoxLayout(this);
    auto* hint = new QLabel(m_plan.conflicts.isEmpty() ? FindTexts::kNoConflicts : FindTexts::kMergeHint, this);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    for (const int part : m_plan.conflicts) {
        auto* box = new QGroupBox(MergeParts()[part].caption, this);
        auto* boxLayout = new QVBoxLayout(box);
        auto* group = new QButtonGroup(box);
        for (const Entry* entry : {&first, &second}) {
            auto* choice = new QRadioButton(Shown(*entry, MergeParts()[part]), box);
            group->addButton(choice, entry == &first ? 0 : 1);
            boxLayout->addWidget(choice);
        }
        group->button(m_plan.newer == MergeSide::First ? 0 : 1)->setChecked(true);
        m_groups << group;
        layout->addWidget(box);
    }
    if (!m_plan.leftOver.isEmpty()) {
        auto* lost = new QLabel(FindTexts::kLeftOverText + u'\n' + m_plan.leftOver.join(u'\n'), this);
        lost->setObjectName(QStringLiteral("LeftOver"));
        lost->setWordWrap(true);
        layout->addWidget(lost);
    }
    const auto [ok, cancel, help] = AddDialogButtons(*this, *layout);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [&interaction] { interaction.ShowHelp(FindTexts::kHelpTopic); });
}

QList<MergeSide> MergeDialog::Picks() const
{
    QList<MergeSide> picks(MergeParts().size(), m_plan.newer);
    for (qsizetype i = 0; i < m_plan.conflicts.size(); ++i) {
        picks[m_plan.conflicts[i]] = m_groups[i]->checkedId() == 1 ? MergeSide::Second : MergeSide::First;
    }
    return picks;
}
