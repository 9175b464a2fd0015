#pragma once

#include <QString>

// The addresses outside the program that it sends the user to. They belong to whoever
// distributes the program, not to its logic: the home page, the support mailbox and the map
// service are set when the program is built (CMake cache variables MORVANX_HOME_PAGE,
// MORVANX_SUPPORT_MAIL and MORVANX_MAP_SERVICE), so a distribution names its own.

// The distributor's home page, behind the About box's home-page link; empty when the build
// names none, and the About box then points at the help instead.
extern const QString kHomePageAddress;

// The distributor's support mailbox, behind the About box's mail link; empty when the build
// names none, and the About box then shows no mail link.
extern const QString kSupportMailAddress;

// Japan Post's page from which the national postal-code table (KEN_ALL.CSV) is downloaded.
inline const QString kPostalDownloadPage = QStringLiteral("https://www.post.japanpost.jp/zipcode/download.html");

// The map service whose page "/z.htm?m=<longitude>E|W<latitude>N|S&l=<scale>" shows a position.
extern const QString kMapServiceHost;
