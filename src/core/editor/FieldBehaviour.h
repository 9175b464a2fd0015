#pragma once

#include "EditorFields.h"
#include "Interaction.h"

#include <QList>
#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <optional>

// What the editor's fields do besides holding text: which captions light up with a field,
// what the status bar says about it, which menus it enables, how its clipboard commands and
// the drag of a telephone or mail slot behave. The window only wires events to these rules.
namespace FieldBehaviour {

enum class ControlArray
{
    Text1,
    Combo1,
    Option1,
    Command1,
};

struct Control
{
    ControlArray array;
    int index;
};

enum class LabelArray
{
    Label1,
    Label2,
};

struct Caption
{
    LabelArray array;
    int index;
    friend bool operator==(const Caption&, const Caption&) = default;
};

// The caption of the birthday's three boxes together, beside the year box.
inline constexpr int kBirthdayCaption = 17;
// The caption of the PUBLIC/PRIVATE pair.
inline constexpr int kSecretCaption = 1;
// Its tool tip: the option buttons describe themselves by it in the status bar.
inline constexpr QStringView kSecretCaptionToolTip = u" ｼｰｸﾚｯﾄ ";

// The caption labels that are highlighted with a control. Both postal-code parts light up
// the one caption "郵便番号" in front of them.
[[nodiscard]] QList<Caption> CaptionsOf(Control control);

// The description status-bar panel 1 shows (text and tool tip) while the control has the
// focus; empty for an index that is no control.
[[nodiscard]] QString StatusText(Control control);

// Colours as the window system takes them: 0x00BBGGRR.
struct FocusColours
{
    quint32 fieldBackground;
    quint32 fieldText;
    quint32 captionBackground;
    quint32 captionText;
};
[[nodiscard]] FocusColours ColoursFor(bool focused);

// The menus a text box enables while it is the last focused one; the others are disabled.
struct FieldMenus
{
    bool prefix = false; // mnuEditPrefix
    bool domain = false; // mnuEditDomain
    bool eMail = false;  // mnuOptE_Mail
    friend bool operator==(const FieldMenus&, const FieldMenus&) = default;
};
[[nodiscard]] FieldMenus MenusForText(int textIndex);

[[nodiscard]] constexpr bool IsTelText(int index)
{
    return index >= kTextTel1 && index <= kTextTel5;
}
[[nodiscard]] constexpr bool IsMailText(int index)
{
    return index >= kTextMail1 && index <= kTextMail5;
}

// A right click in a mail box opens the reduced 編集 menu; in any other box no menu of ours.
[[nodiscard]] constexpr bool ShowsReducedEditMenu(int lastFocusIndex)
{
    return IsMailText(lastFocusIndex);
}

// A drag may only end on another slot of the block it started in: telephone on telephone,
// mail address on mail address.
[[nodiscard]] bool MayDrop(int source, int target);

// Exchanges the telephone or mail slot `source` with `target` together with their kinds
// (Combo1 index = Text1 index - 2). `draggedText` is the source's text as it was when the
// drag began. A filled target is announced first; the user cannot refuse. Does nothing
// unless MayDrop(source, target).
void SwapSlots(EditorFields& fields, int source, int target, const QString& draggedText, Interaction& interaction);

enum class ClipboardCommand
{
    Cut,
    Copy,
    Paste,
};

// The effect of a clipboard command on a text box with a selection: what goes on the
// clipboard, and what replaces the selection.
struct ClipboardEdit
{
    std::optional<QString> toClipboard;
    std::optional<QString> replacement;
};

// Cut and copy put the selection on the clipboard, an empty one as well. Cut and paste never
// change a read-only box (cut then only copies). A box holds one line: line breaks in pasted
// text become blanks, and those at its end are dropped.
[[nodiscard]] ClipboardEdit ApplyClipboardCommand(ClipboardCommand command, const QString& selected,
                                                  const QString& clipboard, bool readOnly);

// The two postal-code boxes after the first one was typed or pasted into: once it holds more
// than its 3 characters, a whole code ("1000001", "100-0001", "〒１００－０００１") fills both, the
// first 3 digits and the next 4, with the mark, hyphens and blanks left out and full-width
// digits made half-width. `second` is empty when nothing is left over for the second box.
struct PostalParts
{
    QString first;
    QString second;
    friend bool operator==(const PostalParts&, const PostalParts&) = default;
};
[[nodiscard]] std::optional<PostalParts> SplitPostalInput(QStringView firstBox);

// How the input method serves a text box. Where it is disabled the box takes plain
// characters only (numbers, codes, addresses of the net).
enum class InputMode
{
    Hiragana,
    HalfWidthKatakana,
    Disabled,
};
[[nodiscard]] InputMode InputModeFor(int textIndex);
// The input hints of a box whose input method is disabled; none for the others.
[[nodiscard]] Qt::InputMethodHints InputHintsFor(int textIndex);

} // namespace FieldBehaviour
