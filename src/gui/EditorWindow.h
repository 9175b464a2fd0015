#pragma once

#include "Interaction.h"
#include "editor/CreationNotice.h"
#include "editor/EditorFields.h"
#include "editor/EditorWindowSettings.h"
#include "editor/EntryStore.h"
#include "memorydial/MemoryDial.h"

#include <QDateTime>
#include <QDialog>
#include <QList>

#include <array>
#include <functional>

class EditorActions;
class EditorFieldBehaviour;
class EditorForm;
class QLabel;
class QStatusBar;

// EDITOR, "個別情報編集": edits one entry of the main window's rows at a time. It copies its
// widgets to and from `EditorFields` and runs the editor's commands in core; shown modally
// over the main window.
class EditorWindow final : public QDialog
{
    Q_OBJECT

public:
    // Called on every close with the position to keep, top and left in twips.
    using PositionSaver = std::function<void(int top, int left)>;
    using Clock = std::function<QDateTime()>;

    EditorWindow(MemoryDial& dial, Interaction& interaction, EditorWindowSettings settings, PositionSaver savePosition,
                 QWidget* parent = nullptr);
    ~EditorWindow() override;

    // The load steps for the dial's EditMode: size, position, lists, fields, menus and the
    // status bar. In mode "0" a non-empty `proposedNumber` goes into the number box.
    void Load(const QString& proposedNumber = QString());

    // Shows one of the program's own windows modally over the editor; in mode "0" the
    // creation message follows when the editor is active again.
    int ShowOwnWindow(QDialog& window);

    // The time that stamps appended entries (tests fix it).
    void SetClock(Clock clock) { m_clock = std::move(clock); }

    [[nodiscard]] EditorForm& Form() { return *m_form; }
    [[nodiscard]] EditorActions& Actions() { return *m_actions; }
    [[nodiscard]] EditorFieldBehaviour& FieldBehaviour() { return *m_fieldBehaviour; }
    [[nodiscard]] QStatusBar& StatusBar() { return *m_statusBar; }
    // Status-bar panel 1 to 6.
    [[nodiscard]] QLabel& Panel(int number) { return *m_panels[static_cast<std::size_t>(number - 1)]; }
    // The form as the widgets show it now.
    [[nodiscard]] const EditorFields& Fields();

signals:
    // A new row was appended; the main window enables its document commands, "保存(&S)"
    // only when `enableMainSave`.
    void EntryAppended(bool enableMainSave);

public slots:
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildStatusBar();
    void Connect();
    void PlaceWindow();
    void Collect();
    // Shows m_fields as the entry now in the editor; `entryShown` when they came from a row.
    void Apply(bool entryShown);
    void ShowFields(const EditorFields& fields);
    // What the widgets show now is what later edits are compared with.
    void MarkShown();
    // Before the fields are dropped: asks about changed fields and stores them on 保存.
    [[nodiscard]] bool MayDropFields();
    void AfterSave(const EntrySaveResult& result);
    void SaveCommand();
    void NewEntryCommand();
    void TellCreatedIfDue();
    [[nodiscard]] bool IsBackgroundDoubleClick(QObject* watched, QEvent* event) const;
    [[nodiscard]] bool IsEditorShortcut(QEvent* event) const;

    MemoryDial& m_dial;
    Interaction& m_interaction;
    EditorWindowSettings m_settings;
    PositionSaver m_savePosition;
    Clock m_clock;
    EditorFields m_fields;
    EditorFields m_shown; // the fields as last put on the screen
    CreationNotice m_notice{false};
    EditorActions* m_actions = nullptr;
    EditorForm* m_form = nullptr;
    EditorFieldBehaviour* m_fieldBehaviour = nullptr;
    QStatusBar* m_statusBar = nullptr;
    std::array<QLabel*, 6> m_panels{};
    // Where a double-click on an empty spot closes the editor (with the status bar).
    QList<QObject*> m_backgrounds;
    bool m_closed = false;
};
