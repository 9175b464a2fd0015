#pragma once

#include "EditorFields.h"
#include "memorydial/MemoryDial.h"

#include <QString>
#include <QStringList>

// The fixed lists of the drop-down boxes, item 0 first.
[[nodiscard]] QStringList TelKindItems();
[[nodiscard]] QStringList MailKindItems();
[[nodiscard]] QStringList AddressKindItems();
[[nodiscard]] QStringList BirthYearItems();  // "1900" … "2006"
[[nodiscard]] QStringList BirthMonthItems(); // "01" … "12"
[[nodiscard]] QStringList BirthDayItems();   // "01" … "31"
[[nodiscard]] QStringList BloodTypeItems();
[[nodiscard]] QStringList ConstellationItems();
// The list of any Combo1 box by index; for the group box the list the last load built.
[[nodiscard]] QStringList ComboItems(const EditorFields& fields, int comboIndex);

// The group list of a loaded memory dial: for each group number below GroupCount, the
// number ("07", "10"), one blank and its name.
[[nodiscard]] QStringList GroupListItems(const MemoryDial& dial);

// What the window applies after the load, besides the fields themselves.
struct EditorLoadState
{
    // Mode "0": the window tells the creation message (TellEntryCreated) when it becomes
    // active again after one of the program's own windows closed.
    bool tellCreatedOnActivate = false;
    // mnuEditPrefix and mnuEditDomain start disabled; the focus handling enables them.
    bool prefixMenuEnabled = false;
    bool domainMenuEnabled = false;
    // Mode "2" or a copied new entry whose row does not exist: the fields stay empty.
    bool rowMissing = false;
};

// Fills `fields` the way the editor loads in dial.EditMode:
//  "2": the group list, then row SelectedRow;
//  "0": the group list, then row SelectedRow when CopyEntry is "1", otherwise an empty
//       PUBLIC entry; a non-empty `proposedNumber` then goes into the number box;
//  "1": the first entry of an empty memory dial: group 0 named "ｸﾞﾙｰﾌﾟ0" (GroupNames(0)
//       and GroupCount "1" are set in `dial`), number "000", PUBLIC.
// LastFocusIndex is reset to 0 in every mode. Any other EditMode loads like "0".
[[nodiscard]] EditorLoadState LoadEditor(MemoryDial& dial, EditorFields& fields,
                                         const QString& proposedNumber = QString());
