#include "DialogButtons.h"

#include "services/ServiceTexts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

std::array<QPushButton*, 3> AddDialogButtons(QDialog& dialog, QVBoxLayout& layout)
{
    auto* box = new QDialogButtonBox(&dialog);
    std::array<QPushButton*, 3> buttons = {
        box->addButton(ServiceTexts::kOk.toString(), QDialogButtonBox::AcceptRole),
        box->addButton(ServiceTexts::kCancel.toString(), QDialogButtonBox::RejectRole),
        box->addButton(ServiceTexts::kHelp.toString(), QDialogButtonBox::HelpRole),
    };
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        buttons[i]->setObjectName(QStringLiteral("Command1_%1").arg(i));
        buttons[i]->setAutoDefault(false);
    }
    buttons[0]->setDefault(true);
    layout.addWidget(box);
    return buttons;
}

void InheritParentFont(QDialog& dialog)
{
    if (const QWidget* parent = dialog.parentWidget()) {
        dialog.setFont(parent->font());
    }
}
