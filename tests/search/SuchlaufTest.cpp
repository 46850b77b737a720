#include "search/Suchlauf.h"
#include "search/Suchknopf.h"

#include "tests/search/Suchdaten.h"

class SuchlaufTest : public SuchUmgebung {
protected:
    void SetUp() override {
        SuchUmgebung::SetUp();
        lauf.Datenbankname = "Akten";
        lauf.zwischenablage = [this](const QString& s) { ablage << s; };
        dat("Akten", "T:\\Akten");
    }
    // n files, each holding the search text once.
    void dateien(int n) {
        QList<Datei> d;
        for (int i = 1; i <= n; ++i) {
            const QString name = QStringLiteral("Akten/f%1.pdf").arg(i, 2, 10, QLatin1Char('0'));
            pdf(name);
            d << Datei{win(name), "Text mit Apfel darin"};
        }
        utf8Datenbank("Akten", d);
    }
    bool suchen(const QString& text) {
        fenster.TntEdit2 = text;
        return lauf.OKBtnClick();
    }
    QString seite() const { return QString::fromUtf8(lies("Datenbank/Temp/Kelvora_Ergebnis.htm")); }
    SpeicherEinstellungen einstellungen;
    ProtokollShell shell;
    TSuchlauf lauf{
        {Programmordner(win()), {einstellungen, notifier, shell, Pump::still()}, fenster}};
    QStringList ablage;
};

// Exactly 25 files fill one page that links no other; only that page is opened. Left-overs
// of earlier runs in Temp go first.
TEST_F(SuchlaufTest, FuenfundzwanzigDateienAufEinerSeite) {
    schreibe("Datenbank/Temp/Kelvora_Ergebnis2.htm", "alt");
    schreibe("Datenbank/Temp/Unter/x.txt", "alt");
    dateien(25);
    EXPECT_TRUE(suchen("apfel"));
    EXPECT_FALSE(gibt("Datenbank/Temp/Kelvora_Ergebnis2.htm"));
    EXPECT_FALSE(gibt("Datenbank/Temp/Unter"));
    EXPECT_EQ(lauf.Seiten(), QStringList{win("Datenbank\\Temp\\Kelvora_Ergebnis.htm")});
    EXPECT_EQ(seite().count(">file:///T:/Akten/f"), 25);
    EXPECT_TRUE(seite().contains("> wurde in 25 Dateien gefunden."));
    EXPECT_FALSE(seite().contains("Kelvora_Ergebnis2.htm"));
    EXPECT_EQ(shell.aufrufe.size(), 1u);
}

TEST_F(SuchlaufTest, Utf8TrefferVorUnicodeTreffern) {
    pdf("Akten/u.pdf");
    pdf("Akten/w.pdf");
    utf8Datenbank("Akten", {{win("Akten\\u.pdf"), "Apfel aus UTF-8"}});
    unicodeDatenbank("Akten", {{win("Akten\\w.pdf"), "Äpfel und Apfel aus Unicode"}});
    lauf.GeladeneVariante = Dokumentvariante::Unicode;
    suchen("apfel");
    ASSERT_EQ(lauf.TrefferListe().size(), 2);
    EXPECT_TRUE(lauf.TrefferListe()[0].startsWith(win("Akten\\u.pdf") + "##text##Apfel aus UTF-8"));
    EXPECT_TRUE(Ansi::ausByteForm(lauf.TrefferListe()[1])
                    .startsWith(win("Akten\\w.pdf") + "##text##Äpfel und Apfel aus Unicode"));
    EXPECT_TRUE(fenster.chkUnicode);
    EXPECT_FALSE(fenster.chkUnicodeBE);
    EXPECT_FALSE(lauf.TrefferInVariante(Dokumentvariante::Utf8));
    EXPECT_TRUE(lauf.TrefferInVariante(Dokumentvariante::Unicode));
    EXPECT_TRUE(seite().contains("Äpfel und <b>Apfel</b> aus Unicode"));
}

