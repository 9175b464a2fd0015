#include "EditorFieldBehaviour.h"

#include "EditorActions.h"
#include "EditorForm.h"
#include "editor/EditorTexts.h"
#include "files/SafeFileRead.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDrag>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>

using namespace FieldBehaviour;

namespace {

// An icon file of a few kilobytes; anything much larger is not one of ours.
constexpr qint64 kMaxIconBytes = 256 * 1024;
constexpr int kCursorSize = 32;

QColor FromBgr(quint32 bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

void Paint(QWidget* widget, QPalette::ColorRole backgroundRole, QPalette::ColorRole textRole, quint32 background,
           quint32 text)
{
    QPalette palette = widget->palette();
    palette.setColor(backgroundRole, FromBgr(background));
    palette.setColor(textRole, FromBgr(text));
    widget->setPalette(palette);
}

// The pointer of both cursors, with a sheet of paper beside it for "may drop" and a
// prohibition sign for "may not drop".
QPixmap DrawnDragCursor(bool mayDrop)
{
    QPixmap pixmap(kCursorSize, kCursorSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath arrow;
    arrow.moveTo(1, 1);
    arrow.lineTo(1, 17);
    arrow.lineTo(5, 13);
    arrow.lineTo(8, 20);
    arrow.lineTo(10, 19);
    arrow.lineTo(7, 12);
    arrow.lineTo(12, 12);
    arrow.closeSubpath();
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawPath(arrow);
    if (mayDrop) {
        painter.setBrush(QColor(255, 255, 0));
        painter.drawRect(13, 15, 16, 12);
        painter.drawLine(16, 19, 26, 19);
        painter.drawLine(16, 23, 26, 23);
    } else {
        painter.setPen(QPen(QColor(208, 0, 0), 3));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPoint(21, 21), 8, 8);
        painter.drawLine(15, 15, 27, 27);
    }
    return pixmap;
}

} // namespace

EditorFieldBehaviour::EditorFieldBehaviour(EditorForm& form, EditorActions& actions, QLabel& statusPanel,
                                           Interaction& interaction, int& lastFocusIndex, QObject* parent)
    : QObject(parent), m_form(form), m_actions(actions), m_statusPanel(statusPanel), m_interaction(interaction),
      m_lastFocusIndex(lastFocusIndex)
{
    for (int index = 0; index < kTextCount; ++index) {
        Watch(Text(index), {ControlArray::Text1, index});
    }
    for (int index = 0; index < kComboCount; ++index) {
        QComboBox* box = m_form.Combo1[static_cast<std::size_t>(index)];
        Watch(box, {ControlArray::Combo1, index});
        // An editable box hands the focus and the keys to its text part.
        Watch(box->lineEdit(), {ControlArray::Combo1, index});
    }
    for (int index = 0; index < kOptionCount; ++index) {
        Watch(m_form.Option1[static_cast<std::size_t>(index)], {ControlArray::Option1, index});
    }
    for (int index = 0; index < static_cast<int>(m_form.Command1.size()); ++index) {
        Watch(m_form.Command1[static_cast<std::size_t>(index)], {ControlArray::Command1, index});
    }
    m_form.Label2[kSecretCaption]->setToolTip(kSecretCaptionToolTip.toString());
    for (QLabel* label : m_form.Label1) {
        label->setAutoFillBackground(true);
    }
    for (QLabel* label : m_form.Label2) {
        if (label) {
            label->setAutoFillBackground(true);
        }
    }
    for (const Control& control : m_controls) {
        PaintControl(control, false);
    }
    ApplyInputMethodRules();

    connect(Text(kTextPostalFirst), &QLineEdit::textEdited, this, &EditorFieldBehaviour::SplitPostalCode);

    for (int item = 0; item < 3; ++item) {
        QAction* action = m_actions.mnuEditCutCopyPaste[static_cast<std::size_t>(item)];
        action->setEnabled(true);
        connect(action, &QAction::triggered, this,
                [this, item] { ClipboardCommand(static_cast<FieldBehaviour::ClipboardCommand>(item)); });
    }
}

void EditorFieldBehaviour::Watch(QWidget* widget, Control control)
{
    if (!widget) {
        return;
    }
    m_controls.insert(widget, control);
    widget->installEventFilter(this);
}

QLineEdit* EditorFieldBehaviour::Text(int index) const
{
    return m_form.Text1[static_cast<std::size_t>(index)];
}

QWidget* EditorFieldBehaviour::CaptionWidget(const Caption& caption) const
{
    if (caption.array == LabelArray::Label1) {
        return m_form.Label1[static_cast<std::size_t>(caption.index)];
    }
    return m_form.Label2[static_cast<std::size_t>(caption.index)];
}

void EditorFieldBehaviour::PaintControl(Control control, bool focused)
{
    const FocusColours colours = ColoursFor(focused);
    const auto index = static_cast<std::size_t>(control.index);
    switch (control.array) {
    case ControlArray::Text1:
        Paint(m_form.Text1[index], QPalette::Base, QPalette::Text, colours.fieldBackground, colours.fieldText);
        break;
    case ControlArray::Combo1:
        Paint(m_form.Combo1[index], QPalette::Base, QPalette::Text, colours.fieldBackground, colours.fieldText);
        break;
    case ControlArray::Option1: {
        // A button fills its background from the Button role, not from Window.
        QRadioButton* option = m_form.Option1[index];
        option->setAutoFillBackground(true);
        Paint(option, option->backgroundRole(), QPalette::WindowText, colours.fieldBackground, colours.fieldText);
        break;
    }
    case ControlArray::Command1:
        break;
    }
    for (const Caption& caption : CaptionsOf(control)) {
        if (QWidget* label = CaptionWidget(caption)) {
            Paint(label, QPalette::Window, QPalette::WindowText, colours.captionBackground, colours.captionText);
        }
    }
}

void EditorFieldBehaviour::FocusIn(Control control)
{
    if (m_highlighted && (m_highlighted->array != control.array || m_highlighted->index != control.index)) {
        // The window may have been inactive when the focus moved, so the old field never heard.
        FocusOut(*m_highlighted);
    }
    m_highlighted = control;
    if (control.array == ControlArray::Text1 &&
        (control.index == kTextPostalFirst || control.index == kTextPostalSecond)) {
        m_form.Label1[kTextPostalFirst]->setToolTip(StatusText(control));
    }
    PaintControl(control, true);
    const QString description = StatusText(control);
    m_statusPanel.setText(description);
    m_statusPanel.setToolTip(description);
    if (control.array == ControlArray::Text1) {
        m_lastFocusIndex = control.index;
        m_selectionStart = -1;
        const FieldMenus menus = MenusForText(control.index);
        m_actions.mnuEditPrefix->setEnabled(menus.prefix);
        m_actions.mnuEditDomain->setEnabled(menus.domain);
        m_actions.mnuOptE_Mail->setEnabled(menus.eMail);
    }
}

void EditorFieldBehaviour::FocusOut(Control control)
{
    PaintControl(control, false);
    if (control.array == ControlArray::Text1) {
        QLineEdit* box = Text(control.index);
        m_selectionStart = box->hasSelectedText() ? box->selectionStart() : box->cursorPosition();
        m_selectionLength = static_cast<int>(box->selectedText().size());
        m_form.Label1[kTextPostalFirst]->setToolTip(EditorTexts::kTextToolTips[kTextPostalFirst].toString());
        const FocusColours colours = ColoursFor(false);
        Paint(m_form.Label1[kTextPostalFirst], QPalette::Window, QPalette::WindowText, colours.captionBackground,
              colours.captionText);
    }
    if (m_highlighted && m_highlighted->array == control.array && m_highlighted->index == control.index) {
        m_highlighted.reset();
    }
}

void EditorFieldBehaviour::ApplyInputMethodRules()
{
    // Hiragana and half-width katakana modes cannot be chosen portably: those boxes leave the
    // user's input method as it is.
    for (int index = 0; index < kTextCount; ++index) {
        QLineEdit* box = Text(index);
        box->setAttribute(Qt::WA_InputMethodEnabled, InputModeFor(index) != InputMode::Disabled);
        box->setInputMethodHints(InputHintsFor(index));
    }
}

void EditorFieldBehaviour::SplitPostalCode(const QString& firstBox)
{
    const std::optional<PostalParts> parts = SplitPostalInput(firstBox);
    if (!parts) {
        return;
    }
    Text(kTextPostalFirst)->setText(parts->first);
    if (parts->second.isEmpty()) {
        return;
    }
    // Typing goes on where the code does.
    QLineEdit* second = Text(kTextPostalSecond);
    second->setText(parts->second);
    second->setFocus(Qt::OtherFocusReason);
    second->end(false);
}

void EditorFieldBehaviour::ClipboardCommand(FieldBehaviour::ClipboardCommand command)
{
    if (m_lastFocusIndex < 0 || m_lastFocusIndex >= kTextCount) {
        return;
    }
    QLineEdit* box = Text(m_lastFocusIndex);
    if (!box->hasFocus() && m_selectionStart >= 0) {
        const int start = std::min(m_selectionStart, static_cast<int>(box->text().size()));
        box->setSelection(start, std::min(m_selectionLength, static_cast<int>(box->text().size()) - start));
    }
    QClipboard* clipboard = QGuiApplication::clipboard();
    const ClipboardEdit edit =
        ApplyClipboardCommand(command, box->selectedText(), clipboard->text(), box->isReadOnly());
    if (edit.toClipboard) {
        clipboard->setText(*edit.toClipboard);
    }
    if (edit.replacement) {
        box->insert(*edit.replacement);
    }
    if (!box->hasFocus()) {
        m_selectionStart = box->hasSelectedText() ? box->selectionStart() : box->cursorPosition();
        m_selectionLength = static_cast<int>(box->selectedText().size());
    }
}

void EditorFieldBehaviour::ShowReducedEditMenu(const QPoint& globalPos)
{
    // The menu items are children of their menu.
    auto* editMenu = qobject_cast<QMenu*>(m_actions.mnuEditDomain->parent());
    if (!editMenu) {
        return;
    }
    QList<QAction*> hidden = {m_actions.mnuEditCutCopyPaste[0], m_actions.mnuEditCutCopyPaste[1],
                              m_actions.mnuEditCutCopyPaste[2], m_actions.mnuEditPrefix};
    const QList<QAction*> items = editMenu->actions();
    const qsizetype domain = items.indexOf(m_actions.mnuEditDomain);
    if (domain >= 0 && domain + 1 < items.size() && items[domain + 1]->isSeparator()) {
        hidden << items[domain + 1];
    }
    for (QAction* item : hidden) {
        item->setVisible(false);
    }
    editMenu->exec(globalPos);
    for (QAction* item : hidden) {
        item->setVisible(true);
    }
}

QPixmap EditorFieldBehaviour::DragCursor(const QString& folder, bool mayDrop)
{
    const QString path = QDir(folder).filePath((mayDrop ? kMayDropFile : kMayNotDropFile).toString());
    const FileRead file = ReadRegularFile(path, kMaxIconBytes);
    QPixmap pixmap;
    if (file.outcome == RegularFileOpen::Opened && pixmap.loadFromData(file.bytes, "ICO")) {
        return pixmap;
    }
    return DrawnDragCursor(mayDrop);
}

void EditorFieldBehaviour::BeginDrag(int source)
{
    m_dragSource = source;
    m_dragText = Text(source)->text();
}

void EditorFieldBehaviour::EndDrag()
{
    m_dragSource = -1;
    m_dragText.clear();
}

void EditorFieldBehaviour::StartMouseDrag(int source)
{
    QLineEdit* box = Text(source);
    auto* drag = new QDrag(box);
    auto* mime = new QMimeData;
    mime->setData(kSlotMimeType.toString(), QByteArray::number(source));
    drag->setMimeData(mime);
    // Looked up at every drag, so icon files put beside the program take effect at once.
    const QString folder = QCoreApplication::applicationDirPath();
    drag->setDragCursor(DragCursor(folder, true), Qt::MoveAction);
    drag->setDragCursor(DragCursor(folder, false), Qt::IgnoreAction);
    BeginDrag(source);
    drag->exec(Qt::MoveAction);
    EndDrag();
}

bool EditorFieldBehaviour::HandleDrag(int target, QEvent* event)
{
    auto* drag = static_cast<QDropEvent*>(event);
    if (m_dragSource < 0 || !drag->mimeData()->hasFormat(kSlotMimeType.toString())) {
        return false;
    }
    if (!MayDrop(m_dragSource, target)) {
        drag->ignore();
        return true;
    }
    drag->setDropAction(Qt::MoveAction);
    drag->accept();
    if (event->type() == QEvent::Drop) {
        // The swap may show a message: not while the drag still holds the pointer.
        const int source = m_dragSource;
        const QString text = m_dragText;
        QMetaObject::invokeMethod(
            this, [this, source, target, text] { SwapWidgets(source, target, text); }, Qt::QueuedConnection);
    }
    return true;
}

void EditorFieldBehaviour::SwapWidgets(int source, int target, const QString& draggedText)
{
    EditorFields fields;
    for (int index : {source, target}) {
        fields.Text(index) = Text(index)->text();
        fields.Combo(index - 2) = m_form.Combo1[static_cast<std::size_t>(index - 2)]->currentText();
    }
    SwapSlots(fields, source, target, draggedText, m_interaction);
    for (int index : {source, target}) {
        Text(index)->setText(fields.Text(index));
        QComboBox* kind = m_form.Combo1[static_cast<std::size_t>(index - 2)];
        const QString& text = fields.Combo(index - 2);
        kind->setCurrentIndex(kind->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
        kind->setEditText(text);
    }
}

bool EditorFieldBehaviour::eventFilter(QObject* watched, QEvent* event)
{
    const auto found = m_controls.constFind(watched);
    if (found == m_controls.cend()) {
        return QObject::eventFilter(watched, event);
    }
    const Control control = *found;
    const bool isText = control.array == ControlArray::Text1;
    switch (event->type()) {
    case QEvent::FocusIn:
        FocusIn(control);
        break;
    case QEvent::FocusOut: {
        // A drop-down list, a menu or another window taking over leaves the field focused.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
            FocusOut(control);
        }
        break;
    }
    case QEvent::KeyPress:
        if (isText) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
                QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
                QCoreApplication::sendEvent(watched, &tab);
                return true;
            }
        }
        break;
    case QEvent::ContextMenu:
        if (isText && static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Mouse &&
            ShowsReducedEditMenu(m_lastFocusIndex)) {
            ShowReducedEditMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
        break;
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        m_pressSource = -1;
        if (isText && mouse->button() == Qt::LeftButton && (IsTelText(control.index) || IsMailText(control.index))) {
            m_pressSource = control.index;
            m_pressPos = mouse->position().toPoint();
        }
        break;
    }
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (isText && m_pressSource == control.index && (mouse->buttons() & Qt::LeftButton) &&
            (mouse->position().toPoint() - m_pressPos).manhattanLength() >= QApplication::startDragDistance()) {
            m_pressSource = -1;
            StartMouseDrag(control.index);
            return true;
        }
        break;
    }
    case QEvent::MouseButtonRelease:
        m_pressSource = -1;
        break;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        if (isText) {
            return HandleDrag(control.index, event);
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
