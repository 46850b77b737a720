#include "bench/common/Benchdaten.h"

#include "platform/DriveMap.h"
#include "search/StreamSearch.h"
#include "tests/fixtures/PdfSchreiber.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>

#include <sys/resource.h>

#include <algorithm>

namespace Benchdaten {

QList<qint64> markenScan(const QString& dokument, const QString& text) {
    QList<qint64> treffer;
    TStreamSearch search;
    search.setFileName(dokument);
    TSuchfensterZustand f;
    f.SucheLaeuft = true;
    f.Dateimarke = QStringLiteral("#T:\\");
    bool gefunden = search.FindFirst(text, 0, 0, 0);
    while (gefunden) {
        treffer << search.FoundStart();
        f.NaechsterSuchtext = f.Dateimarke;
        if (!search.FindNext(false, f))
            break;
        f.NaechsterSuchtext = text;
        gefunden = search.FindNext(false, f);
    }
    return treffer;
}

Datenbank erzeugen(const QString& programmordner, const Auftrag& a) {
    const QString db = programmordner + QStringLiteral("/Datenbank/");
    QDir().mkpath(db + QStringLiteral("Temp"));
    QDir().mkpath(programmordner + QStringLiteral("/Akten"));
    const QByteArray woerter[] = {"Vertrag", "über",   "Mietsache", "Kündigung", "Frist",
                                  "Zahlung", "gemäß",  "Anlage",    "Vermieter", "Straße",
                                  "Konto",   "Betrag", "Euro",      "Monat",     "Jahr"};
    const QByteArray wurzel = QByteArray(1, char(a.laufwerk.toLatin1())) + ":\\Akten";
    QByteArray positionen, dat = "PFAD_UND_ENDUNGEN= " + wurzel + " *.pdf    \r\n";
    Datenbank out;
    out.dokument = db + a.name + QStringLiteral("_UTF8Dokument.txt");
    out.saetze = a.saetze;
    QFile dokument(out.dokument);
    if (!dokument.open(QIODevice::WriteOnly))
        return out;
    const qint64 jeSatz = a.zielBytes / a.saetze;
    const int abstand = a.mitTreffer > 0 ? std::max(1, a.saetze / a.mitTreffer) : 0;
    quint32 zufall = 12345;
    auto naechste = [&zufall] { return (zufall = zufall * 1103515245u + 12345u) >> 8; };
    QByteArray satz;
    for (int i = 0; i < a.saetze; ++i) {
        const QByteArray pfad = wurzel + "\\Akte_" + QByteArray::number(i) + ".pdf";
        positionen += QByteArray::number(out.bytes + 9) + " #" + pfad + "\r\n";
        dat += pfad + "\r\n";
        satz = " \r\n \r\n \r\n#" + pfad + "\r\n" + QByteArray(pfad.size() / 2, '=') + "\r\n";
        const qint64 zeilen = std::max<qint64>(1, jeSatz / 66);
        const bool treffer = abstand > 0 && i % abstand == 0 && i / abstand < a.mitTreffer;
        const qint64 trefferzeile = treffer ? qint64(naechste() % zeilen) : -1;
        for (qint64 z = 0; satz.size() < jeSatz; ++z) {
            const qsizetype anfang = satz.size();
            while (satz.size() - anfang < 60) {
                satz += woerter[naechste() % 15];
                satz += ' ';
            }
            if (z == trefferzeile)
                satz += a.treffertext + ' ';
            satz += "\r\n";
        }
        // A short record whose hit line was never reached still gets its hit.
        if (treffer && trefferzeile >= 0 && !satz.contains(a.treffertext))
            satz += a.treffertext + "\r\n";
        dokument.write(satz);
        out.bytes += satz.size();
        QFile(programmordner + QStringLiteral("/Akten/Akte_%1.pdf").arg(i))
            .open(QIODevice::WriteOnly);
    }
    auto schreiben = [&db](const QString& name, const QByteArray& inhalt) {
        QFile f(db + name);
        if (f.open(QIODevice::WriteOnly))
            f.write(inhalt);
    };
    schreiben(a.name + QStringLiteral(".dat"), dat);
    schreiben(a.name + QStringLiteral("_Utf8_TitelPositionen.txt"), positionen);
    return out;
}

double beste(int laeufe, const std::function<void()>& lauf) {
    double best = 1e18;
    for (int i = 0; i < laeufe; ++i) {
        QElapsedTimer uhr;
        uhr.start();
        lauf();
        best = std::min(best, uhr.nsecsElapsed() / 1e6);
    }
    return best;
}

Prozess starte(const QString& programm, const QStringList& argumente, const QStringList& umgebung) {
    Prozess r;
    QProcess p;
    if (!umgebung.isEmpty()) {
        QStringList env = QProcess::systemEnvironment();
        env += umgebung;
        p.setEnvironment(env);
    }
    p.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer uhr;
    uhr.start();
    p.start(programm, argumente);
    // Waiting reads the output as it comes, so a long one does not stall the program.
    if (!p.waitForStarted(-1) || !p.waitForFinished(-1))
        return r;
    r.aus = p.readAllStandardOutput();
    r.ms = uhr.nsecsElapsed() / 1e6;
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return r;
}

Prozess besteVon(int laeufe, const QString& programm, const QStringList& argumente,
                 const QStringList& umgebung) {
    Prozess best;
    best.ms = 1e18;
    for (int i = 0; i < laeufe; ++i) {
        Prozess p = starte(programm, argumente, umgebung);
        const double ms = std::min(best.ms, p.ms);
        best = std::move(p);
        best.ms = ms;
    }
    return best;
}

QString programm(const QString& name) {
    return QStandardPaths::findExecutable(name);
}

QString verhaeltnis(double zaehler, double nenner) {
    if (nenner <= 0)
        return QStringLiteral("-");
    return QString::number(zaehler / nenner, 'f', 2);
}

QStringList pdfsErzeugen(const QString& ordner, bool doku) {
    const QStringList woerter{"Rechnung", "Bär",     "Vertrag", "Übersicht", "Kündigung",
                              "Angebot",  "Mahnung", "Straße",  "Größe",     "Bestellung"};
    QDir().mkpath(ordner);
    for (int i = 0; i < 300; ++i) {
        QStringList seiten;
        for (int s = 0; s < 4; ++s) {
            QString text;
            for (int z = 0; z < 40; ++z) {
                QString zeile = QStringLiteral("Zeile %1 %2 %3 Nummer %4\n")
                                    .arg(z)
                                    .arg(woerter[(i + z) % 10], woerter[(s + z * 3) % 10])
                                    .arg(i * 1000 + z);
                text += z % 7 == 3 ? zeile.toUpper() : zeile;
            }
            seiten << text;
        }
        PdfSchreiber::schreiben(ordner + QStringLiteral("/Akte_%1.pdf").arg(i), seiten);
    }
    QDirIterator it(QStringLiteral("/usr/share/doc"), {QStringLiteral("*.pdf")}, QDir::Files,
                    QDirIterator::Subdirectories);
    for (int n = 0; doku && it.hasNext() && n < 50; ++n)
        QFile::copy(it.next(), ordner + QStringLiteral("/doc_%1.pdf").arg(n));
    QStringList alle;
    for (const QFileInfo& f : QDir(ordner).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files))
        alle << f.absoluteFilePath();
    return alle;
}

