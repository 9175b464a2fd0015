#include "PrefixDialog.h"

#include "DialogButtons.h"
#include "services/PickerTables.h"
#include "services/ServiceTexts.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace ServiceTexts;

PrefixDialog::PrefixDialog(Interaction& interaction, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PREFIXN"));
    setWindowTitle(kPrefixCaption.toString());
    setModal(true);
    InheritParentFont(*this);

    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(kPrefixLabel.toString(), this);
    label->setObjectName(QStringLiteral("Label1"));
    layout->addWidget(label);
    m_prefixes = new QComboBox(this);
    m_prefixes->setObjectName(QStringLiteral("Combo1"));
    m_prefixes->setToolTip(kPrefixToolTip.toString());
    const QStringList prefixes = PrefixTable();
    for (qsizetype i = 0; i < prefixes.size(); ++i) {
        m_prefixes->addItem(prefixes[i], int(i));
    }
    m_prefixes->setCurrentIndex(-1);
    layout->addWidget(m_prefixes, 0, Qt::AlignLeft);

    const std::array<QPushButton*, 3> buttons = AddDialogButtons(*this, *layout);
    connect(buttons[0], &QPushButton::clicked, this, &QDialog::accept);
    connect(buttons[1], &QPushButton::clicked, this, &QDialog::reject);
    connect(buttons[2], &QPushButton::clicked, this, [&interaction] { interaction.ShowHelp(kPrefixHelpContext); });
    m_prefixes->setFocus();
}

QString PrefixDialog::Prefix() const
{
    return m_prefixes->currentText();
}
