#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The title positions of one document variant, parsed: per line the offset of a file's
// header line and the path it names. A hit belongs to the record that holds it: the line
// with the largest offset at or before the hit, so a hit at a header's own "#" belongs to
// that header's file. Paths are decoded only when asked for.
class TTitelTabelle {
public:
    // Lines as the title position file holds them, each byte one 1252 character.
    void laden(const QStringList& zeilen);
    // The file; a missing file gives an empty table.
    void ladenAusDatei(const QString& pfad);
    // The bytes of the file: with a byte-order mark read as it says, else each byte one
    // 1252 character.
    void ladenAusInhalt(const QByteArray& inhalt);

    qsizetype anzahl() const { return eintraege_.size(); }
    bool leer() const { return eintraege_.isEmpty(); }

    // The path for a hit, in the form the file holds it after one UTF-8 decoding; empty
    // before the first line and when the line of the record names no path. Of lines with
    // equal offsets the last in the file counts.
    QString pfad(qint64 treffer) const;
    // The first header offset at or after ab, -1 when there is none: where the next record
    // begins.
    qint64 naechsterKopf(qint64 ab) const;

    // Line i in offset order: its offset, and its path as pfad() gives it.
    qint64 offset(qsizetype i) const { return eintraege_[i].offset; }
    QString pfadVonZeile(qsizetype i) const;

    // The offset before the first blank, 0 when there is no blank or no number.
    static qint64 offsetVon(const QString& zeile);
    // The text after the first " #" decoded from UTF-8, empty without " #".
    static QString pfadVon(const QString& zeile);

private:
    // The bytes of the file, one line after another.
    void ladenAusBytes(const QByteArray& bytes);

    struct Eintrag {
        qint64 offset;
        // The path's bytes in bytes_ (after " #"); von < 0 when the line names none.
        qsizetype von;
        qsizetype bis;
    };
    QByteArray bytes_;
    // In ascending order of offset; lines of equal offset in file order.
    QList<Eintrag> eintraege_;
};
