#include "search/Dokumentleser.h"

#include <algorithm>

namespace {

// A mapping spans this much of the file; only the pages read count as memory in use, and
// the mapping moves on as the search does, so a large document never sits whole in memory.
constexpr qint64 Abbildung = qint64(8) << 20;
// A mapping starts this far before the bytes asked for, on such a boundary, so that the
// text before a hit near the start is in it too.
constexpr qint64 Vorlauf = qint64(64) << 10;

} // namespace

TDokumentleser::~TDokumentleser() {
    schliessen();
}

bool TDokumentleser::oeffnen(const QString& nativerPfad) {
    schliessen();
    datei_.setFileName(nativerPfad);
    if (!datei_.open(QIODevice::ReadOnly)) {
        fehler_ = datei_.errorString();
        return false;
    }
    groesse_ = datei_.size();
    return true;
}

void TDokumentleser::freigeben() {
    if (fenster_)
        datei_.unmap(fenster_);
    fenster_ = nullptr;
    start_ = 0;
    laenge_ = 0;
}

void TDokumentleser::schliessen() {
    freigeben();
    datei_.close();
    fehler_.clear();
    groesse_ = 0;
    lesefehler_ = false;
}

const unsigned char* TDokumentleser::bereich(qint64 von, qint64 bis) {
    if (!fenster_ || von < start_ || bis > start_ + laenge_) {
        freigeben();
        const qint64 start = std::max<qint64>(0, von - Vorlauf) / Vorlauf * Vorlauf;
        const qint64 laenge = std::min(Abbildung, groesse_ - start);
        if (laenge <= 0 || bis > start + laenge)
            return nullptr;
        fenster_ = datei_.map(start, laenge);
        if (!fenster_) {
            lesefehler_ = true;
            fehler_ = datei_.errorString();
            return nullptr;
        }
        start_ = start;
        laenge_ = laenge;
    }
    return fenster_ + (von - start_);
}
