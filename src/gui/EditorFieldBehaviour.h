#pragma once

#include "Interaction.h"
#include "editor/FieldBehaviour.h"

#include <QHash>
#include <QObject>
#include <QPixmap>
#include <QPoint>

#include <optional>

class EditorActions;
class EditorForm;
class QLabel;
class QLineEdit;
class QWidget;

// The editor's fields as the user works in them: the focused field and its captions light up
// and are described in status-bar panel 1, the last focused text box is remembered for the
// menus and the clipboard commands, Enter moves on like Tab, a right click in a mail box
// offers the reduced 編集 menu, and telephone numbers or mail addresses are dragged onto
// another slot of their block to swap them with their kinds.
class EditorFieldBehaviour final : public QObject
{
    Q_OBJECT

public:
    // `lastFocusIndex` is the editor's LastFocusIndex, kept up to date here; `statusPanel` is
    // panel 1 of the status bar.
    EditorFieldBehaviour(EditorForm& form, EditorActions& actions, QLabel& statusPanel, Interaction& interaction,
                         int& lastFocusIndex, QObject* parent = nullptr);

    // The mime type of a slot drag: it carries no text, so a drop anywhere else changes nothing.
    static constexpr QStringView kSlotMimeType = u"application/x-morvanx-slot";
    // Icon files beside the program for "may drop" and "may not drop".
    static constexpr QStringView kMayDropFile = u"DRAG.ICO";
    static constexpr QStringView kMayNotDropFile = u"DRAG2.ICO";

    // The cursor of a slot drag: the icon file in `folder`, or our own drawing of it when the
    // file is missing, is no regular file, is too large or is no icon.
    [[nodiscard]] static QPixmap DragCursor(const QString& folder, bool mayDrop);

    // A drag of Text1(source) begins: its text as it is now is what a drop moves. The mouse
    // starts a drag through this; the drag's events decide the rest.
    void BeginDrag(int source);
    void EndDrag();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Watch(QWidget* widget, FieldBehaviour::Control control);
    void PaintControl(FieldBehaviour::Control control, bool focused);
    void FocusIn(FieldBehaviour::Control control);
    void FocusOut(FieldBehaviour::Control control);
    void ApplyInputMethodRules();
    // A whole postal code typed or pasted into the first box fills both boxes.
    void SplitPostalCode(const QString& firstBox);
    void ClipboardCommand(FieldBehaviour::ClipboardCommand command);
    void ShowReducedEditMenu(const QPoint& globalPos);
    void StartMouseDrag(int source);
    [[nodiscard]] bool HandleDrag(int target, QEvent* event);
    void SwapWidgets(int source, int target, const QString& draggedText);
    [[nodiscard]] QLineEdit* Text(int index) const;
    [[nodiscard]] QWidget* CaptionWidget(const FieldBehaviour::Caption& caption) const;

    EditorForm& m_form;
    EditorActions& m_actions;
    QLabel& m_statusPanel;
    Interaction& m_interaction;
    int& m_lastFocusIndex;
    QHash<QObject*, FieldBehaviour::Control> m_controls;
    std::optional<FieldBehaviour::Control> m_highlighted;
    // The selection of the last focused text box as it left the focus: a drop-down or a
    // button taking the focus must not lose what the clipboard commands act on.
    int m_selectionStart = -1;
    int m_selectionLength = 0;
    // A left press in a slot box that may turn into a drag.
    int m_pressSource = -1;
    QPoint m_pressPos;
    // The drag under way: its source box and that box's text when it began.
    int m_dragSource = -1;
    QString m_dragText;
};
