#pragma once

#include "Interaction.h"

#include <QString>

#include <optional>

struct EditorFields;

// The map page for a GPS text of the shape sign, latitude, "&", sign, longitude, "&", …:
// "+35.39.29.20&+139.44.28.80&" gives "<map host>/z.htm?m=139.44.28.80E35.39.29.20N&l=9".
// Nothing for any other text, nor when a position is not made of digits and dots, so that
// no malformed address is ever built.
[[nodiscard]] std::optional<QString> GpsMapAddress(const QString& gps);

// The address a text (from a file or typed) may hand to the browser: an http or https
// address with a host, and no user part that could disguise it; a bare host name such as
// "www.example.jp" gets "http://". Nothing for other schemes ("javascript:", "file:"),
// bare words, blanks or control characters inside.
[[nodiscard]] std::optional<QString> BrowserAddress(const QString& text);

// The one plain mail address a text may hand to "mailto:": letters, digits and . _ + - before
// the "@", a dotted host name after it. Nothing for a second address, a query ("?", "&"),
// percent escapes or line breaks, which could add headers or recipients to the mail.
[[nodiscard]] std::optional<QString> MailAddress(const QString& text);

// Shows a web page in the desktop's browser. A refused address launches nothing and tells the
// user what is taken; when no program takes the address the user is told that no browser is
// installed.
void OpenInBrowser(const QString& address, Interaction& interaction);

// Starts a mail to one address in the desktop's mail program, with the same rules.
void MailTo(const QString& address, Interaction& interaction);

// The editor's option menu: "Web 閲覧(&W)" opens the URL field when it is not empty.
void mnuOptWebView_Click(const EditorFields& fields, Interaction& interaction);
// "GPS 情報(&G)": the map page of the GPS field; a GPS text that does not parse opens nothing
// and tells the user the shape it takes, an empty one says nothing.
void mnuOptGPS_Info_Click(const EditorFields& fields, Interaction& interaction);
// "ﾒｰﾙ 送信(&M)": a mail to the address of the mail field that last had the focus; nothing
// when the focus was last elsewhere or that field is empty.
void mnuOptE_Mail_Click(const EditorFields& fields, Interaction& interaction);
