#include "search/Dokumentsuche.h"

#include "tests/search/Suchdaten.h"

#include <limits>
#include <tuple>

class DokumentsucheTest : public SuchUmgebung {
protected:
    void SetUp() override {
        SuchUmgebung::SetUp();
        suche.setDatenbank("Akten");
        suche.Ersatzlaufwerk = "T";
        fenster.Dateimarke = "#T:\\";
    }
    QStringList utf8(const QString& text) {
        suche.TrefferListe.clear();
        fenster.TntEdit2 = text;
        suche.SucheImUtf8Dokument(win("Datenbank\\Akten_UTF8Dokument.txt"));
        return suche.TrefferListe;
    }
    static QString eintrag(const QString& pfad, const QString& kontext) {
        return pfad + "##text##" + kontext + "<br>";
    }
    TDokumentsuche suche{{Programmordner(win()), notifier, Pump::still(), fenster}};
};

// The context of a hit: a line below 150 characters gets the following lines while the
// context stays below 250, one from 150 on gets one line, one from 250 on none; within a long
// line 349 characters from 40 before the hit, of which the viewer gives at most 2,048 before
// it; with a long search text cut to 400 above 800 characters.
TEST_F(DokumentsucheTest, KontextDesTreffers) {
    // Without a document there is nothing to find, and the scan says so.
    EXPECT_TRUE(utf8("Wort").isEmpty());
    ASSERT_EQ(notifier.meldungen().size(), 1u);
    EXPECT_EQ(notifier.meldungen()[0].art, Notifier::Art::Fehler);
    EXPECT_EQ(notifier.meldungen()[0].titel, QStringLiteral("Error"));
    EXPECT_EQ(notifier.meldungen()[0].text,
              win("Datenbank\\Akten_UTF8Dokument.txt") + " kann nicht geöffnet werden.");
    EXPECT_FALSE(suche.Gefunden);
    const QByteArray b(60, 'b'), c(70, 'c');
    const auto zeile = [](int laenge) { return "xxxxxTreffer" + QByteArray(laenge - 12, 'y'); };
    const QByteArray z40 = zeile(40), z200 = zeile(200), z260 = zeile(260);
    const QByteArray mitten =
        QByteArray("abcdefghijklmnopqrstuvwxyz").repeated(39).left(1000).replace(500, 7, "TREFFER");
    const QByteArray spaet = QByteArray(3000, 'q').replace(2990, 7, "Treffer");
    const QByteArray langerText(320, 'Z');
    const QByteArray lang =
        QByteArray("abcdefghijklmnopqrstuvw").repeated(66).left(1500).replace(600, 320, langerText);
    const struct {
        QByteArray text, suchtext, kontext;
    } faelle[] = {
        {z40 + "\r\n" + b + "\r\n" + c + "\r\nEnde", "Treffer", z40 + " " + b + " " + c},
        {z200 + "\r\n" + b + "\r\n" + b, "Treffer", z200 + " " + b},
        {z260 + "\r\n" + b + "\r\n" + b, "Treffer", z260},
        {mitten, "treffer", mitten.mid(460, 349)},
        {spaet, "Treffer", spaet.mid(2950)},
        {lang, langerText, lang.mid(560, 400)},
    };
    pdf("Akten/a.pdf");
    for (const auto& f : faelle) {
        utf8Datenbank("Akten", {{win("Akten\\a.pdf"), f.text}});
        EXPECT_EQ(utf8(QString::fromLatin1(f.suchtext)),
                  QStringList{eintrag(win("Akten\\a.pdf"), f.kontext)});
    }
}

// Paths of a moved drive are mended to the replacement drive; without title positions no
// file can be named.
TEST_F(DokumentsucheTest, VerschobenesLaufwerkWirdRepariert) {
    DriveMap::global().setzeWurzel('E', nativ("E"));
    pdf("E/Akten/x.pdf");
    pdf("Sonst/y.pdf");
    suche.Ersatzlaufwerk = "E";
    fenster.Dateimarke = "#D:\\";
    utf8Datenbank(
        "Akten",
        {{"D:\\Akten\\x.pdf", "Wort"}, {"D:\\Sonst\\y.pdf", "Wort"}, {"D:\\Weg\\z.pdf", "Wort"}});
    // A short line gets two more lines: here the blank line that opens the next record
    // and the empty rest of its line break; the last record gets two empty lines.
    EXPECT_EQ(utf8("Wort"), (QStringList{eintrag("E:\\Akten\\x.pdf", "Wort   "),
                                         eintrag(win("Sonst\\y.pdf"), "Wort   "),
                                         eintrag("Existiert nicht! E:\\Weg\\z.pdf", "Wort  ")}));

    QFile::remove(nativ("Datenbank/Akten_Utf8_TitelPositionen.txt"));
    suche.pfadaufloesung().neuerLauf();
    const QString ohne = eintrag("Existiert nicht! E", "Wort   ");
    EXPECT_EQ(utf8("Wort"), (QStringList{ohne, ohne, eintrag("Existiert nicht! E", "Wort  ")}));
}

