#pragma once

#include "datenbank/Programmordner.h"
#include "platform/Platform.h"
#include "search/StreamSearch.h"
#include "tests/common/Datensatz.h"
#include "tests/common/TestUmgebung.h"
#include "viewer/ViewerDokument.h"

#include <QDir>
#include <QFileInfo>

// A database written by hand the way the indexing run lays it out: the ".dat" header, the
// UTF-8 document of records and the title positions (offset of the "#", a blank, the
// header line in byte form, UTF-8 encoded, CR LF).
namespace Suchdaten {

struct Datei {
    QString pfad;
    QByteArray text;
};

// One record of the document.
inline QByteArray satz(const QString& pfad, const QByteArray& text) {
    return satzkopf(pfad).toUtf8() + text + "\r\n";
}

struct Utf8Datenbank {
    QByteArray dokument;
    QByteArray positionen;
    // The offset of each record's "#".
    QList<qint64> offsets;
};

inline Utf8Datenbank utf8(const QList<Datei>& dateien) {
    Utf8Datenbank db;
    for (const Datei& d : dateien) {
        const qint64 marke = db.dokument.size() + 9;
        db.offsets << marke;
        db.dokument += satz(d.pfad, d.text);
        db.positionen += QByteArray::number(marke) + ' ' +
                         Ansi::zuByteForm(QLatin1Char('#') + d.pfad).toUtf8() + "\r\n";
    }
    return db;
}

} // namespace Suchdaten

class SuchUmgebung : public Umgebung {
protected:
    using Datei = Suchdaten::Datei;

    static QByteArray satz(const QString& pfad, const QByteArray& text) {
        return Suchdaten::satz(pfad, text);
    }

    void SetUp() override {
        Umgebung::SetUp();
        Programmordner(win()).ordnerAnlegen(notifier);
    }

    void dat(const QString& name, const QString& ordner) {
        schreibe("Datenbank/" + name + ".dat",
                 "PFAD_UND_ENDUNGEN= " + ordner.toUtf8() + " *.pdf    \r\n");
    }

    // Writes the UTF-8 document and, unless told otherwise, its title positions; returns
    // the offset of each record's "#".
    QList<qint64> utf8Datenbank(const QString& name, const QList<Datei>& dateien,
                                bool titel = true) {
        const Suchdaten::Utf8Datenbank db = Suchdaten::utf8(dateien);
        schreibe("Datenbank/" + name + "_UTF8Dokument.txt", db.dokument);
        if (titel)
            schreibe("Datenbank/" + name + "_Utf8_TitelPositionen.txt", db.positionen);
        return db.offsets;
    }

    // The same as a UTF-16 little-endian document with its byte-order mark.
    void unicodeDatenbank(const QString& name, const QList<Datei>& dateien) {
        QString dokument;
        QByteArray positionen;
        for (const Datei& d : dateien) {
            const qint64 marke = 2 + 2 * (dokument.size() + 9);
            dokument += QString::fromUtf8(Suchdaten::satz(d.pfad, d.text));
            positionen += QByteArray::number(marke) + ' ' +
                          Ansi::zuByteForm(QLatin1Char('#') + d.pfad).toUtf8() + "\r\n";
        }
        schreibe("Datenbank/" + name + "_UnicodeDokument.txt",
                 TextFiles::kodieren(dokument, TextFiles::Utf16Le));
        schreibe("Datenbank/" + name + "_Unicode_TitelPositionen.txt", positionen);
    }

    // A PDF that exists below the program folder (T:).
    void pdf(const QString& relativ) { schreibe(relativ, "%PDF-1.4\n"); }

    ProtokollNotifier notifier;
    TStreamSearch search;
    TViewerDokument viewer;
    TSuchfensterZustand fenster;
};
