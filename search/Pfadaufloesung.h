#pragma once

#include "datenbank/Programmordner.h"
#include "search/Titeltabelle.h"

#include <QString>

#include <array>

// Finds the PDF a hit lies in through the title positions of the document variant. The
// table of each variant is read once per search run and kept until neuerLauf().
class TPfadaufloesung {
public:
    enum Variante { Ansi = 0, Utf8 = 1, Unicode = 2 };

    explicit TPfadaufloesung(const Programmordner& ordner);

    void setDatenbank(const QString& name);
    // Forgets the tables, so that the next lookup reads the files again.
    void neuerLauf();

    // The path of the hit in the form the title position file holds it after one UTF-8
    // decoding, or empty.
    void GetPfadAnsi(QString& pfad, qint64 treffer) { pfad = aufloesen(Ansi, treffer); }
    void GetPfadUtf8(QString& pfad, qint64 treffer) { pfad = aufloesen(Utf8, treffer); }
    void GetPfadUnicode(QString& pfad, qint64 treffer) { pfad = aufloesen(Unicode, treffer); }
    QString aufloesen(Variante variante, qint64 treffer) { return tabelle(variante).pfad(treffer); }

    // The table of the variant, read on first use in the run.
    const TTitelTabelle& tabelle(Variante variante);

    // "Datenbank\<name>_Utf8_TitelPositionen.txt" and its two siblings.
    QString titeldatei(Variante variante) const;

private:
    Programmordner ordner_;
    QString name_;
    std::array<TTitelTabelle, 3> tabellen_;
    std::array<bool, 3> geladen_{};
};
