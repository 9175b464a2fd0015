#pragma once

#include <QStringView>

// How a text field's content changed.
enum class FieldChange
{
    Typed,  // typing, deleting or pasting
    Filled, // the editor itself: showing an entry, stepping, clearing, a picker's result
};

// DOMAINNM opens by itself when the automatic opening is on and the user has just made a mail
// field end in "@"; never while the editor fills the fields, which would otherwise pop the
// picker up on showing an entry whose address ends in "@".
[[nodiscard]] bool OpensDomainPicker(bool autoOpen, int textIndex, QStringView text, FieldChange change);
