#include "index/SortierteListen.h"

#include "index/Dokumentteiler.h"
#include "platform/Platform.h"
#include "tests/common/Datensatz.h"
#include "tests/common/TestUmgebung.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Windows-1252 of text that only holds Latin-1 letters.
QByteArray latin(const QString& text) {
    return text.toLatin1();
}

} // namespace

class SortierteListenTest : public Umgebung {
protected:
    void SetUp() override {
        Umgebung::SetUp();
        ordner.ordnerAnlegen(notifier);
        schreibe("Akten/a.pdf", "%PDF");
        r.fenstertitel = [this](const QString& t) { titel.append(t); };
        r.status = [this](const QString& t) { status.append(t); };
        r.maximum = [this](int m) { maxima.append(m); };
        r.position = [this](int p) { positionen.append(p); };
        r.timerStarten = [this] { ++timer; };
        r.sortierungLaeuft = [this](bool l) { laeuft.append(l); };
        r.ladeknoepfe = [this](bool a, bool u, bool w) { knoepfe = {a, u, w}; };
        r.laufwerk = [this](QChar l) { laufwerk = l; };
    }
    // A record as the indexing run writes it, the rule line half as long as the path.
    static QString satz(const QString& pfad, const QString& text) {
        return satzkopf(pfad) + text + "\r\n";
    }
    void dat(const QString& erstePdf, const QString& name = QStringLiteral("Akten")) {
        schreibe("Datenbank/" + name + ".dat",
                 (QStringLiteral("PFAD_UND_ENDUNGEN= T:\\Akten *.pdf    \r\n") +
                  Ansi::zuByteForm(erstePdf) + "\r\n")
                     .toUtf8());
    }
    QStringList lauf(SortierteListen::Modus modus = SortierteListen::Modus::Woerter,
                     const QString& name = QStringLiteral("Akten")) {
        SortierteListen listen(ordner, notifier, Pump::still());
        listen.setModus(modus);
        listen.setAbbruch([this] { return abbruch; });
        listen.setRueckmeldung(r);
        return listen.SortierteListenErstellen(name);
    }
    // Files and folders left in Temp.
    QStringList temp() const {
        return QDir(nativ("Datenbank/Temp")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    }

    Programmordner ordner{QStringLiteral("T:\\")};
    ProtokollNotifier notifier;
    SortierteListen::Rueckmeldung r;
    QStringList titel, status;
    QList<int> maxima, positionen;
    QList<bool> laeuft;
    std::array<bool, 3> knoepfe{};
    QChar laufwerk;
    int timer = 0;
    bool abbruch = false;
};

using Modus = SortierteListen::Modus;

TEST_F(SortierteListenTest, Utf8ListeExakt) {
    dat(win("Akten\\a.pdf"));
    schreibe("Datenbank/Akten_UTF8Dokument.txt",
             satz(win("Akten\\a.pdf"), "Haus haus HAUS Äpfel Zebra ab abc").toUtf8());
    EXPECT_EQ(lauf(), QStringList{win("Datenbank\\Akten_Phrasen_Woerter_Utf8Liste.txt")});
    // The initial Ä is the byte C3 for the classification: rest list. The one title is
    // followed by a line holding one blank.
    EXPECT_EQ(lies("Datenbank/Akten_Phrasen_Woerter_Utf8Liste.txt"),
              QByteArray("abc\r\nHaus\r\nZebra\r\n=======\r\n\xC3\x84pfel\r\n#T:\\Akten\\a.pdf\r\n"
                         " \r\n"));
    EXPECT_TRUE(notifier.meldungen().empty());
    EXPECT_EQ(timer, 1);
    EXPECT_EQ(titel, (QStringList{"Sortierung von: \"Akten\" läuft.",
                                  "UTF8 1 von 1 T:\\Akten\\a.pdf", QString()}));
    EXPECT_EQ(status, (QStringList{"Sortierte Liste von: Akten_UTF8Dokument.txt", "Fertig"}));
    EXPECT_EQ(maxima, QList<int>{1});
    EXPECT_EQ(positionen, (QList<int>{10, 1, 0}));
    EXPECT_EQ(laeuft, (QList<bool>{true, false}));
    EXPECT_EQ(knoepfe, (std::array<bool, 3>{false, true, false}));
    EXPECT_TRUE(temp().isEmpty());
}

// Each variant alone: its own list with exact bytes, its title line, its load button.
TEST_F(SortierteListenTest, JedeVarianteExakt) {
    const QString pfad = win("Akten\\a.pdf");
    const QString text = satz(pfad, "Haus haus HAUS Äpfel Zebra ab abc");
    // "Á" ends in 0x81 and "à" in 0xA0, bytes that stand for a control and a no-break space.
    const QString utf8Enden = satz(pfad, "Ápice OLÁ voilà");
    const struct {
        const char *dokument, *liste;
        QByteArray inhalt, erwartet;
        const char* titelzeile;
        std::array<bool, 3> knoepfe;
    } faelle[] = {
        // The same Ä is one byte here and belongs to A-F; no blank line after the title.
        {"AnsiDokument",
         "AnsiListe",
         latin(text),
         "abc\r\n\xC4pfel\r\nHaus\r\nZebra\r\n=======\r\n#T:\\Akten\\a.pdf\r\n",
         "ANSI 1 von 1 T:\\Akten\\a.pdf",
         {true, false, false}},
        {"UTF8Dokument",
         "Utf8Liste",
         utf8Enden.toUtf8(),
         "OL\xC3\x81\r\nvoil\xC3\xA0\r\n=======\r\n\xC3\x81pice\r\n#T:\\Akten\\a.pdf\r\n \r\n",
         "UTF8 1 von 1 T:\\Akten\\a.pdf",
         {false, true, false}},
        {"UnicodeDokument",
         "UnicodeListe",
         utf16le(satz(pfad, "Haus Äpfel \u0141\u00F3d\u017A ab")),
         utf16le("Äpfel\r\nHaus\r\n=======\r\n\u0141\u00F3d\u017A\r\n#T:\\Akten\\a.pdf\r\n"),
         "Unicode 1 von 1 T:\\Akten\\a.pdf",
         {false, false, true}},
    };
    dat(pfad);
    for (const auto& f : faelle) {
        titel.clear();
        schreibe(QString("Datenbank/Akten_") + f.dokument + ".txt", f.inhalt);
        const QString liste = QString("Datenbank/Akten_Phrasen_Woerter_") + f.liste + ".txt";
        EXPECT_EQ(lauf(), QStringList{win(liste).replace('/', '\\')});
        EXPECT_EQ(lies(liste), f.erwartet) << f.liste;
        EXPECT_EQ(titel.value(1), f.titelzeile);
        EXPECT_EQ(knoepfe, f.knoepfe) << f.liste;
        QFile::remove(nativ(QString("Datenbank/Akten_") + f.dokument + ".txt"));
    }
}

TEST_F(SortierteListenTest, DreiVariantenNacheinander) {
    dat(win("Akten\\a.pdf"));
    const QString text = satz(win("Akten\\a.pdf"), "Wort");
    schreibe("Datenbank/Akten_UnicodeDokument.txt", utf16le(text));
    schreibe("Datenbank/Akten_AnsiDokument.txt", latin(text));
    schreibe("Datenbank/Akten_UTF8Dokument.txt", text.toUtf8());
    EXPECT_EQ(lauf(), (QStringList{win("Datenbank\\Akten_Phrasen_Woerter_AnsiListe.txt"),
                                   win("Datenbank\\Akten_Phrasen_Woerter_Utf8Liste.txt"),
                                   win("Datenbank\\Akten_Phrasen_Woerter_UnicodeListe.txt")}));
    EXPECT_EQ(status, (QStringList{"Sortierte Liste von: Akten_AnsiDokument.txt",
                                   "Sortierte Liste von: Akten_UTF8Dokument.txt",
                                   "Sortierte Liste von: Akten_UnicodeDokument.txt", "Fertig"}));
    // Each list has only its own document's title: the title list is cleared per variant.
    const QByteArray liste = "Wort\r\n=======\r\n#T:\\Akten\\a.pdf\r\n";
    EXPECT_EQ(lies("Datenbank/Akten_Phrasen_Woerter_AnsiListe.txt"), liste);
    EXPECT_EQ(lies("Datenbank/Akten_Phrasen_Woerter_Utf8Liste.txt"), liste + " \r\n");
    EXPECT_EQ(lies("Datenbank/Akten_Phrasen_Woerter_UnicodeListe.txt"),
              utf16le(QString::fromLatin1(liste)));
    EXPECT_EQ(knoepfe, (std::array<bool, 3>{true, true, true}));
}

TEST_F(SortierteListenTest, TitelNurWennDieDateiExistiert) {
    schreibe("Akten/Bär.pdf", "%PDF");
    dat(win("Akten\\a.pdf"));
    const QString text = satz(win("Akten\\a.pdf"), "eins") + satz(win("Akten\\Bär.pdf"), "zwei") +
                         satz(win("Akten\\fehlt.pdf"), "drei");
    schreibe("Datenbank/Akten_UTF8Dokument.txt", text.toUtf8());
    schreibe("Datenbank/Akten_AnsiDokument.txt", latin(text));
    lauf();
    // In the UTF-8 bytes seen through 1252 the path "BÃ¤r.pdf" names no file.
    EXPECT_EQ(lies("Datenbank/Akten_Phrasen_Woerter_Utf8Liste.txt"),
              QByteArray("drei\r\neins\r\nzwei\r\n=======\r\n========\r\n=========\r\n"
                         "#T:\\Akten\\a.pdf\r\n \r\n"));
    EXPECT_EQ(lies("Datenbank/Akten_Phrasen_Woerter_AnsiListe.txt"),
              QByteArray("drei\r\neins\r\nzwei\r\n=======\r\n========\r\n=========\r\n"
                         "#T:\\Akten\\a.pdf\r\n#T:\\Akten\\B\xE4r.pdf\r\n"));
    EXPECT_TRUE(titel.contains("UTF8 1 von 3 T:\\Akten\\a.pdf"));
    EXPECT_EQ(titel.count("UTF8 1 von 3 "), 2);
    EXPECT_TRUE(titel.contains("ANSI 2 von 3 T:\\Akten\\B\u00E4r.pdf"));
    EXPECT_EQ(titel.count("ANSI 2 von 3 "), 1);
}

TEST_F(SortierteListenTest, FortschrittUndTausenderpunkt) {
    dat(win("Akten\\a.pdf"));
    QString text;
    for (int i = 0; i < 12; ++i) {
        schreibe(QStringLiteral("Akten/%1.pdf").arg(i), "%PDF");
        text += satz(win(QStringLiteral("Akten\\%1.pdf").arg(i)), "Wort");
    }
    for (int i = 0; i < 988; ++i)
        text += QStringLiteral("#T:\\Akten\\weg%1.pdf\r\n").arg(i);
    schreibe("Datenbank/Akten_UTF8Dokument.txt", text.toUtf8());
    lauf();
    EXPECT_EQ(maxima, QList<int>{1000});
    // From the twelfth title on the bar follows the titles taken.
    EXPECT_EQ(positionen.mid(0, 3), (QList<int>{10, 11, 12}));
    EXPECT_EQ(positionen.size(), 2 + 988 + 2);
    EXPECT_EQ(positionen.at(positionen.size() - 2), 1000);
    EXPECT_EQ(positionen.last(), 0);
    EXPECT_TRUE(titel.contains("UTF8 12 von 1.000 T:\\Akten\\11.pdf"));
    EXPECT_EQ(titel.at(titel.size() - 2), QStringLiteral("UTF8 12 von 1.000 "));
    // Twelve titles: no blank line.
    EXPECT_TRUE(lies("Datenbank/Akten_Phrasen_Woerter_Utf8Liste.txt").endsWith("\\9.pdf\r\n"));
}

// Pieces are cut at a fixed size: a word or phrase across the cut counts as two; a document
// of exactly one piece is one.
TEST_F(SortierteListenTest, WoerterUndPhrasenAmSchnitt) {
    const struct {
        const char* anfang;
        int vorDemSchnitt;
        QByteArray schluss;
        Modus modus;
        QByteArray erwartet;
    } faelle[] = {
        {"Start", 3, "abcdef xyz\r\n", Modus::Woerter,
         "abc\r\ndef\r\nStart\r\nxyz\r\n=======\r\n#T:\\Akten\\a.pdf\r\n \r\n"},
        // "Das ist" ends the first piece, "ein Satz" starts the second.
        {"", 7, "Das ist ein Satz.\r\n", Modus::Saetze,
         "Das ist\r\nein Satz\r\n#T:\\Akten\\a.pdf\r\n \r\n"},
        {"", 11, "ende wort\r\n", Modus::Woerter,
         "ende\r\nwort\r\n=======\r\n#T:\\Akten\\a.pdf\r\n \r\n"},
    };
    dat(win("Akten\\a.pdf"));
    for (const auto& f : faelle) {
        QByteArray dokument = satz(win("Akten\\a.pdf"), f.anfang).toUtf8();
        const QByteArray fueller = QByteArray(50, ' ') + "\r\n";
        const qsizetype schnitt = Dokumentteiler::Stueckgroesse - f.vorDemSchnitt;
        while (dokument.size() + fueller.size() < schnitt)
            dokument += fueller;
        dokument += QByteArray(schnitt - dokument.size(), ' ') + f.schluss;
        schreibe("Datenbank/Akten_UTF8Dokument.txt", dokument);
        EXPECT_EQ(lauf(f.modus).size(), 1);
        EXPECT_EQ(lies("Datenbank/Akten_Phrasen_Woerter_Utf8Liste.txt"), f.erwartet);
        EXPECT_TRUE(temp().isEmpty());
    }
}

TEST_F(SortierteListenTest, SaetzeUndBeide) {
    dat(win("Akten\\a.pdf"));
    schreibe(
        "Datenbank/Akten_UTF8Dokument.txt",
        satz(win("Akten\\a.pdf"), "Der Hund bellt. Ein Satz, so da\r\nnoch\tein Satz").toUtf8());
    lauf(Modus::Saetze);
    EXPECT_EQ(lies("Datenbank/Akten_Phrasen_Woerter_Utf8Liste.txt"),
              QByteArray("Der Hund bellt\r\nEin Satz\r\nnoch\tein Satz\r\nso da\r\n"
                         "#T:\\Akten\\a.pdf\r\n \r\n"));
    lauf(Modus::Beide);
    EXPECT_EQ(lies("Datenbank/Akten_Phrasen_Woerter_Utf8Liste.txt"),
              QByteArray("bellt.\r\nDer\r\nDer Hund bellt\r\nEin\r\nEin Satz\r\nHund\r\n"
                         "noch\r\nnoch ein Satz\r\nSatz\r\nso da\r\n=======\r\n"
                         "#T:\\Akten\\a.pdf\r\n \r\n"));
}

TEST_F(SortierteListenTest, KeineDokumente) {
    schreibe("Datenbank/Akten.dat", "PFAD_UND_ENDUNGEN= T:\\Akten *.pdf    \r\n");
    schreibe("Datenbank/Temp/alt.txt", "alt");
    EXPECT_TRUE(lauf().isEmpty());
    ASSERT_EQ(notifier.meldungen().size(), 1u);
    EXPECT_EQ(notifier.meldungen().front().art, Notifier::Art::Information);
    EXPECT_EQ(notifier.texte().first(),
              QStringLiteral("Für die Datenbank \"Akten\" existieren keine Dokumente, die "
                             "sortiert werden könnten!"));
    EXPECT_TRUE(titel.isEmpty());
    EXPECT_EQ(timer, 0);
    EXPECT_TRUE(temp().isEmpty());
}

TEST_F(SortierteListenTest, KurzesDokumentWirdUebersprungen) {
    dat(win("Akten\\a.pdf"));
    schreibe("Datenbank/Akten_UTF8Dokument.txt", "Wort");
    schreibe("Datenbank/Akten_AnsiDokument.txt", "Worte");
    EXPECT_EQ(lauf(), QStringList{win("Datenbank\\Akten_Phrasen_Woerter_AnsiListe.txt")});
    EXPECT_EQ(lies("Datenbank/Akten_Phrasen_Woerter_AnsiListe.txt"), QByteArray("Worte\r\n"));
    EXPECT_EQ(status, (QStringList{"Sortierte Liste von: Akten_AnsiDokument.txt", "Fertig"}));
    EXPECT_TRUE(notifier.meldungen().empty());
}

TEST_F(SortierteListenTest, AlteStueckeZaehlenNicht) {
    dat(win("Akten\\a.pdf"));
    schreibe("Datenbank/Temp/SplitDokument007.txt", "Altwort\r\n");
    schreibe("Datenbank/Temp/Kelvora_Ergebnis.htm", "<p>");
    schreibe("Datenbank/Akten_UTF8Dokument.txt", "Neuwort\r\n");
    lauf();
    EXPECT_EQ(lies("Datenbank/Akten_Phrasen_Woerter_Utf8Liste.txt"), QByteArray("Neuwort\r\n"));
    EXPECT_TRUE(temp().isEmpty());
}

TEST_F(SortierteListenTest, AbbruchWaehrendEinerVariante) {
    dat(win("Akten\\a.pdf"));
    const QString text = satz(win("Akten\\a.pdf"), "Wort") + "noch mehr\r\n";
    schreibe("Datenbank/Akten_AnsiDokument.txt", latin(text));
    schreibe("Datenbank/Akten_UTF8Dokument.txt", text.toUtf8());
    schreibe("Datenbank/Akten_UnicodeDokument.txt", utf16le(text));
    schreibe("Datenbank/Akten_Phrasen_Woerter_Utf8Liste.txt", "alt");
    r.fenstertitel = [this](const QString& t) {
        titel.append(t);
        if (t.startsWith(QLatin1String("UTF8 ")))
            abbruch = true;
    };
    // The Ansi list stays; the UTF8 list being built is not written, Unicode is not started.
    EXPECT_EQ(lauf(), QStringList{win("Datenbank\\Akten_Phrasen_Woerter_AnsiListe.txt")});
    EXPECT_TRUE(gibt("Datenbank/Akten_Phrasen_Woerter_AnsiListe.txt"));
    EXPECT_EQ(lies("Datenbank/Akten_Phrasen_Woerter_Utf8Liste.txt"), QByteArray("alt"));
    EXPECT_FALSE(gibt("Datenbank/Akten_Phrasen_Woerter_UnicodeListe.txt"));
    EXPECT_EQ(status.mid(0, 2), (QStringList{"Sortierte Liste von: Akten_AnsiDokument.txt",
                                             "Sortierte Liste von: Akten_UTF8Dokument.txt"}));
    // The flag stays set for the window's timer to clear.
    EXPECT_EQ(laeuft, (QList<bool>{true, false, true}));
}

TEST_F(SortierteListenTest, AbbruchInDerZaehlrundeLaesstNichtsLiegen) {
    dat(win("Akten\\a.pdf"));
    schreibe("Datenbank/Akten_UTF8Dokument.txt", "Wort\r\n");
    abbruch = true;
    EXPECT_TRUE(lauf().isEmpty());
    EXPECT_EQ(timer, 0);
    EXPECT_TRUE(status.isEmpty());
    abbruch = false;
    // Cancelled while the document is cut, before the first piece is counted: the pieces
    // go with the job's folder.
    QStringList waehrendDesLaufs;
    r.status = [&](const QString&) {
        if (!abbruch)
            waehrendDesLaufs = temp();
        abbruch = true;
    };
    EXPECT_TRUE(lauf().isEmpty());
    ASSERT_EQ(waehrendDesLaufs.size(), 1);
    EXPECT_TRUE(waehrendDesLaufs.first().startsWith("Sortierung_"));
    EXPECT_TRUE(temp().isEmpty());
    EXPECT_FALSE(gibt("Datenbank/Akten_Phrasen_Woerter_Utf8Liste.txt"));
    EXPECT_EQ(laeuft, (QList<bool>{true, false}));
    EXPECT_TRUE(notifier.meldungen().empty());
    r.status = nullptr;
    abbruch = false;
    EXPECT_EQ(lauf().size(), 1);
    EXPECT_EQ(lies("Datenbank/Akten_Phrasen_Woerter_Utf8Liste.txt"), QByteArray("Wort\r\n"));
    EXPECT_TRUE(temp().isEmpty());
}

TEST_F(SortierteListenTest, LaufwerkAusDatOderDurchProbieren) {
    SortierteListen listen(ordner, notifier, Pump::still());
    listen.setRueckmeldung(r);
    // The first file is there, under an umlaut too: no probing.
    schreibe("Akten/Bär.pdf", "%PDF");
    DriveMap::global().setzeWurzel('X', nativ());
    for (const char* erste : {"Akten\\a.pdf", "Akten\\Bär.pdf"}) {
        dat(win(erste));
        EXPECT_EQ(listen.laufwerkBestimmen("Akten"), QChar('T'));
        EXPECT_TRUE(laufwerk.isNull());
    }
    DriveMap::global().entferneWurzel('X');
    // The first file is gone: the last letter but C under which the .dat is found.
    dat(win("Akten\\fehlt.pdf"));
    DriveMap::global().setzeWurzel('D', nativ());
    DriveMap::global().setzeWurzel('C', nativ());
    EXPECT_EQ(listen.laufwerkBestimmen("Akten"), QChar('T'));
    EXPECT_EQ(laufwerk, QChar('T'));
    DriveMap::global().setzeWurzel('X', nativ());
    EXPECT_EQ(listen.laufwerkBestimmen("Akten"), QChar('X'));
    DriveMap::global().entferneWurzel('X');
    DriveMap::global().entferneWurzel('T');
    EXPECT_EQ(listen.laufwerkBestimmen("Akten"), QChar('D'));
    DriveMap::global().entferneWurzel('D');
    laufwerk = QChar();
    EXPECT_TRUE(
        SortierteListen(ordner, notifier, Pump::still()).laufwerkBestimmen("Akten").isNull());
}

TEST_F(SortierteListenTest, DatenbanknameMitVariantenwort) {
    dat(win("Akten\\a.pdf"), "Akten_unicode");
    schreibe("Datenbank/Akten_unicode_UTF8Dokument.txt", "Größe\r\n");
    EXPECT_EQ(lauf(Modus::Woerter, "Akten_unicode"),
              QStringList{win("Datenbank\\Akten_unicode_Phrasen_Woerter_Utf8Liste.txt")});
    EXPECT_EQ(lies("Datenbank/Akten_unicode_Phrasen_Woerter_Utf8Liste.txt"),
              QByteArray("Gr\xC3\xB6\xC3\x9F"
                         "e\r\n"));
}

TEST_F(SortierteListenTest, NichtSchreibbareListeBeendetDenLauf) {
    dat(win("Akten\\a.pdf"));
    const QString text = satz(win("Akten\\a.pdf"), "Wort");
    schreibe("Datenbank/Akten_AnsiDokument.txt", latin(text));
    schreibe("Datenbank/Akten_UTF8Dokument.txt", text.toUtf8());
    schreibe("Datenbank/Akten_UnicodeDokument.txt", utf16le(text));
    // A folder in the place of the UTF8 list.
    ASSERT_TRUE(QDir().mkpath(nativ("Datenbank/Akten_Phrasen_Woerter_Utf8Liste.txt/x")));
    SortierteListen listen(ordner, notifier, Pump::still());
    listen.setRueckmeldung(r);
    EXPECT_EQ(listen.SortierteListenErstellen("Akten"),
              QStringList{win("Datenbank\\Akten_Phrasen_Woerter_AnsiListe.txt")});
    EXPECT_TRUE(listen.fehlgeschlagen());
    ASSERT_EQ(notifier.meldungen().size(), 1u);
    EXPECT_EQ(notifier.meldungen().front().art, Notifier::Art::Warnung);
    EXPECT_EQ(notifier.texte().first(),
              QStringLiteral("Die sortierte Liste T:\\Datenbank\\Akten_Phrasen_Woerter_Utf8Liste."
                             "txt kann nicht geschrieben werden!"));
    // The job ends there: no Unicode list, the controls free again, nothing left in Temp.
    EXPECT_FALSE(gibt("Datenbank/Akten_Phrasen_Woerter_UnicodeListe.txt"));
    EXPECT_EQ(status.last(), QStringLiteral("Sortierung fehlgeschlagen"));
    EXPECT_FALSE(laeuft.last());
    EXPECT_EQ(knoepfe, (std::array<bool, 3>{true, true, true}));
    EXPECT_TRUE(temp().isEmpty());
    EXPECT_TRUE(QFileInfo(nativ("Datenbank/Akten_Phrasen_Woerter_Utf8Liste.txt/x")).isDir());
}

TEST_F(SortierteListenTest, ErsetztesDokumentWirdNeuGelesen) {
    dat(win("Akten\\a.pdf"));
    schreibe("Datenbank/Akten_UTF8Dokument.txt", satz(win("Akten\\a.pdf"), "Altwort").toUtf8());
    lauf();
    // The indexing run puts a new document in place by renaming it over the old one.
    schreibe("Datenbank/neu.txt", satz(win("Akten\\a.pdf"), "Neuwort").toUtf8());
    QFile::remove(nativ("Datenbank/Akten_UTF8Dokument.txt"));
    ASSERT_TRUE(
        QFile::rename(nativ("Datenbank/neu.txt"), nativ("Datenbank/Akten_UTF8Dokument.txt")));
    lauf();
    EXPECT_EQ(lies("Datenbank/Akten_Phrasen_Woerter_Utf8Liste.txt"),
              QByteArray("Neuwort\r\n=======\r\n#T:\\Akten\\a.pdf\r\n \r\n"));
}
