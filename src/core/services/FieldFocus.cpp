#include "FieldFocus.h"

#include "editor/EditorFields.h"

bool OpensDomainPicker(bool autoOpen, int textIndex, QStringView text, FieldChange change)
{
    return autoOpen && change == FieldChange::Typed && textIndex >= kTextMail1 && textIndex <= kTextMail5 &&
           text.endsWith(u'@');
}
