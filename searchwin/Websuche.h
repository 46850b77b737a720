#pragma once

#include <QString>

#include <functional>

// Sends the left search field to the selected web address: an address ending in "/" or
// "=" gets the text appended as typed, percent-encoded in UTF-8; any other address is
// opened alone.
namespace Websuche {

struct Aktionen {
    std::function<void(const QString&)> inZwischenablage;
    // The main window's browser launch.
    std::function<void(const QString&)> StarteInternetBrowser;
};

// The address the browser receives.
QString zieladresse(const QString& adresse, const QString& suchtext);

// The label under the address list when the web panel is brought back.
QString suchtextLabel(const QString& suchtext);

// SuchImInternetBtnClick once the web panel shows: nothing without a selected address or
// with a blank field; otherwise the trimmed text goes to the clipboard when the setting
// asks for it, then the browser starts. True when it started; the window then empties
// the field.
bool suchen(bool adresseGewaehlt, const QString& adresse, const QString& suchtext,
            bool inZwischenablage, const Aktionen& aktionen);

} // namespace Websuche
