// Indexing a few hundred real PDFs with "kelvora index" against the converter alone run side
// by side on the same files ("xargs -P<cores> pdftotext -layout -enc UTF-8"), then
// re-indexing the unchanged collection and the collection after one PDF changed, against
// the first run; and against recollindex on the same folder with a private configuration.
//
// The PDFs are those of the installed documentation (/usr/share/doc, for example of the
// Debian package texlive-latex-recommended-doc, which scripts/bench installs), at most
// KELVORA_BENCH_PDFS (default 300); with fewer than 100 of them generated PDFs are added.
// KELVORA_BENCH_OHNE_TEXTERKENNUNG=1 measures the runs with text recognition off.

#include "bench/common/Benchdaten.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>

namespace {

const QString Name = QStringLiteral("Akten");

QStringList dokumentationsPdfs(int hoechstens) {
    QStringList pdfs;
    QDirIterator it(QStringLiteral("/usr/share/doc"), {QStringLiteral("*.pdf")}, QDir::Files,
                    QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
    while (it.hasNext())
        pdfs << it.next();
    pdfs.sort();
    return pdfs.mid(0, hoechstens);
}

double sekunden(const Benchdaten::Prozess& p) {
    return p.ms / 1000;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int kerne = std::max(1, QThread::idealThreadCount());
    const int hoechstens = qEnvironmentVariableIsSet("KELVORA_BENCH_PDFS")
                               ? qEnvironmentVariableIntValue("KELVORA_BENCH_PDFS")
                               : 300;
    QTemporaryDir tmp;
    const QString prog = tmp.filePath(QStringLiteral("prog"));
    const QString akten = prog + QStringLiteral("/Akten");
    QDir().mkpath(akten);
    QStringList pdfs;
    const QStringList echte = dokumentationsPdfs(hoechstens);
    for (int i = 0; i < echte.size(); ++i) {
        const QString ziel = akten + QStringLiteral("/doku_%1.pdf").arg(i, 4, 10, QLatin1Char('0'));
        if (QFile::copy(echte.at(i), ziel))
            pdfs << ziel;
    }
    if (pdfs.size() < 100) {
        std::printf("index: nur %lld PDFs der Dokumentation (Paket "
                    "texlive-latex-recommended-doc fehlt?), erzeugte PDFs dazu\n",
                    static_cast<long long>(pdfs.size()));
        pdfs = Benchdaten::pdfsErzeugen(akten, false) + pdfs;
        pdfs = pdfs.mid(0, std::max<qsizetype>(hoechstens, 100));
    }
    pdfs.sort();
    Benchdaten::hauptlisteSchreiben(prog, QLatin1Char('T'), pdfs);
    const QString konfig = tmp.filePath(QStringLiteral("konfig"));
    QList<std::pair<QString, QString>> werte = {
        {QStringLiteral("Konverter_Prozesse"), QString::number(kerne)}};
    // Pages without text (pictures, blank pages) are read by text recognition, which the
    // converter alone does not do; this shows the run without it.
    if (qEnvironmentVariableIsSet("KELVORA_BENCH_OHNE_TEXTERKENNUNG"))
        werte.append({QStringLiteral("Texterkennung"), QStringLiteral("0")});
    const QStringList umgebung =
        Benchdaten::kelvoraEinstellungen(konfig, QLatin1Char('T'), prog, werte);
    const QString cli = qEnvironmentVariableIsSet("KELVORA_CLI")
                            ? qEnvironmentVariable("KELVORA_CLI")
                            : QStringLiteral(KELVORA_CLI);
    const QStringList index{QStringLiteral("--dir"), prog, QStringLiteral("index"), Name,
                            QStringLiteral("T:\\Akten")};
    const auto kelvora = [&] { return Benchdaten::starte(cli, index, umgebung); };
    const auto loeschen = [&] {
        Benchdaten::starte(
            cli,
            {QStringLiteral("--dir"), prog, QStringLiteral("delete"), Name, QStringLiteral("--ja")},
            umgebung);
    };
    const auto dokument = [&] {
        QFile f(prog + QStringLiteral("/Datenbank/Akten_UTF8Dokument.txt"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    // The peer: the converter alone, as many at once as there are cores, each PDF's text
    // beside it.
    const QString peerSkript =
        QStringLiteral("cd '%1' && ls | grep '\\.pdf$' | xargs -P%2 -I{} pdftotext -layout -enc "
                       "UTF-8 {} {}.txt; rm -f *.pdf.txt")
            .arg(akten)
            .arg(kerne);
    const auto peer = [&] { return Benchdaten::starte(QStringLiteral("sh"), {"-c", peerSkript}); };

    // Peer and first index alternate twice; the better of each counts.
    Benchdaten::Prozess p1 = peer();
    loeschen();
    Benchdaten::Prozess erst = kelvora();
    Benchdaten::Prozess p2 = peer();
    loeschen();
    Benchdaten::Prozess erst2 = kelvora();
    const QByteArray vollDokument = dokument();
    const double xargs = std::min(sekunden(p1), sekunden(p2));
    const double voll = std::min(sekunden(erst), sekunden(erst2));
    if (erst.code != 0 || erst2.code != 0) {
        std::fprintf(stderr, "Indizierung gescheitert (Ausgang %d)\n", erst.code);
        return 1;
    }
    const Benchdaten::Prozess unveraendert = kelvora();
    const bool gleichesDokument = dokument() == vollDokument;
    // One PDF changes: a byte more at its end changes its size and time, not its text.
    {
        QFile f(pdfs.at(pdfs.size() / 2));
        if (f.open(QIODevice::Append))
            f.write("\n");
    }
    const Benchdaten::Prozess eineNeu = kelvora();

    std::printf("index: %lld PDFs (%lld aus der Dokumentation), %d Kerne, Dokument %lld Bytes\n",
                static_cast<long long>(pdfs.size()), static_cast<long long>(echte.size()), kerne,
                static_cast<long long>(vollDokument.size()));
    std::printf("  xargs -P%d pdftotext          %8.2f s\n", kerne, xargs);
    std::printf("  kelvora index (erstmals)      %8.2f s  Verhältnis zu xargs %s (Ziel <= 1.15)\n",
                voll, qPrintable(Benchdaten::verhaeltnis(voll, xargs)));
    std::printf(
        "  kelvora index (unverändert)   %8.2f s  Anteil am ersten Lauf %s (Ziel <= 0.10)%s\n",
        sekunden(unveraendert), qPrintable(Benchdaten::verhaeltnis(sekunden(unveraendert), voll)),
        gleichesDokument ? "" : "  DOKUMENT VERSCHIEDEN");
    std::printf(
        "  kelvora index (1 PDF neu)     %8.2f s  Anteil am ersten Lauf %s (Ziel <= 0.15)\n",
        sekunden(eineNeu), qPrintable(Benchdaten::verhaeltnis(sekunden(eineNeu), voll)));

    const QString recoll = Benchdaten::programm(QStringLiteral("recollindex"));
    if (recoll.isEmpty()) {
        std::printf("  recollindex nicht installiert (Paket recoll): Vergleich übersprungen\n");
        return 0;
    }
    // A private configuration folder, so that the user's own index stays untouched.
    const QString recollKonfig = tmp.filePath(QStringLiteral("recoll"));
    QDir().mkpath(recollKonfig);
    QFile conf(recollKonfig + QStringLiteral("/recoll.conf"));
    if (!conf.open(QIODevice::WriteOnly))
        return 1;
    conf.write("topdirs = " + QFile::encodeName(akten) + "\n");
    conf.close();
    const auto rec =
        Benchdaten::starte(recoll, {QStringLiteral("-c"), recollKonfig, QStringLiteral("-z")});
    std::printf("  recollindex -c DIR -z         %8.2f s  (Exit %d)\n", rec.ms / 1000, rec.code);
    std::printf("  Verhältnis index/recollindex %s\n",
                qPrintable(Benchdaten::verhaeltnis(voll * 1000, rec.ms)));
    return 0;
}
