#include "search/Browsererkennung.h"

#include "platform/SettingsStore.h"

#include <QDir>
#include <QStandardPaths>

namespace {

struct Kennung {
    const char* name;    // as the internet client list of Windows names the browser
    const char* eintrag; // start of a desktop entry's file name, or a program
};

constexpr Kennung eintraege[] = {
    {"Firefox", "firefox"},
    {"Firefox", "org.mozilla.firefox"},
    {"Google Chrome", "google-chrome"},
    {"Google Chrome", "chromium"},
    {"Google Chrome", "org.chromium.Chromium"},
    {"Opera", "opera"},
};

constexpr Kennung programme[] = {
    {"Firefox", "firefox"},
    {"Firefox", "firefox-esr"},
    {"Google Chrome", "google-chrome"},
    {"Google Chrome", "google-chrome-stable"},
    {"Google Chrome", "chromium"},
    {"Google Chrome", "chromium-browser"},
    {"Opera", "opera"},
};

bool eintragDa(const QStringList& ordner, const QString& anfang) {
    for (const QString& o : ordner) {
        const QStringList namen =
            QDir(o).entryList({anfang + QStringLiteral("*.desktop")}, QDir::Files);
        if (!namen.isEmpty())
            return true;
    }
    return false;
}

} // namespace

TBrowsererkennung::Quellen TBrowsererkennung::Quellen::system() {
    return {QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation),
            [](const QString& p) { return !QStandardPaths::findExecutable(p).isEmpty(); }};
}

QString TBrowsererkennung::wert(Bild bild) {
    static const char* const werte[] = {
        "standard", "internet explorer", "edge", "chrome", "opera", "safari", "firefox"};
    return QLatin1String(werte[bild]);
}

QStringList TBrowsererkennung::installierteBrowser(const Quellen& quellen) {
    QStringList namen;
    auto dazu = [&namen](const char* name) {
        if (!namen.contains(QLatin1String(name)))
            namen.append(QLatin1String(name));
    };
    for (const Kennung& k : eintraege)
        if (eintragDa(quellen.anwendungsordner, QLatin1String(k.eintrag)))
            dazu(k.name);
    if (quellen.programmDa)
        for (const Kennung& k : programme)
            if (quellen.programmDa(QLatin1String(k.eintrag)))
                dazu(k.name);
    return namen;
}

bool TBrowsererkennung::edgeInstalliert(const Quellen& quellen) {
    return eintragDa(quellen.anwendungsordner, QStringLiteral("microsoft-edge")) ||
           (quellen.programmDa && (quellen.programmDa(QStringLiteral("microsoft-edge")) ||
                                   quellen.programmDa(QStringLiteral("microsoft-edge-stable"))));
}

TBrowsererkennung::Bilder
TBrowsererkennung::PruefeWelcheBrowserInstalliert(const QString& browserEinstellung,
                                                  const QStringList& browser, bool edge) {
    Bilder b;
    b.sichtbar[Standard] = true;
    b.hinweis[Standard] = QStringLiteral("Standard Browser");
    auto zeige = [&b](Bild bild, const char* hinweis) {
        b.sichtbar[bild] = true;
        b.hinweis[bild] = QString::fromUtf8(hinweis);
    };
    if (edge)
        zeige(Edge, "Microsoft Edge");
    for (const QString& name : browser) {
        const QString n = name.toLower();
        if (n.contains(QLatin1String("internet explorer"))) {
            zeige(Ie, "Microsoft Internet Explorer");
            zeige(Edge, "Microsoft Edge");
        }
        if (n.contains(QLatin1String("chrome")))
            zeige(Chrome, "Google Chrome");
        if (n.contains(QLatin1String("opera")))
            zeige(Opera, "Opera");
        if (n.contains(QLatin1String("safari")))
            zeige(Safari, "Safari");
        if (n.contains(QLatin1String("firefox")))
            zeige(Firefox, "FireFox");
    }
    for (int i = 0; i < Anzahl; ++i)
        if (browserEinstellung.contains(wert(static_cast<Bild>(i))))
            b.aktuell = i;
    return b;
}

TBrowsererkennung::Bilder
TBrowsererkennung::PruefeWelcheBrowserInstalliert(const SettingsStore& einstellungen,
                                                  const Quellen& quellen) {
    return PruefeWelcheBrowserInstalliert(einstellungen.LeseRegKey(QStringLiteral("Browser")),
                                          installierteBrowser(quellen), edgeInstalliert(quellen));
}

bool TBrowsererkennung::BildKlick(Bild bild, const QString& hinweis, SettingsStore& einstellungen) {
    if (hinweis.isEmpty())
        return false;
    einstellungen.SchreibeRegKey(QStringLiteral("Browser"), wert(bild));
    return true;
}