// The window is disabled while the scan runs and takes its messages only while enabled.
TEST_F(DokumentsucheTest, FensterIstWaehrendDerSucheGesperrt) {
    pdf("Akten/a.pdf");
    utf8Datenbank("Akten", {{win("Akten\\a.pdf"), "Wort"}, {win("Akten\\a.pdf"), "Wort"}});
    struct Protokollpumpe : Pump {
        void verarbeiten() override { schritte << QStringLiteral("Nachrichten"); }
        QStringList schritte;
    } pumpe;
    TDokumentsuche mitPumpe{{Programmordner(win()), notifier, pumpe, fenster}};
    mitPumpe.setDatenbank("Akten");
    mitPumpe.Umschauabstand = 0;
    mitPumpe.FensterAktiv = [&](bool an) { pumpe.schritte << (an ? "an" : "aus"); };
    fenster.TntEdit2 = "Wort";
    mitPumpe.SucheImUtf8Dokument(win("Datenbank\\Akten_UTF8Dokument.txt"));
    ASSERT_EQ(mitPumpe.TrefferListe.size(), 2);
    // After each of the two hits one look at the messages.
    EXPECT_EQ(pumpe.schritte,
              (QStringList{"aus", "an", "Nachrichten", "aus", "an", "Nachrichten", "aus", "an"}));
}

// Each variant gets the search text in its own form; the UTF-16 and the 1252 document give
// their records in byte form, and the UTF-16 one clears its variant's flag.
TEST_F(DokumentsucheTest, UnicodeUndAnsiDokumentGebenSaetzeInByteForm) {
    fenster.TntEdit2 = "Café";
    EXPECT_EQ(suche.suchtext(Dokumentvariante::Ansi), Ansi::nachUnicode("Caf\xC3\xA9"));
    fenster.TntEdit2 = "BÄR";
    EXPECT_EQ(suche.suchtext(Dokumentvariante::Ansi), QStringLiteral("BÄR"));
    EXPECT_EQ(suche.suchtext(Dokumentvariante::Utf8), Ansi::nachUnicode("B\xC3\x84R"));
    EXPECT_EQ(suche.suchtext(Dokumentvariante::Unicode), QStringLiteral("BÄR"));

    pdf("Akten/a.pdf");
    pdf("Akten/b.pdf");
    unicodeDatenbank("Akten",
                     {{win("Akten\\a.pdf"), "nichts"}, {win("Akten\\b.pdf"), "Die Bären kommen"}});
    fenster.chkUnicode = true;
    suche.GeladeneVariante = Dokumentvariante::Unicode;
    suche.VariantenFlag.fill(true);
    suche.SucheImUnicodeDokument(win("Datenbank\\Akten_UnicodeDokument.txt"));
    EXPECT_EQ(suche.VariantenFlag, (std::array<bool, 3>{true, true, false}));
    schreibe("Datenbank/Akten_AnsiDokument.txt", satz(win("Akten\\a.pdf"), "Der B\xE4r schl\xE4"
                                                                           "ft"));
    schreibe("Datenbank/Akten_Ansi_TitelPositionen.txt", "9 #" + win("Akten\\a.pdf").toUtf8());
    suche.SucheImAnsiDokument(win("Datenbank\\Akten_AnsiDokument.txt"));
    ASSERT_EQ(suche.TrefferListe.size(), 2);
    EXPECT_EQ(Ansi::ausByteForm(suche.TrefferListe[0]),
              eintrag(win("Akten\\b.pdf"), "Die Bären kommen  "));
    EXPECT_EQ(Ansi::ausByteForm(suche.TrefferListe[1]),
              eintrag(win("Akten\\a.pdf"), "Der Bär schläft  "));
}

// Searched in stretches side by side, the document gives the records it gives in one piece,
// whatever lies at the borders of the stretches.
TEST_F(DokumentsucheTest, NebeneinanderGesuchtDieSelbenSaetze) {
    const QByteArray woerter[] = {"Wort", "wort.", "(Wort)", "Wörter", "wort_x", "3Wort", "ort",
                                  "Ort",  "und",   "der",    "Text",   "x-Wort", "WORT"};
    QList<Datei> dateien;
    quint32 zufall = 7;
    for (int i = 0; i < 300; ++i) {
        const QString name = QStringLiteral("Akten/f%1.pdf").arg(i);
        pdf(name);
        QByteArray text;
        const int zeilen = int((zufall = zufall * 1103515245u + 12345u) >> 20) % 12;
        for (int z = 0; z < zeilen; ++z) {
            for (int k = 0; k < 8; ++k)
                text += woerter[((zufall = zufall * 1103515245u + 12345u) >> 16) % 13] + ' ';
            text += z % 3 ? "\n" : "\r\n";
        }
        dateien << Datei{win(name), text};
    }
    utf8Datenbank("Akten", dateien);
    const std::tuple<const char*, bool, bool> abfragen[] = {
        {"Wort", false, false},    {"Wort", true, true},   {"wort", false, true},
        {"ort", true, false},      {"Text", false, true},  {"#T:", false, false},
        {"und der", false, false}, {"Akten", false, true}, {"pdf", true, false}};
    for (const auto& [text, gross, ganz] : abfragen) {
        fenster.GrossKleinBeachten = gross;
        fenster.NurGanzeWoerter = ganz;
        QStringList ergebnisse[2];
        for (int art = 0; art < 2; ++art) {
            suche.ParallelAb = art == 0 ? std::numeric_limits<qint64>::max() : 0;
            ergebnisse[art] = utf8(QString::fromUtf8(text));
        }
        EXPECT_FALSE(ergebnisse[0].isEmpty()) << text;
        EXPECT_EQ(ergebnisse[1], ergebnisse[0]) << text << gross << ganz;
    }
}
