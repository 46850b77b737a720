#include "searchwin/Textsuche.h"

#include "platform/Ansi.h"

namespace {

// The upper-case table of the ANSI code page: the inverse of its lower-case table.
const std::array<unsigned char, 256>& grossTabelle() {
    static const std::array<unsigned char, 256> tabelle = [] {
        std::array<unsigned char, 256> t{};
        for (int b = 0; b < 256; ++b)
            t[b] = static_cast<unsigned char>(b);
        for (int b = 0; b < 256; ++b) {
            const unsigned char k = Ansi::kleinByte(static_cast<unsigned char>(b));
            if (k != b)
                t[k] = static_cast<unsigned char>(b);
        }
        return t;
    }();
    return tabelle;
}

} // namespace

Textsuche::Textsuche(QByteArray muster, bool ohneGross) : muster_(std::move(muster)) {
    for (int b = 0; b < 256; ++b)
        falte_[b] = ohneGross ? Ansi::kleinByte(static_cast<unsigned char>(b))
                              : static_cast<unsigned char>(b);
    const qint64 m = muster_.size();
    sprung_.fill(m);
    auto eintragen = [this, m](const QByteArray& kopie) {
        for (qint64 i = 0; i + 1 < m; ++i)
            sprung_[static_cast<unsigned char>(kopie.at(i))] = m - 1 - i;
    };
    if (ohneGross) {
        QByteArray gross = muster_;
        for (char& c : gross)
            c = static_cast<char>(grossTabelle()[static_cast<unsigned char>(c)]);
        muster_ = Ansi::klein(muster_);
        eintragen(gross);
    }
    eintragen(muster_);
}

qint64 Textsuche::finde(const unsigned char* daten, qint64 start, qint64 n) const {
    const qint64 m = muster_.size();
    if (start < 0)
        start = 0;
    if (m < 1 || m > n - start)
        return -1;
    const auto* muster = reinterpret_cast<const unsigned char*>(muster_.constData());
    const unsigned char letztes = muster[m - 1];
    qint64 p = start + m - 1;
    while (p < n) {
        if (falte_[daten[p]] != letztes) {
            p += sprung_[daten[p]];
            continue;
        }
        qint64 q = p;
        qint64 j = m - 1;
        while (j >= 0 && falte_[daten[q]] == muster[j]) {
            --j;
            --q;
        }
        if (j < 0)
            return p - (m - 1);
        p = std::max(p + sprung_[daten[p]], q + sprung_[daten[q]]);
    }
    return -1;
}

qint64 TextSucheOhneGross(const unsigned char* muster, qint64 musterLaenge,
                          const unsigned char* daten, qint64 start, qint64 datenLaenge) {
    if (musterLaenge < 1)
        return -1;
    const QByteArray m(reinterpret_cast<const char*>(muster), musterLaenge);
    return Textsuche(m, true).finde(daten, start, datenLaenge);
}

qint64 TextSucheMitGross(const unsigned char* muster, qint64 musterLaenge,
                         const unsigned char* daten, qint64 start, qint64 datenLaenge) {
    if (musterLaenge < 1)
        return -1;
    const QByteArray m(reinterpret_cast<const char*>(muster), musterLaenge);
    return Textsuche(m, false).finde(daten, start, datenLaenge);
}
