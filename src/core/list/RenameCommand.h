#pragma once

#include "Interaction.h"

#include <QString>

// The logic of the RENAME dialog for one chosen file: the dialog shows `OldName()`, lets the
// user type the new name and hands each button to this class.
class RenameCommand
{
public:
    RenameCommand(QString source, Interaction& interaction);

    // The chosen file's name without its folder.
    [[nodiscard]] QString OldName() const;
    [[nodiscard]] const QString& Source() const { return m_source; }

    enum class Next
    {
        Close,        // renamed: the dialog closes
        FocusNewName, // nothing typed: the focus goes back to the name field
        Stay,         // refused: the user can correct the name and retry, or cancel
    };
    // The OK button with the name typed so far.
    [[nodiscard]] Next Ok(const QString& newName);
    // The help button.
    void Help();

private:
    QString m_source;
    Interaction& m_interaction;
};
