#include "FakeInteraction.h"
#include "app/MainWindowOptions.h"
#include "app/StartupSequence.h"
#include "app/Twips.h"

#include <QTest>

namespace {

class RecordingSteps final : public StartupSteps
{
public:
    bool logo = false;
    std::optional<QString> postalMessage;
    QStringList log;

    void EnterProgramFolder() override { log << QStringLiteral("folder"); }
    bool LoadLogoSetting() override
    {
        log << QStringLiteral("logo setting");
        return logo;
    }
    void ShowLogo() override { log << QStringLiteral("logo shown and gone"); }
    std::optional<QString> LoadPostalTable() override
    {
        log << QStringLiteral("postal");
        return postalMessage;
    }
    void LoadRemainingSettings() override { log << QStringLiteral("settings"); }
    int ShowMainWindow() override
    {
        log << QStringLiteral("main window");
        return 7;
    }
};

} // namespace

class TestStartupSequence : public QObject
{
    Q_OBJECT

private slots:
    void order_data()
    {
        QTest::addColumn<bool>("logo");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("OptLogo 1") << true << QStringList{QStringLiteral("folder"),
                                                          QStringLiteral("logo setting"),
                                                          QStringLiteral("logo shown and gone"),
                                                          QStringLiteral("postal"),
                                                          QStringLiteral("settings"),
                                                          QStringLiteral("main window")};
        QTest::newRow("OptLogo 0") << false
                                   << QStringList{QStringLiteral("folder"), QStringLiteral("logo setting"),
                                                  QStringLiteral("postal"), QStringLiteral("settings"),
                                                  QStringLiteral("main window")};
    }
    void order()
    {
        QFETCH(bool, logo);
        QFETCH(QStringList, expected);
        RecordingSteps steps;
        steps.logo = logo;
        FakeInteraction fake;
        QCOMPARE(RunStartup(steps, fake), 7);
        QCOMPARE(steps.log, expected);
        VERIFY_INTERACTION(fake);
    }

    void missingPostalTableWarnsOnceAndGoesOn()
    {
        RecordingSteps steps;
        steps.postalMessage = QStringLiteral("table missing");
        FakeInteraction fake;
        fake.ExpectTell(QStringLiteral("table missing"), QStringLiteral("ファイル確認"), MessageIcon::Warning);
        QCOMPARE(RunStartup(steps, fake), 7);
        VERIFY_INTERACTION(fake);
        QCOMPARE(steps.log.last(), QStringLiteral("main window"));
    }

    void twips_data()
    {
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("pixels");
        QTest::newRow("12000 at 96 dpi") << 12000 << 96 << 800;
        QTest::newRow("1000 at 96 dpi") << 1000 << 96 << 67;
        QTest::newRow("1000 at 144 dpi") << 1000 << 144 << 100;
        QTest::newRow("zero") << 0 << 96 << 0;
    }
    void twips()
    {
        QFETCH(int, twips);
        QFETCH(int, dpi);
        QFETCH(int, pixels);
        QCOMPARE(TwipsToPixels(twips, dpi), pixels);
    }

    void storedWidthsDoNotDrift()
    {
        // 1000 twips show as 67 pixels at 96 dpi; 67 pixels would read back as 1005.
        QCOMPARE(TwipsToKeep(1000, 67, 96), 1000);
        QCOMPARE(TwipsToKeep(1000, 80, 96), 1200);
        QCOMPARE(PixelsToTwips(67, 96), 1005);
    }

    void listExtent_data()
    {
        QTest::addColumn<int>("windowHeight");
        QTest::addColumn<bool>("resized");
        QTest::addColumn<int>("listHeight");
        QTest::newRow("9000 high") << 9000 << true << 7185;
        QTest::newRow("exactly 1815") << 1815 << true << 0;
        QTest::newRow("1800 high keeps the list") << 1800 << false << 0;
    }
    void listExtent()
    {
        QFETCH(int, windowHeight);
        QFETCH(bool, resized);
        QFETCH(int, listHeight);
        const std::optional<ListExtent> extent = ListExtentForWindow(windowHeight, 12000);
        QCOMPARE(extent.has_value(), resized);
        if (extent) {
            QCOMPARE(extent->height, listHeight);
            QCOMPARE(extent->width, 11600);
        }
    }

    void windowsFontsAreSubstituted_data()
    {
        QTest::addColumn<QString>("face");
        QTest::addColumn<QString>("used");
        QTest::newRow("MS P Gothic") << QStringLiteral("ＭＳ Ｐゴシック") << QStringLiteral("IPAPGothic");
        QTest::newRow("MS Gothic") << QStringLiteral("ＭＳ ゴシック") << QStringLiteral("IPAGothic");
        QTest::newRow("other faces pass") << QStringLiteral("IPAMincho") << QStringLiteral("IPAMincho");
    }
    void windowsFontsAreSubstituted()
    {
        QFETCH(QString, face);
        QFETCH(QString, used);
        QCOMPARE(SubstituteFontFace(face), used);
    }
};

QTEST_GUILESS_MAIN(TestStartupSequence)
#include "tst_startupsequence.moc"
