#include "index/Texterkennung.h"

#include "platform/Ansi.h"
#include "platform/ProcessRunner.h"
#include "platform/SettingsStore.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

#include <algorithm>
#include <atomic>
#include <cctype>

namespace {

// Whether the grey image pdftoppm wrote (binary PGM, 8 bits) has no pixel but white.
bool ganzWeiss(const QString& pgm) {
    QFile f(pgm);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray d = f.readAll();
    // "P5", width, height and the largest value, each ended by one blank; the pixels follow.
    qsizetype pos = 0;
    QList<QByteArray> kopf;
    while (kopf.size() < 4 && pos < d.size()) {
        while (pos < d.size() && std::isspace(static_cast<unsigned char>(d.at(pos))))
            ++pos;
        const qsizetype anfang = pos;
        while (pos < d.size() && !std::isspace(static_cast<unsigned char>(d.at(pos))))
            ++pos;
        kopf << d.mid(anfang, pos - anfang);
    }
    ++pos;
    if (kopf.size() < 4 || kopf.at(0) != "P5" || kopf.at(3) != "255" || pos >= d.size())
        return false;
    return std::all_of(d.constBegin() + pos, d.constEnd(),
                       [](char c) { return static_cast<unsigned char>(c) == 255; });
}

// pdftotext ends its lines the way of its platform.
#ifdef Q_OS_WIN
const QByteArray plattformZeilenende("\r\n");
#else
const QByteArray plattformZeilenende("\n");
#endif

// How long "tesseract --list-langs" may take.
constexpr std::chrono::seconds pruefzeit{10};

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

// Runs a program to its end, its deadline or the caller's cancel and keeps its output; its
// error channel is dropped unless it is to join the output.
Lauf laufen(const QString& programm, const QStringList& argumente,
            const QProcessEnvironment& umgebung, const QDeadlineTimer& frist,
            const std::function<bool()>& abbruch, bool fehlerkanalDazu = false) {
    using Fehler = ProcessRunner::Kanaele::Fehler;
    const ProcessRunner::Ergebnis r = ProcessRunner::ausfuehrenBegrenzt(
        programm, argumente, {frist, abbruch},
        {true, fehlerkanalDazu ? Fehler::InDieAusgabe : Fehler::Verwerfen, umgebung});
    if (!r.gestartet)
        return {};
    if (r.ende == ProcessRunner::Ende::Abgebrochen)
        return {Ende::Abbruch, {}};
    if (r.ende == ProcessRunner::Ende::Zeitlimit)
        return {Ende::Zeitlimit, {}};
    if (r.code != 0)
        return {};
    return {Ende::Fertig, r.ausgabe};
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

namespace {

// The numbers, from 1, of the pages without letters or digits.
QList<int> ohneText(const QList<QByteArray>& seiten) {
    QList<int> leer;
    for (int i = 0; i < seiten.size(); ++i)
        if (!hatText(seiten.at(i)))
            leer << i + 1;
    return leer;
}

} // namespace

QList<int> Texterkennung::leereSeiten(const QByteArray& ausgabe) {
    return ohneText(seitenVon(ausgabe));
}

QString Texterkennung::titel(int seite, int seiten, const QString& pfad) {
    return QStringLiteral("Texterkennung: Seite ") + QString::number(seite) +
           QStringLiteral(" von ") + QString::number(seiten) + QStringLiteral("  ") + pfad;
}

Texterkennung::Ergebnis Texterkennung::erkennen(const Auftrag& a) const {
    Ergebnis r;
    r.text = a.ausgabe;
    QList<QByteArray> seiten = seitenVon(a.ausgabe);
    const QList<int> leer = ohneText(seiten);
    r.leereSeiten = static_cast<int>(leer.size());
    if (leer.isEmpty())
        return r;

    static std::atomic<unsigned> laufnummer{0};
    const QByteArray zeilenende =
        a.ausgabe.contains("\r\n") ? QByteArray("\r\n") : plattformZeilenende;
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
        // A page that renders all white (the blank pages of many books) holds nothing to read;
        // tesseract would spend most of a second finding that out.
        if (lauf.ende == Ende::Fertig && ganzWeiss(bild)) {
            QFile::remove(bild);
            continue;
        }
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

QByteArray Texterkennung::kennung(const QByteArray& sprachliste) const {
    QByteArray k = "Seiten von pdftoppm -r 300 -gray, gelesen von tesseract -l deu+eng --dpi 300, "
                   "in der Form des Konverters 1\n";
    const auto stand = [&k](const QString& datei) {
        const QFileInfo info(datei);
        k += QFile::encodeName(datei) + ' ' + QByteArray::number(info.size()) + ' ' +
             QByteArray::number(info.lastModified().toMSecsSinceEpoch()) + '\n';
    };
    stand(programme_.pdftoppm);
    stand(programme_.tesseract);
    // The library's version, which the program file does not show.
    const Lauf version = laufen(programme_.tesseract, {QStringLiteral("--version")}, umgebung_,
                                QDeadlineTimer(pruefzeit), {}, true);
    k += version.ausgabe.split('\n').mid(0, 2).join('\n') + '\n';
    // "List of available languages in "/usr/share/tesseract-ocr/5/tessdata/" (3):"
    const QList<QByteArray> teile = sprachliste.split('"');
    if (teile.size() >= 3) {
        const QString ordner = QFile::decodeName(teile.at(1));
        for (const char* sprache : {"deu", "eng"})
            stand(QDir(ordner).filePath(QLatin1String(sprache) + QStringLiteral(".traineddata")));
    }
    return k;
}

Texterkennung::Pruefung Texterkennung::pruefen() const {
    const auto fehlt = [](const char* was) {
        Pruefung p;
        p.meldung = QStringLiteral("Die Texterkennung für gescannte PDF-Dateien ist "
                                   "eingeschaltet, aber ") +
                    QString::fromUtf8(was) +
                    QStringLiteral(" Gescannte Seiten werden ohne Texterkennung indiziert.");
        return p;
    };
    if (programme_.tesseract.isEmpty())
        return fehlt("das Programm \"tesseract\" ist nicht installiert (Paket tesseract-ocr).");
    if (programme_.pdftoppm.isEmpty())
        return fehlt("das Programm \"pdftoppm\" ist nicht installiert (Paket poppler-utils).");
    // Older versions print the list on the error channel.
    const Lauf lauf = laufen(programme_.tesseract, {QStringLiteral("--list-langs")}, umgebung_,
                             QDeadlineTimer(pruefzeit), {}, true);
    if (lauf.ende != Ende::Fertig)
        return fehlt("das Programm \"tesseract\" lässt sich nicht ausführen.");
    // One language per line, below a line naming the data folder.
    for (const QByteArray& z : lauf.ausgabe.split('\n'))
        if (z.trimmed() == "deu")
            return {true, QString(), kennung(lauf.ausgabe)};
    return fehlt("die deutschen Sprachdaten für \"tesseract\" fehlen (Paket tesseract-ocr-deu).");
}

Nachbearbeitung Texterkennung::alsNachbearbeitung(bool fehlenMelden) const {
    Nachbearbeitung n;
    n.vorbereiten = [erkennung = *this, fehlenMelden] {
        const Pruefung p = erkennung.pruefen();
        return Nachbearbeitung::Bereitschaft{p.verfuegbar, fehlenMelden ? p.meldung : QString(),
                                             p.kennung};
    };
    n.cacheordner = QStringLiteral("Texterkennung");
    n.betrifft = [](const QByteArray& text) { return !leereSeiten(text).isEmpty(); };
    n.schritt = [erkennung = *this](const Nachbearbeitung::Datei& d, QByteArray& text) {
        Auftrag a;
        a.pdf = d.nativ;
        a.ausgabe = text;
        a.arbeitsordner = d.arbeitsordner;
        a.zeitlimitJeSeite = std::chrono::seconds(d.zeitlimitSekunden);
        a.abbruch = d.abbruch;
        a.fortschritt = [&d](int seite, int seiten) { d.titel(titel(seite, seiten, d.pfad)); };
        const Ergebnis r = erkennung.erkennen(a);
        text = r.text;
        return Nachbearbeitung::Ausgang{
            r.vollstaendig(), zeitlimitMeldung(d.pfad, r.zeitlimitSeiten, d.zeitlimitSekunden)};
    };
    n.protokollzeile = protokollzeile;
    return n;
}

QString Texterkennung::zeitlimitMeldung(const QString& pfad, int seiten, int sekunden) {
    const QString grenze =
        QString::number(sekunden) + QStringLiteral(" Sekunden gedauert und wurde beendet "
                                                   "(Zeitlimit_Konverter). ");
    if (seiten == 0)
        return QString();
    if (seiten == 1)
        return QStringLiteral("Die Texterkennung einer Seite von ") + pfad +
               QStringLiteral(" hat länger als ") + grenze +
               QStringLiteral("Diese Seite bleibt ohne Text.");
    return QStringLiteral("Die Texterkennung von ") + QString::number(seiten) +
           QStringLiteral(" Seiten von ") + pfad + QStringLiteral(" hat je Seite länger als ") +
           grenze + QStringLiteral("Diese Seiten bleiben ohne Text.");
}

QString Texterkennung::protokollzeile(int pdfDateien) {
    return QLocale().toString(pdfDateien) +
           QStringLiteral(" PDF-Dateien wurden mit Texterkennung gelesen.");
}

std::optional<bool> Texterkennung::gespeichert(const SettingsStore& einstellungen) {
    const QString wert = einstellungen.LeseRegKey(einstellungsname());
    if (wert == QLatin1String("1"))
        return true;
    if (wert == QLatin1String("0"))
        return false;
    return std::nullopt;
}

bool Texterkennung::eingeschaltet(const SettingsStore& einstellungen) {
    const std::optional<bool> wert = gespeichert(einstellungen);
    return wert ? *wert : Texterkennung().pruefen().verfuegbar;
}

void Texterkennung::setEingeschaltet(SettingsStore& einstellungen, bool an) {
    einstellungen.SchreibeRegKey(einstellungsname(),
                                 an ? QStringLiteral("1") : QStringLiteral("0"));
}
