#include "FakeInteraction.h"
#include "app/SettingsDialogCommands.h"
#include "services/PostalTable.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The main window as a log of what the dialog made it do.
class FakeTarget final : public SettingsTarget
{
public:
    void ShowColumnHeaders(bool visible) override { log << u"headers %1"_s.arg(visible); }
    void ShowGridLines(bool visible) override { log << u"grid %1"_s.arg(visible); }
    void SetDoubleClickExits(bool exits) override { log << u"dblclick %1"_s.arg(exits); }
    void SetSortOnOpen(bool sort) override { log << u"sort %1"_s.arg(sort); }
    TwipsSize WindowSize() const override { return size; }
    void ResizeWindow(TwipsSize outerSize) override
    {
        log << u"resize %1x%2"_s.arg(outerSize.width).arg(outerSize.height);
    }
    void CentreWindow(TwipsSize outerSize) override
    {
        log << u"centre %1x%2"_s.arg(outerSize.width).arg(outerSize.height);
    }
    void SetListFont(const ListFontSetting& font) override
    {
        log << u"font %1 %2 %3 %4"_s.arg(font.name).arg(font.pointSize).arg(font.bold).arg(font.italic);
    }
    void SetListColours(std::uint32_t text, std::uint32_t background) override
    {
        log << u"colours %1 %2"_s.arg(qulonglong(text), 6, 16, QChar(u'0'))
                   .arg(qulonglong(background), 6, 16, QChar(u'0'));
    }
    void SetColumnWidth(int column, int twips) override { widths[static_cast<std::size_t>(column)] = twips; }

    TwipsSize size{13000, 8000};
    QStringList log;
    std::array<int, kEntryColumnCount> widths{};
};

} // namespace

