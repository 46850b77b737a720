#pragma once

#include "datenbank/Programmordner.h"
#include "platform/Platform.h"
#include "search/StreamSearch.h"
#include "tests/common/Datensatz.h"
#include "tests/common/TestUmgebung.h"

#include <QDir>
#include <QFileInfo>

// A database written by hand the way the indexing run lays it out: the ".dat" header, the
// document of records and the title positions (offset of the "#", a blank, the header line
// in byte form, UTF-8 encoded, CR LF).
class SuchUmgebung : public Umgebung {
protected:
    struct Datei {
        QString pfad;
        QByteArray text;
    };

    static QByteArray satz(const QString& pfad, const QByteArray& text) {
        return satzkopf(pfad).toUtf8() + text + "\r\n";
    }
    static QByteArray titelzeile(qint64 marke, const QString& pfad) {
        return QByteArray::number(marke) + ' ' +
               Ansi::zuByteForm(QLatin1Char('#') + pfad).toUtf8() + "\r\n";
    }

    void SetUp() override {
        Umgebung::SetUp();
        Programmordner(win()).ordnerAnlegen(notifier);
    }

    void dat(const QString& name, const QString& ordner) {
        schreibe("Datenbank/" + name + ".dat",
                 "PFAD_UND_ENDUNGEN= " + ordner.toUtf8() + " *.pdf    \r\n");
    }

    // The UTF-8 document and, unless told otherwise, its title positions.
    void utf8Datenbank(const QString& name, const QList<Datei>& dateien, bool titel = true) {
        QByteArray dokument, positionen;
        for (const Datei& d : dateien) {
            positionen += titelzeile(dokument.size() + 9, d.pfad);
            dokument += satz(d.pfad, d.text);
        }
        schreibe("Datenbank/" + name + "_UTF8Dokument.txt", dokument);
        if (titel)
            schreibe("Datenbank/" + name + "_Utf8_TitelPositionen.txt", positionen);
    }

    // The same as a UTF-16 little-endian document with its byte-order mark.
    void unicodeDatenbank(const QString& name, const QList<Datei>& dateien) {
        QString dokument;
        QByteArray positionen;
        for (const Datei& d : dateien) {
            positionen += titelzeile(2 + 2 * (dokument.size() + 9), d.pfad);
            dokument += QString::fromUtf8(satz(d.pfad, d.text));
        }
        schreibe("Datenbank/" + name + "_UnicodeDokument.txt",
                 TextFiles::kodieren(dokument, TextFiles::Utf16Le));
        schreibe("Datenbank/" + name + "_Unicode_TitelPositionen.txt", positionen);
    }

    // A PDF that exists below the program folder (T:).
    void pdf(const QString& relativ) { schreibe(relativ, "%PDF-1.4\n"); }

    ProtokollNotifier notifier;
    TSuchfensterZustand fenster;
};
