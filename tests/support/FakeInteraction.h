#pragma once

#include "Interaction.h"

#include <QList>
#include <QString>
#include <QStringList>

// A scripted user. Each message, question and file chooser the code under test raises must
// have been announced with an Expect call, in order; anything else fails the test (recorded in
// `failures`, checked by Verify()).
class FakeInteraction final : public Interaction
{
public:
    enum class Kind
    {
        Tell,
        Report,
        Ask,
        AskSave,
        AskChanged,
        OpenFile,
        SaveFile,
        OpenUrl,
        Help,
    };

    struct Step
    {
        Kind kind;
        QString text;  // message text, chooser title, url; empty matches anything
        QString title; // message title or chooser folder; empty matches anything
        MessageIcon icon = MessageIcon::Information;
        bool checkIcon = false;
        bool answer = false;                                   // Ask; OpenUrl: whether a program took the address
        QString chosen;                                        // OpenFile / SaveFile
        int context = 0;                                       // Help
        SaveChoice choice = SaveChoice::Cancel;                // AskSave
        ChangedFileChoice changed = ChangedFileChoice::Cancel; // AskChanged
    };

    void ExpectTell(const QString& text, const QString& title, MessageIcon icon);
    // Any Tell with this title (its text checked only when not empty).
    void ExpectAnyTell(const QString& title, MessageIcon icon);
    // A report whose summary is `summary` (checked only when not empty); its details land in
    // `lastDetails`.
    void ExpectReport(const QString& summary, const QString& title, MessageIcon icon);
    void ExpectAsk(const QString& text, const QString& title, bool answer, MessageIcon icon = MessageIcon::Question);
    void ExpectAskSave(const QString& text, const QString& title, SaveChoice choice);
    void ExpectAskChanged(const QString& text, const QString& title, ChangedFileChoice choice);
    void ExpectOpenFile(const QString& title, const QString& chosen);
    void ExpectSaveFile(const QString& title, const QString& chosen);
    // `opened`: whether a program takes the address (false: no browser or mail program).
    void ExpectOpenUrl(const QString& url, bool opened = true);
    void ExpectHelp(int context);

    // True when every expected step happened and nothing unexpected did; otherwise the
    // problems are in `failures`.
    [[nodiscard]] bool Verify() const { return failures.isEmpty() && m_steps.isEmpty(); }
    [[nodiscard]] QString Report() const;

    void Tell(const QString& text, const QString& title, MessageIcon icon) override;
    void ShowReport(const QString& summary, const QString& details, const QString& title, MessageIcon icon) override;
    bool Ask(const QString& text, const QString& title, MessageIcon icon) override;
    SaveChoice AskSaveChanges(const QString& text, const QString& title) override;
    ChangedFileChoice AskChangedFile(const QString& text, const QString& title) override;
    QString ChooseOpenFile(const QString& title, const QString& folder, const QString& filter) override;
    QString ChooseSaveFile(const QString& title, const QString& folder, const QString& filter) override;
    bool OpenUrl(const QString& url) override;
    void ShowHelp(int context) override;

    QStringList failures;
    QStringList log; // everything that happened, for diagnostics
    QString lastFilter;
    QString lastDetails;
    QString lastFolder;

private:
    Step* Next(Kind kind, const QString& what);
    // A message without an answer: Tell or ShowReport.
    void Message(Kind kind, const QString& text, const QString& title, MessageIcon icon);
    QList<Step> m_steps;
};

// Use in a test function: fails the test with the fake's report unless it was satisfied.
#define VERIFY_INTERACTION(fake) QVERIFY2((fake).Verify(), qPrintable((fake).Report()))
