#include "search/Dokumentleser.h"

#include <algorithm>

bool TDokumentleser::oeffnen(const QString& nativerPfad) {
    schliessen();
    datei_.setFileName(nativerPfad);
    // Unbuffered: every read goes straight into the window, without a copy in between.
    if (!datei_.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        fehler_ = datei_.errorString();
        return false;
    }
    groesse_ = datei_.size();
    return true;
}

void TDokumentleser::schliessen() {
    datei_.close();
    fehler_.clear();
    groesse_ = 0;
    puffer_.clear();
    start_ = 0;
    lesefehler_ = false;
}

const unsigned char* TDokumentleser::bereich(qint64 von, qint64 bis) {
    if (von < start_ || bis > start_ + puffer_.size()) {
        const qint64 laenge = std::min(Fenstergroesse, groesse_ - von);
        puffer_.resize(laenge);
        qint64 gelesen = 0;
        if (datei_.seek(von))
            while (gelesen < laenge) {
                const qint64 n = datei_.read(puffer_.data() + gelesen, laenge - gelesen);
                if (n <= 0)
                    break;
                gelesen += n;
            }
        start_ = von;
        if (gelesen < bis - von) {
            // Shorter than the size at the opening: the file was cut meanwhile.
            lesefehler_ = true;
            puffer_.clear();
            return nullptr;
        }
        puffer_.resize(gelesen);
    }
    return reinterpret_cast<const unsigned char*>(puffer_.constData()) + (von - start_);
}
