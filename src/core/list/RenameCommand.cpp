#include "RenameCommand.h"

#include "RenameTexts.h"
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
    switch (RenameMemoryDialFile(m_source, RenameTarget(m_source, newName))) {
    case RenameOutcome::Renamed:
        m_interaction.Tell(kRenamedText, kRenamedTitle, MessageIcon::Information);
        return Next::Close;
    case RenameOutcome::TargetExists:
        m_interaction.Tell(kRenameTargetExistsText, kRenameNameTitle, MessageIcon::Warning);
        return Next::FocusNewName;
    case RenameOutcome::Refused:
        m_interaction.Tell(kRenameFailedText, kRenamedTitle, MessageIcon::Error);
        return Next::Stay;
    }
    return Next::Stay;
}

void RenameCommand::Help()
{
    m_interaction.ShowHelp(kRenameHelpContext);
}