// The folder in the head of the .dat gives the file mark and the replacement drive, also for
// a database named with an umlaut and a program folder that moved to another drive.
TEST_F(SuchlaufTest, MarkeUndErsatzlaufwerkAusDemKopfDerDat) {
    dat("Akten", "D:\\Akten");
    DriveMap::global().setzeWurzel('D', nativ("D"));
    pdf("D/Akten/a.pdf");
    utf8Datenbank("Akten", {{"C:\\Akten\\a.pdf", "Apfel"}});
    suchen("Apfel");
    EXPECT_EQ(fenster.Dateimarke, QStringLiteral("#D:\\"));
    // The marker does not occur in the document, so the run stops after the first hit.
    ASSERT_EQ(lauf.TrefferListe().size(), 1);
    EXPECT_TRUE(lauf.TrefferListe()[0].startsWith("D:\\Akten\\a.pdf##text##"));

    schreibe("Datenbank/Bär.dat", "PFAD_UND_ENDUNGEN= E:\\Bücher *.pdf    \r\nE:\\B\xC3\xBC"
                                  "cher\\x.pdf\r\n");
    EXPECT_EQ(TSuchlauf::datenbankordner(Programmordner(win()), "Bär"),
              QStringLiteral("E:\\Bücher *.pdf"));
    // The program folder moved from drive S: to T:; the .dat is found under T:.
    EXPECT_EQ(TSuchlauf::datenbankordner(Programmordner("S:\\"), "Bär"),
              QStringLiteral("E:\\Bücher *.pdf"));
    EXPECT_TRUE(TSuchlauf::datenbankordner(Programmordner(win()), "Fehlt").isEmpty());
}

// The replacement character a paste leaves is dropped from the search text; the clipboard
// gets the first word, the phrase, or a file mark without its "#".
TEST_F(SuchlaufTest, ZwischenablageErsatzzeichenUndUebergabedatei) {
    dateien(1);
    lauf.SuchtextInClipbrd = true;
    suchen("Apfel darin\xEF\xBF\xBD");
    EXPECT_EQ(fenster.TntEdit2, QStringLiteral("Apfel darin"));
    EXPECT_EQ(ablage, QStringList{"Apfel"});
    const struct {
        const char* text;
        bool phrase, marke;
        const char* ablage;
    } faelle[] = {
        {" rote Rosen", false, false, "rote Rosen"},
        {"rote Rosen", true, false, "rote Rosen"},
        {"#T:\\a.pdf", false, true, "T:\\a.pdf"},
        {"#T:\\a.pdf", false, false, "#T:\\a.pdf"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(TSuchlauf::zwischenablagetext(f.text, f.phrase, f.marke),
                  QString::fromUtf8(f.ablage))
            << f.text;

    // The hand-over file is read once and deleted.
    DriveMap::global().setzeWurzel('S', nativ("S"));
    EXPECT_TRUE(TSuchknopf::uebergabeBeschriftung("S:\\", "Akten").isEmpty());
    schreibe("S/Datenbank/Suchtext.txt", "");
    EXPECT_EQ(TSuchknopf::uebergabeBeschriftung("S:\\", "Akten"),
              QStringLiteral("DB: \"Akten\"  Position: "));
    EXPECT_FALSE(gibt("S/Datenbank/Suchtext.txt"));
}

TEST_F(SuchlaufTest, AbbruchEndetNachDemLaufendenSchrittOhneSeiten) {
    dateien(30);
    // Cancels at the first look at the messages.
    struct : Pump {
        void verarbeiten() override {
            if (lauf && !lauf->Abgebrochen())
                lauf->abbrechen();
        }
        TSuchlauf* lauf = nullptr;
    } pumpe;
    TSuchlauf abbrechbar{{Programmordner(win()), {einstellungen, notifier, shell, pumpe}, fenster}};
    abbrechbar.dokumentsuche().Umschauabstand = 0;
    pumpe.lauf = &abbrechbar;
    abbrechbar.Datenbankname = "Akten";
    fenster.TntEdit2 = "Apfel";
    EXPECT_FALSE(abbrechbar.OKBtnClick());
    EXPECT_TRUE(abbrechbar.Abgebrochen());
    EXPECT_LE(abbrechbar.TrefferListe().size(), 1);
    EXPECT_TRUE(abbrechbar.Seiten().isEmpty());
    EXPECT_FALSE(gibt("Datenbank/Temp/Kelvora_Ergebnis.htm"));
    EXPECT_TRUE(shell.aufrufe.empty());
    EXPECT_FALSE(fenster.SucheLaeuft);
}
