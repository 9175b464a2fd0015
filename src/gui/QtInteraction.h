#pragma once

#include "Interaction.h"

class HelpWindow;
class QWidget;

// "ﾒﾓﾘﾀﾞｲﾔﾙ(*.VCF)|*.VCF" in Qt's form, "ﾒﾓﾘﾀﾞｲﾔﾙ(*.VCF) (*.[Vv][Cc][Ff])": the chooser shows
// the files whatever the letter case of their extension, on every file system.
[[nodiscard]] QString QtFileFilter(const QString& filter);

// Interaction through message boxes and file dialogs.
class QtInteraction final : public Interaction
{
public:
    explicit QtInteraction(QWidget* parent = nullptr) : m_parent(parent) {}
    ~QtInteraction() override;
    QtInteraction(const QtInteraction&) = delete;
    QtInteraction& operator=(const QtInteraction&) = delete;
    void setParent(QWidget* parent) { m_parent = parent; }
    // The help file that ShowHelp opens, and the writable folder for its collection and
    // search index.
    void SetHelpFile(const QString& path, const QString& collectionFolder)
    {
        m_helpFile = path;
        m_helpCollectionFolder = collectionFolder;
    }

    void Tell(const QString& text, const QString& title, MessageIcon icon) override;
    void ShowReport(const QString& summary, const QString& details, const QString& title, MessageIcon icon) override;
    bool Ask(const QString& text, const QString& title, MessageIcon icon) override;
    SaveChoice AskSaveChanges(const QString& text, const QString& title) override;
    ChangedFileChoice AskChangedFile(const QString& text, const QString& title) override;
    QString ChooseOpenFile(const QString& title, const QString& folder, const QString& filter) override;
    QString ChooseSaveFile(const QString& title, const QString& folder, const QString& filter) override;
    bool OpenUrl(const QString& url) override;
    void ShowHelp(int context) override;

private:
    QWidget* m_parent;
    QString m_helpFile;
    QString m_helpCollectionFolder;
    // One help window for the run, owned here.
    HelpWindow* m_help = nullptr;
};
