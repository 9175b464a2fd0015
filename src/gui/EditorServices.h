#pragma once

#include "Interaction.h"
#include "editor/EditorFields.h"

#include <QObject>

#include <functional>

struct AppSettings;
class EditorWindow;
class PostalIndex;
class PostalTable;
class QDialog;
class SettingsStore;

// What the field services use besides the editor: the postal-code table and the settings that
// hold "OptAuto".
struct FieldServiceContext
{
    PostalTable& postal;
    AppSettings& settings;
    SettingsStore& store;
};

// Connects the editor's field services: the five buttons of " その他の情報 " and the menu items
// "ﾌﾟﾚﾌｨｸｽ番号の付加", "ﾄﾞﾒｲﾝ名の付加", "〒 ⇔ 住所", "星座の設定" and "誕生日の設定", with the
// candidate, calendar, domain and prefix dialogs behind them, the enabling of the prefix and
// domain items by the focused field, and the domain picker that opens after a typed "@".
// Each command reads the form, runs its rule in core and writes back what changed.
class EditorServices final : public QObject
{
    Q_OBJECT

public:
    // Runs a dialog modally and returns its result; tests answer the dialogs themselves.
    using DialogRunner = std::function<int(QDialog&)>;

    EditorServices(EditorWindow& editor, Interaction& interaction, FieldServiceContext context);

    void SetDialogRunner(DialogRunner runner) { m_run = std::move(runner); }

    void PostalButton();
    void PostalMenu();
    void VerifyStar();
    void BirthDay();
    void Domain();
    void Prefix();

private:
    void Connect();
    void SetPictures();
    void OpenCandidates(EditorFields& fields);
    // Writes the fields that differ from the form into its widgets.
    void Write(const EditorFields& fields);
    void FocusText(int index);
    void FocusCombo(int index);
    // The postal table, once its load has ended; the pointer is busy while it waits.
    const PostalIndex& Postal();

    EditorWindow& m_editor;
    Interaction& m_interaction;
    FieldServiceContext m_context;
    DialogRunner m_run;
    // A second "@" typed before the picker opened must not open another one over it.
    bool m_pickingDomain = false;
};
