#pragma once

#include <QString>

enum class MessageIcon
{
    Information,
    Warning,
    Question,
    Error,
};

// The answer to "変更を保存しますか".
enum class SaveChoice
{
    Save,
    Discard,
    Cancel,
};

// The answer to "the file changed on disk since it was read".
enum class ChangedFileChoice
{
    Overwrite,
    SaveAs,
    Cancel,
};

// Everything the program says to the user or asks of them goes through this interface:
// the windows implement it with message boxes and file dialogs, the tests with a script.
class Interaction
{
public:
    virtual ~Interaction() = default;

    // A message with an OK button.
    virtual void Tell(const QString& text, const QString& title, MessageIcon icon) = 0;
    // An OK/Cancel question; true for OK.
    [[nodiscard]] virtual bool Ask(const QString& text, const QString& title,
                                   MessageIcon icon = MessageIcon::Question) = 0;
    // The outcome of a job over many entries: the summary first, and `details` (one line per
    // item, possibly thousands) for the user to open and scroll; no details show as a plain
    // message.
    virtual void ShowReport(const QString& summary, const QString& details, const QString& title, MessageIcon icon) = 0;
    // A 保存 / 保存しない / キャンセル question about changes that would otherwise be lost.
    [[nodiscard]] virtual SaveChoice AskSaveChanges(const QString& text, const QString& title) = 0;
    // A 上書き / 別名で保存 / キャンセル question before a save replaces a file that someone
    // else changed since it was read.
    [[nodiscard]] virtual ChangedFileChoice AskChangedFile(const QString& text, const QString& title) = 0;
    // File choosers; an empty result means the user cancelled. `filter` is in the
    // "description|pattern" form, e.g. "ﾒﾓﾘﾀﾞｲﾔﾙ(*.VCF)|*.VCF".
    [[nodiscard]] virtual QString ChooseOpenFile(const QString& title, const QString& folder,
                                                 const QString& filter) = 0;
    [[nodiscard]] virtual QString ChooseSaveFile(const QString& title, const QString& folder,
                                                 const QString& filter) = 0;
    // Hands an address (web page, "mailto:") to the desktop; false when no program took it.
    [[nodiscard]] virtual bool OpenUrl(const QString& url) = 0;
    // Opens the help file at a context number, or at kHelpContents or kHelpKeywordSearch.
    virtual void ShowHelp(int context) = 0;
};

// The two help commands that show no single topic.
inline constexpr int kHelpContents = 0;
inline constexpr int kHelpKeywordSearch = -1;
