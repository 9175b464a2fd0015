#include "EditorServices.h"

#include "CalendarDialog.h"
#include "CandidateDialog.h"
#include "DomainDialog.h"
#include "EditorActions.h"
#include "EditorForm.h"
#include "EditorWindow.h"
#include "PrefixDialog.h"
#include "services/CandidateSearch.h"
#include "services/Constellation.h"
#include "services/FieldFocus.h"
#include "services/PickerCommands.h"
#include "services/PostalCheck.h"
#include "services/PostalTable.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>

// The pictures live in a static library; the executable does not reference them by itself.
static void InitServicePictures()
{
    Q_INIT_RESOURCE(services);
}

namespace {

template <std::size_t N, typename T> T* At(const std::array<T*, N>& controls, int index)
{
    return controls[static_cast<std::size_t>(index)];
}

} // namespace

EditorServices::EditorServices(EditorWindow& editor, Interaction& interaction, FieldServiceContext context)
    : QObject(&editor), m_editor(editor), m_interaction(interaction), m_context(context),
      m_run([&editor](QDialog& dialog) { return editor.ShowOwnWindow(dialog); })
{
    InitServicePictures();
    SetPictures();
    Connect();
}

void EditorServices::SetPictures()
{
    static constexpr std::array<const char*, 4> kPictures = {":/services/constellation.svg", ":/services/calendar.svg",
                                                             ":/services/web.svg", ":/services/gps.svg"};
    for (int index = 1; index <= 4; ++index) {
        QPushButton* button = At(m_editor.Form().Command1, index);
        button->setIcon(QIcon(QString::fromLatin1(kPictures[static_cast<std::size_t>(index - 1)])));
        button->setIconSize(QSize(16, 16));
    }
}

void EditorServices::Connect()
{
    EditorForm& form = m_editor.Form();
    EditorActions& menus = m_editor.Actions();
    for (QAction* item : {menus.mnuEditYubin_Jusho, menus.mnuEditVerifyStar, menus.mnuEditBirthDay}) {
        item->setEnabled(true);
    }
    connect(menus.mnuEditYubin_Jusho, &QAction::triggered, this, &EditorServices::PostalMenu);
    connect(menus.mnuEditVerifyStar, &QAction::triggered, this, &EditorServices::VerifyStar);
    connect(menus.mnuEditBirthDay, &QAction::triggered, this, &EditorServices::BirthDay);
    connect(menus.mnuEditDomain, &QAction::triggered, this, &EditorServices::Domain);
    connect(menus.mnuEditPrefix, &QAction::triggered, this, &EditorServices::Prefix);

    std::array<QPushButton*, 5>& buttons = form.Command1;
    connect(buttons[0], &QPushButton::clicked, this, &EditorServices::PostalButton);
    connect(buttons[1], &QPushButton::clicked, this, &EditorServices::VerifyStar);
    connect(buttons[2], &QPushButton::clicked, this, &EditorServices::BirthDay);
    buttons[0]->setEnabled(true);
    buttons[1]->setEnabled(true);
    buttons[2]->setEnabled(true);
    // The browser and map buttons do what their menu items do, whenever those can.
    for (const auto& [button, item] :
         {std::pair{buttons[3], menus.mnuOptWebView}, std::pair{buttons[4], menus.mnuOptGPS_Info}}) {
        connect(button, &QPushButton::clicked, item, &QAction::trigger);
        connect(item, &QAction::enabledChanged, button, &QPushButton::setEnabled);
        button->setEnabled(item->isEnabled());
    }

    for (int index = kTextMail1; index <= kTextMail5; ++index) {
        // textEdited, unlike textChanged, comes only from typing and pasting, never from the
        // editor filling the field.
        connect(At(form.Text1, index), &QLineEdit::textEdited, this, [this, index](const QString& text) {
            if (OpensDomainPicker(DomainPickerOpensByItself(m_context.settings), index, text, FieldChange::Typed)) {
                // Not from inside the key press that typed the "@".
                QMetaObject::invokeMethod(this, &EditorServices::Domain, Qt::QueuedConnection);
            }
        });
    }
}

void EditorServices::Write(const EditorFields& fields)
{
    EditorForm& form = m_editor.Form();
    for (int index = 0; index < kTextCount; ++index) {
        QLineEdit* box = At(form.Text1, index);
        if (box->text() != fields.Text(index)) {
            box->setText(fields.Text(index));
        }
    }
    for (int index = 0; index < kComboCount; ++index) {
        QComboBox* box = At(form.Combo1, index);
        if (box->currentText() != fields.Combo(index)) {
            box->setEditText(fields.Combo(index));
        }
    }
}

void EditorServices::FocusText(int index)
{
    if (index >= 0 && index < kTextCount) {
        At(m_editor.Form().Text1, index)->setFocus();
    }
}

void EditorServices::FocusCombo(int index)
{
    if (index >= 0 && index < kComboCount) {
        At(m_editor.Form().Combo1, index)->setFocus();
    }
}

const PostalIndex& EditorServices::Postal()
{
    if (!m_context.postal.Loading()) {
        return m_context.postal.Index();
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const PostalIndex& index = m_context.postal.Index();
    QApplication::restoreOverrideCursor();
    return index;
}

void EditorServices::PostalButton()
{
    EditorFields fields = m_editor.Fields();
    const PostalButtonResult result = PostalButton_Click(fields, Postal(), m_interaction);
    if (result.action == PostalButtonAction::OpenCandidates) {
        OpenCandidates(fields);
        return;
    }
    Write(fields);
    FocusText(result.focusIndex);
}

void EditorServices::PostalMenu()
{
    EditorFields fields = m_editor.Fields();
    const int focus = mnuEditYubin_Jusho_Click(fields, Postal(), m_interaction);
    Write(fields);
    FocusText(focus);
}

void EditorServices::OpenCandidates(EditorFields& fields)
{
    const QStringList rows = LoadCandidateRows(Postal(), fields.Text(kTextAddress), m_interaction);
    CandidateDialog dialog(rows, fields, m_interaction, CandidateWindowSize(m_context.store), &m_editor);
    const int result = m_run(dialog);
    StoreCandidateWindowSize(m_context.store, dialog.SizeToKeep());
    if (result == QDialog::Accepted) {
        Write(fields);
    }
}

void EditorServices::VerifyStar()
{
    EditorFields fields = m_editor.Fields();
    const int focus = mnuEditVerifyStar_Click(fields, m_interaction);
    Write(fields);
    FocusCombo(focus);
}

void EditorServices::BirthDay()
{
    CalendarDialog dialog(QDate::currentDate(), m_interaction, &m_editor);
    if (m_run(dialog) == QDialog::Accepted) {
        EditorFields fields = m_editor.Fields();
        SetBirthdayFromCalendar(fields, dialog.Date());
        Write(fields);
    }
}

void EditorServices::Domain()
{
    if (m_pickingDomain) {
        return;
    }
    const QScopedValueRollback picking(m_pickingDomain, true);
    DomainDialog dialog(DomainPickerOpensByItself(m_context.settings), m_interaction, &m_editor);
    if (m_run(dialog) == QDialog::Accepted) {
        EditorFields fields = m_editor.Fields();
        AppendDomain(fields, dialog.Domain());
        Write(fields);
        StoreOptAuto(m_context.store, m_context.settings, dialog.AutoOpenTicked());
    }
}

void EditorServices::Prefix()
{
    PrefixDialog dialog(m_interaction, &m_editor);
    if (m_run(dialog) == QDialog::Accepted) {
        EditorFields fields = m_editor.Fields();
        AddPrefix(fields, dialog.Prefix());
        Write(fields);
    }
}
