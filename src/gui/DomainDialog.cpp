#include "DomainDialog.h"

#include "DialogButtons.h"
#include "services/PickerTables.h"
#include "services/ServiceTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace ServiceTexts;

namespace {

// Items with their position as item data, nothing chosen.
void FillList(QComboBox& box, const QStringList& items)
{
    box.clear();
    for (qsizetype i = 0; i < items.size(); ++i) {
        box.addItem(items[i], int(i));
    }
    box.setCurrentIndex(-1);
}

} // namespace

DomainDialog::DomainDialog(bool autoOpen, Interaction& interaction, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DOMAINNM"));
    setWindowTitle(kDomainCaption.toString());
    setModal(true);
    InheritParentFont(*this);

    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(kDomainLabel.toString(), this);
    label->setObjectName(QStringLiteral("Label1_0"));
    layout->addWidget(label);

    auto* lists = new QHBoxLayout;
    m_groups = new QComboBox(this);
    m_groups->setObjectName(QStringLiteral("Combo1_0"));
    m_groups->setToolTip(kDomainGroupToolTip.toString());
    m_groups->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    FillList(*m_groups, DomainGroupNames());
    m_domains = new QComboBox(this);
    m_domains->setObjectName(QStringLiteral("Combo1_1"));
    m_domains->setToolTip(kDomainListToolTip.toString());
    m_domains->setMinimumContentsLength(22);
    lists->addWidget(m_groups);
    lists->addWidget(new QLabel(QStringLiteral("@"), this));
    lists->addWidget(m_domains, 1);
    layout->addLayout(lists);

    m_autoOpen = new QCheckBox(kDomainAutoCheck.toString(), this);
    m_autoOpen->setObjectName(QStringLiteral("Check1"));
    m_autoOpen->setToolTip(kDomainAutoToolTip.toString());
    m_autoOpen->setChecked(autoOpen);
    layout->addWidget(m_autoOpen);

    const std::array<QPushButton*, 3> buttons = AddDialogButtons(*this, *layout);
    connect(buttons[0], &QPushButton::clicked, this, &QDialog::accept);
    connect(buttons[1], &QPushButton::clicked, this, &QDialog::reject);
    connect(buttons[2], &QPushButton::clicked, this, [&interaction] { interaction.ShowHelp(kDomainHelpContext); });

    m_groups->installEventFilter(this);
    m_domains->installEventFilter(this);
    m_groups->setFocus();
}

QString DomainDialog::Domain() const
{
    return m_shownDomains.value(m_domains->currentIndex());
}

bool DomainDialog::AutoOpenTicked() const
{
    return m_autoOpen->isChecked();
}

void DomainDialog::FillDomains()
{
    // The list shows ended services marked; what is appended is the domain alone.
    m_shownDomains = DomainsOfGroup(m_groups->currentText());
    FillList(*m_domains, DomainListTexts(m_groups->currentText()));
}

bool DomainDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        // Entering a list counts; the focus coming back from the list's own pop-up or from
        // another window does not, or the domain just picked would be cleared again.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
            FillDomains();
            if (watched == m_domains && m_domains->count() > 0) {
                m_domains->showPopup();
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}
