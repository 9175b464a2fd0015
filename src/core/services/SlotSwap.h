#pragma once

#include "Interaction.h"
#include "editor/EditorFields.h"

#include <QString>

// True when dropping text field `source` on text field `target` exchanges two slots: two
// different telephone fields, or two different mail fields.
[[nodiscard]] bool IsSlotDrop(int source, int target);

// The drop of a dragged telephone number or mail address on another slot of its block: the
// target gets `sourceText` (the source's text when the drag began) and the source's kind, the
// source gets what the target held, number and kind. A filled target is announced first (the
// message only informs). Returns false, changing nothing, when the pair is no slot drop.
bool SwapSlots(EditorFields& fields, int source, int target, const QString& sourceText, Interaction& interaction);
