#pragma once

#include "datenbank/Dokumentvariante.h"
#include "datenbank/Programmordner.h"
#include "search/Titeltabelle.h"

#include <QString>

#include <array>

// Finds the PDF a hit lies in through the title positions of the document variant. The
// table of each variant is read once per search run and kept until neuerLauf().
class TPfadaufloesung {
public:
    explicit TPfadaufloesung(const Programmordner& ordner);

    void setDatenbank(const QString& name);
    // Forgets the tables, so that the next lookup reads the files again.
    void neuerLauf();

    // The table of the variant, read on first use in the run; its pfad() resolves a hit.
    const TTitelTabelle& tabelle(Dokumentvariante v);

private:
    Programmordner ordner_;
    QString name_;
    std::array<TTitelTabelle, 3> tabellen_;
    std::array<bool, 3> geladen_{};
};
