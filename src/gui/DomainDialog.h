#pragma once

#include "Interaction.h"

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QComboBox;

// DOMAINNM, "ドメイン名の付加": a carrier or provider group, then one of its mail domains. The
// results of OK are the chosen domain (empty: none) and the state of the automatic-opening box.
class DomainDialog final : public QDialog
{
    Q_OBJECT

public:
    DomainDialog(bool autoOpen, Interaction& interaction, QWidget* parent = nullptr);

    [[nodiscard]] QComboBox& Groups() { return *m_groups; }
    [[nodiscard]] QComboBox& Domains() { return *m_domains; }
    [[nodiscard]] QCheckBox& AutoOpen() { return *m_autoOpen; }

    [[nodiscard]] QString Domain() const;
    [[nodiscard]] bool AutoOpenTicked() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The domain list follows the group shown whenever either list is entered.
    void FillDomains();

    QComboBox* m_groups = nullptr;
    QComboBox* m_domains = nullptr;
    QCheckBox* m_autoOpen = nullptr;
    // The domains of the group the domain list was last filled with, in list order.
    QStringList m_shownDomains;
};
