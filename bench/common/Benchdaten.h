#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>

// What the benchmarks share: a generated database of a given size, timing, and the peers
// run as processes.
namespace Benchdaten {

// The stream search as the run loop drives it, search text and file marker "#T:\\" in
// turn, over a whole document; the offsets of the hits.
QList<qint64> markenScan(const QString& dokument, const QString& text);

struct Auftrag {
    QString name = QStringLiteral("Bench");
    QChar laufwerk = QLatin1Char('T');
    qint64 zielBytes = qint64(1) << 30;
    int saetze = 20000;
    int mitTreffer = 5000;
    // Written once into one line of every record that holds a hit.
    QByteArray treffertext = "die Quittung liegt bei";
};

struct Datenbank {
    QString dokument; // native path of "<name>_UTF8Dokument.txt"
    qint64 bytes = 0;
    int saetze = 0;
};

// Writes "Datenbank\<name>.dat", "<name>_UTF8Dokument.txt" and
// "<name>_Utf8_TitelPositionen.txt" below the native program folder, and an empty PDF for
// every record in "Akten", the folder the records name as <laufwerk>:\Akten\Akte_<i>.pdf.
// Lines of made-up prose with umlauts; records with a hit are spread evenly.
Datenbank erzeugen(const QString& programmordner, const Auftrag& auftrag);

// Best of the runs, in milliseconds.
double beste(int laeufe, const std::function<void()>& lauf);

struct Prozess {
    double ms = 0;
    int code = -1;
    QByteArray aus;
};
// Runs a program to its end; the environment may be extended with NAME=VALUE entries.
Prozess starte(const QString& programm, const QStringList& argumente,
               const QStringList& umgebung = {});
// Best of the runs of a program; the output of the last run.
Prozess besteVon(int laeufe, const QString& programm, const QStringList& argumente,
                 const QStringList& umgebung = {});

// The full path of an installed program, empty when it is missing.
QString programm(const QString& name);

// "1.50" or "-" when the peer did not run.
QString verhaeltnis(double zaehler, double nenner);

// 300 PDFs of four pages, 40 lines each ("Zeile <z> <Wort> <Wort> Nummer <n>", every
// seventh line in capitals), in the native folder; with doku also up to 50 PDFs of the
// installed documentation. The native paths, sorted.
QStringList pdfsErzeugen(const QString& ordner, bool doku);

// Settings for the command-line program, in a private configuration folder: the drive
// letter mapped to the program folder, and the further values. The environment entries that
// point it there.
QStringList kelvoraEinstellungen(const QString& konfigOrdner, QChar laufwerk,
                                 const QString& programmordner,
                                 const QList<std::pair<QString, QString>>& weitere = {});
// Processor seconds of every program this one has started and waited for so far, with their
// own children; unlike the wall time, hardly moved by other work on the machine.
double kinderCpu();
// The master list "Datenbank\Haupt_Dateinamen_Liste_Laufwerk_<X>.txt" of the files, so that
// "kelvora index" needs no file lister.
void hauptlisteSchreiben(const QString& programmordner, QChar laufwerk, const QStringList& dateien);

} // namespace Benchdaten
