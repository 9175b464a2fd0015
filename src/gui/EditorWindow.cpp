#include "EditorWindow.h"

#include "AboutDialog.h"
#include "EditorActions.h"
#include "EditorFieldBehaviour.h"
#include "EditorForm.h"
#include "ModalRun.h"
#include "WindowPlacement.h"
#include "app/HelpFile.h"
#include "app/MainWindowOptions.h"
#include "app/OutsidePrograms.h"
#include "editor/EditorChanges.h"
#include "editor/EditorLoad.h"
#include "editor/EditorTexts.h"
#include "editor/EntryNavigation.h"
#include "editor/EntryStore.h"
#include "settings/Twips.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

#include <utility>

EditorWindow::EditorWindow(MemoryDial& dial, Interaction& interaction, EditorWindowSettings settings,
                           PositionSaver savePosition, QWidget* parent)
    : QDialog(parent), m_dial(dial), m_interaction(interaction), m_settings(std::move(settings)),
      m_savePosition(std::move(savePosition)), m_clock([] { return QDateTime::currentDateTime(); })
{
    setObjectName(QStringLiteral("EDITOR"));
    setWindowTitle(EditorTexts::kWindowCaption.toString());
    setModal(true);
    setSizeGripEnabled(false);
    setFont(QFont(SubstituteFontFace(EditorTexts::kFontFamily.toString()), 9));

    m_actions = new EditorActions(*this);
    m_form = new EditorForm(this);
    BuildStatusBar();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(m_actions->menuBar);
    layout->addWidget(m_actions->toolBar);
    layout->addWidget(m_form, 1);
    layout->addWidget(m_statusBar);
    Connect();
    m_fieldBehaviour =
        new EditorFieldBehaviour(*m_form, *m_actions, *m_panels[0], m_interaction, m_fields.LastFocusIndex, this);
}

EditorWindow::~EditorWindow() = default;

void EditorWindow::BuildStatusBar()
{
    m_statusBar = new QStatusBar(this);
    m_statusBar->setObjectName(QStringLiteral("StatusBar1"));
    m_statusBar->setSizeGripEnabled(false);
    for (std::size_t n = 0; n < m_panels.size(); ++n) {
        auto* panel = new QLabel(m_statusBar);
        panel->setObjectName(QStringLiteral("Panel%1").arg(n + 1));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setMinimumWidth(48);
        m_panels[n] = panel;
        if (n == 0) {
            m_statusBar->addWidget(panel, 1);
            continue;
        }
        // Panel 2's tool tip comes with the first entry shown.
        if (n != 1) {
            panel->setToolTip(EditorTexts::kPanelToolTips[n].toString());
        }
        m_statusBar->addPermanentWidget(panel);
    }
    m_panels[1]->setMinimumWidth(m_panels[1]->fontMetrics().horizontalAdvance(QStringLiteral("00000000T000000Z")) + 8);
    m_panels[2]->setText(EditorTexts::kPanelCaps.toString());
    m_panels[3]->setText(EditorTexts::kPanelInsert.toString());
}

