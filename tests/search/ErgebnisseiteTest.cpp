#include "search/Ergebnisseite.h"
#include "search/Browserstart.h"

#include "platform/Platform.h"
#include "tests/common/TestUmgebung.h"

#include <QDir>
#include <QUrl>

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
    TErgebnisseite seite{Programmordner(win()), browser, notifier, Pump::still()};
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
    EXPECT_TRUE(shell.aufrufe.empty());
    seite.ersteSeiteZeigen();
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

// The address of a path without a mapped drive is percent-encoded; its text is not.
TEST_F(ErgebnisseiteTest, ExistiertNichtPfadBehaeltSeinenLink) {
    seite.TntRichEdit1 = {"Existiert nicht! E:\\Weg\\z.pdf##text##Wort<br>"};
    seite.SchreibHTMLDocNeu("Wort", 1);
    EXPECT_EQ(zeilen()[9], QStringLiteral("<font color=\"#000000\">in: <a href=\"file:///"
                                          "Existiert%20nicht%21%20E:/Weg/z.pdf\" "
                                          "target=\"_blank\">"
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
    // Writing pages opens none of them.
    EXPECT_TRUE(shell.aufrufe.empty());
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

// Text from outside goes into the page as text: the PDF text, the file name, the search
// text and the database name cannot add markup, and the bold mark never splits a
// character reference or lands in the page's own markup.
TEST_F(ErgebnisseiteTest, FremdeTexteWerdenZuText) {
    struct Fall {
        const char* satz;
        const char* suchtext;
        const char* zeile;
    };
    const QString link = "<font color=\"#000000\">in: <a href=\"file://" + nativ() +
                         "/Akten/a.pdf\" target=\"_blank\">file:///T:/Akten/a.pdf</a><br>"
                         "<font color=\"#000080\">";
    const Fall faelle[] = {
        {"T:\\Akten\\a.pdf##text##<script>alert(1)</script> & <i>kursiv</i> \"Wort\"<br>", "Wort",
         "&lt;script&gt;alert(1)&lt;/script&gt; &amp; &lt;i&gt;kursiv&lt;/i&gt; "
         "&quot;<b>Wort</b>&quot;<br><br><br>"},
        {"T:\\Akten\\a.pdf##text##x a<b y<br>", "a<b", "x <b>a&lt;b</b> y<br><br><br>"},
        {"T:\\Akten\\a.pdf##text##a<b lt<br>", "lt", "a&lt;b <b>lt</b><br><br><br>"},
        {"T:\\Akten\\a.pdf##text##a<b<br>", "lt", "a&lt;b<br><br><br>"},
        {"T:\\Akten\\a.pdf##text##im Februar<br>", "br", "im Fe<b>br</b>uar<br><br><br>"},
        {"T:\\Akten\\a.pdf##text##steht <br> im Text<br>", "Text",
         "steht &lt;br&gt; im <b>Text</b><br><br><br>"},
    };
    for (const Fall& f : faelle) {
        seite.TntRichEdit1 = {QString::fromUtf8(f.satz)};
        seite.Seitenzaehler = 1;
        seite.SchreibHTMLDocNeu(QString::fromUtf8(f.suchtext), 1);
        EXPECT_EQ(zeilen()[9], link + QString::fromUtf8(f.zeile)) << f.satz;
    }
    EXPECT_TRUE(zeilen()[7].startsWith("<br>Suchbegriff: <font color=\"#cc0000\">\"<u>Text\"</u>"));
    seite.Datenbankname = "<i>DB&\"";
    seite.SchreibHTMLDocNeu("a<b \"&", 1);
    EXPECT_TRUE(zeilen()[6].startsWith("Datenbankname: \"&lt;i&gt;DB&amp;&quot;\"<br>"));
    EXPECT_TRUE(zeilen()[7].startsWith(
        "<br>Suchbegriff: <font color=\"#cc0000\">\"<u>a&lt;b &quot;&amp;\"</u>"));
}

// A file named to break out of its link stays inside the address and the link text.
TEST_F(ErgebnisseiteTest, DateinameBrichtNichtAusDemLinkAus) {
    seite.TntRichEdit1 = {"T:\\Akten\\a\" onmouseover=\"x.pdf##text##Wort<br>",
                          "Q:\\b&c <i>.pdf##text##Wort<br>"};
    seite.SchreibHTMLDocNeu("Wort", 2);
    const QStringList z = zeilen();
    EXPECT_EQ(z[9], "<font color=\"#000000\">in: <a href=\"file://" + nativ() +
                        "/Akten/a%22%20onmouseover=%22x.pdf\" target=\"_blank\">"
                        "file:///T:/Akten/a&quot; onmouseover=&quot;x.pdf</a><br>"
                        "<font color=\"#000080\"><b>Wort</b><br><br><br>");
    EXPECT_EQ(z[10], QStringLiteral("<font color=\"#000000\">in: <a href=\"file:///Q:/"
                                    "b%26c%20%3Ci%3E.pdf\" target=\"_blank\">file:///Q:/b&amp;c "
                                    "&lt;i&gt;.pdf</a><br><font color=\"#000080\"><b>Wort</b>"
                                    "<br><br><br>"));
}

// A page that cannot be written is reported by name; nothing of it is left.
TEST_F(ErgebnisseiteTest, SchreibfehlerWirdGemeldet) {
    // A folder in the page's place: the file cannot be opened for writing.
    QDir().mkpath(nativ("Datenbank/Temp/Kelvora_Ergebnis.htm"));
    seite.TntRichEdit1 = {"T:\\a.pdf##text##Wort<br>"};
    EXPECT_TRUE(seite.SchreibHTMLDocNeu("Wort", 1).isEmpty());
    EXPECT_TRUE(seite.Schreibfehler);
    ASSERT_EQ(notifier.meldungen().size(), 1u);
    EXPECT_EQ(notifier.meldungen()[0].art, Notifier::Art::Fehler);
    EXPECT_EQ(notifier.meldungen()[0].text, "Die Ergebnisseite " +
                                                win("Datenbank\\Temp\\Kelvora_Ergebnis.htm") +
                                                " kann nicht geschrieben werden.");
    EXPECT_EQ(seite.Seitenzaehler, 1);
}

// The address of a native file is the one QUrl gives, for every character a file name can
// hold, also those outside the first plane.
TEST(Ergebnisseite, LokaleAdresseWieQUrl) {
    for (char32_t c = 1; c < 0x3100; ++c) {
        if (c >= 0xD800 && c < 0xE000)
            continue;
        const QString pfad = "/tmp/a b/x" + QString::fromUcs4(&c, 1) + "y.pdf";
        ASSERT_EQ(TErgebnisseite::lokaleAdresse(pfad),
                  QUrl::fromLocalFile(pfad).toString(QUrl::FullyEncoded))
            << unsigned(c);
    }
    for (const char* pfad : {"/tmp/\xF0\x9F\x98\x80.pdf", "/tmp/x%41.pdf", "/tmp/a/./b//c.pdf"})
        EXPECT_EQ(TErgebnisseite::lokaleAdresse(QString::fromUtf8(pfad)),
                  QUrl::fromLocalFile(QString::fromUtf8(pfad)).toString(QUrl::FullyEncoded));
}
