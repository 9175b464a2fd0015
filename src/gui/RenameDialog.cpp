#include "RenameDialog.h"

#include "list/RenameCommand.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

RenameDialog::RenameDialog(RenameCommand& command, QWidget* parent) : QDialog(parent), m_command(command)
{
    setObjectName(QStringLiteral("RENAME"));
    setWindowTitle(QStringLiteral("ﾒﾓﾘﾀﾞｲﾔﾙ名の変更"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("新しいﾒﾓﾘﾀﾞｲﾔﾙ名を入力して、OKﾎﾞﾀﾝを押して下さい。"), this));
    auto* form = new QFormLayout;
    auto* oldName = new QLabel(command.OldName(), this);
    oldName->setObjectName(QStringLiteral("Label2"));
    oldName->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(new QLabel(QStringLiteral("元の名前"), this), oldName);
    m_newName = new QLineEdit(this);
    m_newName->setObjectName(QStringLiteral("Text1"));
    m_newName->setMinimumWidth(320);
    form->addRow(new QLabel(QStringLiteral("新しい名前"), this), m_newName);
    layout->addLayout(form);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
    QPushButton* help = buttons->addButton(QStringLiteral("ヘルプ"), QDialogButtonBox::HelpRole);
    ok->setObjectName(QStringLiteral("Command1_0"));
    cancel->setObjectName(QStringLiteral("Command1_1"));
    help->setObjectName(QStringLiteral("Command1_2"));
    ok->setDefault(true);
    layout->addWidget(buttons);
    // The buttons act on their own: OK closes only after a successful rename.
    connect(ok, &QPushButton::clicked, this, &RenameDialog::Ok);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { m_command.Help(); });
    m_newName->setFocus();
}

void RenameDialog::Ok()
{
    switch (m_command.Ok(m_newName->text())) {
    case RenameCommand::Next::Close:
        accept();
        break;
    case RenameCommand::Next::FocusNewName:
        m_newName->setFocus();
        m_newName->selectAll();
        break;
    case RenameCommand::Next::Stay:
        break;
    }
}
