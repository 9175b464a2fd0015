#include "FieldBehaviour.h"

#include "EditorTexts.h"
#include "FieldBehaviourTexts.h"

#include <QRegularExpression>

namespace FieldBehaviour {

namespace {

// A slot's kind box sits two indexes below its text box in the other control array.
constexpr int kKindOffset = 2;

template <std::size_t N> QString At(const std::array<QStringView, N>& table, int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= N) {
        return {};
    }
    return table[static_cast<std::size_t>(index)].toString();
}

} // namespace

QList<Caption> CaptionsOf(Control control)
{
    const int i = control.index;
    switch (control.array) {
    case ControlArray::Text1:
        if (i == kTextPostalFirst || i == kTextPostalSecond) {
            return {{LabelArray::Label1, kTextPostalFirst}};
        }
        if (i >= 0 && i < kTextCount) {
            return {{LabelArray::Label1, i}};
        }
        return {};
    case ControlArray::Combo1:
        if (i >= kComboTelKind1 && i <= kComboMailKind5) {
            return {{LabelArray::Label1, i + kKindOffset}};
        }
        if (i >= kComboBirthYear && i <= kComboBirthDay) {
            return {{LabelArray::Label2, i}, {LabelArray::Label2, kBirthdayCaption}};
        }
        if (i >= 0 && i < kComboCount) {
            return {{LabelArray::Label2, i}};
        }
        return {};
    case ControlArray::Option1:
        return {{LabelArray::Label2, kSecretCaption}};
    case ControlArray::Command1:
        return {};
    }
    return {};
}

QString StatusText(Control control)
{
    switch (control.array) {
    case ControlArray::Text1:
        return At(EditorTexts::kTextToolTips, control.index);
    case ControlArray::Combo1:
        return At(EditorTexts::kComboToolTips, control.index);
    case ControlArray::Option1:
        return control.index >= 0 && control.index < kOptionCount ? kSecretCaptionToolTip.toString() : QString();
    case ControlArray::Command1:
        return At(EditorTexts::kCommandToolTips, control.index);
    }
    return {};
}

FocusColours ColoursFor(bool focused)
{
    if (focused) {
        return {0x404040, 0x00FFFF, 0x404040, 0x00FFFF};
    }
    return {0xFFFFFF, 0x000000, 0x808080, 0xFFFFFF};
}

FieldMenus MenusForText(int textIndex)
{
    FieldMenus menus;
    menus.prefix = IsTelText(textIndex);
    menus.domain = IsMailText(textIndex);
    menus.eMail = IsMailText(textIndex);
    return menus;
}

bool MayDrop(int source, int target)
{
    if (source == target) {
        return false;
    }
    return (IsTelText(source) && IsTelText(target)) || (IsMailText(source) && IsMailText(target));
}

void SwapSlots(EditorFields& fields, int source, int target, const QString& draggedText, Interaction& interaction)
{
    if (!MayDrop(source, target)) {
        return;
    }
    QString targetText;
    QString targetKind;
    if (!fields.Text(target).isEmpty()) {
        using namespace FieldBehaviourTexts;
        interaction.Tell(IsTelText(target) ? kSwapTelText.toString() : kSwapMailText.toString(), kSwapTitle.toString(),
                         MessageIcon::Information);
        targetText = fields.Text(target);
        targetKind = fields.Combo(target - kKindOffset);
    }
    fields.Text(target) = draggedText;
    fields.Combo(target - kKindOffset) = fields.Combo(source - kKindOffset);
    fields.Text(source) = targetText;
    fields.Combo(source - kKindOffset) = targetKind;
}

ClipboardEdit ApplyClipboardCommand(ClipboardCommand command, const QString& selected, const QString& clipboard,
                                    bool readOnly)
{
    ClipboardEdit edit;
    switch (command) {
    case ClipboardCommand::Cut:
        edit.toClipboard = selected;
        if (!readOnly) {
            edit.replacement = QString();
        }
        break;
    case ClipboardCommand::Copy:
        edit.toClipboard = selected;
        break;
    case ClipboardCommand::Paste:
        if (!readOnly) {
            static const QRegularExpression trailingBreaks(QStringLiteral("[\\r\\n]+$"));
            static const QRegularExpression breaks(QStringLiteral("[\\r\\n]+"));
            QString line = clipboard;
            line.remove(trailingBreaks);
            line.replace(breaks, QStringLiteral(" "));
            edit.replacement = line;
        }
        break;
    }
    return edit;
}

InputMode InputModeFor(int textIndex)
{
    switch (textIndex) {
    case kTextName:
    case kTextAddress:
    case kTextHobby:
    case kTextMemo:
        return InputMode::Hiragana;
    case kTextReading:
        return InputMode::HalfWidthKatakana;
    default:
        return InputMode::Disabled;
    }
}

Qt::InputMethodHints InputHintsFor(int textIndex)
{
    if (InputModeFor(textIndex) != InputMode::Disabled) {
        return Qt::ImhNone;
    }
    if (IsTelText(textIndex)) {
        return Qt::ImhDialableCharactersOnly | Qt::ImhNoPredictiveText;
    }
    switch (textIndex) {
    case kTextNumber:
    case kTextPostalFirst:
    case kTextPostalSecond:
        return Qt::ImhDigitsOnly | Qt::ImhNoPredictiveText;
    case kTextUrl:
        return Qt::ImhUrlCharactersOnly | Qt::ImhLatinOnly | Qt::ImhNoAutoUppercase | Qt::ImhNoPredictiveText;
    default:
        if (IsMailText(textIndex)) {
            return Qt::ImhEmailCharactersOnly | Qt::ImhLatinOnly | Qt::ImhNoAutoUppercase | Qt::ImhNoPredictiveText;
        }
        return Qt::ImhLatinOnly | Qt::ImhNoAutoUppercase | Qt::ImhNoPredictiveText;
    }
}

std::optional<PostalParts> SplitPostalInput(QStringView firstBox)
{
    if (firstBox.size() <= EditorTexts::kPostalFirstMaxLength) {
        return std::nullopt;
    }
    static constexpr QStringView kDropped = u"〒-－‐−　 ";
    QString code;
    for (const QChar c : firstBox) {
        if (kDropped.contains(c)) {
            continue;
        }
        code.append(c >= u'０' && c <= u'９' ? QChar(u'0' + (c.unicode() - u'０')) : c);
    }
    return PostalParts{code.left(EditorTexts::kPostalFirstMaxLength),
                       code.mid(EditorTexts::kPostalFirstMaxLength, EditorTexts::kPostalSecondMaxLength)};
}

} // namespace FieldBehaviour
