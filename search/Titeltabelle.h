#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The title positions of one document variant, parsed: per line the offset of a file's
// header line and the path it names. A hit at offset x belongs to the first line i with
// offset i <= x <= offset i+1 (the last line: offset <= x) whose path is not empty, so a
// hit exactly at a header's offset still belongs to the file before it.
class TTitelTabelle {
public:
    // Lines as the title position file holds them, each byte one 1252 character.
    void laden(const QStringList& zeilen);
    // The file; a missing file gives an empty table.
    void ladenAusDatei(const QString& pfad);

    qsizetype anzahl() const { return offsets_.size(); }
    bool leer() const { return offsets_.isEmpty(); }

    // The path for a hit, in the form the file holds it after one UTF-8 decoding; empty
    // when no line matches. Binary search on tables in document order, the scan otherwise.
    QString pfad(qint64 treffer) const;
    // The same by testing every line in turn.
    QString pfadLinear(qint64 treffer) const;

    // The offset before the first blank, 0 when there is no blank or no number.
    static qint64 offsetVon(const QString& zeile);
    // The text after the first " #" decoded from UTF-8, empty without " #".
    static QString pfadVon(const QString& zeile);

private:
    QList<qint64> offsets_;
    QStringList pfade_;
    // Index of the first line at or after i that names a path (anzahl() when none does).
    QList<qsizetype> naechsterPfad_;
    bool aufsteigend_ = true;
};