void EditorWindow::Connect()
{
    EditorActions& a = *m_actions;
    connect(a.mnuFileCreate, &QAction::triggered, this, &EditorWindow::NewEntryCommand);
    connect(a.mnuFileSave, &QAction::triggered, this, &EditorWindow::SaveCommand);
    const auto mayDrop = [this] { return MayDropFields(); };
    for (int index = 0; index < 2; ++index) {
        connect(a.mnuFileRecord[static_cast<std::size_t>(index)], &QAction::triggered, this, [this, index, mayDrop] {
            Collect();
            if (mnuFileRecord_Click(index, m_dial, m_fields, m_interaction, mayDrop)) {
                Apply(true);
            }
        });
    }
    connect(a.button[5], &QAction::triggered, this, [this, mayDrop] {
        Collect();
        if (ShowFirstEntry(m_dial, m_fields, mayDrop)) {
            Apply(true);
        }
    });
    connect(a.button[8], &QAction::triggered, this, [this, mayDrop] {
        Collect();
        if (ShowLastEntry(m_dial, m_fields, mayDrop)) {
            Apply(true);
        }
    });
    connect(a.mnuFileEnd, &QAction::triggered, this, &QDialog::close);
    connect(a.mnuOptE_Mail, &QAction::triggered, this, [this] { mnuOptE_Mail_Click(Fields(), m_interaction); });
    connect(a.mnuOptWebView, &QAction::triggered, this, [this] { mnuOptWebView_Click(Fields(), m_interaction); });
    connect(a.mnuOptGPS_Info, &QAction::triggered, this, [this] { mnuOptGPS_Info_Click(Fields(), m_interaction); });
    connect(a.mnuHelpContent_KeyWord[0], &QAction::triggered, this,
            [this] { m_interaction.ShowHelp(kHelpKeywordSearch); });
    connect(a.mnuHelpContent_KeyWord[1], &QAction::triggered, this,
            [this] { m_interaction.ShowHelp(kEditorHelpContext); });
    connect(a.mnuHelpAbout, &QAction::triggered, this, [this] {
        AboutDialog about(m_interaction, this);
        ShowOwnWindow(about);
    });
    // The postal lookup, the calendar, the constellation rule and the outside programs behind
    // the form's buttons come with the field services; until then the buttons are unavailable.
    for (QPushButton* button : m_form->Command1) {
        button->setEnabled(false);
    }

    // The editor's own shortcuts win over those of the field that has the focus (Ctrl+A
    // selects all in a text box and in the text of a drop-down box). A drop-down hands the
    // keys to its text box without passing its filters, so both are watched.
    QList<QWidget*> fields;
    for (QLineEdit* box : m_form->Text1) {
        fields << box;
    }
    for (QComboBox* box : m_form->Combo1) {
        fields << box << box->lineEdit();
    }
    for (QRadioButton* option : m_form->Option1) {
        fields << option;
    }
    for (QPushButton* button : m_form->Command1) {
        fields << button;
    }
    for (QWidget* field : fields) {
        field->installEventFilter(this);
    }
    m_backgrounds = {this, m_form, m_actions->toolBar};
    for (QGroupBox* frame : m_form->Frame1) {
        m_backgrounds << frame;
    }
    for (QObject* background : m_backgrounds) {
        background->installEventFilter(this);
    }
    m_statusBar->installEventFilter(this);
}

void EditorWindow::Load(const QString& proposedNumber)
{
    resize(TwipsToPixels(EditorTexts::kWindowWidthTwips, logicalDpiX()),
           TwipsToPixels(EditorTexts::kWindowHeightTwips, logicalDpiY()));
    PlaceWindow();
    const EditorLoadState state = LoadEditor(m_dial, m_fields, proposedNumber);
    m_notice = CreationNotice(state.tellCreatedOnActivate);
    m_form->FillLists(m_fields);
    const bool copied = m_dial.EditMode != u"1" && m_dial.CopyEntry == u"1";
    Apply(!state.rowMissing && (m_dial.EditMode == u"2" || copied));
    m_actions->mnuEditPrefix->setEnabled(state.prefixMenuEnabled);
    m_actions->mnuEditDomain->setEnabled(state.domainMenuEnabled);
    // The name box is first in the tab order and so takes the focus when the editor shows.
    m_form->Text1[kTextName]->setFocus();
    m_panels[4]->setText(m_settings.today);
    m_panels[5]->setText(m_settings.now);
    m_closed = false;
}