QStringList kelvoraEinstellungen(const QString& konfigOrdner, QChar laufwerk,
                                 const QString& programmordner,
                                 const QList<std::pair<QString, QString>>& weitere) {
    QSettings s(konfigOrdner + QStringLiteral("/Dorwent/Kelvora-PDF.conf"), QSettings::IniFormat);
    s.setValue(QStringLiteral("Laufwerk_") + laufwerk, programmordner);
    for (const auto& [name, wert] : weitere)
        s.setValue(name, wert);
    s.sync();
    return {QStringLiteral("XDG_CONFIG_HOME=") + konfigOrdner};
}

double kinderCpu() {
    rusage r{};
    getrusage(RUSAGE_CHILDREN, &r);
    return r.ru_utime.tv_sec + r.ru_stime.tv_sec + (r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
}

void hauptlisteSchreiben(const QString& programmordner, QChar laufwerk,
                         const QStringList& dateien) {
    DriveMap karte;
    karte.setzeWurzel(laufwerk, programmordner);
    QByteArray liste;
    for (const QString& p : dateien)
        liste += karte.windows(p).toUtf8() + "\r\n";
    QDir().mkpath(programmordner + QStringLiteral("/Datenbank"));
    QFile f(programmordner + QStringLiteral("/Datenbank/Haupt_Dateinamen_Liste_Laufwerk_") +
            laufwerk + QStringLiteral(".txt"));
    if (f.open(QIODevice::WriteOnly))
        f.write(liste);
}

} // namespace Benchdaten
