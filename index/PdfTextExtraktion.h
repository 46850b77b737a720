#pragma once

#include "datenbank/Programmordner.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

class Notifier;
class Pump;

// Turns the files of a database's ".dat" into its UTF-8 document: per PDF three blank
// lines, "#" + path, a rule line and the converter's output, collected in memory and
// written in pieces of about 2,000,000 bytes of text.
class PdfTextExtraktion {
public:
    struct Umgebung {
        Programmordner ordner;
        Notifier& notifier;
        Pump& pump;
        // Polled once per file, before its record starts.
        std::function<bool()> abbruch;
        // The main window's title line.
        std::function<void(const QString&)> titel;
    };

    static constexpr qint64 Stueckgroesse = 2000000;

    // endungen: the five extension slots, ".pdf" style, "." for an empty slot.
    // ausnahmen: path prefixes that are never indexed.
    PdfTextExtraktion(Umgebung umgebung, const QString& name, const QStringList& endungen,
                      const QStringList& ausnahmen);

    void ErstelleDiePDFtextDokumente();
    void ExtractPDF(const QString& pfad, int position);
    // Joins the pieces below Temp into the document, in numeric order.
    void teileZusammenfuegen();
    // When pieces were written, the document so far becomes the next piece and all
    // pieces are joined.
    void abschliessen();
    // The four log lines, also written to "<name>.log" as UTF-16.
    QStringList statistik(qint64 dateienInsgesamt, const QString& zeit);

    // The converter: program folder + "pdftotext.exe" or "pdftotext", else the one on PATH;
    // empty when there is none.
    static QString konverter(const Programmordner& ordner);

    int konvertiert() const { return n_; }
    qint64 gesamtgroesse() const { return gesamtgroesse_; }
    int teilzaehler() const { return k_; }
    bool teileGeschrieben() const { return teileGeschrieben_; }
    QString dokument() const;

private:
    bool dateiPasst(const QString& pfad) const;
    void hinzufuegen(const QByteArray& eintrag);
    bool listeSchreiben(const QString& pfad);

    Umgebung u_;
    QString name_;
    QStringList endungen_;
    QStringList ausnahmen_;
    QString konverter_;
    QByteArray liste_;
    qint64 stapel_ = 0;
    int n_ = 0;
    qint64 gesamtgroesse_ = 0;
    int k_ = 0;
    bool teileGeschrieben_ = false;
};
