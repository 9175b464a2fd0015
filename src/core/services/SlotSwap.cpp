#include "SlotSwap.h"

#include "services/ServiceTexts.h"

using namespace ServiceTexts;

namespace {

bool IsTel(int index)
{
    return index >= kTextTel1 && index <= kTextTel5;
}

bool IsMail(int index)
{
    return index >= kTextMail1 && index <= kTextMail5;
}

// A slot's kind box has the text field's index minus 2.
int KindCombo(int textIndex)
{
    return textIndex - 2;
}

} // namespace

bool IsSlotDrop(int source, int target)
{
    return source != target && ((IsTel(source) && IsTel(target)) || (IsMail(source) && IsMail(target)));
}

bool SwapSlots(EditorFields& fields, int source, int target, const QString& sourceText, Interaction& interaction)
{
    if (!IsSlotDrop(source, target)) {
        return false;
    }
    QString targetText;
    QString targetKind;
    if (!fields.Text(target).isEmpty()) {
        interaction.Tell((IsTel(target) ? kSwapTelText : kSwapMailText).toString(), kSwapTitle.toString(),
                         MessageIcon::Information);
        targetText = fields.Text(target);
        targetKind = fields.Combo(KindCombo(target));
    }
    fields.Text(target) = sourceText;
    fields.Combo(KindCombo(target)) = fields.Combo(KindCombo(source));
    fields.Text(source) = targetText;
    fields.Combo(KindCombo(source)) = targetKind;
    return true;
}
