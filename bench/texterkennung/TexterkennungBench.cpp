// Recognition of scanned pages: the component against running pdftoppm and tesseract by hand
// on the same pages, and the pages per second it reads alone and in every core at once.

#include "bench/common/Benchdaten.h"
#include "index/Texterkennung.h"
#include "tests/fixtures/BildPdf.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <thread>
#include <vector>

namespace {

const QStringList woerter{"Rechnung", "Kündigung", "Vertrag", "Angebot",    "Mahnung",
                          "Straße",   "Größe",     "Zahlung", "Bestellung", "Lieferung",
                          "Anlage",   "Betrag",    "Frist",   "Vermieter",  "Übersicht"};

// A letter of about twenty lines per page, different on every page.
QString brief(int seite) {
    QString text = QStringLiteral("Sehr geehrte Damen und Herren,\n\n");
    for (int z = 0; z < 20; ++z)
        text += QStringLiteral("%1 %2 %3 vom %4. März 2024, Nummer %5\n")
                    .arg(woerter[(seite * 7 + z) % woerter.size()],
                         woerter[(seite + z * 3) % woerter.size()],
                         woerter[(z * 5 + 2) % woerter.size()])
                    .arg(1 + (seite + z) % 28)
                    .arg(seite * 1000 + z);
    return text + QStringLiteral("\nMit freundlichen Grüßen\nHausverwaltung Müller");
}

// Wall milliseconds and processor seconds of one run, each the best so far.
struct Messung {
    double ms = 1e18;
    double cpu = 1e18;
    void messen(const std::function<void()>& lauf) {
        const double vorher = Benchdaten::kinderCpu();
        ms = std::min(ms, Benchdaten::beste(1, lauf));
        cpu = std::min(cpu, Benchdaten::kinderCpu() - vorher);
    }
};

// Share of the words of the pages that come back, in per cent.
double trefferquote(const QStringList& seiten, const QByteArray& gelesen) {
    const QString text = QString::fromUtf8(gelesen);
    int alle = 0, gefunden = 0;
    for (const QString& s : seiten)
        for (const QString& wort :
             s.split(QRegularExpression(QStringLiteral("[\\s,.]+")), Qt::SkipEmptyParts)) {
            ++alle;
            gefunden += text.contains(wort);
        }
    return alle ? 100.0 * gefunden / alle : 0;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const int anzahl = qEnvironmentVariableIsSet("KELVORA_BENCH_SEITEN")
                           ? qEnvironmentVariableIntValue("KELVORA_BENCH_SEITEN")
                           : 4;
    const int laeufe = 2;
    const Texterkennung::Programme programme = Texterkennung::Programme::suchen();
    if (!Texterkennung(programme).pruefen().verfuegbar) {
        std::printf("texterkennung: %s\n", qPrintable(Texterkennung(programme).pruefen().meldung));
        return 1;
    }
    QTemporaryDir tmp;
    const QString pdf = tmp.filePath(QStringLiteral("scan.pdf"));
    QStringList texte;
    QList<BildPdf::Seite> seiten;
    for (int s = 0; s < anzahl; ++s) {
        texte << brief(s);
        seiten.append({texte.last()});
    }
    if (!BildPdf::schreiben(pdf, seiten))
        return 1;
    // What the converter writes for pages without a text layer.
    const QByteArray ausgabe(anzahl, '\f');

    Texterkennung::Auftrag auftrag;
    auftrag.pdf = pdf;
    auftrag.ausgabe = ausgabe;
    auftrag.arbeitsordner = tmp.path();
    auftrag.zeitlimitJeSeite = std::chrono::minutes(5);
    const Texterkennung erkennung(programme);
    Texterkennung::Ergebnis ergebnis;

    // The same commands typed in a shell, one page after the other; once as they are, once
    // with the thread limit the component sets.
    const QString vonHand = QStringLiteral(
        "for p in $(seq 1 %1); do pdftoppm -r 300 -gray -f $p -l $p -singlefile '%2' '%3/hand' && "
        "tesseract '%3/hand.pgm' stdout -l deu+eng --dpi 300 >> '%3/hand.txt' 2>/dev/null; done; "
        "rm -f '%3/hand.pgm' '%3/hand.txt'");
    const QStringList shell{QStringLiteral("-c"), vonHand.arg(anzahl).arg(pdf, tmp.path())};
    Messung komponente, hand, handEinThread;
    // Alternating, so that a busy moment of the machine does not fall on one side only.
    for (int i = 0; i < laeufe; ++i) {
        komponente.messen([&] { ergebnis = erkennung.erkennen(auftrag); });
        hand.messen([&] { Benchdaten::starte(QStringLiteral("/bin/sh"), shell); });
        handEinThread.messen([&] {
            Benchdaten::starte(QStringLiteral("/bin/sh"), shell,
                               {QStringLiteral("OMP_THREAD_LIMIT=1")});
        });
    }

    // One recognition per core at once, as the converter slots run it.
    const int kerne = std::max(1, QThread::idealThreadCount());
    std::vector<Texterkennung::Ergebnis> nebeneinander(kerne);
    const double parallel = Benchdaten::beste(1, [&] {
        std::vector<std::thread> faeden;
        for (int k = 0; k < kerne; ++k)
            faeden.emplace_back([&, k] { nebeneinander[k] = erkennung.erkennen(auftrag); });
        for (std::thread& f : faeden)
            f.join();
    });
    bool gleich = true;
    for (const Texterkennung::Ergebnis& r : nebeneinander)
        gleich = gleich && r.text == ergebnis.text;

    std::printf("texterkennung: %d gescannte A4-Seiten (300 dpi grau, deu+eng), beste von %d "
                "Läufen\n",
                anzahl, laeufe);
    std::printf("  %d von %d Seiten erkannt, %.0f %% der Wörter\n", ergebnis.erkannteSeiten, anzahl,
                trefferquote(texte, ergebnis.text));
    std::printf("                                   Zeit    je Seite  Seiten/s  CPU je Seite\n");
    auto zeile = [anzahl](const char* name, const Messung& m) {
        std::printf("  %-30s %7.2f s %7.2f s %8.2f %9.2f s\n", name, m.ms / 1000,
                    m.ms / 1000 / anzahl, anzahl * 1000 / m.ms, m.cpu / anzahl);
    };
    zeile("Texterkennung", komponente);
    zeile("pdftoppm + tesseract von Hand", hand);
    zeile("dasselbe, OMP_THREAD_LIMIT=1", handEinThread);
    std::printf("  Verhältnis Texterkennung/von Hand: Zeit %s, CPU %s; gegen die gleichen "
                "Befehle: Zeit %s, CPU %s\n",
                qPrintable(Benchdaten::verhaeltnis(komponente.ms, hand.ms)),
                qPrintable(Benchdaten::verhaeltnis(komponente.cpu, hand.cpu)),
                qPrintable(Benchdaten::verhaeltnis(komponente.ms, handEinThread.ms)),
                qPrintable(Benchdaten::verhaeltnis(komponente.cpu, handEinThread.cpu)));
    std::printf("  %d nebeneinander: %.2f s, %.2f Seiten/s%s\n", kerne, parallel / 1000,
                kerne * anzahl * 1000 / parallel, gleich ? "" : "  UNTERSCHIEDLICHE TEXTE");
    return gleich && ergebnis.erkannteSeiten == anzahl ? 0 : 1;
}
