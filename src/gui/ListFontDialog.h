#pragma once

#include <QFont>

#include <optional>

class QWidget;

// The font dialog of the list font, opening on `current`. Qt's own size box takes whole sizes
// only and drops a typed "." (10.5 became 105 points); here it takes one decimal, "10.5" or
// "10,5", and the chosen font has that size. Nothing when the user cancels.
[[nodiscard]] std::optional<QFont> PickListFont(const QFont& current, QWidget* owner);
