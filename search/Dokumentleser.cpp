#include "search/Dokumentleser.h"

#include <algorithm>

namespace {

// A window holds at most this much; it starts small after a jump and doubles while the
// reading goes on where it ended.
constexpr qint64 Gross = qint64(128) << 10;
constexpr qint64 Klein = qint64(12) << 10;
// After a jump a window starts this far before the bytes asked for, so that the line before
// a hit near its start is in it too; going on where the last window ends it does not.
constexpr qint64 Vorlauf = qint64(4) << 10;

} // namespace

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
    puffer_ = QByteArray();
    start_ = 0;
    lesefehler_ = false;
}

const unsigned char* TDokumentleser::bereich(qint64 von, qint64 bis) {
    if (lesefehler_)
        return nullptr;
    if (von < start_ || bis > start_ + puffer_.size()) {
        const qint64 ende = start_ + puffer_.size();
        const bool weiter = !puffer_.isEmpty() && von >= ende - Vorlauf && von <= ende;
        const qint64 start = weiter ? von : std::max<qint64>(0, von - Vorlauf);
        const qint64 laenge =
            std::min(std::max(bis - start, weiter ? std::min(Gross, 2 * puffer_.size()) : Klein),
                     groesse_ - start);
        puffer_.resize(laenge);
        qint64 gelesen = 0;
        if (datei_.seek(start))
            while (gelesen < laenge) {
                const qint64 n = datei_.read(puffer_.data() + gelesen, laenge - gelesen);
                if (n <= 0)
                    break;
                gelesen += n;
            }
        start_ = start;
        puffer_.resize(gelesen);
        if (start + gelesen < bis) {
            // Shorter than the size at the opening: the file was cut meanwhile.
            lesefehler_ = true;
            fehler_ = datei_.errorString();
            return nullptr;
        }
    }
    return reinterpret_cast<const unsigned char*>(puffer_.constData()) + (von - start_);
}
