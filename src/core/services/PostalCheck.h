#pragma once

#include "Interaction.h"
#include "editor/EditorFields.h"

#include <QString>

class PostalIndex;

struct YubinCheckResult
{
    bool failed = false;
    // The postal-code part the focus is to go to (the part of the last bad character), or -1.
    int focusIndex = -1;
};

// Checks the two postal-code parts before a look-up, telling every fault: a code shorter than
// 3 + 4 characters, each character that is not an ASCII digit (once per character, as the
// editor's save accepts no other digits), and two empty parts. The checks do not stop each
// other.
[[nodiscard]] YubinCheckResult Yubin_Check(const QString& first, const QString& second, Interaction& interaction);

// Menu "〒 ⇔ 住所(&K)": checks the postal-code parts and, when they pass, writes the address of
// the first record with that code (or the not-found notice) into the address field. Returns the
// field to focus, or -1.
[[nodiscard]] int mnuEditYubin_Jusho_Click(EditorFields& fields, const PostalIndex& index, Interaction& interaction);

enum class PostalButtonAction
{
    None,           // the last text field was neither a postal part nor the address
    LookedUp,       // code to address, as the menu
    OpenCandidates, // the window opens the candidate dialog for the address
};

struct PostalButtonResult
{
    PostalButtonAction action = PostalButtonAction::None;
    int focusIndex = -1;
};

// The button "〒 ⇔ 住所": its direction follows the text field that last had the focus.
[[nodiscard]] PostalButtonResult PostalButton_Click(EditorFields& fields, const PostalIndex& index,
                                                    Interaction& interaction);
