#include "search/Ergebnisseite.h"
#include "search/Browserstart.h"

#include "platform/Platform.h"
#include "tests/common/TestUmgebung.h"

#include <QUrl>

class ErgebnisseiteTest : public Umgebung {
protected:
    void SetUp() override {
        Umgebung::SetUp();
        Programmordner(win()).ordnerAnlegen(notifier);
        seite.Datenbankname = "Akten";
    }
    QString erste() const { return QString::fromUtf8(lies("Datenbank/Temp/Kelvora_Ergebnis.htm")); }

    SpeicherEinstellungen einstellungen;
    ProtokollNotifier notifier;
    ProtokollShell shell;
    TBrowserstart browser{einstellungen, shell, notifier};
    TErgebnisseite seite{Programmordner(win()), browser, notifier, Pump::still()};
};

// Text from outside goes into the page as text: the PDF text, the file name, the search
// text and the database name cannot add markup, the bold mark never splits a character
// reference or lands in the page's own markup, and a file on no mapped drive stays inside
// the address and the link text. A line break in the context gives lines of their own.
TEST_F(ErgebnisseiteTest, FremdeTexteWerdenZuText) {
    const auto kopf = [](const QString& adresse, const QString& text) {
        return "<font color=\"#000000\">in: <a href=\"" + adresse + "\" target=\"_blank\">" + text +
               "</a><br><font color=\"#000080\">";
    };
    const QString a = kopf("file://" + nativ() + "/Akten/a.pdf", "file:///T:/Akten/a.pdf");
    const QString t = "T:\\Akten\\a.pdf##text##";
    const struct {
        QString satz, suchtext, zeilen;
    } faelle[] = {
        {t + "x a<b y<br>", "a<b", a + "x <b>a&lt;b</b> y<br><br><br>"},
        {t + "a<b lt<br>", "lt", a + "a&lt;b <b>lt</b><br><br><br>"},
        {t + "a<b<br>", "lt", a + "a&lt;b<br><br><br>"},
        {t + "im Februar<br>", "br", a + "im Fe<b>br</b>uar<br><br><br>"},
        {t + "steht <br> im Text<br>", "Text", a + "steht &lt;br&gt; im <b>Text</b><br><br><br>"},
        {t + "oben\r\nunten Wort<br>", "Wort", a + "oben<br><br>\r\nunten <b>Wort</b><br>"},
        {"Q:\\b&c <i>.pdf##text##Wort<br>", "Wort",
         kopf("file:///Q:/b%26c%20%3Ci%3E.pdf", "file:///Q:/b&amp;c &lt;i&gt;.pdf") +
             "<b>Wort</b><br><br><br>"},
        {"Existiert nicht! E:\\Weg\\z.pdf##text##Wort<br>", "Wort",
         kopf("file:///Existiert%20nicht%21%20E:/Weg/z.pdf",
              "file:///Existiert nicht! E:/Weg/z.pdf") +
             "<b>Wort</b><br><br><br>"},
    };
    for (const auto& f : faelle) {
        seite.TntRichEdit1 = {f.satz};
        seite.Seitenzaehler = 1;
        seite.SchreibHTMLDocNeu(f.suchtext, 1);
        EXPECT_TRUE(erste().contains("<br><br>\r\n" + f.zeilen + "\r\n</font>\r\n</body>"))
            << f.satz.toStdString() << "\n"
            << erste().toStdString();
    }
    seite.Datenbankname = "<i>DB&\"";
    seite.SchreibHTMLDocNeu("a<b \"&", 1);
    EXPECT_TRUE(erste().contains("\r\nDatenbankname: \"&lt;i&gt;DB&amp;&quot;\"<br>"));
    EXPECT_TRUE(erste().contains(
        "\r\n<br>Suchbegriff: <font color=\"#cc0000\">\"<u>a&lt;b &quot;&amp;\"</u>"));
}

// A shorter page replaces a longer one whole: no tail of the old one is left.
TEST_F(ErgebnisseiteTest, NeueSeiteErsetztDieAlteGanzAusserBeiGeoeffneterDatei) {
    seite.TntRichEdit1 = {"T:\\a.pdf##text##eins zwei drei vier fünf sechs sieben<br>"};
    seite.SchreibHTMLDocNeu("eins", 1);
    seite.TntRichEdit1.clear();
    seite.Seitenzaehler = 1;
    seite.SchreibHTMLDocNeu("eins", 0);
    const QString kurz = erste();
    EXPECT_TRUE(kurz.contains("wurde NICHT gefunden:<br>\r\n___"));
    EXPECT_TRUE(kurz.endsWith("<br><br>\r\n</font>\r\n</body>\r\n</html>"));
    EXPECT_EQ(kurz.count("</html>"), 1);
    EXPECT_FALSE(kurz.contains("sieben"));

    // With a file open in the viewer no page is written; the busy state still ends.
    QFile::remove(nativ("Datenbank/Temp/Kelvora_Ergebnis.htm"));
    bool beendet = false;
    seite.beschaeftigtEnde = [&] { beendet = true; };
    seite.DateiGeoeffnet = true;
    EXPECT_TRUE(seite.SchreibHTMLDocNeu("x", 0).isEmpty());
    EXPECT_FALSE(gibt("Datenbank/Temp/Kelvora_Ergebnis.htm"));
    EXPECT_TRUE(beendet);
    EXPECT_TRUE(shell.aufrufe.empty());
}

// The address of a native file is the one QUrl gives, for every character a file name can
// hold, also those outside the first plane.
TEST(Ergebnisseite, LokaleAdresseWieQUrl) {
    QStringList pfade{"/tmp/\xF0\x9F\x98\x80.pdf", "/tmp/x%41.pdf", "/tmp/a/./b//c.pdf"};
    for (char32_t c = 1; c < 0x3100; ++c)
        if (c < 0xD800 || c >= 0xE000)
            pfade << "/tmp/a b/x" + QString::fromUcs4(&c, 1) + "y.pdf";
    for (const QString& pfad : pfade)
        ASSERT_EQ(TErgebnisseite::lokaleAdresse(pfad),
                  QUrl::fromLocalFile(pfad).toString(QUrl::FullyEncoded))
            << pfad.toStdString();
}
