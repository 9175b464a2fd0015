#include "app/MainWindowOptions.h"
#include "settings/AppSettings.h"
#include "settings/SettingsStore.h"
#include "settings/Twips.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestMainWindowOptions : public QObject
{
    Q_OBJECT

private slots:
    void fromFreshSettings()
    {
        QTemporaryDir dir;
        SettingsStore store(dir.filePath(u"MORVANX.ini"_s));
        AppSettings settings;
        static_cast<void>(LoadLogoSetting(store, settings));
        static_cast<void>(LoadPostalSlotSettings(store, settings, dir.path()));
        LoadRemainingSettings(store, settings, 19200, 14400);
        const MainWindowOptions options = MainWindowOptionsFrom(settings, u"2006/03/07"_s, u"PM 03:05"_s);
        QCOMPARE(options.width, 12000);
        QCOMPARE(options.height, 9000);
        QCOMPARE(options.left, 3600);
        QCOMPARE(options.top, 2700);
        QVERIFY(!options.hideHeaders);
        QVERIFY(options.gridLines);
        QVERIFY(!options.centreColumns);
        QVERIFY(!options.sortOnOpen);
        QVERIFY(!options.centreWindow);
        QVERIFY(!options.doubleClickExits);
        QCOMPARE(options.columnWidths[0], 1000);
        QCOMPARE(options.columnWidths[37], 1000);
        QCOMPARE(options.textColour, 0x000000u);
        QCOMPARE(options.backColour, 0xFFFFFFu);
        QCOMPARE(options.fontFace, u"ＭＳ Ｐゴシック"_s);
        QCOMPARE(options.fontSize, 9.0);
        QCOMPARE(options.today, u"2006/03/07"_s);
    }

    void placeInside_data()
    {
        // Settings in twips as stored, shown at 96 dpi (15 twips to the pixel).
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("shown");

        const QRect screen(0, 0, 1280, 1024);
        QTest::newRow("fits") << 1500 << 1200 << 12000 << 9000 << screen << QRect(100, 80, 800, 600);
        QTest::newRow("H_Left 30000") << 30000 << 1200 << 12000 << 9000 << screen << QRect(480, 80, 800, 600);
        QTest::newRow("FH_Width 999999999") << 1500 << 1200 << 999999999 << 9000 << screen << QRect(0, 80, 1280, 600);
        QTest::newRow("both sizes too large")
            << 1500 << 1200 << 999999999 << 999999999 << screen << QRect(0, 0, 1280, 1024);
        QTest::newRow("negative position") << -3000 << -1500 << 12000 << 9000 << screen << QRect(0, 0, 800, 600);
        QTest::newRow("below a top panel")
            << 1500 << 0 << 12000 << 9000 << QRect(0, 30, 1280, 994) << QRect(100, 30, 800, 600);
        QTest::newRow("second screen to the right")
            << 21000 << 1200 << 12000 << 9000 << QRect(1280, 0, 1024, 768) << QRect(1400, 80, 800, 600);
        QTest::newRow("beyond the second screen")
            << 45000 << 1200 << 12000 << 9000 << QRect(1280, 0, 1024, 768) << QRect(1504, 80, 800, 600);
    }

    void placeInside()
    {
        QFETCH(int, left);
        QFETCH(int, top);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QRect, available);
        const QRect wanted(TwipsToPixels(left, 96), TwipsToPixels(top, 96), TwipsToPixels(width, 96),
                           TwipsToPixels(height, 96));
        QTEST(PlaceInside(wanted, available), "shown");
    }

    // An 800 x 600 window, frame included, as the settings keep it (12000 x 9000 twips at 96 dpi).
    void insideSizeForOuter_data()
    {
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<QSize>("inside"); // invalid: wait for the next reading
        QTest::newRow("framed") << QMargins(4, 23, 4, 4) << QSize(792, 573);
        QTest::newRow("title bar only") << QMargins(0, 23, 0, 0) << QSize(800, 577);
        QTest::newRow("not framed yet") << QMargins() << QSize();
        // Measured against a 1 x 1 frame window: fitted, the window would open at 1599 x 1199.
        QTest::newRow("frame window not sized yet") << QMargins(4, 23, -803, -622) << QSize();
        QTest::newRow("frame as large as the window") << QMargins(400, 300, 400, 300) << QSize();
    }
    void insideSizeForOuter()
    {
        QFETCH(QMargins, frame);
        QTEST(InsideSizeForOuter(QSize(800, 600), frame).value_or(QSize()), "inside");
    }

    void flagsAndNumbers_data()
    {
        QTest::addColumn<QString>("optMida");
        QTest::addColumn<QString>("optRed");
        QTest::addColumn<QString>("optSize");
        QTest::addColumn<QString>("backColour");
        QTest::addColumn<bool>("hideHeaders");
        QTest::addColumn<bool>("centred");
        QTest::addColumn<int>("width");
        QTest::addColumn<unsigned>("colour");
        QTest::newRow("defaults") << u"0"_s << u"0"_s << u"1"_s << u"&H00FFFFFF&"_s << false << false << 12000
                                  << 0xFFFFFFu;
        QTest::newRow("set") << u"1"_s << u"1"_s << u"2"_s << u"16777215"_s << true << true << 15375 << 0xFFFFFFu;
        QTest::newRow("own size") << u"2"_s << u"2"_s << u"4"_s << u"255"_s << true << false << 10000 << 0xFFu;
    }
    void flagsAndNumbers()
    {
        QFETCH(QString, optMida);
        QFETCH(QString, optRed);
        QFETCH(QString, optSize);
        QFETCH(QString, backColour);
        QFETCH(bool, hideHeaders);
        QFETCH(bool, centred);
        QFETCH(int, width);
        QFETCH(unsigned, colour);
        AppSettings settings;
        settings.optMida = optMida;
        settings.optRed = optRed;
        settings.optSize = optSize;
        settings.fhWidth = u"10000"_s;
        settings.fhHeight = u"8000"_s;
        settings.optCol[1] = backColour;
        settings.lvcWid[5] = u"1500.5"_s;
        const MainWindowOptions options = MainWindowOptionsFrom(settings, {}, {});
        QCOMPARE(options.hideHeaders, hideHeaders);
        QCOMPARE(options.centreColumns, centred);
        QCOMPARE(options.width, width);
        QCOMPARE(options.backColour, colour);
        QCOMPARE(options.columnWidths[5], 1500);
    }

    void placementIsStored()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"MORVANX.ini"_s);
        AppSettings settings;
        MainWindowPlacement placement;
        placement.top = 300;
        placement.left = -15;
        placement.height = 9000;
        placement.width = 12015;
        placement.columnWidths.fill(1000);
        placement.columnWidths[2] = 2400;
        {
            SettingsStore store(path);
            StorePlacement(store, settings, placement);
        }
        SettingsStore store(path);
        QCOMPARE(store.GetSetting(u"Position"_s, u"H_Top"_s), u"300"_s);
        QCOMPARE(store.GetSetting(u"Position"_s, u"H_Left"_s), u"-15"_s);
        QCOMPARE(store.GetSetting(u"Position"_s, u"FH_Height"_s), u"9000"_s);
        QCOMPARE(store.GetSetting(u"Position"_s, u"FH_Width"_s), u"12015"_s);
        QCOMPARE(store.GetSetting(u"Config"_s, u"LVCwid(2)"_s), u"2400"_s);
        QCOMPARE(store.GetSetting(u"Config"_s, u"LVCwid(37)"_s), u"1000"_s);
        QCOMPARE(settings.lvcWid[2], u"2400"_s);
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

QTEST_GUILESS_MAIN(TestMainWindowOptions)
#include "tst_mainwindowoptions.moc"
