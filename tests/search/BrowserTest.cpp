#include "search/Browsererkennung.h"
#include "search/Browserstart.h"

#include "platform/Platform.h"
#include "tests/common/TestUmgebung.h"

#include <QDir>
#include <QFile>

class BrowserstartTest : public Umgebung {
protected:
    void SetUp() override {
        Umgebung::SetUp();
        start.setProgrammDa([this](const QString& p) { return programme.contains(p); });
    }
    SpeicherEinstellungen einstellungen;
    ProtokollNotifier notifier;
    ProtokollShell shell;
    TBrowserstart start{einstellungen, shell, notifier};
    QStringList programme;
};

// Without a setting, and for browsers started by the desktop, the shell opens the page;
// without a setting "standard" is remembered.
TEST_F(BrowserstartTest, OhneEinstellungUndOperaUndSafariGehenUeberDieShell) {
    for (const char* wert : {"", "opera", "safari", "unbekannt"}) {
        shell.aufrufe.clear();
        if (*wert)
            einstellungen.werte["Browser"] = wert;
        start.StarteInternetBrowser(win("Datenbank\\Temp\\kelvora_ergebnis.htm"));
        ASSERT_EQ(shell.aufrufe.size(), 1u) << wert;
        EXPECT_EQ(shell.aufrufe[0].art, QStringLiteral("oeffnen")) << wert;
        EXPECT_EQ(shell.aufrufe[0].programm, win("Datenbank\\Temp\\kelvora_ergebnis.htm"));
        EXPECT_EQ(einstellungen.werte.value("Browser"), *wert ? wert : "standard");
    }
    EXPECT_TRUE(notifier.meldungen().empty());
}

// Program and parameter per setting; the first row that occurs wins, "standard" before
// everything else.
TEST_F(BrowserstartTest, StarttabelleMitAnfuehrungszeichen) {
    const QString pfad = "C:\\Daten\\Mein Ergebnis.htm";
    const struct {
        const char* wert;
        QString programm, parameter;
    } faelle[] = {
        {"firefox", "firefox.exe", "\"" + pfad + "\""},
        {"chrome", "chrome.exe", "\"" + pfad + "\""},
        {"internet explorer", "iexplore.exe", pfad},
        {"edge", "shell:AppsFolder\\Microsoft.MicrosoftEdge_8wekyb3d8bbwe!MicrosoftEdge",
         "\"\"\"" + pfad + "\"\"\""},
        {"firefox chrome", "firefox.exe", "\"" + pfad + "\""},
    };
    for (const auto& f : faelle) {
        const TBrowserstart::Befehl b = TBrowserstart::befehl(f.wert, pfad);
        EXPECT_FALSE(b.oeffnen) << f.wert;
        EXPECT_EQ(b.programm, f.programm);
        EXPECT_EQ(b.parameter, f.parameter);
    }
    EXPECT_TRUE(TBrowserstart::befehl("standard firefox", pfad).oeffnen);
}

// A browser gets the page as one parameter, the address of the file; one that cannot be
// started is named in a warning.
TEST_F(BrowserstartTest, BrowserBekommtDieAdresseAlsEinenParameter) {
    einstellungen.werte["Browser"] = "chrome";
    programme << "chromium";
    start.StarteInternetBrowser(win("Datenbank\\Temp\\Kelvora Ergebnis.htm"));
    ASSERT_EQ(shell.aufrufe.size(), 1u);
    EXPECT_EQ(shell.aufrufe[0].art, QStringLiteral("starten"));
    EXPECT_EQ(shell.aufrufe[0].programm, QStringLiteral("chromium"));
    EXPECT_EQ(shell.aufrufe[0].parameter,
              QStringList{"file://" + nativ("Datenbank/Temp/Kelvora%20Ergebnis.htm")});
    EXPECT_TRUE(notifier.meldungen().empty());

    shell.erfolg = false;
    const std::pair<const char*, QString> faelle[] = {
        {"firefox", "Datei: firefox kann nicht geöffnet werden"},
        // There is no Internet Explorer here.
        {"internet explorer", "Datei: iexplore.exe kann nicht geöffnet werden"}};
    for (const auto& [wert, meldung] : faelle) {
        notifier.leeren();
        shell.aufrufe.clear();
        einstellungen.werte["Browser"] = wert;
        start.StarteInternetBrowser("https://example.org/?q=a");
        ASSERT_EQ(shell.aufrufe.size(), 1u);
        EXPECT_EQ(shell.aufrufe[0].parameter, QStringList{"https://example.org/?q=a"});
        ASSERT_EQ(notifier.meldungen().size(), 1u);
        EXPECT_EQ(notifier.meldungen()[0].art, Notifier::Art::Warnung);
        EXPECT_EQ(notifier.meldungen()[0].text, meldung);
    }
}

