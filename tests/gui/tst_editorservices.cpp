#include "CalendarDialog.h"
#include "CandidateDialog.h"
#include "DomainDialog.h"
#include "EditorServices.h"
#include "EditorWindowFixture.h"
#include "PrefixDialog.h"
#include "services/PostalTable.h"
#include "settings/AppSettings.h"
#include "settings/SettingsStore.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QListView>
#include <QScrollBar>
#include <QTemporaryDir>

namespace {

// The focus arriving in a widget for the given reason.
void Enter(QWidget& widget, Qt::FocusReason reason)
{
    QFocusEvent in(QEvent::FocusIn, reason);
    QApplication::sendEvent(&widget, &in);
}

QPushButton* DialogButton(QDialog& dialog, int index)
{
    return dialog.findChild<QPushButton*>(u"Command1_%1"_s.arg(index));
}

} // namespace

// The editor's field services through its buttons and menus, with the dialogs answered by the
// test: what each dialog shows, and what its OK writes into the form.
class TestEditorServices : public EditorWindowFixture
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCOMPARE(m_postal.Load(QStringLiteral(MORVANX_TEST_DATA) + u"/postal_candidates.csv"_s), std::nullopt);
    }

    void init()
    {
        Reset();
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_store = std::make_unique<SettingsStore>(m_dir->filePath(u"MORVANX.ini"_s));
        m_appSettings = AppSettings();
        m_appSettings.optAuto = u"1"_s;
        m_dialogs.clear();
    }

    void cleanup()
    {
        m_editor.reset();
        VERIFY_INTERACTION(m_ui);
    }

    void everyServiceIsAvailable()
    {
        EditorWindow& editor = OpenWithServices(u"2"_s);
        for (QAction* item : {editor.Actions().mnuEditYubin_Jusho, editor.Actions().mnuEditVerifyStar,
                              editor.Actions().mnuEditBirthDay}) {
            QVERIFY2(item->isEnabled(), qPrintable(item->objectName()));
        }
        for (int index = 0; index < 3; ++index) {
            QVERIFY(editor.Form().Command1[static_cast<std::size_t>(index)]->isEnabled());
        }
        for (int index = 1; index < 5; ++index) {
            QVERIFY(!editor.Form().Command1[static_cast<std::size_t>(index)]->icon().isNull());
        }
    }

    void menusFollowTheTextField_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("prefix");
        QTest::addColumn<bool>("domain");
        QTest::newRow("name") << int(kTextName) << false << false;
        QTest::newRow("telephone 1") << int(kTextTel1) << true << false;
        QTest::newRow("telephone 5") << int(kTextTel5) << true << false;
        QTest::newRow("mail 3") << int(MailText(3)) << false << true;
        QTest::newRow("postal code") << int(kTextPostalFirst) << false << false;
    }

    void menusFollowTheTextField()
    {
        QFETCH(int, index);
        QFETCH(bool, prefix);
        QFETCH(bool, domain);
        EditorWindow& editor = OpenWithServices(u"2"_s);
        ShowActive();
        Text(index)->setFocus();
        QTRY_COMPARE(editor.Actions().mnuEditPrefix->isEnabled(), prefix);
        QCOMPARE(editor.Actions().mnuEditDomain->isEnabled(), domain);
        // A drop-down box taking the focus changes neither the menus nor the last text field.
        Combo(kComboBloodType)->setFocus();
        QTRY_VERIFY(Combo(kComboBloodType)->hasFocus());
        QCOMPARE(editor.Actions().mnuEditPrefix->isEnabled(), prefix);
        QCOMPARE(editor.Actions().mnuEditDomain->isEnabled(), domain);
        QCOMPARE(editor.Fields().LastFocusIndex, index);
    }

    void postalButtonLooksUpTheCode()
    {
        EditorWindow& editor = OpenWithServices(u"2"_s);
        ShowActive();
        Text(kTextPostalFirst)->setText(u"100"_s);
        Text(kTextPostalSecond)->setText(u"1100"_s);
        Text(kTextPostalSecond)->setFocus();
        QTRY_COMPARE(editor.Fields().LastFocusIndex, int(kTextPostalSecond));
        QTest::mouseClick(editor.Form().Command1[0], Qt::LeftButton);
        QCOMPARE(Text(kTextAddress)->text(), u"東京都三宅島三宅村以下に掲載がない場合"_s);

        // A bad code: the digit message, the focus on the bad part, the address kept.
        Text(kTextPostalFirst)->setText(u"1a0"_s);
        m_ui.ExpectTell(u"入力された郵便番号が数字ではありません。　"_s, u"数字確認"_s, MessageIcon::Warning);
        editor.Actions().mnuEditYubin_Jusho->trigger();
        QCOMPARE(Text(kTextAddress)->text(), u"東京都三宅島三宅村以下に掲載がない場合"_s);
        QTRY_VERIFY(Text(kTextPostalFirst)->hasFocus());
    }

    void candidateOkWritesTheCode()
    {
        EditorWindow& editor = OpenWithServices(u"2"_s);
        ShowActive();
        Text(kTextAddress)->setText(u"北海道富良野市山部西"_s);
        Text(kTextAddress)->setFocus();
        QTRY_COMPARE(editor.Fields().LastFocusIndex, int(kTextAddress));
        m_answer = [this](QDialog& dialog) {
            auto& candidates = static_cast<CandidateDialog&>(dialog);
            [&] {
                QCOMPARE(dialog.windowTitle(), u"郵便番号候補一覧"_s);
                QAbstractItemModel* model = candidates.List().model();
                QCOMPARE(model->rowCount(), 3);
                QCOMPARE(model->index(2, 0).data().toString(), u"079-1571　富良野市山部西１４線"_s);
                // OK without a row asks for one and keeps the dialog open.
                m_ui.ExpectTell(u"郵便番号候補一覧の中から、該当する郵便番号を選択して下さい。　"_s, u"選択確認"_s,
                                MessageIcon::Warning);
                DialogButton(dialog, 0)->click();
                QCOMPARE(dialog.result(), int(QDialog::Rejected));
                m_ui.ExpectHelp(75);
                DialogButton(dialog, 2)->click();
            }();
            candidates.SelectRow(1);
            DialogButton(dialog, 0)->click();
            return dialog.result();
        };
        QTest::mouseClick(editor.Form().Command1[0], Qt::LeftButton);
        QCOMPARE(m_dialogs, QStringList{u"YB_KOUHO"_s});
        QCOMPARE(Text(kTextPostalFirst)->text(), u"079"_s);
        QCOMPARE(Text(kTextPostalSecond)->text(), u"1571"_s);
        QCOMPARE(Text(kTextAddress)->text(), u"北海道富良野市山部西"_s);
    }

    // A double-click on a row is OK on that row; the size the user gave the window is kept
    // however it closes, and the next opening comes back at it.
    void candidateDialogClosing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("double-click") << u"double-click"_s << u"079"_s << u"1571"_s;
        QTest::newRow("OK") << u"OK"_s << u"079"_s << u"1571"_s;
        QTest::newRow("Cancel") << u"Cancel"_s << u"999"_s << u"9999"_s;
    }
    void candidateDialogClosing()
    {
        QFETCH(QString, how);
        EditorWindow& editor = OpenWithServices(u"2"_s);
        ShowActive();
        Text(kTextPostalFirst)->setText(u"999"_s);
        Text(kTextPostalSecond)->setText(u"9999"_s);
        Text(kTextAddress)->setText(u"北海道富良野市山部西"_s);
        Text(kTextAddress)->setFocus();
        QTRY_COMPARE(editor.Fields().LastFocusIndex, int(kTextAddress));
        QSize opened;
        m_answer = [&how, &opened](QDialog& dialog) {
            auto& candidates = static_cast<CandidateDialog&>(dialog);
            dialog.show();
            opened = dialog.size();
            dialog.resize(700, 300);
            if (how == u"double-click") {
                QListView& list = candidates.List();
                const QPoint row = list.visualRect(list.model()->index(1, 0)).center();
                QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, row);
                QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, row);
            } else if (how == u"OK") {
                candidates.SelectRow(1);
                DialogButton(dialog, 0)->click();
            } else {
                DialogButton(dialog, 1)->click();
            }
            return dialog.result();
        };
        QTest::mouseClick(editor.Form().Command1[0], Qt::LeftButton);
        QCOMPARE(m_dialogs, QStringList{u"YB_KOUHO"_s});
        QTEST(Text(kTextPostalFirst)->text(), "first");
        QTEST(Text(kTextPostalSecond)->text(), "second");
        QCOMPARE(opened, QSize(640, 400));
        QCOMPARE(m_store->GetSetting(u"Position"_s, u"K_Width"_s), u"10500"_s);
        QCOMPARE(m_store->GetSetting(u"Position"_s, u"K_Height"_s), u"4500"_s);
        m_answer = [&opened](QDialog& dialog) {
            dialog.show();
            opened = dialog.size();
            return int(QDialog::Rejected);
        };
        QTest::mouseClick(editor.Form().Command1[0], Qt::LeftButton);
        QCOMPARE(opened, QSize(700, 300));
    }

    // Rows that differ only at their end (the floor of one building) show whole: the list
    // scrolls as far as the longest row, wherever it stands, and its tool tip holds it all.
    void candidateRowsShowWhole()
    {
        const QString longRow = u"100-6590　千代田区丸の内パシフィックセンチュリープレイス丸の内（地階・階層不明）"_s;
        const QStringList rows{u"100-0005　千代田区丸の内"_s, longRow, u"100-0001　千代田区千代田"_s};
        EditorFields fields;
        CandidateDialog dialog(rows, fields, m_ui, TwipsSize{4500, 3000});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QListView& list = dialog.List();
        QVERIFY(list.viewport()->width() < list.fontMetrics().horizontalAdvance(longRow));
        QVERIFY(list.horizontalScrollBar()->maximum() + list.viewport()->width() >=
                list.fontMetrics().horizontalAdvance(longRow));
        QCOMPARE(list.model()->index(1, 0).data(Qt::ToolTipRole).toString(), longRow);
    }

    void candidatesNotFound()
    {
        EditorWindow& editor = OpenWithServices(u"2"_s);
        ShowActive();
        Text(kTextAddress)->setText(u"千代田区千代田"_s);
        Text(kTextAddress)->setFocus();
        QTRY_COMPARE(editor.Fields().LastFocusIndex, int(kTextAddress));
        m_ui.ExpectTell(u"入力された住所から、検索できませんでした。　入力住所を確認して下さい。　"_s,
                        u"入力住所確認"_s, MessageIcon::Warning);
        m_answer = [](QDialog& dialog) {
            if (static_cast<CandidateDialog&>(dialog).List().model()->rowCount() != 0) {
                return -1;
            }
            DialogButton(dialog, 1)->click();
            return dialog.result();
        };
        const QString first = Text(kTextPostalFirst)->text();
        QTest::mouseClick(editor.Form().Command1[0], Qt::LeftButton);
        QCOMPARE(m_dialogs, QStringList{u"YB_KOUHO"_s});
        QCOMPARE(Text(kTextPostalFirst)->text(), first);
    }

    void calendarOkWritesTheDate()
    {
        EditorWindow& editor = OpenWithServices(u"2"_s);
        Combo(kComboConstellation)->setEditText(u"魚"_s);
        m_answer = [this](QDialog& dialog) {
            auto& calendar = static_cast<CalendarDialog&>(dialog);
            [&] {
                QCOMPARE(dialog.windowTitle(), u"誕生日の設定 （ｶﾚﾝﾀﾞｰ形式）"_s);
                QCOMPARE(calendar.Calendar().selectedDate(), QDate::currentDate());
                m_ui.ExpectHelp(73);
                DialogButton(dialog, 2)->click();
            }();
            calendar.Calendar().setSelectedDate(QDate(1970, 1, 5));
            DialogButton(dialog, 0)->click();
            return dialog.result();
        };
        QTest::mouseClick(editor.Form().Command1[2], Qt::LeftButton);
        QCOMPARE(m_dialogs, QStringList{u"CALEND"_s});
        QCOMPARE(Combo(kComboBirthYear)->currentText(), u"1970"_s);
        QCOMPARE(Combo(kComboBirthMonth)->currentText(), u"01"_s);
        QCOMPARE(Combo(kComboBirthDay)->currentText(), u"05"_s);
        QCOMPARE(Combo(kComboConstellation)->currentText(), u"魚"_s);

        // Cancel changes nothing.
        m_answer = [](QDialog& dialog) {
            static_cast<CalendarDialog&>(dialog).Calendar().setSelectedDate(QDate(2001, 2, 3));
            DialogButton(dialog, 1)->click();
            return dialog.result();
        };
        editor.Actions().mnuEditBirthDay->trigger();
        QCOMPARE(Combo(kComboBirthYear)->currentText(), u"1970"_s);
    }

    void constellationButton()
    {
        EditorWindow& editor = OpenWithServices(u"2"_s);
        Combo(kComboBirthMonth)->setEditText(u"01"_s);
        Combo(kComboBirthDay)->setEditText(u"19"_s);
        QTest::mouseClick(editor.Form().Command1[1], Qt::LeftButton);
        QCOMPARE(Combo(kComboConstellation)->currentText(), u"山羊"_s);
    }

    void domainOpensAfterTypedAt()
    {
        EditorWindow& editor = OpenWithServices(u"2"_s);
        ShowActive();
        m_answer = [this](QDialog& dialog) {
            auto& domains = static_cast<DomainDialog&>(dialog);
            [&] {
                QCOMPARE(dialog.windowTitle(), u"ドメイン名の付加"_s);
                QVERIFY(domains.AutoOpen().isChecked());
                QCOMPARE(domains.Groups().count(), 7);
                QCOMPARE(domains.Groups().currentIndex(), -1);
                QCOMPARE(domains.Domains().count(), 0);
            }();
            dialog.show();
            domains.Groups().setCurrentIndex(3);
            // Entering the domain list fills it with the group's domains and drops it open; the
            // focus coming back to it from elsewhere (its pop-up, another window) does not.
            Enter(domains.Domains(), Qt::PopupFocusReason);
            [&] { QCOMPARE(domains.Domains().count(), 0); }();
            Enter(domains.Domains(), Qt::TabFocusReason);
            [&] {
                QCOMPARE(Items(&domains.Domains()), (QStringList{u"ezweb.ne.jp"_s, u"au.com"_s}));
                QTRY_VERIFY(domains.Domains().view()->isVisible());
            }();
            domains.Domains().hidePopup();
            // Another group replaces the list.
            domains.Groups().setCurrentIndex(5);
            Enter(domains.Domains(), Qt::MouseFocusReason);
            [&] { QCOMPARE(Items(&domains.Domains()), (QStringList{u"ymobile.ne.jp"_s, u"yahoo.ne.jp"_s})); }();
            domains.Domains().hidePopup();
            // An ended service is shown marked; OK appends its domain alone.
            domains.Groups().setCurrentIndex(2);
            Enter(domains.Groups(), Qt::TabFocusReason);
            domains.Domains().setCurrentIndex(2);
            [&] { QCOMPARE(domains.Domains().currentText(), u"c.vodafone.ne.jp（終了したサービス）"_s); }();
            DialogButton(dialog, 0)->click();
            return dialog.result();
        };
        Text(MailText(2))->setFocus();
        QTRY_COMPARE(editor.Fields().LastFocusIndex, int(MailText(2)));
        QTest::keyClicks(Text(MailText(2)), u"taro"_s);
        QVERIFY(m_dialogs.isEmpty());
        QTest::keyClicks(Text(MailText(2)), u"@"_s);
        QTRY_COMPARE(m_dialogs, QStringList{u"DOMAINNM"_s});
        QCOMPARE(Text(MailText(2))->text(), u"taro@c.vodafone.ne.jp"_s);
        QCOMPARE(m_store->GetSetting(u"Config"_s, u"OptAuto"_s), u"1"_s);
    }

    void oneDomainPickerAtATime()
    {
        OpenWithServices(u"2"_s);
        ShowActive();
        m_answer = [](QDialog& dialog) {
            // The picker's own event loop runs whatever else was queued.
            QCoreApplication::processEvents();
            DialogButton(dialog, 1)->click();
            return dialog.result();
        };
        Text(MailText(3))->setFocus();
        QTest::keyClicks(Text(MailText(3)), u"@@"_s);
        QTRY_COMPARE(m_dialogs.size(), 1);
        QTest::qWait(50);
        QCOMPARE(m_dialogs.size(), 1);
    }

    void domainOkStoresTheTickBox_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("stored");
        QTest::newRow("OK") << true << u"0"_s;
        QTest::newRow("Cancel") << false << QString();
    }

    void domainOkStoresTheTickBox()
    {
        QFETCH(bool, accept);
        QFETCH(QString, stored);
        EditorWindow& editor = OpenWithServices(u"2"_s);
        // The last text field is the name: OK appends nothing but still keeps the tick box.
        m_answer = [accept](QDialog& dialog) {
            auto& domains = static_cast<DomainDialog&>(dialog);
            domains.AutoOpen().setChecked(false);
            domains.Groups().setCurrentIndex(0);
            DialogButton(dialog, accept ? 0 : 1)->click();
            return dialog.result();
        };
        const QString name = Text(kTextName)->text();
        editor.Actions().mnuEditDomain->setEnabled(true);
        editor.Actions().mnuEditDomain->trigger();
        QCOMPARE(m_store->GetSetting(u"Config"_s, u"OptAuto"_s), stored);
        QCOMPARE(m_appSettings.optAuto, accept ? u"0"_s : u"1"_s);
        QCOMPARE(Text(kTextName)->text(), name);
    }

    void noAutomaticOpening_data()
    {
        QTest::addColumn<QString>("optAuto");
        QTest::addColumn<bool>("typed");
        QTest::newRow("option off, typed") << u"0"_s << true;
        QTest::newRow("option on, shown by the editor") << u"1"_s << false;
    }

    void noAutomaticOpening()
    {
        QFETCH(QString, optAuto);
        QFETCH(bool, typed);
        m_appSettings.optAuto = optAuto;
        m_dial.rows[0][kColMail1] = u"hanako@"_s;
        EditorWindow& editor = OpenWithServices(u"2"_s);
        ShowActive();
        Text(MailText(1))->setFocus();
        if (typed) {
            QTest::keyClicks(Text(MailText(1)), u"taro@"_s);
        } else {
            // Stepping back to the first entry shows its address ending in "@".
            editor.Actions().mnuFileRecord[0]->trigger();
            QCOMPARE(Text(MailText(1))->text(), u"hanako@"_s);
        }
        QTest::qWait(50);
        QVERIFY(m_dialogs.isEmpty());
    }

    void prefixOk()
    {
        EditorWindow& editor = OpenWithServices(u"2"_s);
        ShowActive();
        const QString number = Text(kTextTel1)->text();
        QVERIFY(!number.isEmpty());
        Text(kTextTel1)->setFocus();
        QTRY_VERIFY(editor.Actions().mnuEditPrefix->isEnabled());
        m_answer = [this](QDialog& dialog) {
            auto& prefixes = static_cast<PrefixDialog&>(dialog);
            [&] {
                QCOMPARE(dialog.windowTitle(), u"プレフィクス番号の付加"_s);
                QCOMPARE(prefixes.Prefixes().currentIndex(), -1);
                QCOMPARE(Items(&prefixes.Prefixes()), (QStringList{u"184"_s, u"186"_s, u"0063"_s}));
                m_ui.ExpectHelp(59);
                DialogButton(dialog, 2)->click();
            }();
            prefixes.Prefixes().setCurrentIndex(0);
            DialogButton(dialog, 0)->click();
            return dialog.result();
        };
        editor.Actions().mnuEditPrefix->trigger();
        QCOMPARE(Text(kTextTel1)->text(), u"184"_s + number);

        // OK with nothing chosen leaves the number alone.
        m_answer = [](QDialog& dialog) {
            DialogButton(dialog, 0)->click();
            return dialog.result();
        };
        editor.Actions().mnuEditPrefix->trigger();
        QCOMPARE(Text(kTextTel1)->text(), u"184"_s + number);
    }

private:
    EditorWindow& OpenWithServices(const QString& mode)
    {
        EditorWindow& editor = Open(mode);
        auto* services = new EditorServices(editor, m_ui, FieldServiceContext{m_postal, m_appSettings, *m_store});
        services->SetDialogRunner([this](QDialog& dialog) {
            m_dialogs << dialog.objectName();
            return m_answer ? m_answer(dialog) : -1;
        });
        return editor;
    }

    PostalTable m_postal;
    AppSettings m_appSettings;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SettingsStore> m_store;
    std::function<int(QDialog&)> m_answer;
    QStringList m_dialogs;
};

QTEST_MAIN(TestEditorServices)
#include "tst_editorservices.moc"
