#include "search/Browserstart.h"

#include "platform/Files.h"
#include "platform/Notifier.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"

#include <QStandardPaths>

namespace {

const QString einstellungsname = QStringLiteral("Browser");

} // namespace

TBrowserstart::TBrowserstart(SettingsStore& einstellungen, Shell& shell, Notifier& notifier)
    : einstellungen_(einstellungen), shell_(shell), notifier_(notifier),
      programmDa_([](const QString& p) { return !QStandardPaths::findExecutable(p).isEmpty(); }) {}

TBrowserstart::Befehl TBrowserstart::befehl(const QString& einstellung, const QString& pfad) {
    const QChar q = QLatin1Char('"');
    if (einstellung.contains(QLatin1String("standard")))
        return {};
    if (einstellung.contains(QLatin1String("firefox")))
        return {false, QStringLiteral("firefox.exe"), q + pfad + q};
    if (einstellung.contains(QLatin1String("internet explorer")))
        return {false, QStringLiteral("iexplore.exe"), pfad};
    if (einstellung.contains(QLatin1String("edge")))
        return {false,
                QStringLiteral("shell:AppsFolder\\Microsoft.MicrosoftEdge_8wekyb3d8bbwe!"
                               "MicrosoftEdge"),
                QString(3, q) + pfad + QString(3, q)};
    if (einstellung.contains(QLatin1String("chrome")))
        return {false, QStringLiteral("chrome.exe"), q + pfad + q};
    return {};
}

QString TBrowserstart::keinBrowserMeldung(const QString& pfad) {
    const QString nativ = Files::nativ(pfad);
    return QStringLiteral("Es konnte kein Browser gestartet werden, der diese Seite anzeigt:\n") +
           (nativ.isEmpty() ? pfad : nativ) +
           QStringLiteral("\nÖffnen Sie die Seite selbst im Browser oder wählen Sie in den "
                          "Einstellungen einen anderen Browser.");
}

QStringList TBrowserstart::programmeFuer(const QString& windowsProgramm) {
    if (windowsProgramm == QLatin1String("firefox.exe"))
        return {QStringLiteral("firefox"), QStringLiteral("firefox-esr")};
    if (windowsProgramm == QLatin1String("chrome.exe"))
        return {QStringLiteral("google-chrome"), QStringLiteral("google-chrome-stable"),
                QStringLiteral("chromium"), QStringLiteral("chromium-browser")};
    if (windowsProgramm.contains(QLatin1String("MicrosoftEdge")))
        return {QStringLiteral("microsoft-edge"), QStringLiteral("microsoft-edge-stable")};
    return {};
}

QString TBrowserstart::programmAufDiesemSystem(const QString& windowsProgramm) const {
    const QStringList kandidaten = programmeFuer(windowsProgramm);
    for (const QString& p : kandidaten)
        if (programmDa_(p))
            return p;
    // Started all the same, so that a missing browser is reported like on Windows.
    return kandidaten.isEmpty() ? windowsProgramm : kandidaten.first();
}

void TBrowserstart::StarteInternetBrowser(const QString& pfad) {
    QString einstellung = einstellungen_.LeseRegKey(einstellungsname);
    if (einstellung.isEmpty()) {
        einstellung = QStringLiteral("standard");
        einstellungen_.SchreibeRegKey(einstellungsname, einstellung);
    }
    const Befehl b = befehl(einstellung, pfad);
    if (b.oeffnen) {
        // Without a browser the page would be written and nobody told where it is.
        Notifier& notifier = notifier_;
        const QString meldung = keinBrowserMeldung(pfad);
        if (!shell_.oeffnen(pfad, [&notifier, meldung] { notifier.warnung(meldung); }))
            notifier_.warnung(meldung);
        return;
    }
    // The quotes of the Windows command line keep the path one parameter; here the
    // program gets it as one argument, as a native address.
    const QString programm = programmAufDiesemSystem(b.programm);
    if (!shell_.starten(programm, {Shell::adresse(pfad)}, QString()))
        notifier_.warnung(QStringLiteral("Datei: ") + programm +
                          QStringLiteral(" kann nicht geöffnet werden"));
}