class TestSettingsDialog : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SettingsStore> m_store;
    AppSettings m_settings;
    FakeTarget m_target;
    PostalTable m_postal;
    FakeInteraction m_fake;
    std::unique_ptr<SettingsDialogCommands> m_dialog;

    QString Stored(const QString& key, const QString& section = u"Config"_s) const
    {
        return m_store->GetSetting(section, key);
    }
    // A second postal table, in its own folder, for slot 1.
    QString MakeSecondTable()
    {
        const QString folder = m_dir->filePath(u"zip"_s);
        QDir().mkpath(folder);
        QFile::copy(QStringLiteral(MORVANX_TEST_DATA) + u"/postal_excerpt.csv"_s, folder + u"/KEN_ALL.CSV"_s);
        return folder;
    }
    void Open()
    {
        m_dialog =
            std::make_unique<SettingsDialogCommands>(m_settings, *m_store, m_target, m_postal, m_fake, m_dir->path());
        m_dialog->Form_Load();
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_store = std::make_unique<SettingsStore>(m_dir->filePath(u"MORVANX.ini"_s));
        m_settings = AppSettings();
        static_cast<void>(LoadLogoSetting(*m_store, m_settings));
        static_cast<void>(LoadPostalSlotSettings(*m_store, m_settings, m_dir->path()));
        LoadRemainingSettings(*m_store, m_settings, 19200, 14400);
        m_target = FakeTarget();
        static_cast<void>(m_postal.Load(QString()));
        m_fake = FakeInteraction();
        Open();
    }
    void cleanup() { VERIFY_INTERACTION(m_fake); }

    void formFromSettings()
    {
        m_settings.optMida = u"1"_s;
        m_settings.optLATab = u"3"_s;
        m_settings.optSize = u"2"_s;
        m_settings.optDEnd[1] = u"1"_s;
        m_settings.optSen = u"2"_s;
        m_settings.lvcWid[5] = u"1500"_s;
        Open();
        const SettingsForm& form = m_dialog->Form();
        QVERIFY(form.check[kCheckLogo]);
        QVERIFY(!form.check[kCheckHeaders]);
        QVERIFY(form.check[kCheckGrid]);
        QVERIFY(form.check[kCheckEditorDoubleClick]);
        QVERIFY(!form.check[kCheckMainDoubleClick]);
        QCOMPARE(form.activeTab, 3);
        QCOMPARE(form.selectedSize, 2);
        QCOMPARE(form.slot, 2);
        QCOMPARE(form.widths[5], u"1500"_s);
        QCOMPARE(form.font[0], u"ＭＳ Ｐゴシック"_s);
    }

    void startTabFromOptLATab_data()
    {
        QTest::addColumn<QString>("optLATab");
        QTest::addColumn<int>("tab");
        QTest::newRow("2") << u"2"_s << 2;
        QTest::newRow("no such tab") << u"7"_s << 0;
        QTest::newRow("not a number") << u"x"_s << 0;
    }
    void startTabFromOptLATab()
    {
        QFETCH(QString, optLATab);
        m_settings.optLATab = optLATab;
        Open();
        QTEST(m_dialog->Form().activeTab, "tab");
    }

    // Each check box of tab 0, applied with 適用(&A): the key it writes and what the main window does.
    void startupTab_data()
    {
        QTest::addColumn<int>("check");
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("windowDoes");
        QTest::newRow("headers off") << int(kCheckHeaders) << false << u"OptMida"_s << u"1"_s << u"headers 0"_s;
        QTest::newRow("headers on") << int(kCheckHeaders) << true << u"OptMida"_s << u"0"_s << u"headers 1"_s;
        QTest::newRow("grid off") << int(kCheckGrid) << false << u"OptGrid"_s << u"0"_s << u"grid 0"_s;
        QTest::newRow("logo off") << int(kCheckLogo) << false << u"OptLogo"_s << u"0"_s << QString();
        QTest::newRow("centred columns") << int(kCheckCentred) << true << u"OptRed"_s << u"1"_s << QString();
        QTest::newRow("sort") << int(kCheckSort) << true << u"OptSort"_s << u"1"_s << u"sort 1"_s;
        QTest::newRow("main double-click")
            << int(kCheckMainDoubleClick) << true << u"OptDEnd(0)"_s << u"1"_s << u"dblclick 1"_s;
        QTest::newRow("editor double-click")
            << int(kCheckEditorDoubleClick) << true << u"OptDEnd(1)"_s << u"1"_s << QString();
        QTest::newRow("editor centring") << int(kCheckEditorCentre) << true << u"OptCenter(1)"_s << u"1"_s << QString();
    }
    void startupTab()
    {
        QFETCH(int, check);
        QFETCH(bool, ticked);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QString, windowDoes);
        m_dialog->Form().check[static_cast<std::size_t>(check)] = ticked;
        QVERIFY(!m_dialog->Command1_Click(SettingsDialogCommands::kApply));
        QCOMPARE(Stored(key), value);
        if (!windowDoes.isEmpty()) {
            QVERIFY2(m_target.log.contains(windowDoes), qPrintable(m_target.log.join(u", ")));
        }
        // Applying one tab resizes nothing and leaves the other tabs' keys alone.
        QVERIFY(!m_target.log.join(u' ').contains(u"resize"_s));
        QCOMPARE(Stored(u"OptSize"_s), u"1"_s);
    }

    // Centring on tab 0 uses the size chosen on tab 1, or the window's own size for 任意.
    void centring_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("centred");
        QTest::newRow("SXGA") << 3 << u"centre 19240x15375"_s;
        QTest::newRow("VGA") << 0 << u"centre 9600x7200"_s;
        QTest::newRow("own size") << 4 << u"centre 13000x8000"_s;
    }
    void centring()
    {
        QFETCH(int, size);
        QFETCH(QString, centred);
        m_dialog->Form().check[kCheckMainCentre] = true;
        m_dialog->Form().selectedSize = size;
        m_dialog->ApplyTab(0);
        QCOMPARE(Stored(u"OptCenter(0)"_s), u"1"_s);
        QCOMPARE(m_target.log.first(), centred);
    }

    void lastActiveTab_data()
    {
        QTest::addColumn<bool>("remember");
        QTest::addColumn<int>("reopensOn");
        QTest::newRow("remembered") << true << 2;
        QTest::newRow("not remembered") << false << 0;
    }
    void lastActiveTab()
    {
        QFETCH(bool, remember);
        m_dialog->Form().check[kCheckLastTab] = remember;
        m_dialog->Form().activeTab = 2;
        QVERIFY(m_dialog->Command1_Click(SettingsDialogCommands::kOk));
        QCOMPARE(Stored(u"OptLAct"_s), remember ? u"1"_s : u"0"_s);
        Open();
        QTEST(m_dialog->Form().activeTab, "reopensOn");
    }

    void sizeTab_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("resize");
        QTest::newRow("VGA") << 0 << u"resize 9600x7200"_s;
        QTest::newRow("SXGA") << 3 << u"resize 19240x15375"_s;
        QTest::newRow("own size keeps the window") << 4 << QString();
    }
    void sizeTab()
    {
        QFETCH(int, size);
        QFETCH(QString, resize);
        m_dialog->Form().selectedSize = size;
        m_dialog->Form().activeTab = 1;
        QVERIFY(!m_dialog->Command1_Click(SettingsDialogCommands::kApply));
        QCOMPARE(Stored(u"OptSize"_s), QString::number(size));
        QCOMPARE(m_settings.optSize, QString::number(size));
        QCOMPARE(m_target.log.filter(u"resize"_s), resize.isEmpty() ? QStringList() : QStringList{resize});
    }

    void fontAndColours()
    {
        m_dialog->FontChosen({u"IPAGothic"_s, 10.5, true, false});
        m_dialog->ColourChosen(0, 0x0000FF);
        m_dialog->ColourChosen(1, 0xFFC0C0);
        m_dialog->Form().activeTab = 1;
        QVERIFY(!m_dialog->Command1_Click(SettingsDialogCommands::kApply));
        QCOMPARE(Stored(u"OptFont(0)"_s), u"IPAGothic"_s);
        QCOMPARE(Stored(u"OptFont(1)"_s), u"10.5"_s);
        QCOMPARE(Stored(u"OptFont(2)"_s), u"True"_s);
        QCOMPARE(Stored(u"OptFont(3)"_s), u"False"_s);
        QCOMPARE(Stored(u"OptCol(0)"_s), u"255"_s);
        QCOMPARE(Stored(u"OptCol(1)"_s), u"16761024"_s);
        QVERIFY(m_target.log.contains(u"font IPAGothic 10.5 1 0"_s));
        QVERIFY(m_target.log.contains(u"colours 0000ff ffc0c0"_s));
    }

    // Picked but not applied: キャンセル leaves settings, store and window as they were.
    void cancelWritesNothing()
    {
        m_dialog->FontChosen({u"IPAGothic"_s, 20, true, true});
        m_dialog->Form().check[kCheckHeaders] = false;
        m_dialog->Form().slot = 2;
        m_dialog->Form().selectedSize = 3;
        QVERIFY(m_dialog->Command1_Click(SettingsDialogCommands::kCancel));
        QCOMPARE(m_settings.optFont[1], u"9"_s);
        QCOMPARE(m_settings.optSen, u"0"_s);
        QCOMPARE(Stored(u"OptMida"_s), u"0"_s);
        QCOMPARE(Stored(u"OptSen"_s), u"0"_s);
        QVERIFY(m_target.log.isEmpty());
    }

    void okAppliesEveryTab()
    {
        m_dialog->Form().check[kCheckHeaders] = false;
        m_dialog->Form().selectedSize = 0;
        m_dialog->Form().widths[kColName] = u"2000"_s;
        m_dialog->Form().yubinFile[2] = u"other.csv"_s;
        QVERIFY(m_dialog->Command1_Click(SettingsDialogCommands::kOk));
        QCOMPARE(Stored(u"OptMida"_s), u"1"_s);
        QCOMPARE(Stored(u"OptSize"_s), u"0"_s);
        QCOMPARE(m_settings.lvcWid[kColName], u"2000"_s);
        QCOMPARE(Stored(u"Yubin_File(2)"_s), u"other.csv"_s);
        QCOMPARE(m_target.log.filter(u"resize"_s), QStringList{u"resize 9600x7200"_s});
    }

    // Tab 2: the first telephone and mail slots' widths go to all five; the list follows at
    // once, the store only when the list's widths are next stored.
    void widthTab()
    {
        SettingsForm& form = m_dialog->Form();
        form.widths[kColTel1] = u"1500"_s;
        form.widths[kColTelKind1] = u"600"_s;
        form.widths[kColMail1] = u"2500"_s;
        form.widths[kColMailKind1] = u"0"_s;
        form.widths[kColMemo] = u"3000"_s;
        form.activeTab = 2;
        QVERIFY(!m_dialog->Command1_Click(SettingsDialogCommands::kApply));
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            QCOMPARE(m_target.widths[static_cast<std::size_t>(TelNumberCell(slot))], 1500);
            QCOMPARE(m_target.widths[static_cast<std::size_t>(TelKindCell(slot))], 600);
            QCOMPARE(m_target.widths[static_cast<std::size_t>(MailAddressCell(slot))], 2500);
            QCOMPARE(m_target.widths[static_cast<std::size_t>(MailKindCell(slot))], 0);
        }
        QCOMPARE(m_target.widths[kColMemo], 3000);
        QCOMPARE(m_settings.lvcWid[TelNumberCell(5)], u"1500"_s);
        QCOMPARE(Stored(u"LVCwid(13)"_s), u"1000"_s);
        // The first column has no box and keeps its width.
        QCOMPARE(m_target.widths[0], 0);
    }

    void widthBox_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("applied");
        QTest::newRow("9999") << u"9999"_s << false << u"9999"_s;
        QTest::newRow("0") << u"0"_s << false << u"0"_s;
        QTest::newRow("leading zero") << u"0750"_s << false << u"750"_s;
        QTest::newRow("10000") << u"10000"_s << true << u"1000"_s;
        QTest::newRow("below 0") << u"-1"_s << true << u"1000"_s;
        QTest::newRow("not a number") << u"12a"_s << true << u"1000"_s;
        QTest::newRow("emptied") << QString() << false << u"1000"_s;
    }
    void widthBox()
    {
        QFETCH(QString, typed);
        QFETCH(bool, refused);
        QFETCH(QString, applied);
        if (refused) {
            m_fake.ExpectTell(u"各項目の幅は 「0～9999」 の範囲で設定可能です。"_s, u"設定可能範囲"_s,
                              MessageIcon::Warning);
        }
        QCOMPARE(m_dialog->Text1_Change(kColHobby, typed), !refused);
        if (refused) {
            // Emptying the box is a change too; it must not repeat the message.
            QVERIFY(m_dialog->Text1_Change(kColHobby, QString()));
        }
        m_dialog->ApplyTab(2);
        QCOMPARE(m_settings.lvcWid[kColHobby], applied);
    }

    void helpTopicPerTab_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("topic");
        QTest::newRow("tab 0") << 0 << 37;
        QTest::newRow("tab 1") << 1 << 38;
        QTest::newRow("tab 2") << 2 << 39;
        QTest::newRow("tab 3") << 3 << 58;
    }
    void helpTopicPerTab()
    {
        QFETCH(int, tab);
        QFETCH(int, topic);
        m_fake.ExpectHelp(topic);
        m_dialog->Form().activeTab = tab;
        QVERIFY(!m_dialog->Command1_Click(SettingsDialogCommands::kHelp));
        QVERIFY(m_target.log.isEmpty());
    }

    // The table in memory follows the slot the settings name: OK and 適用(&A) on the postal tab
    // reload it when the slot changes; キャンセル and an unchanged slot leave it.
    void postalReload_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("slot");
        QTest::addColumn<bool>("reloads");
        QTest::newRow("OK, slot changed") << int(SettingsDialogCommands::kOk) << 1 << true;
        QTest::newRow("apply, slot changed") << int(SettingsDialogCommands::kApply) << 1 << true;
        QTest::newRow("cancel") << int(SettingsDialogCommands::kCancel) << 1 << false;
        QTest::newRow("OK, same slot") << int(SettingsDialogCommands::kOk) << 0 << false;
    }
    void postalReload()
    {
        QFETCH(int, button);
        QFETCH(int, slot);
        QFETCH(bool, reloads);
        const QString folder = MakeSecondTable();
        m_fake.ExpectOpenFile(u"郵便番号一覧の選択"_s, folder + u"/KEN_ALL.CSV"_s);
        m_dialog->Command4_Click(1);
        m_dialog->Form().slot = slot;
        m_dialog->Form().activeTab = 3;
        static_cast<void>(m_dialog->Command1_Click(button));
        QCOMPARE(m_postal.Index().count(), reloads ? 13 : 0);
        const bool written = button != SettingsDialogCommands::kCancel;
        QCOMPARE(Stored(u"OptSen"_s), written ? QString::number(slot) : u"0"_s);
        QCOMPARE(Stored(u"FolderName(1)"_s), written ? folder : m_dir->path());
        QCOMPARE(Stored(u"Yubin_File(1)"_s), written ? u"KEN_ALL.CSV"_s : u"ken_all.csv"_s);
    }

    void postalReloadOfMissingTableWarns()
    {
        m_dialog->Form().slot = 2;
        m_fake.ExpectAnyTell(u"ファイル確認"_s, MessageIcon::Warning);
        QVERIFY(m_dialog->Command1_Click(SettingsDialogCommands::kOk));
        QCOMPARE(m_postal.Index().count(), 0);
        QCOMPARE(Stored(u"OptSen"_s), u"2"_s);
    }

    void postalPicker_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("file");
        QTest::newRow("file") << u"/data/zip/KEN_ALL.CSV"_s << u"/data/zip"_s << u"KEN_ALL.CSV"_s;
        QTest::newRow("in the root") << u"/ken.csv"_s << u"/"_s << u"ken.csv"_s;
        QTest::newRow("cancelled") << QString() << QString() << QString();
    }
    void postalPicker()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, folder);
        QFETCH(QString, file);
        m_fake.ExpectOpenFile(u"郵便番号一覧の選択"_s, chosen);
        m_dialog->Command4_Click(2);
        QCOMPARE(m_fake.lastFolder, m_dir->path());
        QCOMPARE(m_fake.lastFilter, u"(*.CSV)|*.CSV"_s);
        QCOMPARE(m_dialog->Form().folderName[2], folder.isEmpty() ? m_dir->path() : folder);
        QCOMPARE(m_dialog->Form().yubinFile[2], file.isEmpty() ? u"ken_all.csv"_s : file);
    }

    // A slot's folder that has gone is reported once when the dialog opens and emptied in the
    // form; it reaches the settings only when the postal tab is applied.
    void missingFolderAtLoad()
    {
        m_settings.folderName[1] = m_dir->filePath(u"gone"_s);
        m_settings.folderName[2] = QString();
        m_fake.ExpectTell(u"指定フォルダは存在しません。 フォルダを確認して下さい。　"_s, u"フォルダ確認"_s,
                          MessageIcon::Warning);
        Open();
        QCOMPARE(m_dialog->Form().folderName[0], m_dir->path());
        QCOMPARE(m_dialog->Form().folderName[1], QString());
        QCOMPARE(m_settings.folderName[1], m_dir->filePath(u"gone"_s));
        m_dialog->ApplyTab(3);
        QCOMPARE(Stored(u"FolderName(1)"_s), m_dir->path());
    }

    // A slot's folder emptied at load stands for the program folder as soon as the postal tab
    // is applied, as it does at start-up: the table of the slot in use is read from there at
    // once, not at the next start.
    void emptiedFolderIsTheProgramFolder_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("slot"); // whose folder had gone; slot 0 is in use
        QTest::addColumn<bool>("reloads");
        QTest::addColumn<QString>("stored"); // "FolderName(slot)" afterwards; "<program>" for the program folder

        QTest::newRow("OK, slot in use") << int(SettingsDialogCommands::kOk) << 0 << true << u"<program>"_s;
        QTest::newRow("apply, slot in use") << int(SettingsDialogCommands::kApply) << 0 << true << u"<program>"_s;
        QTest::newRow("OK, other slot") << int(SettingsDialogCommands::kOk) << 2 << false << u"<program>"_s;
        QTest::newRow("cancel") << int(SettingsDialogCommands::kCancel) << 0 << false << u"<gone>"_s;
    }
    void emptiedFolderIsTheProgramFolder()
    {
        QFETCH(int, button);
        QFETCH(int, slot);
        QFETCH(bool, reloads);
        QFETCH(QString, stored);
        QVERIFY(QFile::copy(QStringLiteral(MORVANX_TEST_DATA) + u"/postal_excerpt.csv"_s,
                            m_dir->filePath(u"ken_all.csv"_s)));
        const QString gone = m_dir->filePath(u"gone"_s);
        m_settings.folderName[static_cast<std::size_t>(slot)] = gone;
        m_store->SaveSetting(u"Config"_s, u"FolderName(%1)"_s.arg(slot), gone);
        m_fake.ExpectTell(u"指定フォルダは存在しません。 フォルダを確認して下さい。　"_s, u"フォルダ確認"_s,
                          MessageIcon::Warning);
        Open();
        m_dialog->Form().activeTab = 3;
        static_cast<void>(m_dialog->Command1_Click(button));
        QCOMPARE(m_postal.Index().count(), reloads ? 13 : 0);
        const QString folder = stored == u"<program>" ? m_dir->path() : gone;
        QCOMPARE(Stored(u"FolderName(%1)"_s.arg(slot)), folder);
        QCOMPARE(m_settings.folderName[static_cast<std::size_t>(slot)], folder);
    }

    // The width arrows step by 15 twips, one pixel at 96 dpi, within 0 to 9999.
    void widthArrows_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("direction");
        QTest::addColumn<QString>("after");

        QTest::newRow("up") << u"1000"_s << 1 << u"1015"_s;
        QTest::newRow("down") << u"1000"_s << -1 << u"985"_s;
        QTest::newRow("empty box up") << u""_s << 1 << u"15"_s;
        QTest::newRow("down to 0") << u"10"_s << -1 << u"0"_s;
        QTest::newRow("0 down") << u"0"_s << -1 << u"0"_s;
        QTest::newRow("up to 9999") << u"9990"_s << 1 << u"9999"_s;
        QTest::newRow("9999 up") << u"9999"_s << 1 << u"9999"_s;
    }
    void widthArrows()
    {
        QFETCH(QString, box);
        QFETCH(int, direction);
        QFETCH(QString, after);
        QCOMPARE(SteppedWidth(box, direction), after);
    }

    // The font picker's size box: one decimal, "." or ",", from 1 to 512 points.
    void fontSizeText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("size"); // 0: no size

        QTest::newRow("10.5") << u"10.5"_s << 10.5;
        QTest::newRow("10,5") << u"10,5"_s << 10.5;
        QTest::newRow("whole") << u"9"_s << 9.0;
        QTest::newRow("largest") << u"512"_s << 512.0;
        QTest::newRow("too large") << u"513"_s << 0.0;
        QTest::newRow("smallest") << u"1"_s << 1.0;
        QTest::newRow("below 1") << u"0.5"_s << 0.0;
        QTest::newRow("two decimals") << u"10.25"_s << 0.0;
        QTest::newRow("point alone") << u"10."_s << 0.0;
        QTest::newRow("empty") << u""_s << 0.0;
        QTest::newRow("sign") << u"-9"_s << 0.0;
        QTest::newRow("full-width digits") << u"１０"_s << 0.0;
    }
    void fontSizeText()
    {
        QFETCH(QString, text);
        QFETCH(double, size);
        QCOMPARE(FontSizeFromText(text).value_or(0), size);
    }
};

QTEST_GUILESS_MAIN(TestSettingsDialog)
#include "tst_settingsdialogcommands.moc"
