#pragma once

// When the editor, preparing a new entry in a memory dial that has entries (mode "0"), tells
// the number of that entry again: each time it becomes the active window after being shown
// or after one of the program's own windows opened over it (settings, About, calendar,
// pickers) closed. A message box closing does not count, or the creation message's own box
// would bring the message back for ever.
class CreationNotice
{
public:
    // `active`: the editor was loaded in mode "0".
    explicit CreationNotice(bool active) : m_active(active), m_due(active) {}

    // One of the program's own windows over the editor has closed.
    void OwnWindowClosed() { m_due = m_active; }

    // The editor became the active window: true when the message is to be shown now. It is
    // shown once per showing or own window.
    [[nodiscard]] bool TakeDue()
    {
        const bool due = m_due;
        m_due = false;
        return due;
    }

private:
    bool m_active = false;
    bool m_due = false;
};
