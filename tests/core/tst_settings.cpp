#include "settings/AppSettings.h"
#include "settings/SettingValues.h"
#include "settings/SettingsStore.h"
#include "settings/StartupValues.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

// Remembers every write in order, and still stores it.
class RecordingStore final : public SettingsStore
{
public:
    using SettingsStore::SettingsStore;

    void SaveSetting(const QString& section, const QString& key, const QString& value) override
    {
        writes.append(section + u'/' + key + u'=' + value);
        SettingsStore::SaveSetting(section, key, value);
    }

    QStringList writes;
};

const QString kProgramFolder = QStringLiteral("/opt/morvane");
constexpr int kScreenWidth = 19200;
constexpr int kScreenHeight = 14400;

AppSettings RunStartup(SettingsStore& store, int screenWidth = kScreenWidth, int screenHeight = kScreenHeight)
{
    AppSettings settings;
    (void)LoadLogoSetting(store, settings);
    (void)LoadPostalSlotSettings(store, settings, kProgramFolder);
    LoadRemainingSettings(store, settings, screenWidth, screenHeight);
    return settings;
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList DefaultWrites()
{
    QStringList writes{QStringLiteral("Config/OptLogo=1")};
    for (int n = 0; n < 3; ++n) {
        writes << QStringLiteral("Config/Yubin_File(%1)=ken_all.csv").arg(n)
               << QStringLiteral("Config/FolderName(%1)=/opt/morvane").arg(n);
    }
    writes << QStringLiteral("Config/OptSen=0") << QStringLiteral("Config/OptMida=0")
           << QStringLiteral("Config/OptRed=0");
    for (int n = 0; n < 38; ++n)
        writes << QStringLiteral("Config/LVCwid(%1)=1000").arg(n);
    writes << QStringLiteral("Config/OptGrid=1") << QStringLiteral("Config/OptSort=0")
           << QStringLiteral("Config/OptSize=1") << QStringLiteral("Config/OptLAct=1")
           << QStringLiteral("Config/OptLATab=0") << QStringLiteral("Config/OptDEnd(0)=0")
           << QStringLiteral("Config/OptCenter(0)=0") << QStringLiteral("Config/OptDEnd(1)=0")
           << QStringLiteral("Config/OptCenter(1)=0") << QStringLiteral("Config/OptCol(0)=&H00000000&")
           << QStringLiteral("Config/OptCol(1)=&H00FFFFFF&") << QStringLiteral("Config/OptFont(0)=ＭＳ Ｐゴシック")
           << QStringLiteral("Config/OptFont(1)=9") << QStringLiteral("Config/OptFont(2)=False")
           << QStringLiteral("Config/OptFont(3)=False") << QStringLiteral("Position/FH_Width=12000")
           << QStringLiteral("Position/FH_Height=9000") << QStringLiteral("Config/OptYus(0)=0")
           << QStringLiteral("Config/OptYus(1)=0") << QStringLiteral("Config/OptAuto=1");
    return writes;
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void firstRunWritesEveryDefaultInOrder();
    void firstRunFileHoldsDefaultsOnly();
    void secondRunWritesNothing();
    void storedValuesAreUsed();
    void positions_data();
    void positions();
    void outOfRangeSizeReadsAsStandard();
    void keysWithParenthesesRoundTrip();
    void handWrittenFileIsRead();
    void valuesRoundTrip_data();
    void valuesRoundTrip();
    void historyIsSavedAndLoaded();
    void garbageFileGivesDefaults();
    void unwritableFileKeepsRunning();
    void environmentNamesTheFile();
    void defaultFileIsInConfigFolder();
    void selectedPostalTable_data();
    void selectedPostalTable();

private:
    QString FilePath(const QString& name = QStringLiteral("MORVANX.ini")) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSettings::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestSettings::firstRunWritesEveryDefaultInOrder()
{
    RecordingStore store(FilePath());
    const AppSettings settings = RunStartup(store);

    QCOMPARE(store.writes, DefaultWrites());
    QCOMPARE(settings.rireki, (QStringList{QString(), QString(), QString(), QString(), QString()}));
    QCOMPARE(settings.hLeft, QStringLiteral("3600"));
    QCOMPARE(settings.hTop, QStringLiteral("2700"));
    QCOMPARE(settings.eLeft, QStringLiteral("3600"));
    QCOMPARE(settings.eTop, QStringLiteral("2700"));
}

void TestSettings::firstRunFileHoldsDefaultsOnly()
{
    {
        SettingsStore store(FilePath());
        (void)RunStartup(store);
        QCOMPARE(store.Sync(), QSettings::NoError);
    }
    QSettings file(FilePath(), QSettings::IniFormat);
    QCOMPARE(file.childGroups(), (QStringList{QStringLiteral("Config"), QStringLiteral("Position")}));
    file.beginGroup(QStringLiteral("Config"));
    QCOMPARE(file.childKeys().size(), 66);
    QCOMPARE(file.value(QStringLiteral("FolderName(2)")).toString(), QStringLiteral("/opt/morvane"));
    QCOMPARE(file.value(QStringLiteral("OptFont(0)")).toString(), QStringLiteral("ＭＳ Ｐゴシック"));
    QCOMPARE(file.value(QStringLiteral("OptCol(1)")).toString(), QStringLiteral("&H00FFFFFF&"));
    file.endGroup();
    file.beginGroup(QStringLiteral("Position"));
    QCOMPARE(file.childKeys(), (QStringList{QStringLiteral("FH_Height"), QStringLiteral("FH_Width")}));
}

void TestSettings::secondRunWritesNothing()
{
    {
        SettingsStore store(FilePath());
        (void)RunStartup(store);
    }
    RecordingStore store(FilePath());
    (void)RunStartup(store);
    QCOMPARE(store.writes, QStringList());
}

void TestSettings::storedValuesAreUsed()
{
    WriteFile(FilePath(), "[Config]\nOptLogo=0\nYubin_File(2)=KEN_NEW.CSV\nFolderName(2)=/srv/postal\nOptSen=2\n"
                          "OptCol(1)=16777215\nOptFont(1)=10.5\nOptFont(2)=True\nLVCwid(37)=2500\n"
                          "[Position]\nFH_Width=15000\n");
    SettingsStore store(FilePath());
    AppSettings settings;
    QVERIFY(!LoadLogoSetting(store, settings));
    QCOMPARE(LoadPostalSlotSettings(store, settings, kProgramFolder), 2);
    QCOMPARE(PostalTablePath(settings, 2), QStringLiteral("/srv/postal/KEN_NEW.CSV"));
    QCOMPARE(PostalTablePath(settings, 0), QStringLiteral("/opt/morvane/ken_all.csv"));
    QCOMPARE(PostalSlotPath(QStringLiteral("/home/yui/郵便"), QStringLiteral("KEN_ALL.CSV")),
             QStringLiteral("/home/yui/郵便/KEN_ALL.CSV"));
    LoadRemainingSettings(store, settings, kScreenWidth, kScreenHeight);

    QCOMPARE(settings.lvcWid[37], QStringLiteral("2500"));
    QCOMPARE(settings.lvcWid[36], QStringLiteral("1000"));
    QCOMPARE(ColourComponents(SettingColour(settings.optCol[1])), (RgbComponents{255, 255, 255}));
    const ListFontSetting font = ListFont(settings);
    QCOMPARE(font.name, QStringLiteral("ＭＳ Ｐゴシック"));
    QCOMPARE(font.pointSize, 10.5);
    QVERIFY(font.bold);
    QVERIFY(!font.italic);
    QCOMPARE(settings.hLeft, QStringLiteral("2100"));
}

void TestSettings::positions_data()
{
    QTest::addColumn<QByteArray>("position");
    QTest::addColumn<int>("screenWidth");
    QTest::addColumn<QString>("hLeft");
    QTest::addColumn<QString>("hTop");
    QTest::addColumn<QString>("eLeft");
    QTest::addColumn<QString>("eTop");

    QTest::newRow("negative left centred")
        << QByteArray("H_Left=-150\nH_Top=300\n") << kScreenWidth << QStringLiteral("3600") << QStringLiteral("300")
        << QStringLiteral("3600") << QStringLiteral("2700");
    QTest::newRow("zero kept") << QByteArray("H_Left=0\nH_Top=0\nE_Left=0\nE_Top=0\n") << kScreenWidth
                               << QStringLiteral("0") << QStringLiteral("0") << QStringLiteral("0")
                               << QStringLiteral("0");
    QTest::newRow("editor negative") << QByteArray("E_Left=-1\nE_Top=-15.5\n") << kScreenWidth << QStringLiteral("3600")
                                     << QStringLiteral("2700") << QStringLiteral("3600") << QStringLiteral("2700");
    QTest::newRow("half rounds down to even")
        << QByteArray() << 19201 << QStringLiteral("3600") << QStringLiteral("2700") << QStringLiteral("3600")
        << QStringLiteral("2700");
    QTest::newRow("half rounds up to even") << QByteArray() << 19203 << QStringLiteral("3602") << QStringLiteral("2700")
                                            << QStringLiteral("3602") << QStringLiteral("2700");
    QTest::newRow("window wider than screen")
        << QByteArray() << 9600 << QStringLiteral("-1200") << QStringLiteral("2700") << QStringLiteral("-1200")
        << QStringLiteral("2700");
    QTest::newRow("centred on own width") << QByteArray("FH_Width=14001\n") << kScreenWidth << QStringLiteral("2600")
                                          << QStringLiteral("2700") << QStringLiteral("3600") << QStringLiteral("2700");
}

void TestSettings::positions()
{
    QFETCH(QByteArray, position);
    QFETCH(int, screenWidth);
    WriteFile(FilePath(), "[Position]\n" + position);
    {
        SettingsStore store(FilePath());
        const AppSettings settings = RunStartup(store, screenWidth);
        QTEST(settings.hLeft, "hLeft");
        QTEST(settings.hTop, "hTop");
        QTEST(settings.eLeft, "eLeft");
        QTEST(settings.eTop, "eTop");
    }
    // Centring happens in memory only: the store keeps what it held, absent keys stay absent.
    QSettings file(FilePath(), QSettings::IniFormat);
    file.beginGroup(QStringLiteral("Position"));
    QByteArray stored;
    for (const QString& key : {QStringLiteral("H_Left"), QStringLiteral("H_Top"), QStringLiteral("E_Left"),
                               QStringLiteral("E_Top"), QStringLiteral("FH_Width")}) {
        if (file.contains(key) && (key != u"FH_Width" || position.contains("FH_Width")))
            stored += key.toLatin1() + '=' + file.value(key).toString().toLatin1() + '\n';
    }
    QCOMPARE(stored, position);
}

void TestSettings::outOfRangeSizeReadsAsStandard()
{
    WriteFile(FilePath(), "[Config]\nOptSize=7\n");
    {
        SettingsStore store(FilePath());
        const AppSettings settings = RunStartup(store);
        QCOMPARE(settings.optSize, QStringLiteral("1"));
        const TwipsSize size = MainWindowSizeTwips(settings.optSize, settings.fhWidth, settings.fhHeight);
        QCOMPARE(size, (TwipsSize{12000, 9000}));
    }
    QCOMPARE(SettingsStore(FilePath()).GetSetting(QStringLiteral("Config"), QStringLiteral("OptSize")),
             QStringLiteral("7"));
}

void TestSettings::keysWithParenthesesRoundTrip()
{
    {
        SettingsStore store(FilePath());
        store.SaveSetting(QStringLiteral("Config"), QStringLiteral("LVCwid(12)"), QStringLiteral("1875"));
        QCOMPARE(store.Sync(), QSettings::NoError);
    }
    QFile file(FilePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("[Config]\nLVCwid%2812%29=1875\n"));
    QCOMPARE(SettingsStore(FilePath()).GetSetting(QStringLiteral("Config"), QStringLiteral("LVCwid(12)")),
             QStringLiteral("1875"));
}

void TestSettings::handWrittenFileIsRead()
{
    WriteFile(FilePath(), QStringLiteral("[Config]\r\nLVCwid(0)=1234\r\nOptFont(0)=ＭＳ 明朝\r\n"
                                         "FolderName(1)=/home/u/a,b\r\n[Rireki]\r\nRireki(0)=/home/u/電話帳.VCF\r\n")
                              .toUtf8());
    const SettingsStore store(FilePath());
    QCOMPARE(store.GetSetting(QStringLiteral("Config"), QStringLiteral("LVCwid(0)")), QStringLiteral("1234"));
    QCOMPARE(store.GetSetting(QStringLiteral("Config"), QStringLiteral("OptFont(0)")), QStringLiteral("ＭＳ 明朝"));
    QCOMPARE(store.GetSetting(QStringLiteral("Config"), QStringLiteral("FolderName(1)")),
             QStringLiteral("/home/u/a,b"));
    QCOMPARE(store.GetSetting(QStringLiteral("Rireki"), QStringLiteral("Rireki(0)")),
             QStringLiteral("/home/u/電話帳.VCF"));
    QCOMPARE(store.GetSetting(QStringLiteral("Config"), QStringLiteral("LVCwid(1)")), QString());
}

void TestSettings::valuesRoundTrip_data()
{
    QTest::addColumn<QString>("value");

    QTest::newRow("comma and blank") << QStringLiteral("/home/u/Smith, John");
    QTest::newRow("at sign first") << QStringLiteral("@Variant(x)");
    QTest::newRow("quotes and backslash") << QStringLiteral("C:\\a \"b\"");
    QTest::newRow("semicolon and equals") << QStringLiteral("a;b=c");
    QTest::newRow("surrounding blanks") << QStringLiteral("  x  ");
    QTest::newRow("Japanese") << QStringLiteral("ＭＳ Ｐゴシック");
}

void TestSettings::valuesRoundTrip()
{
    QFETCH(QString, value);
    {
        SettingsStore store(FilePath());
        store.SaveSetting(QStringLiteral("Config"), QStringLiteral("FolderName(0)"), value);
        QCOMPARE(store.Sync(), QSettings::NoError);
    }
    QCOMPARE(SettingsStore(FilePath()).GetSetting(QStringLiteral("Config"), QStringLiteral("FolderName(0)")), value);
}

void TestSettings::historyIsSavedAndLoaded()
{
    {
        SettingsStore store(FilePath());
        QStringList history;
        PushRireki(history, QStringLiteral("/a.VCF"));
        PushRireki(history, QStringLiteral("/b.VCF"));
        SaveRireki(store, history);
    }
    RecordingStore store(FilePath());
    const AppSettings settings = RunStartup(store);
    QCOMPARE(settings.rireki,
             (QStringList{QStringLiteral("/b.VCF"), QStringLiteral("/a.VCF"), QString(), QString(), QString()}));
    for (const QString& write : store.writes)
        QVERIFY2(!write.startsWith(u"Rireki/"), qPrintable(write));
}

void TestSettings::garbageFileGivesDefaults()
{
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.append(static_cast<char>((i * 7919 + 13) % 256));
    garbage.append("\n[Config\n=\n[[]]\n%ZZ=\\");
    WriteFile(FilePath(), garbage);

    SettingsStore store(FilePath());
    const AppSettings settings = RunStartup(store);
    QCOMPARE(settings.optLogo, QStringLiteral("1"));
    QCOMPARE(settings.optSen, QStringLiteral("0"));
    QCOMPARE(settings.lvcWid[0], QStringLiteral("1000"));
    QCOMPARE(settings.optFont[0], QStringLiteral("ＭＳ Ｐゴシック"));
    QCOMPARE(settings.fhWidth, QStringLiteral("12000"));
    QCOMPARE(settings.hLeft, QStringLiteral("3600"));
}

void TestSettings::unwritableFileKeepsRunning()
{
    const QString blocker = FilePath(QStringLiteral("not-a-folder"));
    WriteFile(blocker, "x");
    SettingsStore store(blocker + QStringLiteral("/MORVANX.ini"));
    const AppSettings settings = RunStartup(store);
    QCOMPARE(settings.optSize, QStringLiteral("1"));
    QCOMPARE(settings.folderName[1], QStringLiteral("/opt/morvane"));
    // The values written this run stay readable for the rest of the run.
    QCOMPARE(store.GetSetting(QStringLiteral("Config"), QStringLiteral("OptAuto")), QStringLiteral("1"));
    QCOMPARE(store.Sync(), QSettings::AccessError);
}

void TestSettings::environmentNamesTheFile()
{
    const QString path = FilePath(QStringLiteral("portable.ini"));
    qputenv("MORVANX_SETTINGS", path.toLocal8Bit());
    const QString chosen = SettingsFilePath();
    qunsetenv("MORVANX_SETTINGS");
    QCOMPARE(chosen, path);
    {
        SettingsStore store(chosen);
        store.SaveSetting(QStringLiteral("Config"), QStringLiteral("OptLogo"), QStringLiteral("0"));
    }
    QVERIFY(QFile::exists(path));
}

void TestSettings::defaultFileIsInConfigFolder()
{
    qunsetenv("MORVANX_SETTINGS");
    qputenv("XDG_CONFIG_HOME", m_dir->path().toLocal8Bit());
    SetApplicationIdentity();
    const QString path = SettingsFilePath();
    QCOMPARE(path, m_dir->path() + QStringLiteral("/Morvane/MORVANX/MORVANX.ini"));
    {
        SettingsStore store(path);
        store.SaveSetting(QStringLiteral("Config"), QStringLiteral("OptLogo"), QStringLiteral("0"));
        QCOMPARE(store.Sync(), QSettings::NoError);
    }
    QVERIFY(QFile::exists(path));
}

void TestSettings::selectedPostalTable_data()
{
    QTest::addColumn<QStringList>("config"); // key=value pairs of section "Config"
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty store") << QStringList() << QStringLiteral("/prog/ken_all.csv");
    QTest::newRow("slot 2") << QStringList{QStringLiteral("OptSen=2"), QStringLiteral("FolderName(2)=/data"),
                                           QStringLiteral("Yubin_File(2)=KEN_ALL.CSV"),
                                           QStringLiteral("FolderName(0)=/other")}
                            << QStringLiteral("/data/KEN_ALL.CSV");
    QTest::newRow("slot 1 without folder")
        << QStringList{QStringLiteral("OptSen=1"), QStringLiteral("Yubin_File(1)=new.csv")}
        << QStringLiteral("/prog/new.csv");
    QTest::newRow("slot out of range") << QStringList{QStringLiteral("OptSen=5"), QStringLiteral("FolderName(0)=/zero")}
                                       << QStringLiteral("/zero/ken_all.csv");
}

void TestSettings::selectedPostalTable()
{
    QFETCH(QStringList, config);
    QFETCH(QString, expected);
    {
        SettingsStore store(FilePath());
        for (const QString& pair : config)
            store.SaveSetting(kSectionConfig, pair.section(u'=', 0, 0), pair.section(u'=', 1));
        QCOMPARE(store.Sync(), QSettings::NoError);
    }
    const QByteArray before = [this] {
        QFile file(FilePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();

    const SettingsStore store(FilePath());
    QCOMPARE(SelectedPostalTablePath(store, QStringLiteral("/prog")), expected);

    QFile after(FilePath());
    QCOMPARE(after.open(QIODevice::ReadOnly) ? after.readAll() : QByteArray(), before);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
