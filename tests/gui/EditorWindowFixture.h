#pragma once

#include "EditorActions.h"
#include "EditorForm.h"
#include "EditorWindow.h"
#include "FakeInteraction.h"
#include "SampleEntries.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <memory>

using namespace Qt::StringLiterals;

inline const QString kCreatedTitle = u"新規作成確認"_s;

inline MemoryDial SampleDial()
{
    MemoryDial dial;
    dial.rows = SampleRows(3);
    for (int i = 0; i < 3; ++i) {
        dial.rows[i][kColTel1] = u"0900000000"_s + QString::number(i);
    }
    Entry& second = dial.rows[1];
    second[kColSecret] = u"PUBLIC"_s;
    second[kColGroupNumber] = u"01"_s;
    second[kColGroupName] = u"友人"_s;
    second[kColPostalCode] = u"123-4567"_s;
    second[kColAddress] = u"東京都千代田区"_s;
    second[kColBirthday] = u"19700315"_s;
    second[kColRevision] = u"20050307T090503Z"_s;
    dial.rows[2][kColSecret] = u"PRIVATE"_s;
    dial.GroupNames[0] = u"家族"_s;
    dial.GroupNames[1] = u"友人"_s;
    dial.GroupCount = u"2"_s;
    dial.EntryCount = 3;
    dial.RebuildEntryNumbers();
    return dial;
}

inline QStringList Items(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i) {
        items << box->itemText(i);
    }
    return items;
}

// An editor over three sample rows (groups "00 家族" and "01 友人"), a scripted user and the
// editor's settings; each test opens the editor in the mode it needs.
class EditorWindowFixture : public QObject
{
protected:
    MemoryDial m_dial;
    FakeInteraction m_ui;
    EditorWindowSettings m_settings;
    QList<QPoint> m_saved; // (top, left) of every close
    std::unique_ptr<EditorWindow> m_editor;

    EditorWindow& Open(const QString& mode, int row = 2, const QString& proposed = {})
    {
        m_dial.EditMode = mode;
        m_dial.SelectedRow = row;
        m_editor = std::make_unique<EditorWindow>(m_dial, m_ui, m_settings,
                                                  [this](int top, int left) { m_saved << QPoint(top, left); });
        m_editor->Load(proposed);
        return *m_editor;
    }
    QLineEdit* Text(int index) { return m_editor->Form().Text1[static_cast<std::size_t>(index)]; }
    QComboBox* Combo(int index) { return m_editor->Form().Combo1[static_cast<std::size_t>(index)]; }
    void ShowActive()
    {
        m_editor->show();
        QVERIFY(QTest::qWaitForWindowActive(m_editor.get()));
    }
    void Reset()
    {
        m_dial = SampleDial();
        m_ui = FakeInteraction();
        m_settings = EditorWindowSettings();
        m_settings.top = 1440;
        m_settings.left = 2880;
        m_settings.today = u"2006/03/07"_s;
        m_settings.now = u"15:05:00"_s;
        m_saved.clear();
    }
};
