#include "AppStartup.h"

#include "LogoWindow.h"
#include "MainWindow.h"
#include "settings/StartupValues.h"
#include "settings/Twips.h"
#include "services/PostalIndex.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QStandardPaths>

AppStartup::AppStartup(QString programFolder, SettingsStore& store, PostalIndex& postal, int logoMs)
    : m_programFolder(std::move(programFolder)), m_store(store), m_postal(postal), m_logoMs(logoMs)
{
    // The help collection holds the search index the help window builds: per user, rebuilt at will.
    m_interaction.SetHelpFile(HelpFilePath(m_programFolder),
                              QStandardPaths::writableLocation(QStandardPaths::CacheLocation));
}

AppStartup::~AppStartup() = default;

void AppStartup::EnterProgramFolder()
{
    QDir::setCurrent(m_programFolder);
}

bool AppStartup::LoadLogoSetting()
{
    return ::LoadLogoSetting(m_store, m_settings);
}

void AppStartup::ShowLogo()
{
    LogoWindow logo(m_logoMs);
    logo.ShowUntilTimer();
}

std::optional<QString> AppStartup::LoadPostalTable()
{
    const int slot = LoadPostalSlotSettings(m_store, m_settings, m_programFolder);
    return LoadPostalIndex(m_postal, PostalTablePath(m_settings, slot));
}

void AppStartup::LoadRemainingSettings()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen->geometry();
    ::LoadRemainingSettings(m_store, m_settings,
                            PixelsToTwips(area.width(), static_cast<int>(screen->logicalDotsPerInchX())),
                            PixelsToTwips(area.height(), static_cast<int>(screen->logicalDotsPerInchY())));
    m_today = TodayText(QDate::currentDate());
    m_now = NowText(QTime::currentTime(), QLocale::system());
}

MainWindow& AppStartup::CreateMainWindow()
{
    m_dial.Rireki = m_settings.rireki;
    m_dial.Rireki.resize(kRirekiCount);
    m_window = std::make_unique<MainWindow>(
        m_dial, m_interaction, MainWindowOptionsFrom(m_settings, m_today, m_now), m_programFolder,
        [this](const QStringList& rireki) { SaveRireki(m_store, rireki); },
        [this](const MainWindowPlacement& placement) { StorePlacement(m_store, m_settings, placement); });
    m_interaction.setParent(m_window.get());
    if (m_windowHook) {
        m_windowHook(*m_window);
    }
    m_window->show();
    return *m_window;
}

int AppStartup::ShowMainWindow()
{
    CreateMainWindow();
    const int code = QApplication::exec();
    m_interaction.setParent(nullptr);
    return code;
}
