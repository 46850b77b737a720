#include "index/SortierteListen.h"

#include "index/Dokumentteiler.h"
#include "platform/Platform.h"
#include "tests/common/Datensatz.h"
#include "tests/common/TestUmgebung.h"

#include <QDir>
#include <QFileInfo>

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
        r.sortierungLaeuft = [this](bool l) { laeuft.append(l); };
        r.ladeknoepfe = [this](bool a, bool u, bool w) { knoepfe = {a, u, w}; };
        r.laufwerk = [this](QChar l) { laufwerk = l; };
    }
    static QString satz(const QString& pfad, const QString& text) {
        return satzkopf(pfad) + text + "\r\n";
    }
    void dat(const QString& erstePdf) {
        schreibe("Datenbank/Akten.dat",
                 (QStringLiteral("PFAD_UND_ENDUNGEN= T:\\Akten *.pdf    \r\n") +
                  Ansi::zuByteForm(erstePdf) + "\r\n")
                     .toUtf8());
    }
    QStringList lauf(SortierteListen::Modus modus = SortierteListen::Modus::Woerter) {
        SortierteListen listen(ordner, notifier, Pump::still());
        listen.setModus(modus);
        listen.setRueckmeldung(r);
        return listen.SortierteListenErstellen("Akten");
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
    EXPECT_EQ(titel, (QStringList{"Sortierung von: \"Akten\" läuft.",
                                  "UTF8 1 von 1 T:\\Akten\\a.pdf", QString()}));
    EXPECT_EQ(status, (QStringList{"Sortierte Liste von: Akten_UTF8Dokument.txt", "Fertig"}));
    EXPECT_EQ(maxima, QList<int>{1});
    EXPECT_EQ(positionen, (QList<int>{10, 1, 0}));
    EXPECT_TRUE(temp().isEmpty());
}

// Pieces are cut at a fixed size: a word or phrase across the cut counts as two; a document
// of exactly one piece is one.
TEST_F(SortierteListenTest, WoerterUndPhrasenAmSchnitt) {
    // Text of the record, characters of the line before the cut, the line, mode, list.
    const std::tuple<const char*, int, QByteArray, Modus, QByteArray> faelle[] = {
        {"Start", 3, "abcdef xyz\r\n", Modus::Woerter,
         "abc\r\ndef\r\nStart\r\nxyz\r\n=======\r\n#T:\\Akten\\a.pdf\r\n \r\n"},
        // "Das ist" ends the first piece, "ein Satz" starts the second.
        {"", 7, "Das ist ein Satz.\r\n", Modus::Saetze,
         "Das ist\r\nein Satz\r\n#T:\\Akten\\a.pdf\r\n \r\n"},
        {"", 11, "ende wort\r\n", Modus::Woerter,
         "ende\r\nwort\r\n=======\r\n#T:\\Akten\\a.pdf\r\n \r\n"},
    };
    dat(win("Akten\\a.pdf"));
    for (const auto& [anfang, vorDemSchnitt, schluss, modus, erwartet] : faelle) {
        QByteArray dokument = satz(win("Akten\\a.pdf"), anfang).toUtf8();
        const QByteArray fueller = QByteArray(50, ' ') + "\r\n";
        const qsizetype schnitt = Dokumentteiler::Stueckgroesse - vorDemSchnitt;
        while (dokument.size() + fueller.size() < schnitt)
            dokument += fueller;
        dokument += QByteArray(schnitt - dokument.size(), ' ') + schluss;
        schreibe("Datenbank/Akten_UTF8Dokument.txt", dokument);
        EXPECT_EQ(lauf(modus).size(), 1);
        EXPECT_EQ(lies("Datenbank/Akten_Phrasen_Woerter_Utf8Liste.txt"), erwartet);
        EXPECT_TRUE(temp().isEmpty());
    }
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

TEST_F(SortierteListenTest, NichtSchreibbareListeBeendetDenLauf) {
    dat(win("Akten\\a.pdf"));
    const QString text = satz(win("Akten\\a.pdf"), "Wort");
    schreibe("Datenbank/Akten_AnsiDokument.txt", text.toLatin1());
    schreibe("Datenbank/Akten_UTF8Dokument.txt", text.toUtf8());
    schreibe("Datenbank/Akten_UnicodeDokument.txt", utf16le(text));
    // A folder in the place of the UTF8 list.
    ASSERT_TRUE(QDir().mkpath(nativ("Datenbank/Akten_Phrasen_Woerter_Utf8Liste.txt/x")));
    EXPECT_EQ(lauf(), QStringList{win("Datenbank\\Akten_Phrasen_Woerter_AnsiListe.txt")});
    ASSERT_EQ(notifier.meldungen().size(), 1u);
    EXPECT_EQ(notifier.meldungen().front().art, Notifier::Art::Warnung);
    EXPECT_EQ(notifier.texte(),
              QStringList{"Die sortierte Liste T:\\Datenbank\\Akten_Phrasen_"
                          "Woerter_Utf8Liste.txt kann nicht geschrieben werden!"});
    // The job ends there: no Unicode list, the controls free again, nothing left in Temp.
    EXPECT_FALSE(gibt("Datenbank/Akten_Phrasen_Woerter_UnicodeListe.txt"));
    EXPECT_EQ(status.last(), QStringLiteral("Sortierung fehlgeschlagen"));
    EXPECT_FALSE(laeuft.last());
    EXPECT_EQ(knoepfe, (std::array<bool, 3>{true, true, true}));
    EXPECT_TRUE(temp().isEmpty());
    EXPECT_TRUE(QFileInfo(nativ("Datenbank/Akten_Phrasen_Woerter_Utf8Liste.txt/x")).isDir());
}
