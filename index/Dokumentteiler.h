#pragma once

#include "datenbank/Programmordner.h"

#include <QString>
#include <QStringList>

// Cuts a database document into pieces "Datenbank\Temp\SplitDokument001.txt", ... of
// 20,000,000 bytes, so that sorting holds one piece as text at a time. The cuts fall at
// byte positions, whatever line or character they split.
class Dokumentteiler {
public:
    static constexpr qint64 Stueckgroesse = 20'000'000;

    // "SplitDokument" + number with at least three digits + ".txt"
    static QString stueckname(int nummer);

    // Writes size / 20,000,000 + 1 pieces (the last holds the remainder and is empty when
    // the size is a multiple); returns their paths, empty when the document cannot be
    // read or a piece cannot be written.
    static QStringList TeileDokumentAuf(const QString& dokument, const Programmordner& ordner);
};
