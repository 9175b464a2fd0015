#include "AppStartup.h"

#include "LogoWindow.h"
#include "MainWindow.h"
#include "files/SafeFileRead.h"
#include "services/PostalTable.h"
#include "settings/StartupValues.h"
#include "settings/Twips.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QWindow>

#include <utility>

namespace {

// Runs an action once, after the first exposure of a window has been painted, or after a
// second at the latest (a window that starts hidden behind others is never exposed).
class FirstExposure final : public QObject
{
public:
    FirstExposure(QWindow* window, std::function<void()> action) : QObject(window), m_action(std::move(action))
    {
        QTimer::singleShot(1000, this, &FirstExposure::Run);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            // The exposure paints the window before the event loop turns again.
            QTimer::singleShot(0, this, &FirstExposure::Run);
        }
        return false;
    }

private:
    void Run()
    {
        if (m_action) {
            std::exchange(m_action, nullptr)();
            deleteLater();
        }
    }

    std::function<void()> m_action;
};

} // namespace

AppStartup::AppStartup(QString programFolder, SettingsStore& store, PostalTable& postal, int logoMs)
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
    m_postalPath = PostalTablePath(m_settings, slot);
    // A missing table is said now, before the window; the table itself follows the window.
    if (KindOfPath(m_postalPath) != PathKind::Regular) {
        m_postalPath.clear();
        return kPostalMissingText;
    }
    return std::nullopt;
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
    if (!m_postalPath.isEmpty()) {
        // Once the window is on screen and painted, so the load does not compete with its start.
        m_window->windowHandle()->installEventFilter(new FirstExposure(m_window->windowHandle(), [this] {
            static_cast<void>(m_postal.StartLoad(m_postalPath, [this](const std::optional<QString>& failure) {
                if (failure) {
                    m_interaction.Tell(*failure, kPostalMissingTitle, MessageIcon::Warning);
                }
            }));
        }));
    }
    return *m_window;
}

int AppStartup::ShowMainWindow()
{
    CreateMainWindow();
    const int code = QApplication::exec();
    m_interaction.setParent(nullptr);
    return code;
}
