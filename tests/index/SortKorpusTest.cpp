#include "index/SortierteListen.h"

#include "index/Sortierlaeufe.h"

#include "platform/Platform.h"
#include "tests/common/Datensatz.h"
#include "tests/common/TestUmgebung.h"

#include <QDir>
#include <QFile>

#include <array>
#include <cstdint>

namespace {

// A small linear congruential generator, so the corpus is the same on every machine.
struct Wuerfel {
    uint32_t zahl(uint32_t grenze) {
        zustand = zustand * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<uint32_t>(zustand >> 33) % grenze;
    }
    uint64_t zustand = 20240611;
};

// Words that meet each other as ties: the same letters in other case, with and without
// accents, "ß" against "ss", umlauts against their bases.
const std::array<const char*, 72> wortschatz = {
    "Haus",     "haus",    "HAUS",    "Müller",  "MÜLLER",    "müller",  "Muller",    "Mueller",
    "Straße",   "STRASSE", "strasse", "Strasse", "café",      "Cafe",    "CAFÉ",      "cafe",
    "résumé",   "Resume",  "RÉSUMÉ",  "Äpfel",   "äpfel",     "Apfel",   "Übung",     "übung",
    "Ubung",    "Öl",      "öl",      "Ölung",   "Vertrag",   "vertrag", "Kündigung", "Frist",
    "Zahlung",  "gemäß",   "GEMÄSS",  "Anlage",  "Vermieter", "Konto",   "Betrag",    "Euro",
    "€uro",     "Monat",   "Jahr",    "der",     "die",       "das",     "und",       "mit",
    "für",      "über",    "Größe",   "größe",   "GRÖSSE",    "naïve",   "Naive",     "Œuvre",
    "œuvre",    "Łódź",    "Lodz",    "Αθήνα",   "αθήνα",     "Zoë",     "Zoe",       "2024",
    "1.234,56", "§",       "Nr.",     "z.B.",    "ab",        "xy",      "Ärger",     "arg"};

// Lines the extractor treats specially, in all three modes.
const QStringList sonderzeilen =
    QString::fromUtf8(
        "|   |\t\t|Was?? Wirklich??|Spalte ---- Spalte|Summe ========== Ende|Name ____ Datum|"
        "**** Achtung ****|''Zitat im Zitat'', sagte sie, ''und noch eins''|"
        "Preis \u2013\u2013\u2013\u2013 zwölf Euro, gut so|Teil --- Rest, nichts davon|"
        "Werte\tin\tSpalten, mit Tab|a b, ab c, abc d. e f|"
        "\u201eAnführung\u201c und \u201aeinfach\u2018, sagte er|"
        "Mathe \U0001D518nicode und Emoji \U0001F600 hier, fertig|Kosten: 12,50 €; Steuer: 2,38 €")
        .split(QLatin1Char('|'));

// Made-up words of two to four syllables, some with umlauts: many distinct entries.
QString kunstwort(Wuerfel& w) {
    static const std::array<const char*, 16> silben = {"ka", "Lä", "mi", "nö", "ru", "ßa",
                                                       "te", "vü", "wo", "zu", "BE", "da",
                                                       "fé", "gi", "ho", "ju"};
    QString wort;
    for (uint32_t n = 2 + w.zahl(3); n > 0; --n)
        wort += QString::fromUtf8(silben[w.zahl(silben.size())]);
    return wort;
}

QString grossschreibung(const QString& wort, uint32_t art) {
    return art == 0   ? wort.toUpper()
           : art == 1 ? (wort.isEmpty() ? wort : wort.front().toUpper() + wort.mid(1))
           : art == 2 ? wort.toLower()
                      : wort;
}

// Prose: words of the vocabulary with commas and periods between them, so that phrases
// repeat in other spellings too; without them one long phrase.
QString prosa(Wuerfel& w, int woerter, bool satzzeichen = true) {
    QString zeile;
    for (int i = 0; i < woerter; ++i) {
        if (i > 0) {
            const uint32_t t = satzzeichen ? w.zahl(10) : 9;
            zeile += t == 0   ? QStringLiteral(", ")
                     : t == 1 ? QStringLiteral(". ")
                              : QStringLiteral(" ");
        }
        const QString wort = w.zahl(3) == 0
                                 ? kunstwort(w)
                                 : QString::fromUtf8(wortschatz[w.zahl(wortschatz.size())]);
        zeile += grossschreibung(wort, w.zahl(8));
    }
    return zeile;
}

} // namespace

