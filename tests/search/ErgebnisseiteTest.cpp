#include "search/Ergebnisseite.h"
#include "search/Browserstart.h"

#include "platform/Platform.h"
#include "tests/common/TestUmgebung.h"

class ErgebnisseiteTest : public Umgebung {
protected:
    void SetUp() override {
        Umgebung::SetUp();
        Programmordner(win()).ordnerAnlegen(notifier);
        seite.Datenbankname = "Akten";
    }
    QByteArray erste() const { return lies("Datenbank/Temp/Kelvora_Ergebnis.htm"); }
    // The lines of a written page.
    QStringList zeilen(const QString& datei = "Datenbank/Temp/Kelvora_Ergebnis.htm") const {
        return QString::fromUtf8(lies(datei)).split("\r\n");
    }
    // The native file:// address of a file below the program folder, spaces escaped.
    QString adresse(const QString& relativ) const {
        return "file://" + QString(nativ(relativ)).replace(" ", "%20");
    }

    SpeicherEinstellungen einstellungen;
    ProtokollNotifier notifier;
    ProtokollShell shell;
    TBrowserstart browser{einstellungen, shell, notifier};
    TErgebnisseite seite{Programmordner(win()), browser, Pump::still()};
};

namespace {

const char* const kopf =
    "<html>\r\n"
    "<Head>\r\n"
    "<Title> Kelvora-PDF Suchergebnis </Title>\r\n"
    "<META http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\r\n"
    "</Head>\r\n"
    "<body bgcolor=\"#FFFFFF\" text=\"#000000\" link=\"#669900\" "
    "Vlink=\"#999999\" Alink=\"#999999\" > <font face=\"verdana, arial, "
    "helvetica\">\r\n";

} // namespace

TEST_F(ErgebnisseiteTest, SeiteMitEinemTrefferByteFuerByte) {
    seite.TntRichEdit1 = {"  T:\\Akten\\Bericht 1.pdf##text##Der Bericht ist fertig<br>  "};
    const QString datei = seite.SchreibHTMLDocNeu("bericht", 1);
    EXPECT_EQ(datei, win("Datenbank\\Temp\\Kelvora_Ergebnis.htm"));
    const QByteArray erwartet =
        QByteArray(kopf) +
        "Datenbankname: \"Akten\"<br>Sucheinstellung: Gross/klein <u>egal</u> und Suchtext "
        "<u>auch als Teil</u> in einem Wort/Satz finden.<br>\r\n"
        "<br>Suchbegriff: <font color=\"#cc0000\">\"<u>bericht\"</u><font color=\"#000000\"> "
        "wurde in 1 Datei gefunden.<br>Es wird nur die erste Fundstelle in der Datei hier "
        "aufgelistet:<br>\r\n" +
        QByteArray(50, '_') + "<br><br>\r\n" + "<font color=\"#000000\">in: <a href=\"" +
        adresse("Akten/Bericht 1.pdf").toUtf8() +
        "\" target=\"_blank\">file:///T:/Akten/Bericht 1.pdf</a><br><font color=\"#000080\">"
        "Der <b>Bericht</b> ist fertig<br><br><br>\r\n"
        "</font>\r\n"
        "</body>\r\n"
        "</html>";
    EXPECT_EQ(erste(), erwartet);
    EXPECT_EQ(seite.Seitenzaehler, 0);
    ASSERT_EQ(shell.aufrufe.size(), 1u);
    EXPECT_EQ(shell.aufrufe[0].art, QStringLiteral("oeffnen"));
    EXPECT_EQ(shell.aufrufe[0].programm, win("Datenbank\\Temp\\kelvora_ergebnis.htm"));
}

TEST_F(ErgebnisseiteTest, NichtGefundenSeiteByteFuerByte) {
    seite.GrossKleinBeachten = true;
    seite.NurGanzeWoerterCheckBox = true;
    seite.SchreibHTMLDocNeu("Zebra", 0);
    const QByteArray erwartet =
        QByteArray(kopf) +
        "Datenbankname: \"Akten\"<br>Sucheinstellung: Gross/Kleinschreibung <u>beachten</u> "
        "und nur <u>ganze</u> W\xC3\xB6rter.<br>\r\n"
        "<br>Suchbegriff: <font color=\"#cc0000\">\"<u>Zebra\"</u><font color=\"#000000\"> "
        "wurde NICHT gefunden:<br>\r\n" +
        QByteArray(41, '_') + "<br><br>\r\n" +
        "</font>\r\n"
        "</body>\r\n"
        "</html>";
    EXPECT_EQ(erste(), erwartet);
}

TEST_F(ErgebnisseiteTest, EinstellungszeilenDerVierFaelle) {
    EXPECT_EQ(TErgebnisseite::einstellungszeile(true, false),
              QStringLiteral("Sucheinstellung: Gross/Kleinschreibung <u>beachten</u> und "
                             "Suchtext <u>auch als Teil</u> in einem Wort/Satz finden."));
    EXPECT_EQ(TErgebnisseite::einstellungszeile(false, true),
              QStringLiteral("Sucheinstellung: Gross/klein <u>egal</u> und <u>nur</u> ganze "
                             "Wörter."));
}

