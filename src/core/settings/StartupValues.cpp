#include "StartupValues.h"

#include "SettingsStore.h"

#include <QCoreApplication>

void SetApplicationIdentity()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Morvane"));
    QCoreApplication::setApplicationName(kSettingsApplication);
}

QString HelpFilePath(const QString& programFolder)
{
    return programFolder + QStringLiteral("/MORVANX.qch");
}

QString TodayText(QDate date)
{
    return QStringLiteral("%1/%2/%3")
        .arg(date.year(), 4, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'));
}

QString NowText(QTime time, const QLocale& locale)
{
    const int hour = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    const QString designator = time.hour() < 12 ? locale.amText() : locale.pmText();
    return designator + u' ' +
           QStringLiteral("%1:%2").arg(hour, 2, 10, QLatin1Char('0')).arg(time.minute(), 2, 10, QLatin1Char('0'));
}
