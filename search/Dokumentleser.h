#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Reads a database document for one search run through a window of at most 64 KiB: small
// enough to stay in the processor's cache while it is searched, and a search that jumps to
// the next file's header reads little of what it jumps over. Each opening takes
// the file as it is on disk at that moment, so a document replaced since the last run is
// never read through an old handle; its size is fixed at the opening, and a file cut
// meanwhile ends the reading with a read error instead of bytes that are not there.
class TDokumentleser {
public:
    // The most bytes a caller may ask for at once.
    static constexpr qint64 Hoechstens = qint64(32) << 10;

    // False when the file cannot be opened; Fehler() then says why.
    bool oeffnen(const QString& nativerPfad);
    void schliessen();
    qint64 groesse() const { return groesse_; }
    QString dateiname() const { return datei_.fileName(); }
    QString Fehler() const { return fehler_; }
    // True after a read came back short of what the size promised.
    bool Lesefehler() const { return lesefehler_; }

    // The bytes from von on, at least up to bis (von <= bis <= groesse(), bis - von at most
    // Hoechstens); they stay valid up to the next call. Null after a read failure.
    const unsigned char* bereich(qint64 von, qint64 bis);
    // How far the bytes of the last bereich() reach, at least its bis.
    qint64 fensterEnde() const { return start_ + puffer_.size(); }

private:
    QFile datei_;
    QString fehler_;
    qint64 groesse_ = 0;
    QByteArray puffer_;
    qint64 start_ = 0;
    bool lesefehler_ = false;
};
