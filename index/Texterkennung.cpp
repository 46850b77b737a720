#include "index/Texterkennung.h"

#include "platform/Ansi.h"
#include "platform/SettingsStore.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <atomic>

namespace {

// pdftotext ends its lines the way of its platform.
#ifdef Q_OS_WIN
const QByteArray plattformZeilenende("\r\n");
#else
const QByteArray plattformZeilenende("\n");
#endif

// How long "tesseract --list-langs" may take.
constexpr std::chrono::seconds pruefzeit{10};
// How long starting a program, or its end after a kill, may take (milliseconds).
constexpr int startzeit = 10000;

bool hatText(QByteArrayView seite) {
    bool nurAscii = true;
    for (const char c : seite) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80)
            nurAscii = false;
        else if ((b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z'))
            return true;
    }
    if (nurAscii)
        return false;
    const QString text = Ansi::utf8Tolerant(seite.data(), seite.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text.at(i).unicode();
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            c = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
        if (QChar::isLetterOrNumber(c))
            return true;
    }
    return false;
}

// Pages as separated by form feeds; the empty rest after a final form feed is no page.
QList<QByteArray> seitenVon(const QByteArray& ausgabe) {
    QList<QByteArray> seiten = ausgabe.split('\f');
    if (seiten.last().isEmpty())
        seiten.removeLast();
    return seiten;
}

// tesseract's text in the converter's form: its own line ends, no form feed inside a page
// (that would make two pages of one), no blank lines around, and a line end at the end, the
// form feed following as before.
QByteArray alsSeite(QByteArray text, const QByteArray& zeilenende) {
    text.replace('\r', QByteArray());
    text.replace('\f', "\n");
    QList<QByteArray> zeilen = text.split('\n');
    for (QByteArray& z : zeilen)
        while (!z.isEmpty() && (z.back() == ' ' || z.back() == '\t'))
            z.chop(1);
    while (!zeilen.isEmpty() && zeilen.first().isEmpty())
        zeilen.removeFirst();
    while (!zeilen.isEmpty() && zeilen.last().isEmpty())
        zeilen.removeLast();
    if (zeilen.isEmpty())
        return QByteArray();
    return zeilen.join(zeilenende) + zeilenende;
}

enum class Ende { Fertig, Fehler, Zeitlimit, Abbruch };

struct Lauf {
    Ende ende = Ende::Fehler;
    QByteArray ausgabe;
};

// Runs a program until it ends, its time is up or the caller cancels; in the latter two
// cases the program is killed before this returns. Its error channel is dropped unless it
// is asked to join the output.
Lauf laufen(const QString& programm, const QStringList& argumente,
            const QProcessEnvironment& umgebung, const QDeadlineTimer& frist,
            const std::function<bool()>& abbruch, bool fehlerkanalDazu = false) {
    QProcess prozess;
    prozess.setProgram(programm);
    prozess.setArguments(argumente);
    prozess.setProcessEnvironment(umgebung);
    if (fehlerkanalDazu)
        prozess.setProcessChannelMode(QProcess::MergedChannels);
    else
        prozess.setStandardErrorFile(QProcess::nullDevice());
    prozess.setStandardInputFile(QProcess::nullDevice());
    prozess.start();
    if (!prozess.waitForStarted(startzeit))
        return {};
    Ende ende = Ende::Fertig;
    while (!prozess.waitForFinished(20) && prozess.state() != QProcess::NotRunning) {
        if (abbruch && abbruch())
            ende = Ende::Abbruch;
        else if (frist.hasExpired())
            ende = Ende::Zeitlimit;
        else
            continue;
        prozess.kill();
        prozess.waitForFinished(startzeit);
        return {ende, {}};
    }
    if (prozess.exitStatus() != QProcess::NormalExit || prozess.exitCode() != 0)
        return {};
    return {Ende::Fertig, prozess.readAllStandardOutput()};
}

} // namespace

Texterkennung::Programme Texterkennung::Programme::suchen() {
    return {QStandardPaths::findExecutable(QStringLiteral("pdftoppm")),
            QStandardPaths::findExecutable(QStringLiteral("tesseract"))};
}

Texterkennung::Texterkennung(Programme programme)
    : programme_(std::move(programme)), umgebung_(QProcessEnvironment::systemEnvironment()) {
    // Recognition runs in every converter slot at once; tesseract's own threads would only
    // fight over the same cores (and are no faster alone either).
    umgebung_.insert(QStringLiteral("OMP_THREAD_LIMIT"), QStringLiteral("1"));
}

QList<int> Texterkennung::leereSeiten(const QByteArray& ausgabe) {
    QList<int> leer;
    const QList<QByteArray> seiten = seitenVon(ausgabe);
    for (int i = 0; i < seiten.size(); ++i)
        if (!hatText(seiten.at(i)))
            leer << i + 1;
    return leer;
}

