#pragma once

#include "editor/EditorFields.h"

#include <QStringView>

// The edit and option menu items that only make sense for one kind of field.
struct FieldMenus
{
    bool prefix = false; // "ﾌﾟﾚﾌｨｸｽ番号の付加(&F)": telephone fields
    bool domain = false; // "ﾄﾞﾒｲﾝ名の付加(&D)": mail fields
    bool mail = false;   // "ﾒｰﾙ 送信(&M)": mail fields

    friend bool operator==(const FieldMenus&, const FieldMenus&) = default;
};

// A text field received the focus: it becomes LastFocusIndex, and the result says which of the
// menus are enabled from now on. Only text fields come here; the focus on a drop-down box,
// option or button leaves both the index and the menus as they were.
[[nodiscard]] FieldMenus TextFocusEntered(EditorFields& fields, int textIndex);

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
