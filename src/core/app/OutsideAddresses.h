#pragma once

#include <QString>

// The addresses outside the program that it sends the user to. They belong to whoever
// distributes the program, not to its logic: a distribution with its own home page or
// support mailbox changes them here, and only here.

// The project's home page, behind the About box's home-page link.
inline const QString kHomePageAddress = QStringLiteral("https://github.com/morvane/morvanx");

// The support mailbox, behind the About box's mail link.
inline const QString kSupportMailAddress = QStringLiteral("morvanx@morvane.jp");

// Japan Post's page from which the national postal-code table (KEN_ALL.CSV) is downloaded.
inline const QString kPostalDownloadPage = QStringLiteral("https://www.post.japanpost.jp/zipcode/download.html");

// The map service whose page "/z.htm?m=<longitude>E|W<latitude>N|S&l=<scale>" shows a position.
inline const QString kMapServiceHost = QStringLiteral("https://www.its-mo.com");