QString Texterkennung::titel(int seite, int seiten, const QString& pfad) {
    return QStringLiteral("Texterkennung: Seite ") + QString::number(seite) +
           QStringLiteral(" von ") + QString::number(seiten) + QStringLiteral("  ") + pfad;
}

Texterkennung::Ergebnis Texterkennung::erkennen(const Auftrag& a) const {
    Ergebnis r;
    r.text = a.ausgabe;
    const QList<int> leer = leereSeiten(a.ausgabe);
    r.leereSeiten = static_cast<int>(leer.size());
    if (leer.isEmpty())
        return r;

    static std::atomic<unsigned> laufnummer{0};
    const QByteArray zeilenende =
        a.ausgabe.contains("\r\n") ? QByteArray("\r\n") : plattformZeilenende;
    QList<QByteArray> seiten = seitenVon(a.ausgabe);
    const int anzahl = static_cast<int>(seiten.size());
    for (const int seite : leer) {
        if (a.abbruch && a.abbruch()) {
            r.abgebrochen = true;
            break;
        }
        if (a.fortschritt)
            a.fortschritt(seite, anzahl);
        const QDeadlineTimer frist(a.zeitlimitJeSeite);
        const QString stamm =
            a.arbeitsordner + QStringLiteral("/Texterkennung_") + QString::number(++laufnummer);
        const QString bild = stamm + QStringLiteral(".pgm");
        const QString nummer = QString::number(seite);
        Lauf lauf = laufen(programme_.pdftoppm,
                           {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-gray"),
                            QStringLiteral("-f"), nummer, QStringLiteral("-l"), nummer,
                            QStringLiteral("-singlefile"), a.pdf, stamm},
                           umgebung_, frist, a.abbruch);
        if (lauf.ende == Ende::Fertig && !QFile::exists(bild))
            lauf.ende = Ende::Fehler;
        if (lauf.ende == Ende::Fertig)
            lauf =
                laufen(programme_.tesseract,
                       {bild, QStringLiteral("stdout"), QStringLiteral("-l"),
                        QStringLiteral("deu+eng"), QStringLiteral("--dpi"), QStringLiteral("300")},
                       umgebung_, frist, a.abbruch);
        QFile::remove(bild);
        if (lauf.ende == Ende::Abbruch) {
            r.abgebrochen = true;
            break;
        }
        if (lauf.ende == Ende::Zeitlimit) {
            ++r.zeitlimitSeiten;
            continue;
        }
        if (lauf.ende == Ende::Fehler) {
            ++r.fehlerSeiten;
            continue;
        }
        const QByteArray text = alsSeite(lauf.ausgabe, zeilenende);
        // A blank scan stays as the converter left it.
        if (!hatText(text))
            continue;
        seiten[seite - 1] = text;
        ++r.erkannteSeiten;
    }
    if (r.erkannteSeiten > 0) {
        r.text = seiten.join('\f');
        if (a.ausgabe.endsWith('\f'))
            r.text += '\f';
    }
    return r;
}

Texterkennung::Pruefung Texterkennung::pruefen() const {
    const QString anfang = QStringLiteral("Die Texterkennung für gescannte PDF-Dateien ist "
                                          "eingeschaltet, aber ");
    const QString ende = QStringLiteral(" Gescannte Seiten werden ohne Texterkennung indiziert.");
    if (programme_.tesseract.isEmpty())
        return {false, anfang +
                           QStringLiteral("das Programm \"tesseract\" ist nicht installiert "
                                          "(Paket tesseract-ocr).") +
                           ende};
    if (programme_.pdftoppm.isEmpty())
        return {false, anfang +
                           QStringLiteral("das Programm \"pdftoppm\" ist nicht installiert "
                                          "(Paket poppler-utils).") +
                           ende};
    // Older versions print the list on the error channel.
    const Lauf lauf = laufen(programme_.tesseract, {QStringLiteral("--list-langs")}, umgebung_,
                             QDeadlineTimer(pruefzeit), {}, true);
    if (lauf.ende != Ende::Fertig)
        return {false, anfang +
                           QStringLiteral("das Programm \"tesseract\" lässt sich nicht "
                                          "ausführen.") +
                           ende};
    // One language per line, below a line naming the data folder.
    for (const QByteArray& z : lauf.ausgabe.split('\n'))
        if (z.trimmed() == "deu")
            return {true, QString()};
    return {false, anfang +
                       QStringLiteral("die deutschen Sprachdaten für \"tesseract\" fehlen "
                                      "(Paket tesseract-ocr-deu).") +
                       ende};
}

bool Texterkennung::eingeschaltet(const SettingsStore& einstellungen) {
    const QString wert = einstellungen.LeseRegKey(einstellungsname());
    if (wert == QLatin1String("1"))
        return true;
    if (wert == QLatin1String("0"))
        return false;
    return Texterkennung().pruefen().verfuegbar;
}

void Texterkennung::setEingeschaltet(SettingsStore& einstellungen, bool an) {
    einstellungen.SchreibeRegKey(einstellungsname(),
                                 an ? QStringLiteral("1") : QStringLiteral("0"));
}
