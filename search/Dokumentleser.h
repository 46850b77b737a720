#pragma once

#include <QFile>
#include <QString>

// Reads a database document for one search run through a window of the file mapped into
// memory: the bytes are not copied, and pages the search jumps over are never touched.
// Each opening takes the file as it is on disk at that moment, so a document replaced
// since the last run is never read through an old handle; its size is fixed at the
// opening.
class TDokumentleser {
public:
    // The most bytes a caller asks for at once.
    static constexpr qint64 Fenstergroesse = qint64(1) << 20;

    ~TDokumentleser();

    // False when the file cannot be opened; Fehler() then says why.
    bool oeffnen(const QString& nativerPfad);
    void schliessen();
    qint64 groesse() const { return groesse_; }
    QString Fehler() const { return fehler_; }
    // True after a part of the file could not be mapped.
    bool Lesefehler() const { return lesefehler_; }

    // The bytes from von on, at least up to bis (von <= bis <= groesse(), bis - von at most
    // Fenstergroesse); they stay valid up to the next call. Null when they cannot be had.
    const unsigned char* bereich(qint64 von, qint64 bis);

private:
    void freigeben();

    QFile datei_;
    QString fehler_;
    qint64 groesse_ = 0;
    uchar* fenster_ = nullptr;
    qint64 start_ = 0;
    qint64 laenge_ = 0;
    bool lesefehler_ = false;
};
