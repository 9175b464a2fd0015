#include "EditorActions.h"
#include "EditorLauncher.h"
#include "EditorWindow.h"
#include "FakeInteraction.h"
#include "MainWindow.h"
#include "MainWindowActions.h"
#include "SampleEntries.h"
#include "SettingsDialog.h"
#include "SettingsLauncher.h"
#include "services/PostalTable.h"
#include "settings/SettingsStore.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFontDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

// SETTEI through the real windows: the main window's command opens it on the settings of a
// temporary store, the test drives it in place of its modal loop, the main window follows.
class TestSettingsDialogWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SettingsStore> m_store;
    AppSettings m_settings;
    PostalTable m_postal;
    MemoryDial m_dial;
    FakeInteraction m_fake;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<SettingsLauncher> m_launcher;
    bool m_ran = false;

    // Opens the dialog through "各種設定(&K)" and runs `drive` on it.
    void Run(const std::function<void(SettingsDialog&)>& drive)
    {
        m_ran = false;
        m_launcher->SetRunner([this, drive](SettingsDialog& dialog) {
            m_ran = true;
            drive(dialog);
        });
        m_window->Actions().mnuOptSettei->trigger();
        QVERIFY(m_ran);
    }
    QString Stored(const QString& key) const { return m_store->GetSetting(u"Config"_s, key); }
    int Pixels(int twips) const { return qRound(twips * m_window->logicalDpiX() / 1440.0); }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_store = std::make_unique<SettingsStore>(m_dir->filePath(u"MORVANX.ini"_s));
        m_settings = AppSettings();
        static_cast<void>(LoadLogoSetting(*m_store, m_settings));
        static_cast<void>(LoadPostalSlotSettings(*m_store, m_settings, m_dir->path()));
        LoadRemainingSettings(*m_store, m_settings, 19200, 14400);
        static_cast<void>(m_postal.Load(QString()));
        m_dial = MemoryDial();
        m_dial.rows = SampleRows(3);
        m_dial.EntryCount = 3;
        m_fake = FakeInteraction();
        m_window = std::make_unique<MainWindow>(m_dial, m_fake, MainWindowOptionsFrom(m_settings, {}, {}),
                                                m_dir->path(), nullptr, nullptr);
        m_launcher =
            std::make_unique<SettingsLauncher>(*m_window, m_settings, *m_store, m_postal, m_fake, m_dir->path());
        m_launcher->Install();
    }
    void cleanup()
    {
        VERIFY_INTERACTION(m_fake);
        m_launcher.reset();
        m_window.reset();
    }

    void captions()
    {
        Run([](SettingsDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), u"各種設定"_s);
            QStringList tabs;
            for (int i = 0; i < dialog.Tabs().count(); ++i) {
                tabs << dialog.Tabs().tabText(i);
            }
            QCOMPARE(tabs, (QStringList{u"環境設定 １"_s, u"環境設定 ２"_s, u"環境設定 ３"_s, u"*．CSV 保存先"_s}));
            QStringList buttons;
            for (int i = 0; i < 4; ++i) {
                buttons << dialog.Button(i).text();
            }
            QCOMPARE(buttons, (QStringList{u"OK"_s, u"キャンセル"_s, u"適用(&A)"_s, u"ヘルプ"_s}));
            QCOMPARE(dialog.Check(5).text(), u"最後のアクティブタブ(&A)"_s);
            QCOMPARE(dialog.SizeOption(3).text(), u"SXGA （1280×1024）"_s);
            QCOMPARE(dialog.FontButton().text(), u"フォント／スタイル／サイズ選択"_s);
            QCOMPARE(dialog.WidthCaption(kColTel1)->text(), u"電話番号"_s);
            QCOMPARE(dialog.WidthCaption(kColMemo)->text(), u"ﾒﾓ"_s);
            QVERIFY(!dialog.WidthBox(TelNumberCell(2)));
            QCOMPARE(dialog.Link().text(), u"URL：https://www.post.japanpost.jp/zipcode/download.html"_s);
        });
    }

    // The main window's command, by menu, shortcut and toolbar button 16, first stores the
    // column widths, so the dialog shows the width the user just dragged.
    void mainCommandStoresWidthsFirst_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("menu") << u"menu"_s;
        QTest::newRow("Ctrl+K") << u"shortcut"_s;
        QTest::newRow("toolbar button 16") << u"button"_s;
    }
    void mainCommandStoresWidthsFirst()
    {
        QFETCH(QString, how);
        QCOMPARE(m_window->Actions().mnuOptSettei->shortcut(), QKeySequence(u"Ctrl+K"_s));
        QVERIFY(m_window->Actions().button[16]->isEnabled());
        m_window->List().setColumnWidth(kColName, Pixels(2880));
        QString shown;
        m_launcher->SetRunner([&shown](SettingsDialog& dialog) { shown = dialog.WidthBox(kColName)->text(); });
        if (how == u"button") {
            m_window->Actions().button[16]->trigger();
        } else if (how == u"shortcut") {
            m_window->show();
            QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
            QTest::keyClick(m_window.get(), Qt::Key_K, Qt::ControlModifier);
        } else {
            m_window->Actions().mnuOptSettei->trigger();
        }
        QCOMPARE(shown, u"2880"_s);
        QCOMPARE(Stored(u"LVCwid(2)"_s), u"2880"_s);
    }

    void buttons_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("applied");
        QTest::newRow("OK") << 0 << true << true;
        QTest::newRow("キャンセル") << 1 << true << false;
        QTest::newRow("適用(&A)") << 2 << false << true;
    }
    void buttons()
    {
        QFETCH(int, button);
        QFETCH(bool, closes);
        QFETCH(bool, applied);
        Run([&](SettingsDialog& dialog) {
            dialog.show();
            dialog.Tabs().setCurrentIndex(0);
            dialog.Check(kCheckHeaders).setChecked(false);
            dialog.Check(kCheckGrid).setChecked(false);
            QTest::mouseClick(&dialog.Button(button), Qt::LeftButton);
            QCOMPARE(dialog.isVisible(), !closes);
        });
        QCOMPARE(m_window->List().horizontalHeader()->isHidden(), applied);
        QCOMPARE(m_window->List().showGrid(), !applied);
        QCOMPARE(Stored(u"OptMida"_s), applied ? u"1"_s : u"0"_s);
    }

    // 適用(&A) applies the tab in front only; the size chosen is that of the whole window.
    void applyActiveTabOnly()
    {
        Run([](SettingsDialog& dialog) {
            dialog.Check(kCheckHeaders).setChecked(false);
            dialog.Tabs().setCurrentIndex(1);
            dialog.SizeOption(2).setChecked(true);
            dialog.Button(2).click();
        });
        QCOMPARE(m_window->frameGeometry().size(), QSize(Pixels(15375), Pixels(11520)));
        QVERIFY(m_window->frameGeometry().size() != m_window->size());
        QCOMPARE(Stored(u"OptSize"_s), u"2"_s);
        QVERIFY(!m_window->List().horizontalHeader()->isHidden());
        QCOMPARE(Stored(u"OptMida"_s), u"0"_s);
    }

    // The stored sizes are the outer window: it opens that size with its frame, and closing
    // it unchanged stores the same size again.
    void outerSizeKept()
    {
        QList<MainWindowPlacement> saved;
        MemoryDial empty;
        MainWindow window(empty, m_fake, MainWindowOptionsFrom(m_settings, {}, {}), m_dir->path(), nullptr,
                          [&saved](const MainWindowPlacement& placement) { saved << placement; });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.frameGeometry().size(), QSize(Pixels(12000), Pixels(9000)));
        QVERIFY(window.close());
        QCOMPARE(saved.size(), 1);
        QCOMPARE(saved[0].width, 12000);
        QCOMPARE(saved[0].height, 9000);
    }

    void widthBoxes()
    {
        m_fake.ExpectTell(u"各項目の幅は 「0～9999」 の範囲で設定可能です。"_s, u"設定可能範囲"_s,
                          MessageIcon::Warning);
        Run([this](SettingsDialog& dialog) {
            dialog.show();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            dialog.Tabs().setCurrentIndex(2);
            QLineEdit* hobby = dialog.WidthBox(kColHobby);
            hobby->selectAll();
            QTest::keyClicks(hobby, u"10000"_s);
            QCOMPARE(hobby->text(), QString());
            QTest::keyClicks(hobby, u"9999"_s);
            // The arrows step the box and put the focus into it; its caption shows which.
            QLineEdit* tel = dialog.WidthBox(kColTel1);
            tel->setText(u"1500"_s);
            QTest::mouseClick(dialog.WidthStep(kColTel1, true), Qt::LeftButton);
            QCOMPARE(tel->text(), u"1515"_s);
            QVERIFY(tel->hasFocus());
            QVERIFY(dialog.WidthCaption(kColTel1)->styleSheet().contains(u"bold"_s));
            QVERIFY(!dialog.WidthCaption(kColHobby)->styleSheet().contains(u"bold"_s));
            dialog.Button(0).click();
            QVERIFY(m_fake.Verify());
        });
        QCOMPARE(m_window->List().columnWidth(kColHobby), Pixels(9999));
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            QCOMPARE(m_window->List().columnWidth(TelNumberCell(slot)), Pixels(1515));
        }
    }

    void fontAndColours()
    {
        Run([](SettingsDialog& dialog) {
            dialog.SetFontPicker([](const QFont& current, QWidget*) -> std::optional<QFont> {
                // The picker opens on the list's font, the stand-in for the Windows face.
                if (current.family() != u"IPAPGothic"_s || current.pointSizeF() != 9) {
                    return std::nullopt;
                }
                QFont font(u"IPAGothic"_s);
                font.setPointSizeF(10.5);
                font.setBold(true);
                return font;
            });
            dialog.SetColourPicker([](const QColor&, QWidget*) -> std::optional<QColor> { return QColor(Qt::red); });
            dialog.FontButton().click();
            QCOMPARE(dialog.FontLabel(0).text(), u"IPAGothic"_s);
            QCOMPARE(dialog.FontLabel(1).text(), u"10.5"_s);
            dialog.ColourButton(0).click();
            QVERIFY(dialog.ColourButton(0).styleSheet().contains(u"#ff0000"_s));
            dialog.Tabs().setCurrentIndex(1);
            dialog.Button(2).click();
        });
        const QFont font = m_window->List().font();
        QCOMPARE(font.family(), u"IPAGothic"_s);
        QCOMPARE(font.pointSizeF(), 10.5);
        QVERIFY(font.bold());
        QCOMPARE(m_window->List().palette().color(QPalette::Text), QColor(Qt::red));
        QCOMPARE(Stored(u"OptCol(0)"_s), u"255"_s);
        QCOMPARE(Stored(u"OptFont(2)"_s), u"True"_s);
    }

    // The real font dialog: a size typed with a decimal keeps it, in the label, the store and
    // the list; sizes stored before as whole numbers open and stay as they were.
    void typedFontSize_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("typed"); // into the size box; empty: left as it opened
        QTest::addColumn<QString>("size");  // label and store after OK
        QTest::addColumn<double>("points"); // the list's font

        QTest::newRow("10.5 typed") << u"9"_s << u"10.5"_s << u"10.5"_s << 10.5;
        QTest::newRow("10,5 typed") << u"9"_s << u"10,5"_s << u"10.5"_s << 10.5;
        QTest::newRow("second decimal refused") << u"9"_s << u"12.25"_s << u"12.2"_s << 12.2;
        QTest::newRow("whole size typed") << u"9"_s << u"12"_s << u"12"_s << 12.0;
        QTest::newRow("stored decimal kept") << u"10.5"_s << u""_s << u"10.5"_s << 10.5;
        QTest::newRow("stored whole size kept") << u"11"_s << u""_s << u"11"_s << 11.0;
        QTest::newRow("emptied box keeps the size") << u"11"_s << u"<empty>"_s << u"11"_s << 11.0;
    }
    void typedFontSize()
    {
        QFETCH(QString, stored);
        QFETCH(QString, typed);
        QFETCH(QString, size);
        QFETCH(double, points);
        m_settings.optFont[1] = stored;
        QString opened;
        Run([&](SettingsDialog& dialog) {
            QTimer::singleShot(0, &dialog, [&] {
                auto* fonts = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
                QVERIFY(fonts);
                QLineEdit* box = nullptr;
                for (QLineEdit* edit : fonts->findChildren<QLineEdit*>()) {
                    if (!edit->isReadOnly() && edit->objectName() != u"qt_fontDialog_sampleEdit") {
                        box = edit;
                    }
                }
                QVERIFY(box);
                opened = box->text();
                if (!typed.isEmpty()) {
                    box->selectAll();
                    QTest::keyClick(box, Qt::Key_Delete);
                    QTest::keyClicks(box, typed == u"<empty>" ? QString() : typed);
                }
                fonts->accept();
            });
            dialog.FontButton().click();
            QCOMPARE(dialog.FontLabel(1).text(), size);
            dialog.Button(0).click();
        });
        QCOMPARE(opened, stored);
        QCOMPARE(Stored(u"OptFont(1)"_s), size);
        QCOMPARE(m_window->List().font().pointSizeF(), points);
    }

    void postalSlot()
    {
        const QString folder = m_dir->filePath(u"zip"_s);
        QVERIFY(QDir().mkpath(folder + u"/old"_s));
        QVERIFY(QFile::copy(QStringLiteral(MORVANX_TEST_DATA) + u"/postal_excerpt.csv"_s, folder + u"/KEN_ALL.CSV"_s));
        m_fake.ExpectOpenFile(u"郵便番号一覧の選択"_s, folder + u"/KEN_ALL.CSV"_s);
        Run([&](SettingsDialog& dialog) {
            dialog.Tabs().setCurrentIndex(3);
            dialog.SlotOption(1).setChecked(true);
            dialog.SlotChooser(1).click();
            QCOMPARE(dialog.SlotFile(1).text(), u"KEN_ALL.CSV"_s);
            // The folder list: the folders above, the folder itself, then the one inside it.
            const QListWidget& list = dialog.Folder();
            QCOMPARE(list.item(list.count() - 1)->text().trimmed(), u"old"_s);
            QCOMPARE(list.item(list.count() - 2)->text().trimmed(), u"zip"_s);
            dialog.Button(0).click();
        });
        QCOMPARE(m_postal.Index().count(), 13);
        QCOMPARE(Stored(u"OptSen"_s), u"1"_s);
    }

    void postalLink()
    {
        m_fake.ExpectOpenUrl(u"https://www.post.japanpost.jp/zipcode/download.html"_s);
        Run([](SettingsDialog& dialog) {
            QLabel& link = dialog.Link();
            QEvent enter(QEvent::Enter);
            QApplication::sendEvent(&link, &enter);
            QVERIFY(link.styleSheet().contains(u"#0000ff"_s));
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(&link, &leave);
            QVERIFY(link.styleSheet().contains(u"#000000"_s));
            QTest::mouseClick(&link, Qt::LeftButton);
        });
    }

    // The editor's item opens the dialog over the editor, without storing the widths first.
    void editorCommand()
    {
        m_window->List().setColumnWidth(kColName, Pixels(2880));
        EditorLauncher editors(*m_window, m_dial, m_fake, nullptr, nullptr);
        editors.SetSettingsCommand([this](EditorWindow& editor) { m_launcher->ShowOverEditor(editor); });
        QString parentName;
        editors.SetRunner([&parentName](EditorWindow& editor) {
            QAction* item = editor.Actions().mnuOptSettei;
            QVERIFY(item->isEnabled());
            QTimer::singleShot(0, &editor, [&parentName] {
                QWidget* dialog = QApplication::activeModalWidget();
                QVERIFY(dialog);
                parentName = dialog->parentWidget()->objectName();
                dialog->close();
            });
            item->trigger();
        });
        m_dial.SelectedRow = 1;
        m_dial.EditMode = u"2"_s;
        editors.OpenEditor();
        QCOMPARE(parentName, u"EDITOR"_s);
        QCOMPARE(Stored(u"LVCwid(2)"_s), u"1000"_s);
    }

    // F1 opens the topic of the tab in front, as the help button does.
    void f1OpensTheTabsTopic_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("topic");
        QTest::newRow("環境設定 １") << 0 << 37;
        QTest::newRow("*．CSV 保存先") << 3 << 58;
    }
    void f1OpensTheTabsTopic()
    {
        QFETCH(int, tab);
        QFETCH(int, topic);
        Run([&](SettingsDialog& dialog) {
            dialog.show();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            dialog.Tabs().setCurrentIndex(tab);
            m_fake.ExpectHelp(topic);
            QTest::keyClick(&dialog, Qt::Key_F1);
            VERIFY_INTERACTION(m_fake);
        });
    }
};

QTEST_MAIN(TestSettingsDialogWindow)
#include "tst_settingsdialog.moc"
