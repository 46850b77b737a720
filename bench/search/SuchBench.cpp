// The document search over a generated database of 20,000 records, 5,000 of which hold the
// search text: the scan alone, the resolution of the hits to their files, and the whole
// search run (records, contexts, 200 result pages) against "grep -F -i -c" on the same
// document. Best of three runs each.

#include "bench/common/Benchdaten.h"
#include "datenbank/Programmordner.h"
#include "platform/Platform.h"
#include "search/Dokumentsuche.h"
#include "search/Pfadaufloesung.h"
#include "search/StreamSearch.h"
#include "search/Suchlauf.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

constexpr int Saetze = 20000;
constexpr int MitTreffer = 5000;
const QString Suchtext = QStringLiteral("Quittung");

// Settings in memory, so that the benchmark leaves the user's alone.
class Einstellungen : public SettingsStore {
public:
    QString LeseRegKey(const QString& name) const override { return werte.value(name); }
    void SchreibeRegKey(const QString& name, const QString& text) override {
        werte.insert(name, text);
    }
    QHash<QString, QString> werte;
};

// Lines of made-up prose with umlauts; every fourth record mentions the search text.
void datenbankErzeugen(const QString& prog) {
    QDir().mkpath(prog + QStringLiteral("/Datenbank/Temp"));
    QDir().mkpath(prog + QStringLiteral("/Akten"));
    const QByteArray woerter[] = {"Vertrag", "über",   "Mietsache", "Kündigung", "Frist",
                                  "Zahlung", "gemäß",  "Anlage",    "Vermieter", "Straße",
                                  "Konto",   "Betrag", "Euro",      "Monat",     "Jahr"};
    QByteArray dokument, positionen, dat = "PFAD_UND_ENDUNGEN= T:\\Akten *.pdf    \r\n";
    quint32 zufall = 12345;
    auto naechste = [&zufall] { return zufall = zufall * 1103515245u + 12345u; };
    for (int i = 0; i < Saetze; ++i) {
        const QByteArray pfad = "T:\\Akten\\Akte_" + QByteArray::number(i) + ".pdf";
        positionen += QByteArray::number(dokument.size() + 9) + " #" + pfad + "\r\n";
        dat += pfad + "\r\n";
        dokument += " \r\n \r\n \r\n#" + pfad + "\r\n" + QByteArray(pfad.size() / 2, '=') + "\r\n";
        const int zeilen = 30 + int(naechste() % 20);
        const int trefferzeile = i % (Saetze / MitTreffer) == 0 ? int(naechste() % zeilen) : -1;
        for (int z = 0; z < zeilen; ++z) {
            QByteArray zeile;
            while (zeile.size() < 60)
                zeile += woerter[naechste() % 15] + ' ';
            if (z == trefferzeile)
                zeile += "die Quittung liegt bei ";
            dokument += zeile + "\r\n";
        }
        QFile(prog + QStringLiteral("/Akten/Akte_%1.pdf").arg(i)).open(QIODevice::WriteOnly);
    }
    auto schreiben = [&prog](const QString& name, const QByteArray& inhalt) {
        QFile f(prog + QStringLiteral("/Datenbank/") + name);
        f.open(QIODevice::WriteOnly);
        f.write(inhalt);
    };
    schreiben(QStringLiteral("Bench.dat"), dat);
    schreiben(QStringLiteral("Bench_UTF8Dokument.txt"), dokument);
    schreiben(QStringLiteral("Bench_Utf8_TitelPositionen.txt"), positionen);
}

