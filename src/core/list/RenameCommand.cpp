#include "RenameCommand.h"

#include "RenameTexts.h"
#include "files/FileTexts.h"
#include "files/SafeFileMove.h"
#include "list/MemoryDialFiles.h"

#include <QFileInfo>

#include <utility>

RenameCommand::RenameCommand(QString source, Interaction& interaction)
    : m_source(std::move(source)), m_interaction(interaction)
{
}

QString RenameCommand::OldName() const
{
    return QFileInfo(m_source).fileName();
}

RenameCommand::Next RenameCommand::Ok(const QString& newName)
{
    if (newName.isEmpty()) {
        m_interaction.Tell(kRenameNoNameText, kRenameNameTitle, MessageIcon::Information);
        return Next::FocusNewName;
    }
    switch (RenameRegularFile(m_source, RenameTarget(m_source, newName))) {
    case FileMoveResult::Done:
        m_interaction.Tell(kRenamedText, kRenamedTitle, MessageIcon::Information);
        return Next::Close;
    case FileMoveResult::TargetExists:
        m_interaction.Tell(kRenameTargetExistsText, kRenameNameTitle, MessageIcon::Warning);
        return Next::FocusNewName;
    case FileMoveResult::Missing:
        // The file went away while the dialog was open: another name would not bring it back.
        m_interaction.Tell(FileTexts::Missing(m_source), kRenamedTitle, MessageIcon::Error);
        return Next::Close;
    case FileMoveResult::NotRegularFile:
        m_interaction.Tell(FileTexts::NotRegularFile(m_source, kRenameWhat), kRenamedTitle, MessageIcon::Error);
        return Next::Close;
    case FileMoveResult::Failed:
        m_interaction.Tell(kRenameFailedText, kRenamedTitle, MessageIcon::Error);
        return Next::Stay;
    }
    return Next::Stay;
}

void RenameCommand::Help()
{
    m_interaction.ShowHelp(kRenameHelpContext);
}