// The sorted lists of a corpus of records with ties in case and accents, umlauts, empty,
// special and very long lines, in the three document variants and the three modes,
// byte for byte against lists written by the in-memory sort the program had before.
class SortKorpusTest : public Umgebung {
protected:
    void SetUp() override {
        Umgebung::SetUp();
        ordner.ordnerAnlegen(notifier);
        const QString text = korpus();
        schreibe("Datenbank/Korpus_AnsiDokument.txt", Ansi::ausUnicode(text));
        schreibe("Datenbank/Korpus_UTF8Dokument.txt", text.toUtf8());
        schreibe("Datenbank/Korpus_UnicodeDokument.txt", utf16le(text));
        schreibe("Datenbank/Korpus.dat", "PFAD_UND_ENDUNGEN= T:\\Akten *.pdf    \r\n"
                                         "T:\\Akten\\Brief_0.pdf\r\n");
    }

    // Records as the indexing run writes them; most titles name a file that exists, some
    // have an umlaut in the path, some name a file that is gone.
    QString korpus() {
        Wuerfel w;
        QString text;
        for (int satz = 0; satz < 25; ++satz) {
            QString pfad = QStringLiteral("Akten\\Brief_%1.pdf").arg(satz);
            if (satz % 7 == 3)
                pfad = QStringLiteral("Akten\\Bär_%1.pdf").arg(satz);
            if (satz % 11 != 5)
                schreibe(QString(pfad).replace(QLatin1Char('\\'), QLatin1Char('/')), "%PDF");
            text += satzkopf(win(pfad));
            const int zeilen = 5 + static_cast<int>(w.zahl(30));
            for (int z = 0; z < zeilen; ++z) {
                const uint32_t art = w.zahl(80);
                if (art >= 68)
                    text += sonderzeilen[w.zahl(sonderzeilen.size())];
                else if (art == 0)
                    text += prosa(w, 120 + static_cast<int>(w.zahl(200)));
                else if (art == 1)
                    text += prosa(w, 200 + static_cast<int>(w.zahl(200)), false);
                else if (art == 2)
                    text += QStringLiteral("Lang") + QString(150, QLatin1Char('x')) +
                            (w.zahl(2) ? QStringLiteral("<b>") : QString()) +
                            QStringLiteral(" Ende");
                else
                    text += prosa(w, 4 + static_cast<int>(w.zahl(10)));
                // Lines end in CR LF, a few in LF or CR alone as converters sometimes write.
                const uint32_t ende = w.zahl(20);
                text += ende == 0   ? QStringLiteral("\n")
                        : ende == 1 ? QStringLiteral("\r")
                                    : QStringLiteral("\r\n");
            }
        }
        return text;
    }

    Programmordner ordner{QStringLiteral("T:\\")};
    ProtokollNotifier notifier;
};

TEST_F(SortKorpusTest, ListenGleichDenFrueherGeschriebenen) {
    using M = SortierteListen::Modus;
    const std::array<std::pair<M, const char*>, 3> modi = {
        {{M::Woerter, "Woerter"}, {M::Saetze, "Saetze"}, {M::Beide, "Beide"}}};
    // All in memory; and a few kilobytes a run, so that hundreds of runs are merged, first
    // in groups and then as one.
    for (const qint64 grenze : {SortierteListen::Laufgrenze, qint64(6) << 10}) {
        for (const auto& [modus, wort] : modi) {
            SCOPED_TRACE(std::string(wort) + " mit Laufgrenze " + std::to_string(grenze));
            SortierteListen listen(ordner, notifier, Pump::still());
            listen.setModus(modus);
            listen.setLaufgrenze(grenze);
            ASSERT_EQ(listen.SortierteListenErstellen(QStringLiteral("Korpus")).size(), 3);
            EXPECT_TRUE(notifier.meldungen().empty());
            if (grenze == SortierteListen::Laufgrenze)
                EXPECT_EQ(listen.laeufe(), 0);
            else
                EXPECT_GT(listen.laeufe(), Sortierlaeufe::Faecher);
            for (const char* variante : {"Ansi", "Utf8", "Unicode"}) {
                SCOPED_TRACE(variante);
                const QString liste = QStringLiteral("Korpus_Phrasen_Woerter_%1Liste.txt")
                                          .arg(QLatin1String(variante));
                QFile soll(QStringLiteral(KELVORA_SORTLISTEN "/%1_").arg(QLatin1String(wort)) +
                           liste);
                ASSERT_TRUE(soll.open(QIODevice::ReadOnly));
                EXPECT_TRUE(lies("Datenbank/" + liste) == soll.readAll());
                QFile::remove(nativ("Datenbank/" + liste));
            }
            EXPECT_TRUE(QDir(nativ("Datenbank/Temp"))
                            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot)
                            .isEmpty());
        }
    }
}
