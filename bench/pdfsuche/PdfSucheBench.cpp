// A collection of a few hundred PDFs, indexed with "kelvora index": "kelvora search"
// against "pdfgrep -r -i -l -F" over the same folder, timed, and for a handful of phrases
// the set of files each reports, compared. Every difference is printed with its reason.

#include "bench/common/Benchdaten.h"
#include "platform/DriveMap.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int Laeufe = 3;
const QString Kelvora = QStringLiteral(KELVORA_CLI);

struct Phrase {
    QString text;
    // What a reader should expect of the comparison.
    const char* erwartet;
};

// Files of kelvora's hit lines (path, a tab, the context), as native paths.
QSet<QString> kelvoraDateien(const QByteArray& aus, const DriveMap& karte) {
    QSet<QString> out;
    for (const QByteArray& z : aus.split('\n')) {
        const qsizetype t = z.indexOf('\t');
        if (t > 0)
            out.insert(QFileInfo(karte.nativ(QString::fromUtf8(z.left(t)))).absoluteFilePath());
    }
    return out;
}

QSet<QString> pdfgrepDateien(const QByteArray& aus) {
    QSet<QString> out;
    for (const QByteArray& z : aus.split('\n'))
        if (!z.isEmpty())
            out.insert(QFileInfo(QString::fromUtf8(z)).absoluteFilePath());
    return out;
}