// The desktop's opener on the search path is a script that ends as told: 3 is what
// xdg-open answers when it finds no browser.
TEST_F(BrowserstartTest, OhneBrowserNenntDieMeldungSeiteOderAdresse) {
    schreibe("Datenbank/Temp/Kelvora_Ergebnis.htm", "<html></html>");
    QDir().mkpath(nativ("bin"));
    const Umgebungswert suchpfad("PATH", QFile::encodeName(nativ("bin")));
    const QString seite = win("Datenbank\\Temp\\kelvora_ergebnis.htm");
    const QString adresse = "https://de.wikipedia.org/w/index.php?search=Äpfel und Birnen";
    const struct {
        const char* oeffner;    // empty: there is none
        QString ziel, gemeldet; // gemeldet empty: nothing is reported
    } faelle[] = {
        {"exit 3", seite, nativ("Datenbank/Temp/Kelvora_Ergebnis.htm")},
        {"exit 3", adresse, adresse},
        {"", seite, nativ("Datenbank/Temp/Kelvora_Ergebnis.htm")},
        {"exit 0", seite, QString()},
    };
    for (const auto& f : faelle) {
        QFile::remove(nativ("bin/xdg-open"));
        if (*f.oeffner) {
            schreibe("bin/xdg-open", "#!/bin/sh\n" + QByteArray(f.oeffner) + "\n");
            QFile::setPermissions(nativ("bin/xdg-open"), QFile::ReadOwner | QFile::ExeOwner);
        }
        notifier.leeren();
        Shell shell;
        TBrowserstart(einstellungen, shell, notifier).StarteInternetBrowser(f.ziel);
        shell.oeffnenAbwarten(Shell::Meldefrist);
        const QString text = "Es konnte kein Browser gestartet werden, der diese Seite anzeigt:\n" +
                             f.gemeldet +
                             "\nÖffnen Sie die Seite selbst im Browser oder wählen Sie in den "
                             "Einstellungen einen anderen Browser.";
        EXPECT_EQ(notifier.texte(), f.gemeldet.isEmpty() ? QStringList() : QStringList{text})
            << f.oeffner;
        for (const auto& meldung : notifier.meldungen())
            EXPECT_EQ(meldung.art, Notifier::Art::Warnung);
    }
}

// Browsers from the desktop's application entries and the search path, sorted; Edge also as
// its stable build, and the current one from the setting.
TEST(Browsererkennung, AnwendungseintraegeSuchpfadUndInternetExplorer) {
    QTemporaryDir apps;
    QStringList pfad;
    const TBrowsererkennung::Quellen quellen{{apps.path()},
                                             [&](const QString& p) { return pfad.contains(p); }};
    EXPECT_TRUE(TBrowsererkennung::installierteBrowser(quellen).isEmpty());
    for (const char* eintrag : {"/firefox-esr.desktop", "/chromium.desktop"}) {
        QFile f(apps.path() + eintrag);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Desktop Entry]\nType=Application\n");
    }
    pfad << "opera"
         << "google-chrome";
    EXPECT_EQ(TBrowsererkennung::installierteBrowser(quellen),
              (QStringList{"Firefox", "Google Chrome", "Opera"}));
    EXPECT_FALSE(TBrowsererkennung::edgeInstalliert(quellen));
    pfad << "microsoft-edge-stable";
    SpeicherEinstellungen e;
    e.werte["Browser"] = "edge";
    const auto b = TBrowsererkennung::PruefeWelcheBrowserInstalliert(e, quellen);
    EXPECT_TRUE(b.sichtbar[TBrowsererkennung::Edge]);
    EXPECT_EQ(b.aktuell, TBrowsererkennung::Edge);
    pfad = QStringList{"microsoft-edge"};
    EXPECT_TRUE(TBrowsererkennung::edgeInstalliert(quellen));

    // Internet Explorer brings Edge along; no other picture shows, nothing is current. Of two
    // names in the setting the later one is current.
    const auto ie =
        TBrowsererkennung::PruefeWelcheBrowserInstalliert("", {"Internet Explorer"}, false);
    const std::array<QString, TBrowsererkennung::Anzahl> hinweis{
        "Standard Browser", "Microsoft Internet Explorer", "Microsoft Edge"};
    for (int bild = 0; bild < TBrowsererkennung::Anzahl; ++bild) {
        EXPECT_EQ(ie.sichtbar[bild], !hinweis[bild].isEmpty()) << bild;
        EXPECT_EQ(ie.hinweis[bild], hinweis[bild]) << bild;
    }
    EXPECT_EQ(ie.aktuell, -1);
    EXPECT_EQ(
        TBrowsererkennung::PruefeWelcheBrowserInstalliert("standard firefox", {}, false).aktuell,
        TBrowsererkennung::Firefox);
}
