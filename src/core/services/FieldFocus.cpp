#include "FieldFocus.h"

FieldMenus TextFocusEntered(EditorFields& fields, int textIndex)
{
    fields.LastFocusIndex = textIndex;
    const bool mail = textIndex >= kTextMail1 && textIndex <= kTextMail5;
    return FieldMenus{textIndex >= kTextTel1 && textIndex <= kTextTel5, mail, mail};
}

bool OpensDomainPicker(bool autoOpen, int textIndex, QStringView text, FieldChange change)
{
    return autoOpen && change == FieldChange::Typed && textIndex >= kTextMail1 && textIndex <= kTextMail5 &&
           text.endsWith(u'@');
}
