#pragma once

#include <array>

class QDialog;
class QPushButton;
class QVBoxLayout;

// The OK, キャンセル and ヘルプ buttons that the field-service dialogs share (Command1(0) to
// Command1(2)), added at the bottom of `layout`. Only OK is the default button; nothing is
// connected.
[[nodiscard]] std::array<QPushButton*, 3> AddDialogButtons(QDialog& dialog, QVBoxLayout& layout);

// Lets a dialog take the font of the window it opens over, as child controls do.
void InheritParentFont(QDialog& dialog);
