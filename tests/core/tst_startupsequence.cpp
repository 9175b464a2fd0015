#include "FakeInteraction.h"
#include "app/StartupSequence.h"

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
};

QTEST_GUILESS_MAIN(TestStartupSequence)
#include "tst_startupsequence.moc"