TEST_F(ErgebnisseiteTest, NurDasLetzteVorkommenNachDemLinkWirdFett) {
    seite.TntRichEdit1 = {"T:\\a.pdf##text##Rose und Rose<br>",
                          "T:\\Rose.pdf##text##nichts davon<br>"};
    seite.SchreibHTMLDocNeu("rose", 2);
    const QStringList z = zeilen();
    ASSERT_EQ(z.size(), 14);
    EXPECT_TRUE(z[9].endsWith("Rose und <b>Rose</b><br><br><br>"));
    EXPECT_FALSE(z[10].contains("<b>"));
    EXPECT_TRUE(z[10].contains(">file:///T:/Rose.pdf</a>"));
    // Two hits on the only page: plural without "bisher".
    EXPECT_TRUE(z[7].endsWith("> wurde in 2 Dateien gefunden.<br>Es wird jeweils nur die erste "
                              "Fundstelle in der Datei hier aufgelistet:<br>"));
}

TEST_F(ErgebnisseiteTest, GrossKleinBeachtetMarkiertNurGleicheSchreibung) {
    seite.GrossKleinBeachten = true;
    seite.TntRichEdit1 = {"T:\\a.pdf##text##Bericht und bericht<br>"};
    seite.SchreibHTMLDocNeu("Bericht", 1);
    EXPECT_TRUE(zeilen()[9].endsWith("<b>Bericht</b> und bericht<br><br><br>"));
}

TEST_F(ErgebnisseiteTest, ExistiertNichtPfadBehaeltSeinenLink) {
    seite.TntRichEdit1 = {"Existiert nicht! E:\\Weg\\z.pdf##text##Wort<br>"};
    seite.SchreibHTMLDocNeu("Wort", 1);
    EXPECT_EQ(zeilen()[9], QStringLiteral("<font color=\"#000000\">in: <a href=\"file:///"
                                          "Existiert nicht! E:/Weg/z.pdf\" target=\"_blank\">"
                                          "file:///Existiert nicht! E:/Weg/z.pdf</a><br><font "
                                          "color=\"#000080\"><b>Wort</b><br><br><br>"));
}

TEST_F(ErgebnisseiteTest, FolgeseitenUndLinkZurNaechstenSeite) {
    seite.TntRichEdit1 = {"T:\\a.pdf##text##eins<br>"};
    seite.WeitereSeiten = true;
    seite.SchreibHTMLDocNeu("eins", 25);
    QStringList z = zeilen();
    EXPECT_TRUE(z[7].endsWith("> wurde bisher in 25 Dateien gefunden.<br>Es wird jeweils nur die "
                              "erste Fundstelle in der Datei hier aufgelistet:<br>"));
    const QString link =
        "<font color=\"#000000\"><a href=\"" + adresse("Datenbank/Temp/Kelvora_Ergebnis%1.htm") +
        "\" target=\"_blank\"><span style=\"font-family:alrial;color:black;text-decoration:"
        "none;\">Zur nächsten Steite hier klicken</span></a><br><br><br>";
    EXPECT_EQ(z[10], link.arg(2));
    EXPECT_EQ(z[11], QStringLiteral("</font>"));

    seite.Seitenzaehler = 2;
    seite.SchreibHTMLDocNeu("eins", 50);
    z = zeilen("Datenbank/Temp/Kelvora_Ergebnis2.htm");
    EXPECT_EQ(z[10], link.arg(3));
    seite.Seitenzaehler = 3;
    seite.WeitereSeiten = false;
    EXPECT_EQ(seite.SchreibHTMLDocNeu("eins", 51), win("Datenbank\\Temp\\Kelvora_Ergebnis3.htm"));
    z = zeilen("Datenbank/Temp/Kelvora_Ergebnis3.htm");
    EXPECT_EQ(z.size(), 13);
    EXPECT_TRUE(z[7].contains("> wurde in 51 Dateien gefunden."));
    // Only the first page goes to the browser.
    EXPECT_EQ(shell.aufrufe.size(), 1u);
}

TEST_F(ErgebnisseiteTest, ZeilenumbruchImKontextGibtMehrereZeilen) {
    seite.TntRichEdit1 = {"T:\\a.pdf##text##oben\r\nunten Wort<br>"};
    seite.SchreibHTMLDocNeu("Wort", 1);
    const QStringList z = zeilen();
    ASSERT_EQ(z.size(), 14);
    EXPECT_TRUE(z[9].endsWith("oben<br><br>"));
    EXPECT_EQ(z[10], QStringLiteral("unten <b>Wort</b><br>"));
}

TEST_F(ErgebnisseiteTest, GeoeffneteDateiSchreibtKeineSeite) {
    bool beendet = false;
    seite.beschaeftigtEnde = [&] { beendet = true; };
    seite.DateiGeoeffnet = true;
    EXPECT_TRUE(seite.SchreibHTMLDocNeu("x", 0).isEmpty());
    EXPECT_FALSE(gibt("Datenbank/Temp/Kelvora_Ergebnis.htm"));
    EXPECT_TRUE(beendet);
    EXPECT_TRUE(shell.aufrufe.empty());
}

TEST_F(ErgebnisseiteTest, NeueSeiteErsetztEineLaengereAlteGanz) {
    seite.TntRichEdit1 = {"T:\\a.pdf##text##eins zwei drei vier fünf sechs sieben<br>"};
    seite.SchreibHTMLDocNeu("eins", 1);
    const QByteArray lang = erste();
    seite.TntRichEdit1.clear();
    seite.Seitenzaehler = 1;
    seite.SchreibHTMLDocNeu("eins", 0);
    const QByteArray kurz = erste();
    EXPECT_LT(kurz.size(), lang.size());
    EXPECT_TRUE(kurz.endsWith("</font>\r\n</body>\r\n</html>"));
    EXPECT_TRUE(kurz.contains("wurde NICHT gefunden"));
}
