#include "bench/common/Realtext.h"

#include "platform/Ansi.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <vector>

namespace Realtext {

namespace {

// The most frequent words of German and English prose, most frequent first.
const char* const deutsch[] = {
    "der",       "die",       "und",       "in",        "den",       "von",       "zu",
    "das",       "mit",       "sich",      "des",       "auf",       "für",       "ist",
    "im",        "dem",       "nicht",     "ein",       "Die",       "eine",      "als",
    "auch",      "es",        "an",        "werden",    "aus",       "er",        "hat",
    "dass",      "sie",       "nach",      "wird",      "bei",       "einer",     "Der",
    "um",        "am",        "sind",      "noch",      "wie",       "einem",     "über",
    "einen",     "Das",       "so",        "zum",       "war",       "haben",     "nur",
    "oder",      "aber",      "vor",       "zur",       "bis",       "mehr",      "durch",
    "sollte",    "sein",      "wurde",     "sei",       "In",        "Prozent",   "hatte",
    "kann",      "gegen",     "vom",       "können",    "schon",     "wenn",      "habe",
    "seine",     "ihre",      "dann",      "unter",     "wir",       "soll",      "ich",
    "eines",     "Es",        "Jahr",      "zwei",      "Jahren",    "diese",     "dieser",
    "wieder",    "keine",     "seiner",    "worden",    "Und",       "will",      "zwischen",
    "Im",        "immer",     "Millionen", "Ein",       "was",       "sagte",     "Er",
    "gibt",      "alle",      "diesem",    "seit",      "muss",      "wurden",    "beim",
    "doch",      "jetzt",     "waren",     "drei",      "Jahre",     "Mit",       "neue",
    "neuen",     "damit",     "bereits",   "da",        "Auch",      "ihr",       "seinen",
    "müssen",    "ab",        "ihrer",     "Nach",      "ohne",      "sondern",   "selbst",
    "ersten",    "nun",       "etwa",      "Bei",       "heute",     "ihren",     "weil",
    "ihm",       "Menschen",  "anderen",   "werde",     "sagt",      "Sie",       "man",
    "gemäß",     "Vertrag",   "Straße",    "Größe",     "Kündigung", "Übersicht", "Frist",
    "Zahlung",   "Anlage",    "Betrag",    "Konto",     "Prüfung",   "Antrag",    "Bescheid",
    "Verfahren", "Gericht",   "Rechnung",  "Angebot",   "Leistung",  "Schaden",   "Bericht",
    "Ergebnis",  "Studie",    "Familie",   "Energie",   "Strategie", "Industrie", "dies",
    "Dienst",    "Medien",    "Linie",     "Kategorie", "Theorie",   "Diesel",    "Dienstag",
    "Diebstahl", "Mietsache", "Vermieter", "Mieter",    "Wohnung",   "Ämter",     "Öffnung",
    "Änderung",  "Bürger",
};

const char* const englisch[] = {
    "the",       "of",       "and",     "to",       "a",       "in",       "is",       "that",
    "for",       "it",       "as",      "with",     "was",     "on",       "be",       "by",
    "The",       "this",     "are",     "or",       "from",    "at",       "an",       "which",
    "have",      "not",      "can",     "has",      "but",     "their",    "all",      "were",
    "more",      "one",      "its",     "also",     "been",    "they",     "will",     "when",
    "other",     "there",    "so",      "some",     "may",     "if",       "these",    "than",
    "into",      "only",     "such",    "used",     "two",     "first",    "no",       "would",
    "each",      "between",  "any",     "most",     "should",  "how",      "both",     "over",
    "we",        "In",       "This",    "time",     "use",     "new",      "data",     "system",
    "section",   "figure",   "table",   "document", "package", "function", "value",    "result",
    "method",    "analysis", "model",   "user",     "file",    "page",     "text",     "font",
    "command",   "option",   "output",  "input",    "error",   "version",  "example",  "chapter",
    "reference", "index",    "studies", "audience", "soldier", "diesel",   "died",     "dies",
    "diet",      "indie",    "studied", "bodies",   "ladies",  "cities",   "policies", "parties",
};

// Word endings and beginnings that make the long tail of rare words.
const char* const silben[] = {"ver", "ge",  "ung", "keit", "lich", "en",  "er",   "st",  "an",
                              "be",  "ein", "aus", "heit", "ter",  "ra",  "mo",   "li",  "ka",
                              "tor", "on",  "al",  "is",   "ment", "ti",  "pro",  "con", "re",
                              "ü",   "ä",   "ö",   "ß",    "sch",  "wer", "zeit", "ta",  "ne"};

quint32 g_zufall = 987654321u;
quint32 zufall() {
    g_zufall ^= g_zufall << 13;
    g_zufall ^= g_zufall >> 17;
    g_zufall ^= g_zufall << 5;
    return g_zufall;
}
double gleich() {
    return (zufall() >> 8) / double(1u << 24);
}

// Ranked words and a table that draws a rank by its frequency (Zipf, exponent 1.07).
struct Wortschatz {
    std::vector<QByteArray> woerter;
    std::vector<quint16> tafel;

