#include "HelpBrowser.h"

#include <QHelpEngineCore>

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent)
{
    setObjectName(QStringLiteral("HelpBrowser"));
}

// The help has no business with local files or the network: anything but its own pages
// shows nothing.
QVariant HelpBrowser::loadResource(int, const QUrl& name)
{
    if (m_engine && name.scheme() == u"qthelp") {
        return m_engine->fileData(name);
    }
    return {};
}