void EditorWindow::PlaceWindow()
{
    QRect wanted(QPoint(), size());
    if (m_settings.centre) {
        const QRect area = screen()->geometry();
        wanted.moveTo(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    } else {
        wanted.moveTo(TwipsToPixels(m_settings.left, logicalDpiX()), TwipsToPixels(m_settings.top, logicalDpiY()));
    }
    PlaceOnScreen(*this, wanted);
}

const EditorFields& EditorWindow::Fields()
{
    Collect();
    return m_fields;
}

void EditorWindow::Collect()
{
    m_form->Read(m_fields);
}

void EditorWindow::Apply(bool entryShown)
{
    ShowFields(m_fields);
    if (entryShown) {
        m_panels[1]->setToolTip(EditorTexts::kPanelToolTips[1].toString());
    }
    MarkShown();
}

void EditorWindow::ShowFields(const EditorFields& fields)
{
    m_form->Show(fields);
    m_panels[1]->setText(fields.RevisionPanel);
}

void EditorWindow::MarkShown()
{
    // Read back from the widgets, so that what the user did not touch never counts as a change.
    Collect();
    m_shown = m_fields;
}

bool EditorWindow::MayDropFields()
{
    const DropFieldsResult result = ConfirmDropFields(m_dial, m_fields, m_shown, m_interaction, m_clock());
    if (result.saved) {
        AfterSave(*result.saved);
    }
    return result.goOn;
}

void EditorWindow::AfterSave(const EntrySaveResult& result)
{
    if (result.focusIndex >= 0 && result.focusIndex < kTextCount) {
        m_form->Text1[static_cast<std::size_t>(result.focusIndex)]->setFocus();
    }
    if (result.outcome == EntrySaveOutcome::Overwritten || result.outcome == EntrySaveOutcome::Appended) {
        m_shown = m_fields;
    }
    if (result.outcome == EntrySaveOutcome::Appended) {
        emit EntryAppended(result.enableMainSave);
    }
}

void EditorWindow::SaveCommand()
{
    Collect();
    AfterSave(SaveEntry(m_dial, m_fields, m_interaction, m_clock()));
}

void EditorWindow::NewEntryCommand()
{
    Collect();
    if (EditorNewEntry(
            m_dial, m_fields, m_interaction, [this] { return MayDropFields(); },
            [this](const EditorFields& fields) { ShowFields(fields); })) {
        MarkShown();
    }
}

int EditorWindow::ShowOwnWindow(QDialog& window)
{
    const int result = RunModal(window);
    m_notice.OwnWindowClosed();
    // The editor may have become active while the window was still closing.
    QMetaObject::invokeMethod(this, &EditorWindow::TellCreatedIfDue, Qt::QueuedConnection);
    return result;
}

void EditorWindow::TellCreatedIfDue()
{
    if (!isActiveWindow() || !m_notice.TakeDue()) {
        return;
    }
    Collect();
    TellEntryCreated(m_interaction, m_fields);
}

void EditorWindow::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        // Not from inside the activation itself: the message box opens once it is over.
        QMetaObject::invokeMethod(this, &EditorWindow::TellCreatedIfDue, Qt::QueuedConnection);
    }
}

void EditorWindow::done(int result)
{
    // Every way of closing comes here: the close command, the window's close button and
    // double-clicks; changed fields are asked about and the position is kept each time.
    if (!m_closed) {
        Collect();
        if (!MayDropFields()) {
            return;
        }
        m_closed = true;
        const int top = TwipsToKeep(m_settings.top, y(), logicalDpiY());
        const int left = TwipsToKeep(m_settings.left, x(), logicalDpiX());
        m_settings.top = top;
        m_settings.left = left;
        if (m_savePosition) {
            m_savePosition(top, left);
        }
    }
    QDialog::done(result);
}

void EditorWindow::keyPressEvent(QKeyEvent* event)
{
    // The editor closes only through its close commands, not on Escape.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool EditorWindow::IsEditorShortcut(QEvent* event) const
{
    const auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(key->keyCombination());
    for (const QAction* menu : m_actions->menuBar->actions()) {
        for (const QAction* action : menu->menu()->actions()) {
            if (action->isEnabled() && !action->shortcut().isEmpty() && action->shortcut() == pressed) {
                return true;
            }
        }
    }
    return false;
}

bool EditorWindow::IsBackgroundDoubleClick(QObject* watched, QEvent* event) const
{
    if (watched == m_statusBar) {
        return true;
    }
    if (!m_backgrounds.contains(watched)) {
        return false;
    }
    // A double-click on a field or caption reaches its frame and the window as well; only
    // one on an empty spot counts.
    const auto* widget = static_cast<QWidget*>(watched);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    return widget->childAt(mouse->position().toPoint()) == nullptr;
}

bool EditorWindow::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        if (IsEditorShortcut(event)) {
            return true;
        }
        break;
    case QEvent::MouseButtonDblClick:
        if (m_settings.doubleClickCloses && IsBackgroundDoubleClick(watched, event)) {
            close();
            return true;
        }
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}
