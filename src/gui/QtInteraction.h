#pragma once

#include "app/Interaction.h"

class QWidget;

// Interaction through message boxes and file dialogs.
class QtInteraction final : public Interaction
{
public:
    explicit QtInteraction(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    void Tell(const QString& text, const QString& title, MessageIcon icon) override;
    bool Ask(const QString& text, const QString& title, MessageIcon icon) override;
    QString ChooseOpenFile(const QString& title, const QString& folder, const QString& filter) override;
    QString ChooseSaveFile(const QString& title, const QString& folder, const QString& filter) override;
    void OpenUrl(const QString& url) override;
    void ShowHelp(int context) override;

private:
    QWidget* m_parent;
};
