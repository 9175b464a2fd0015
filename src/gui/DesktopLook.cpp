#include "DesktopLook.h"

#include "app/DesktopFont.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QTranslator>

// The icons are compiled into this static library; nothing else references them, so the
// linker would leave them out unless they are registered by name.
static void RegisterIconResources()
{
    Q_INIT_RESOURCE(icons);
}

namespace {

void EnsureIconResources()
{
    static const bool registered = [] {
        RegisterIconResources();
        return true;
    }();
    Q_UNUSED(registered);
}

} // namespace

bool InstallQtJapaneseTranslation(QApplication& app)
{
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QApplication::installTranslator(translator);
}

void ApplyDesktopLook(QApplication& app)
{
    // Without the translation the dialogs stay in English: untidy, not worth refusing to start.
    static_cast<void>(InstallQtJapaneseTranslation(app));
    const QString family = JapaneseUiFontFamily(QFontDatabase::families());
    if (!family.isEmpty()) {
        QFont font = QApplication::font();
        font.setFamilies({family});
        QApplication::setFont(font);
    }
    QApplication::setWindowIcon(ProgramIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("morvanx"));
}

QIcon ProgramIcon()
{
    return ToolbarIcon(u"morvanx");
}

QIcon ToolbarIcon(QStringView name)
{
    EnsureIconResources();
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(name));
}
