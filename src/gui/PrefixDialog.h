#pragma once

#include "Interaction.h"

#include <QDialog>

class QComboBox;

// PREFIXN, "プレフィクス番号の付加": one of the dial prefixes; the chosen prefix (empty: none) is
// the result of OK.
class PrefixDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit PrefixDialog(Interaction& interaction, QWidget* parent = nullptr);

    [[nodiscard]] QComboBox& Prefixes() { return *m_prefixes; }
    [[nodiscard]] QString Prefix() const;

private:
    QComboBox* m_prefixes = nullptr;
};