void liste(const char* wer, const QSet<QString>& dateien) {
    QStringList namen;
    for (const QString& d : dateien)
        namen << QFileInfo(d).fileName();
    namen.sort();
    const qsizetype zeigen = std::min<qsizetype>(namen.size(), 6);
    std::printf("      %s (%lld): %s%s\n", wer, static_cast<long long>(namen.size()),
                qPrintable(namen.mid(0, zeigen).join(QStringLiteral(", "))),
                namen.size() > zeigen ? ", ..." : "");
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString pdfgrep = Benchdaten::programm(QStringLiteral("pdfgrep"));
    if (pdfgrep.isEmpty()) {
        std::printf("pdfsuche: pdfgrep nicht installiert: Vergleich übersprungen\n");
        return 0;
    }
    QTemporaryDir tmp;
    const QString prog = tmp.filePath(QStringLiteral("prog"));
    const QString akten = prog + QStringLiteral("/Akten");
    const QStringList pdfs = Benchdaten::pdfsErzeugen(akten, true);
    const QStringList umgebung = Benchdaten::kelvoraEinstellungen(
        tmp.filePath(QStringLiteral("konfig")), QLatin1Char('T'), prog);
    Benchdaten::hauptlisteSchreiben(prog, QLatin1Char('T'), pdfs);
    DriveMap karte;
    karte.setzeWurzel(QLatin1Char('T'), prog);

    const auto index = Benchdaten::starte(
        Kelvora, {"--dir", prog, "index", "Akten", "T:\\Akten", "--endungen", "*.pdf"}, umgebung);
    std::printf("pdfsuche: %lld PDFs, kelvora index %.2f s (Exit %d)\n",
                static_cast<long long>(pdfs.size()), index.ms / 1000, index.code);
    if (index.code != 0)
        return 1;

    // pdfgrep folds case by the locale; a UTF-8 one folds the umlauts too.
    const QStringList pdfgrepUmgebung{QStringLiteral("LC_ALL=C.UTF-8")};
    const QString zeit = QStringLiteral("Mahnung");
    const auto k =
        Benchdaten::besteVon(Laeufe, Kelvora, {"--dir", prog, "search", "Akten", zeit}, umgebung);
    const auto p = Benchdaten::besteVon(Laeufe, pdfgrep, {"-r", "-i", "-l", "-F", zeit, akten},
                                        pdfgrepUmgebung);
    std::printf("  kelvora search \"%s\"          %9.1f ms  (%lld Dateien)\n", qPrintable(zeit),
                k.ms, static_cast<long long>(kelvoraDateien(k.aus, karte).size()));
    std::printf("  pdfgrep -r -i -l -F            %9.1f ms  (%lld Dateien)\n", p.ms,
                static_cast<long long>(pdfgrepDateien(p.aus).size()));
    std::printf("  Verhältnis kelvora/pdfgrep     %9s  (kelvora liest den fertigen Text, pdfgrep "
                "zerlegt jedes PDF)\n",
                qPrintable(Benchdaten::verhaeltnis(k.ms, p.ms)));

    const Phrase phrasen[] = {
        {QStringLiteral("mahnung"), "gleich: ASCII-Text, Groß/klein gefaltet"},
        {QStringLiteral("bär vertrag"), "gleich: zwei Wörter in einer Zeile, 'ä' klein"},
        {QStringLiteral("übersicht"),
         "gleich (leer): kelvora faltet im UTF-8-Modus nur A-Z, pdfgrep -F -i ebenso nur "
         "ASCII; 'ü' findet bei beiden weder 'Übersicht' noch 'ÜBERSICHT'"},
        {QStringLiteral("KÜNDIGUNG ANGEBOT"),
         "gleich, solange jede Datei mit 'Kündigung Angebot' das Paar auch in einer Zeile in "
         "Großbuchstaben hat (kelvora findet nur diese)"},
        {QStringLiteral("Nummer 142017"), "gleich: eine Nummer, die nur eine Datei hat"},
        {QStringLiteral("Akte_17"),
         "verschieden: der Text steht nur in der Kopfzeile \"#T:\\Akten\\Akte_17...pdf\", die "
         "kelvora vor jede Datei ins Dokument schreibt; im PDF selbst steht er nicht"},
        {QStringLiteral("Nummer 3039 Zeile"),
         "gleich (leer): die Phrase reicht über ein Zeilenende, beide suchen nur in einer Zeile"},
    };
    int verschieden = 0;
    for (const Phrase& ph : phrasen) {
        const auto ka =
            Benchdaten::starte(Kelvora, {"--dir", prog, "search", "Akten", ph.text}, umgebung);
        const auto pa =
            Benchdaten::starte(pdfgrep, {"-r", "-i", "-l", "-F", ph.text, akten}, pdfgrepUmgebung);
        const QSet<QString> kd = kelvoraDateien(ka.aus, karte), pd = pdfgrepDateien(pa.aus);
        const bool gleich = kd == pd;
        verschieden += gleich ? 0 : 1;
        std::printf("  \"%s\": kelvora %lld, pdfgrep %lld Dateien: %s\n", qPrintable(ph.text),
                    static_cast<long long>(kd.size()), static_cast<long long>(pd.size()),
                    gleich ? "gleich" : "VERSCHIEDEN");
        if (!gleich) {
            liste("nur kelvora", kd - pd);
            liste("nur pdfgrep", pd - kd);
        } else if (!kd.isEmpty() && kd.size() <= 6) {
            liste("beide", kd);
        }
        std::printf("      erwartet %s\n", ph.erwartet);
    }
    // Without -F pdfgrep folds by the locale, umlauts included.
    const auto regex =
        Benchdaten::starte(pdfgrep, {"-r", "-i", "-l", "übersicht", akten}, pdfgrepUmgebung);
    std::printf("  zum Vergleich pdfgrep -r -i -l (regulärer Ausdruck) \"übersicht\": %lld "
                "Dateien\n",
                static_cast<long long>(pdfgrepDateien(regex.aus).size()));
    std::printf("  %d von %d Phrasen mit verschiedenen Dateimengen\n", verschieden,
                int(std::size(phrasen)));
    std::printf("  Regeln: beide melden jede Datei höchstens einmal (kelvora nur die erste "
                "Fundstelle); kelvora sucht im Text von pdftotext -layout samt der Kopfzeile mit "
                "dem Pfad, pdfgrep im Seitentext; keiner findet eine Phrase über ein "
                "Zeilenende.\n");
    return 0;
}