double beste(const std::function<void()>& lauf) {
    double best = 1e18;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer uhr;
        uhr.start();
        lauf();
        best = std::min(best, uhr.nsecsElapsed() / 1e6);
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir tmp;
    const QString prog = tmp.filePath(QStringLiteral("prog"));
    datenbankErzeugen(prog);
    DriveMap::global().setzeWurzel(QLatin1Char('T'), prog);
    const Programmordner ordner(QStringLiteral("T:\\"));
    const QString dokument = prog + QStringLiteral("/Datenbank/Bench_UTF8Dokument.txt");

    // The scan: search text and file marker in turn, as the run loop drives the stream search.
    QList<qint64> treffer;
    const double scan = beste([&] { treffer = Benchdaten::markenScan(dokument, Suchtext); });

    QString letzter;
    const double aufloesung = beste([&] {
        TPfadaufloesung pfade(ordner);
        pfade.setDatenbank(QStringLiteral("Bench"));
        for (qint64 t : treffer)
            letzter = pfade.tabelle(Dokumentvariante::Utf8).pfad(t);
    });

    Einstellungen einstellungen;
    ProtokollNotifier notifier;
    ProtokollShell shell;
    int saetze = 0;
    const double ganz = beste([&] {
        TSuchfensterZustand f;
        f.TntEdit2 = Suchtext;
        TSuchlauf lauf({ordner, {einstellungen, notifier, shell, Pump::still()}, f});
        lauf.Datenbankname = QStringLiteral("Bench");
        lauf.OKBtnClick();
        saetze = int(lauf.TrefferListe().size());
    });

    // The engine alone: records with contexts and paths, no pages.
    const double saetzeZeit = beste([&] {
        TSuchfensterZustand f;
        f.TntEdit2 = Suchtext;
        f.Dateimarke = QStringLiteral("#T:\\");
        TDokumentsuche suche({ordner, notifier, Pump::still(), f});
        suche.setDatenbank(QStringLiteral("Bench"));
        suche.Ersatzlaufwerk = QStringLiteral("T");
        suche.SucheImUtf8Dokument(ordner.datenbank(QStringLiteral("Bench_UTF8Dokument.txt")));
    });

    QByteArray grepAusgabe;
    const double grep = beste([&] {
        QProcess p;
        p.start(QStringLiteral("grep"), {QStringLiteral("-F"), QStringLiteral("-i"),
                                         QStringLiteral("-c"), Suchtext, dokument});
        p.waitForFinished(-1);
        grepAusgabe = p.readAllStandardOutput().trimmed();
    });

    // The raw scan speed: a text that occurs nowhere, one pass over the whole document.
    const QString fehlt = QStringLiteral("Zitronenfalter");
    const double leer = beste([&] {
        TStreamSearch search;
        search.setFileName(dokument);
        search.FindFirst(fehlt, 0, 0, 0);
    });
    const double grepLeer = beste([&] {
        QProcess p;
        p.start(QStringLiteral("grep"), {QStringLiteral("-F"), QStringLiteral("-i"),
                                         QStringLiteral("-c"), fehlt, dokument});
        p.waitForFinished(-1);
    });

    // The run's pages once more, as the run wrote them, into new files as after the run's
    // emptying of "Datenbank\Temp": with the durable save that the stored files get and
    // with the plain write that the throwaway pages get.
    QStringList seiten;
    for (const QString& name : QDir(prog + QStringLiteral("/Datenbank/Temp"))
                                   .entryList({QStringLiteral("*.htm")}, QDir::Files)) {
        QFile f(prog + QStringLiteral("/Datenbank/Temp/") + name);
        if (f.open(QIODevice::ReadOnly))
            seiten.append(QString::fromUtf8(f.readAll()));
    }
    int runde = 0;
    auto schreiben = [&](const std::function<bool(const QString&, const QString&, int)>& w) {
        ++runde;
        for (qsizetype i = 0; i < seiten.size(); ++i)
            w(seiten[i], ordner.temp(QStringLiteral("r%1_%2.htm").arg(runde).arg(i)),
              TextFiles::Utf8);
    };
    const double dauerhaft = beste([&] { schreiben(WriteToStream); });
    const double fluechtig = beste([&] { schreiben(WriteToStreamFluechtig); });
    const double jeSeite = 1.0 / std::max<qsizetype>(1, seiten.size());

    const double mb = QFile(dokument).size() / 1048576.0;
    std::printf("search: %d Sätze, %.1f MiB, Suchtext \"%s\"\n", Saetze, mb, qPrintable(Suchtext));
    std::printf("  Stream-Suche (Text und Marke)  %8.1f ms  (%lld Treffer)\n", scan,
                static_cast<long long>(treffer.size()));
    std::printf("  Zuordnung zu Dateien           %8.1f ms  (%.2f µs je Treffer, %.1f%% der "
                "Dokumentsuche)\n",
                aufloesung, aufloesung * 1000 / std::max<qsizetype>(1, treffer.size()),
                100 * aufloesung / saetzeZeit);
    std::printf("  Dokumentsuche (Datensätze)     %8.1f ms\n", saetzeZeit);
    std::printf("  ganzer Suchlauf mit %3lld Seiten %8.1f ms  (%d Datensätze)\n",
                static_cast<long long>((saetze + 24) / 25), ganz, saetze);
    std::printf("  grep -F -i -c                  %8.1f ms  (%s Zeilen)\n", grep,
                grepAusgabe.constData());
    std::printf("  Verhältnis Stream-Suche/grep   %8.2f\n", scan / grep);
    std::printf("  Verhältnis Dokumentsuche/grep  %8.2f\n", saetzeZeit / grep);
    std::printf("  Verhältnis Suchlauf/grep       %8.2f\n", ganz / grep);
    std::printf("  ohne Treffer: Stream-Suche %.1f ms, grep %.1f ms, Verhältnis %.2f\n", leer,
                grepLeer, leer / grepLeer);
    std::printf("  %lld Seiten dauerhaft (QSaveFile) %6.1f ms  (%.2f ms je Seite)\n",
                static_cast<long long>(seiten.size()), dauerhaft, dauerhaft * jeSeite);
    std::printf("  %lld Seiten schlicht (QFile)      %6.1f ms  (%.2f ms je Seite), Verhältnis "
                "%.2f\n",
                static_cast<long long>(seiten.size()), fluechtig, fluechtig * jeSeite,
                dauerhaft / std::max(fluechtig, 1e-3));
    if (saetze != MitTreffer || treffer.size() != MitTreffer) {
        std::fprintf(stderr, "falsche Trefferzahl: %d statt %d\n", saetze, MitTreffer);
        return 1;
    }
    return 0;
}
