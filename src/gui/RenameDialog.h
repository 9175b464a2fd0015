#pragma once

#include <QDialog>

class QLineEdit;
class RenameCommand;

// RENAME: asks for the new name of a memory-dial file. The renaming and its messages are in
// `RenameCommand`; the dialog stays open until the file has its new name or the user cancels.
class RenameDialog final : public QDialog
{
    Q_OBJECT

public:
    RenameDialog(RenameCommand& command, QWidget* parent = nullptr);

    [[nodiscard]] QLineEdit& NewName() { return *m_newName; }
    // The OK button (Command1(0)).
    void Ok();

private:
    RenameCommand& m_command;
    QLineEdit* m_newName = nullptr;
};