    void aufbauen() {
        std::vector<double> summe(woerter.size());
        double s = 0;
        for (size_t r = 0; r < woerter.size(); ++r)
            summe[r] = s += 1.0 / std::pow(double(r + 1), 1.07);
        tafel.resize(1 << 16);
        for (size_t i = 0; i < tafel.size(); ++i) {
            const double u = (i + 0.5) / tafel.size() * s;
            tafel[i] = quint16(std::lower_bound(summe.begin(), summe.end(), u) - summe.begin());
        }
    }
    const QByteArray& ziehen() const { return woerter[tafel[zufall() & 0xFFFF]]; }
};

Wortschatz wortschatz(const char* const* haeufig, size_t anzahl,
                      const std::vector<std::pair<size_t, const char*>>& einzelne) {
    Wortschatz w;
    for (size_t i = 0; i < anzahl; ++i)
        w.woerter.emplace_back(haeufig[i]);
    const size_t silbenzahl = sizeof silben / sizeof *silben;
    while (w.woerter.size() < 3000) {
        QByteArray wort;
        const int teile = 2 + int(zufall() % 3);
        for (int t = 0; t < teile; ++t)
            wort += silben[zufall() % silbenzahl];
        if (zufall() % 3 == 0)
            wort[0] = char(std::toupper(static_cast<unsigned char>(wort[0])));
        w.woerter.push_back(wort);
    }
    for (const auto& [rang, wort] : einzelne)
        w.woerter.insert(w.woerter.begin() + qsizetype(rang), QByteArray(wort));
    w.aufbauen();
    return w;
}

// The text of one PDF as the converter lays it out: pages of lines within a width, a left
// margin, paragraphs, some pages in two columns, a page number, a form feed after each page.
QByteArray pdfText(const Wortschatz& w, qint64 ziel) {
    QByteArray text;
    const int breite = 64 + int(zufall() % 40);
    const QByteArray rand(int(zufall() % 10), ' ');
    const bool spalten = zufall() % 7 == 0;
    int seite = 1;
    auto zeileFuellen = [&](int laenge) {
        QByteArray z;
        bool satzanfang = zufall() % 4 == 0;
        while (z.size() < laenge) {
            QByteArray wort = w.ziehen();
            if (satzanfang && !wort.isEmpty())
                wort[0] = char(std::toupper(static_cast<unsigned char>(wort[0])));
            satzanfang = false;
            if (!z.isEmpty())
                z += zufall() % 23 == 0 ? "  " : " ";
            z += wort;
            const quint32 r = zufall() % 40;
            if (r == 0) {
                z += '.';
                satzanfang = true;
            } else if (r == 1) {
                z += ',';
            }
        }
        return z;
    };
    while (text.size() < ziel) {
        text += QByteArray(breite - 8, ' ') + "Seite " + QByteArray::number(seite) + "\n\n";
        const int zeilen = 40 + int(zufall() % 16);
        for (int l = 0; l < zeilen && text.size() < ziel; ++l) {
            if (zufall() % 9 == 0) {
                text += '\n';
                continue;
            }
            if (spalten) {
                QByteArray links = zeileFuellen(breite / 2 - 6);
                links += QByteArray(std::max<qsizetype>(3, breite / 2 + 2 - links.size()), ' ');
                text += rand + links + zeileFuellen(breite / 2 - 6) + '\n';
            } else {
                text += rand + zeileFuellen(breite - 12 + int(zufall() % 12)) + '\n';
            }
        }
        text += "\n" + QByteArray(breite / 2, ' ') + QByteArray::number(seite++) + "\n\f";
    }
    return text;
}

// The characters that end a word (codes 0-47, 58-64, 91-94, 96, 123-127).
bool trenner(unsigned char c) {
    return c <= 47 || (c >= 58 && c <= 64) || (c >= 91 && c <= 94) || c == 96 ||
           (c >= 123 && c <= 127);
}

QByteArray kleinAscii(QByteArray b) {
    for (char& c : b)
        if (c >= 'A' && c <= 'Z')
            c = char(c + 32);
    return b;
}

// Whether the record holds the text under the query's options (A to Z fold only, which is
// all the program folds for these ASCII texts); the C library's memmem finds the places.
bool enthaelt(const QByteArray& satz, const QByteArray& satzKlein, const Abfrage& a) {
    const QByteArray muster = a.gross ? a.text.toUtf8() : kleinAscii(a.text.toUtf8());
    const QByteArray& in = a.gross ? satz : satzKlein;
    const char* anfang = in.constData();
    const char* ende = anfang + in.size();
    for (const char* p = anfang; p < ende; ++p) {
        p = static_cast<const char*>(
            memmem(p, size_t(ende - p), muster.constData(), size_t(muster.size())));
        if (!p)
            return false;
        if (!a.ganzeWoerter)
            return true;
        const char* hinter = p + muster.size();
        const bool vorne = p == anfang || trenner(static_cast<unsigned char>(p[-1]));
        const bool hinten = hinter == ende || trenner(static_cast<unsigned char>(*hinter));
        if (vorne && hinten)
            return true;
    }
    return false;
}

Datenbank leer(const Auftrag& a) {
    Datenbank out;
    out.dateien = a.dateien;
    out.abfragen = {{QStringLiteral("seltenes Wort"), QStringLiteral("Zitronenfalter")},
                    {QStringLiteral("häufiges Wort"), QStringLiteral("nicht")},
                    {QStringLiteral("Phrase"), QStringLiteral("sollte nicht")},
                    {QStringLiteral("Groß/Klein"), QStringLiteral("LaTeX"), true},
                    {QStringLiteral("ganze Wörter"), QStringLiteral("die"), false, true}};
    return out;
}

} // namespace

Datenbank erzeugen(const QString& programmordner, const Auftrag& a) {
    g_zufall = 987654321u;
    const Wortschatz de =
        wortschatz(deutsch, sizeof deutsch / sizeof *deutsch, {{2500, "LaTeX"}, {1200, "latex"}});
    const Wortschatz en = wortschatz(englisch, sizeof englisch / sizeof *englisch,
                                     {{1000, "LaTeX"}, {900, "LATEX"}, {1500, "die"}});

    Datenbank out = leer(a);

    const QString db = programmordner + QStringLiteral("/Datenbank/");
    QDir().mkpath(db + QStringLiteral("Temp"));
    const QByteArray wurzel = QByteArray(1, char(a.laufwerk.toLatin1())) + ":\\Archiv";
    QByteArray positionen, dat = "PFAD_UND_ENDUNGEN= " + wurzel + " *.pdf    \r\n";
    out.dokument = db + a.name + QStringLiteral("_UTF8Dokument.txt");
    QFile dokument(out.dokument);
    if (!dokument.open(QIODevice::WriteOnly))
        return out;

    // Sizes spread like those of real PDFs (log-normal), scaled to the wanted total.
    std::vector<double> groessen(size_t(a.dateien));
    double summe = 0;
    for (double& g : groessen) {
        const double n =
            std::sqrt(-2 * std::log(gleich() + 1e-12)) * std::cos(6.2831853 * gleich());
        summe += g = std::exp(1.1 * n);
    }
    for (int i = 0; i < a.dateien; ++i) {
        const QByteArray ordner = i % 5 == 3 ? "Übersicht_" : "Band_";
        const QByteArray relativ = ordner + QByteArray::number(i / 500);
        const QByteArray pfad = wurzel + '\\' + relativ + "\\Dok_" + QByteArray::number(i) + ".pdf";
        if (i % 500 == 0)
            for (const char* o : {"Übersicht_", "Band_"})
                QDir().mkpath(programmordner + QStringLiteral("/Archiv/") + QString::fromUtf8(o) +
                              QString::number(i / 500));
        QFile(programmordner + QStringLiteral("/Archiv/") + QString::fromUtf8(relativ) +
              QStringLiteral("/Dok_%1.pdf").arg(i))
            .open(QIODevice::WriteOnly);

        const bool englischeDatei = zufall() % 100 < 34;
        QByteArray text =
            pdfText(englischeDatei ? en : de,
                    std::max<qint64>(300, qint64(groessen[size_t(i)] / summe * a.zielBytes)));
        if (zufall() % 80 == 0) {
            // The rare word once, somewhere after a blank.
            qsizetype p = qsizetype(zufall() % quint32(text.size()));
            p = text.indexOf(' ', p);
            text.insert(p < 0 ? text.size() : p, QByteArrayLiteral(" Zitronenfalter"));
        }
        // Header lines as the indexing run writes them; the path holds only 1252 characters.
        const QByteArray satz = " \r\n \r\n \r\n#" + pfad + "\r\n" +
                                QByteArray(int(QString::fromUtf8(pfad).size() / 2), '=') + "\r\n" +
                                text + "\r\n";
        const QByteArray satzKlein = kleinAscii(satz);
        for (Abfrage& q : out.abfragen)
            q.dateienMitTreffer += enthaelt(satz, satzKlein, q);
        positionen += QByteArray::number(out.bytes + 9) + ' ' +
                      Ansi::zuByteForm(QLatin1Char('#') + QString::fromUtf8(pfad)).toUtf8() +
                      "\r\n";
        dat += pfad + "\r\n";
        dokument.write(satz);
        out.bytes += satz.size();
    }
    auto schreiben = [&db](const QString& name, const QByteArray& inhalt) {
        QFile f(db + name);
        if (f.open(QIODevice::WriteOnly))
            f.write(inhalt);
    };
    schreiben(a.name + QStringLiteral(".dat"), dat);
    schreiben(a.name + QStringLiteral("_Utf8_TitelPositionen.txt"), positionen);
    QByteArray zaehlung = QByteArray::number(out.bytes) + '\n';
    for (const Abfrage& q : out.abfragen)
        zaehlung += QByteArray::number(q.dateienMitTreffer) + '\n';
    schreiben(QStringLiteral("Realtext_Zaehlung.txt"), zaehlung);
    return out;
}

Datenbank erzeugenOderLaden(const QString& programmordner, const Auftrag& a) {
    QFile f(programmordner + QStringLiteral("/Datenbank/Realtext_Zaehlung.txt"));
    if (!f.open(QIODevice::ReadOnly))
        return erzeugen(programmordner, a);
    const QList<QByteArray> zahlen = f.readAll().split('\n');
    Datenbank out = leer(a);
    out.dokument = programmordner + QStringLiteral("/Datenbank/") + a.name +
                   QStringLiteral("_UTF8Dokument.txt");
    if (zahlen.size() < out.abfragen.size() + 1)
        return erzeugen(programmordner, a);
    out.bytes = zahlen[0].toLongLong();
    for (qsizetype i = 0; i < out.abfragen.size(); ++i)
        out.abfragen[i].dateienMitTreffer = zahlen[i + 1].toInt();
    return out;
}

} // namespace Realtext
