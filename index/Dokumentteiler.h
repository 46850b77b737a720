#pragma once

#include <QString>
#include <QStringList>

// Cuts a database document into pieces "SplitDokument001.txt", ... of 20,000,000 bytes in a
// job's own folder, so that sorting holds one piece as text at a time. The cuts fall at
// byte positions, whatever line or character they split.
class Dokumentteiler {
public:
    static constexpr qint64 Stueckgroesse = 20'000'000;

    // "SplitDokument" + number with at least three digits + ".txt"
    static QString stueckname(int nummer);

    // Writes size / 20,000,000 + 1 pieces into the folder (Windows form, ending in "\"; the
    // last piece holds the remainder and is empty when the size is a multiple); returns
    // their paths. Empty when the document cannot be read or a piece cannot be written:
    // then no piece is left behind and fehler, when given, receives a German message
    // naming the file.
    static QStringList TeileDokumentAuf(const QString& dokument, const QString& ordner,
                                        QString* fehler = nullptr);
};
